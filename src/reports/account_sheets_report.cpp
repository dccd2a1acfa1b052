#include "reports/account_sheets_report.h"

#include <cstdint>
#include <string>
#include <vector>

#include "chart/account_classes.h"
#include "config/circle_settings.h"
#include "reports/account_selection.h"
#include "reports/sheet_body.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_reports_output.h"
#include "resources/texts_reports_sheets.h"

namespace tellmark::reports {

namespace {

struct SheetAccount {
    int number = 0;
    int bookings = 0;  // its collection of bookings; accounts of the same number share one
    std::string numberText;
    std::string name;
    std::int64_t slotsBefore = 0;
    bool netBooked = false;
};

// A line of an account's sheet is its row number times four plus what the line shows of the booking.
enum LineRole : std::uint32_t { kDebitLine = 0, kCreditLine = 1, kVatDebitLine = 2, kVatCreditLine = 3 };

std::uint32_t LineOf(std::size_t row, std::uint32_t role) { return static_cast<std::uint32_t>(row) * 4 + role; }

}  // namespace

void FillAccountSheetsRequest(ReportRequest& request, const AccountSheetsOptions& options, const BookingYear& year) {
    SetRequestWindow(request,
                     SheetWindow(options.fromDay, options.fromMonth, options.toDay, options.toMonth, year.firstMonth),
                     year);
}

int GenerateAccountSheets(PrintFile& printFile, ReportRequest& request, const AccountSheetsOptions& options,
                          JournalReportBooks& books) {
    const ReportLayout layout = kLayoutAccountSheets;
    if (!printFile.BeginReport(request, layout)) return 0;
    const int width = layout.width;
    const config::CircleSettings& settings = books.settings;
    const BookingYear bookingYear = BookingYearOf(settings);
    const DateWindow window =
        SheetWindow(options.fromDay, options.fromMonth, options.toDay, options.toMonth, bookingYear.firstMonth);

    // The accounts of the range in number order, each with its balance before the window.
    std::vector<SheetAccount> accounts;
    std::vector<int> collectionOf(static_cast<std::size_t>(kHighestAccountNumber) + 1, -1);
    int collections = 0;
    AccountSelection range;
    range.byGroup = false;
    range.from = options.accountFrom;
    range.to = options.accountTo;
    SelectedAccounts selected(range, books.cursor, books.accountIndex);
    while (selected.next()) {
        const int number = books.cursor.numberValue();
        if (number < 1 || number > kHighestAccountNumber) continue;
        int& collection = collectionOf[static_cast<std::size_t>(number)];
        if (collection < 0) collection = collections++;
        accounts.push_back({number, collection, std::string(books.cursor.numberText()),
                            std::string(books.cursor.name()), SlotsBeforeWindow(books.cursor, window.fromMonth),
                            chart::IsNetBooked(number, settings.chart)});
    }
    auto collection = [&collectionOf](int number) {
        return number >= 1 && number <= kHighestAccountNumber ? collectionOf[static_cast<std::size_t>(number)] : -1;
    };

    const long bookingsToScan = SheetScanBookings(books, window);
    SheetsProgressScope progressScope(books.progress);
    books.progress.start(text::kAccountSheetsProgressCaption, {}, text::kSheetsProgressLine,
                         format(text::kAccountSheetsProgressAccount,
                                static_cast<double>(accounts.empty() ? options.accountFrom : accounts.front().number)),
                         SheetScanUnits(bookingsToScan) + static_cast<int>(accounts.size()), ui::kBarEndless);
    progressScope.started();

    // One pass over the journal collects the lines of every account; each booking is kept once.
    // Room for every booking of the window's months at once: a growing vector would copy them all and
    // hold them twice meanwhile; pages reserved but never filled cost no memory.
    std::vector<SheetRow> rows;
    rows.reserve(static_cast<std::size_t>(bookingsToScan));
    std::vector<std::vector<std::uint32_t>> lines(static_cast<std::size_t>(collections));
    std::vector<std::int64_t> beforeWindow(static_cast<std::size_t>(collections), 0);
    const SheetScanEnd scan = ScanSheetBookings(books, window, [&](const SheetBooking& s) {
        const int debit = collection(s.booking->debitNumber);
        const int credit = collection(s.booking->creditNumber);
        const int vat = s.vatAccount != 0 ? collection(s.vatAccount) : -1;
        if (debit < 0 && credit < 0 && vat < 0) return true;
        if (s.place == DayPlace::Before) {
            if (debit >= 0) beforeWindow[static_cast<std::size_t>(debit)] += s.debit;
            if (credit >= 0) beforeWindow[static_cast<std::size_t>(credit)] -= s.credit;
            if (vat >= 0)
                beforeWindow[static_cast<std::size_t>(vat)] += s.vatColumn == SheetColumn::Debit ? s.vat : -s.vat;
            return true;
        }
        const std::size_t row = rows.size();
        rows.push_back(SheetRow::Of(s));
        if (debit >= 0) lines[static_cast<std::size_t>(debit)].push_back(LineOf(row, kDebitLine));
        if (credit >= 0) lines[static_cast<std::size_t>(credit)].push_back(LineOf(row, kCreditLine));
        if (vat >= 0)
            lines[static_cast<std::size_t>(vat)].push_back(
                LineOf(row, s.vatColumn == SheetColumn::Debit ? kVatDebitLine : kVatCreditLine));
        return true;
    });
    if (scan == SheetScanEnd::ReadFailed) {
        books.messages.show(text::kSheetsJournalReadFailed, text::kCaptionError, ui::kIconStop);
        printFile.EndReport(request);
        return 0;
    }

    const char* currency = settings.currency1.c_str();
    const std::string yearLine = BookingYearLineWithPeriod(bookingYear, request, width);
    const std::string columns = format(text::kAccountSheetColumns, currency, currency);
    const std::string columnsNet = format(text::kAccountSheetColumnsNet, currency, currency);
    const std::string ruler = RulerLine(width);
    const LineYears years = LineYearsOf(settings);
    LineTemplate plainLine(text::kAccountSheetLine);
    LineTemplate netLine(text::kAccountSheetLineNet);
    SheetPages pages(printFile, request);
    bool ok = true;
    char amount[24];

    for (const SheetAccount& account : accounts) {
        books.progress.setBarLabel(format(text::kAccountSheetsProgressAccount, static_cast<double>(account.number)));
        books.progress.step(1);
        books.progress.poll();

        const std::vector<std::uint32_t>& entries = lines[static_cast<std::size_t>(account.bookings)];
        const std::int64_t before = account.slotsBefore + beforeWindow[static_cast<std::size_t>(account.bookings)];
        if (entries.empty() && (options.skipWithoutBookings || (options.skipWithoutBookingsZeroBalance && before == 0)))
            continue;

        const std::string title =
            TitleLine(format(text::kAccountSheetTitle, account.numberText.c_str(), account.name.c_str()),
                      request.printDay, request.printMonth, request.printYear, width);
        const std::string& headings = account.netBooked ? columnsNet : columns;
        auto header = [&printFile, &settings, &yearLine, &headings, &ruler, title, width](int sheet) {
            return printFile.WriteLine(title) &&
                   printFile.WriteLine(UnderlineLine(0, ' ', sheet, width, SheetDigits::Four)) &&
                   printFile.WriteLine({}) && printFile.WriteLine(yearLine) && printFile.WriteLine({}) &&
                   printFile.WriteLine(settings.name) && printFile.WriteLine({}) && printFile.WriteLine(headings) &&
                   printFile.WriteLine(ruler);
        };
        if (!pages.Begin(header)) {
            ok = false;
            break;
        }
        for (const std::uint32_t entry : entries) {
            const SheetRow& row = rows[entry / 4];
            SheetColumn column = SheetColumn::Debit;
            std::int64_t cents = 0;
            switch (entry % 4) {
            case kDebitLine: cents = row.debit; break;
            case kCreditLine: column = SheetColumn::Credit; cents = row.credit; break;
            case kVatDebitLine: cents = row.vat; break;
            default: column = SheetColumn::Credit; cents = row.vat; break;
            }
            const std::string_view shown = CentsText(cents, amount);
            const std::string_view debitColumn = column == SheetColumn::Debit ? shown : std::string_view();
            const std::string_view creditColumn = column == SheetColumn::Credit ? shown : std::string_view();
            const SheetLineTexts t = LineTextsOf(row, years);
            const std::string_view text =
                account.netBooked ? netLine.Fill({t.date, t.year, t.document, t.debit, t.credit, t.text, t.rate,
                                                  debitColumn, creditColumn})
                                  : plainLine.Fill({t.date, t.year, t.document, t.debit, t.credit, t.text,
                                                    debitColumn, creditColumn});
            if (!pages.Line(text, column, cents)) {
                ok = false;
                break;
            }
        }
        if (!ok) break;
        if (!pages.End(before)) {
            ok = false;
            break;
        }
    }

    const bool ended = printFile.EndReport(request);
    if (!ok || !ended) return 0;
    if (!pages.AnySheet()) {
        books.messages.show(text::kNoBookingsFound, text::kCaptionInformation, ui::kIconStop);
        return 0;
    }
    return 1;
}

}  // namespace tellmark::reports
