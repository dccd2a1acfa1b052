#include "reports/collective_sheets_report.h"

#include <cstdint>
#include <string>
#include <vector>

#include "config/circle_settings.h"
#include "reports/account_selection.h"
#include "reports/sheet_body.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_reports_output.h"
#include "resources/texts_reports_sheets.h"

namespace tellmark::reports {

void FillCollectiveSheetsRequest(ReportRequest& request, const CollectiveSheetsOptions& options,
                                 const BookingYear& year) {
    SetRequestWindow(request,
                     SheetWindow(options.fromDay, options.fromMonth, options.toDay, options.toMonth, year.firstMonth),
                     year);
}

int GenerateCollectiveSheets(PrintFile& printFile, ReportRequest& request, const CollectiveSheetsOptions& options,
                             JournalReportBooks& books) {
    const ReportLayout layout = kLayoutCollectiveSheets;
    if (!printFile.BeginReport(request, layout)) return 0;
    const int width = layout.width;
    const config::CircleSettings& settings = books.settings;
    const BookingYear bookingYear = BookingYearOf(settings);
    const DateWindow window =
        SheetWindow(options.fromDay, options.fromMonth, options.toDay, options.toMonth, bookingYear.firstMonth);

    // The accounts of the group; together they open with the sum of their balances before the window.
    std::vector<char> member(static_cast<std::size_t>(kHighestAccountNumber) + 1, 0);
    std::int64_t before = 0;
    int firstMember = 0;
    AccountSelection group;
    group.byGroup = true;
    group.pattern = options.group;
    if (!group.pattern.empty()) GroupRange(group.pattern, group.from, group.to);
    SelectedAccounts selected(group, books.cursor, books.accountIndex);
    while (selected.next()) {
        const int number = books.cursor.numberValue();
        if (number < 1 || number > kHighestAccountNumber) continue;
        member[static_cast<std::size_t>(number)] = 1;
        if (firstMember == 0) firstMember = number;
        before += SlotsBeforeWindow(books.cursor, window.fromMonth);
    }
    auto isMember = [&member](int number) {
        return number >= 1 && number <= kHighestAccountNumber && member[static_cast<std::size_t>(number)] != 0;
    };

    SheetsProgressScope progressScope(books.progress);
    books.progress.start(text::kAccountSheetsProgressCaption, {}, text::kSheetsProgressLine,
                         format(text::kAccountSheetsProgressAccount, static_cast<double>(firstMember)),
                         SheetScanUnits(SheetScanBookings(books, window)), ui::kBarEndless);
    progressScope.started();

    const char* currency = settings.currency1.c_str();
    const std::string title = TitleLine(format(text::kCollectiveSheetTitle, options.group.c_str()), request.printDay,
                                        request.printMonth, request.printYear, width);
    const std::string yearLine = BookingYearLineWithPeriod(bookingYear, request, width);
    const std::string columns = format(text::kCollectiveSheetColumns, currency, currency);
    const std::string ruler = RulerLine(width);
    auto header = [&](int sheet) {
        return printFile.WriteLine(title) &&
               printFile.WriteLine(
                   UnderlineLine(text::kCollectiveSheetUnderline.size(), '-', sheet, width, SheetDigits::Four)) &&
               printFile.WriteLine({}) && printFile.WriteLine(yearLine) && printFile.WriteLine({}) &&
               printFile.WriteLine(settings.name) && printFile.WriteLine({}) && printFile.WriteLine(columns) &&
               printFile.WriteLine(ruler);
    };

    const LineYears years = LineYearsOf(settings);
    LineTemplate lineTemplate(text::kCollectiveSheetLine);
    SheetPages pages(printFile, request);
    bool ok = true;
    char amount[24];
    // The sheet begins with its first line: a group without any prints nothing.
    auto line = [&](const SheetBooking& s, SheetColumn column, std::int64_t cents) {
        if (!pages.AnySheet() && !pages.Begin(header)) return false;
        const std::string_view shown = CentsText(cents, amount);
        const SheetLineTexts t = LineTextsOf(s, years);
        return pages.Line(lineTemplate.Fill({t.date, t.year, t.document, t.debit, t.credit, t.text, t.rate,
                                             column == SheetColumn::Debit ? shown : std::string_view(),
                                             column == SheetColumn::Credit ? shown : std::string_view()}),
                          column, cents);
    };

    const SheetScanEnd scanned = ScanSheetBookings(books, window, [&](const SheetBooking& s) {
        const bool debit = isMember(s.booking->debitNumber);
        const bool credit = isMember(s.booking->creditNumber);
        const bool vat = s.vatAccount != 0 && isMember(s.vatAccount);
        if (s.place == DayPlace::Before) {
            if (debit) before += s.debit;
            if (credit) before -= s.credit;
            if (vat) before += s.vatColumn == SheetColumn::Debit ? s.vat : -s.vat;
            return true;
        }
        ok = (!debit || line(s, SheetColumn::Debit, s.debit)) && (!credit || line(s, SheetColumn::Credit, s.credit)) &&
             (!vat || line(s, s.vatColumn, s.vat));
        return ok;
    });
    if (scanned == SheetScanEnd::ReadFailed) {
        books.messages.show(text::kSheetsJournalReadFailed, text::kCaptionError, ui::kIconStop);
        printFile.EndReport(request);
        return 0;
    }
    if (ok && pages.AnySheet()) ok = pages.End(before);

    const bool ended = printFile.EndReport(request);
    if (!ok || !ended) return 0;
    if (!pages.AnySheet()) {
        books.messages.show(text::kNoBookingsFound, text::kCaptionInformation, ui::kIconStop);
        return 0;
    }
    return 1;
}

}  // namespace tellmark::reports
