#include "reports/cash_book_report.h"

#include <algorithm>
#include <string>
#include <vector>

#include "config/amounts.h"
#include "config/circle_settings.h"
#include "config/dates.h"
#include "ledger/account_record.h"
#include "ledger/salden.h"
#include "reports/journal_scan.h"
#include "resources/format.h"
#include "resources/texts_accounts.h"
#include "resources/texts_common.h"
#include "resources/texts_reports_journal.h"

namespace tellmark::reports {

namespace {

constexpr int kLastDay = 31;

// The cash account's balance before the window's first month, from the balance file: the slots from the
// opening balance up to the month before it in the business year. When that is the opening balance alone
// and it came from carry-forward bookings (status '9'), those bookings are in the journal and count with
// the window's first month instead: 0.
double BalanceBeforeFirstMonth(const ledger::CSalden& cursor, int fromMonth) {
    const int slot = cursor.slotOfMonth(fromMonth);
    if (slot <= 0) return 0.0;
    if (slot == 1 && cursor.status() == ledger::kStatusCarriedForward) return 0.0;
    double sum = 0.0;
    for (int s = 0; s < slot; ++s) sum += cursor.slotValue(s);
    return sum;
}

// What a booking does to the account: + amount as debit account, - amount as credit account.
double EffectOn(const ledger::ParsedBooking& booking, int account) {
    double effect = 0.0;
    if (booking.debitNumber == account) effect += booking.amountValue;
    if (booking.creditNumber == account) effect -= booking.amountValue;
    return effect;
}

// "KONTOSTAND" with "vor" or "am": the date with the day limited to its month, the year in two digits.
std::string BalanceLine(std::string_view which, int day, int month, int year, double balance) {
    config::clampDayMonthWithYear(day, month, false, year);
    return format(text::kCashBookBalance, std::string(which).c_str(), day, month, year % 100, balance);
}

class ProgressScope {
public:
    explicit ProgressScope(ui::Progress& progress) : progress_(progress) {}
    ~ProgressScope() { progress_.end(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    ui::Progress& progress_;
};

}  // namespace

void FillCashBookRequest(ReportRequest& request, const CashBookOptions& options, const BookingYear& year) {
    SetRequestWindow(request, {options.fromDay, options.fromMonth, options.toDay, options.toMonth}, year);
}

int GenerateCashBook(PrintFile& printFile, ReportRequest& request, const CashBookOptions& options,
                     JournalReportBooks& books) {
    std::string balanceText;
    std::string name;
    std::string numberText;
    ledger::CSalden& cursor = books.cursor;
    if (cursor.findByNumber(options.account, balanceText, name, numberText) != 1) {
        books.messages.show(text::kAccountNumberNotAllowed, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    const int account = cursor.numberValue();

    const ReportLayout layout = kLayoutCashBook;
    if (!printFile.BeginReport(request, layout)) return 0;
    const int width = layout.width;
    const config::CircleSettings& settings = books.settings;
    const BookingYear bookingYear = BookingYearOf(settings);
    const char* currency = settings.currency1.c_str();

    const std::string title = TitleLine(format(text::kCashBookTitle, numberText.c_str(), name.c_str()),
                                        request.printDay, request.printMonth, request.printYear, width);
    const std::string yearLine = BookingYearLineWithPeriod(bookingYear, request, width);
    const std::string columns = format(text::kCashBookColumns, currency, currency);
    const std::string ruler = RulerLine(width);

    // The cash book fills a page with one line more than its budget (it breaks when fewer than none are
    // left) and ends it with 3 blank lines and the footer, so the footer stands where the other reports
    // have it. The print file counts down to 0; the one line beyond is written outside its count.
    int linesLeft = 0;
    auto header = [&](bool continued) {
        if (continued) {
            for (int i = printFile.state().linesLeft; i < 1; ++i)
                if (!printFile.WriteLine({})) return false;
        }
        const bool written =
            printFile.BeginPageHeader(continued) && printFile.WriteLine(title) &&
            printFile.WriteLine(UnderlineLine(0, '-', printFile.state().currentPage, width, SheetDigits::Four)) &&
            printFile.WriteLine({}) && printFile.WriteLine(yearLine) && printFile.WriteLine({}) &&
            printFile.WriteLine(settings.name) && printFile.WriteLine({}) && printFile.WriteLine(columns) &&
            printFile.WriteLine(ruler);
        linesLeft = printFile.state().bodyLinesPerPage;
        return written;
    };
    printFile.SetPageHeader(header);
    auto writeLine = [&](const std::string& line) {
        if (linesLeft < 0 && !header(true)) return false;
        const bool written =
            printFile.state().linesLeft >= 1 ? printFile.WriteBodyLine(line) : printFile.WriteLine(line);
        --linesLeft;
        return written;
    };
    bool ok = header(false);

    const DateWindow window{options.fromDay, options.fromMonth, options.toDay, options.toMonth};
    const std::vector<int> passes = MonthPasses(window, bookingYear.firstMonth, bookingYear.differs);
    ProgressScope progressScope(books.progress);
    const int days = (static_cast<int>(passes.size()) - 1) * kLastDay + options.toDay - options.fromDay;
    books.progress.start(text::kCashBookProgressCaption, {}, text::kCashBookProgressLine, {}, std::max(1, days),
                         ui::kBarEndless);

    JournalScan scan(books.journal, books.journalIndex);
    std::vector<ledger::ParsedBooking> lines;
    double opening = BalanceBeforeFirstMonth(cursor, options.fromMonth);
    double balance = 0.0;
    bool readFailed = false;
    for (std::size_t pass = 0; ok && pass < passes.size(); ++pass) {
        const int month = passes[pass];
        // The month's bookings of the account in one scan, then in the order of their days; bookings of the
        // first month before the window's first day go into the balance before it.
        lines.clear();
        if (!scan.scanMonth(month, [&](const ledger::ParsedBooking& b, long) {
                if (b.debitNumber != account && b.creditNumber != account) return true;
                const DayPlace place = PlaceInWindow(b.day, month, window);
                if (place == DayPlace::Before && pass == 0) {
                    opening += EffectOn(b, account);
                } else if (place == DayPlace::Inside) {
                    lines.push_back(b);
                }
                return true;
            })) {
            readFailed = true;
            break;
        }
        if (pass == 0) balance = opening = config::roundToCents(opening);
        std::stable_sort(lines.begin(), lines.end(),
                         [](const ledger::ParsedBooking& a, const ledger::ParsedBooking& b) { return a.day < b.day; });

        const int firstDay = pass == 0 ? options.fromDay : 1;
        const int lastDay = pass + 1 == passes.size() ? options.toDay : kLastDay;
        const int year = YearOfMonth(month, bookingYear) % 100;
        auto next = std::lower_bound(lines.begin(), lines.end(), firstDay,
                                     [](const ledger::ParsedBooking& b, int day) { return b.day < day; });
        for (int day = firstDay; ok && day <= lastDay; ++day) {
            for (; ok && next != lines.end() && next->day == day; ++next) {
                balance = config::roundToCents(balance + EffectOn(*next, account));
                ok = writeLine(format(text::kCashBookLine, next->date, year, next->document, next->debit,
                                      next->credit, next->text, next->amount, next->rate, next->vatAmount,
                                      ledger::centsText(balance, 12).c_str()));
            }
            books.progress.step(1);
            books.progress.poll();
        }
    }
    if (passes.empty()) balance = opening = config::roundToCents(opening);

    if (readFailed) {
        books.messages.show(text::kJournalReportReadFailed, text::kCaptionError, ui::kIconStop);
        ok = false;
    }
    // The closing block follows the last line without a page break: the page has room for it where the
    // blank lines and the footer of a full page would stand.
    if (ok) {
        ok = printFile.WriteLine(ruler) &&
             printFile.WriteLine(BalanceLine(text::kCashBookBefore, options.fromDay, options.fromMonth,
                                             YearOfMonth(options.fromMonth, bookingYear), opening)) &&
             printFile.WriteLine(
                 BalanceLine(text::kCashBookAt, options.toDay, options.toMonth,
                             YearOfMonth(options.toMonth, bookingYear), balance)) &&
             printFile.WriteLine(ruler);
    }
    const bool ended = printFile.EndReport(request);
    return ok && ended ? 1 : 0;
}

}  // namespace tellmark::reports
