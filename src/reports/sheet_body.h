#pragma once
// What the account sheets and the collective account sheets share: the bookings of a date window with
// the amounts the posting engine put on each of their accounts, an account's balance before the window,
// the booking lines, and the pages of one sheet - its lines with running debit and credit sums, the
// carry-over at every page break, the sheet number counted per sheet, and the end block with sums,
// balance and the account balance before and after the window.
//
// Amounts are whole cents from the moment a booking is read: the sums of a long sheet stay exact and
// agree with the balance file to the cent.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ledger/journal_record.h"
#include "reports/journal_report_books.h"
#include "reports/journal_scan.h"
#include "reports/print_file.h"
#include "reports/report_request.h"

namespace tellmark::ledger {
class CSalden;
}

namespace tellmark::reports {

std::int64_t ToCents(double value);

// "%11.2f" of an amount in cents, written into buffer (at least 24 bytes).
std::string_view CentsText(std::int64_t cents, char* buffer);

enum class SheetColumn { Debit, Credit };

// A printf template of "%s" fields ("%-25s", "%11s", ...), split once so that a million lines are filled
// without printf. Fields longer than their width push the rest of the line to the right, as printf does.
class LineTemplate {
public:
    explicit LineTemplate(std::string_view templ);
    // The line with the fields in template order; valid until the next Fill.
    std::string_view Fill(std::initializer_list<std::string_view> fields);

private:
    struct Piece {
        std::string literal;
        int width = 0;
        bool left = false;
        bool field = false;
    };
    std::vector<Piece> pieces_;
    std::string line_;
};

// A booking before or inside the window and what the posting engine put on its accounts: the debit and
// the credit account's shares (net on the side its posting type splits the VAT off, else gross) and the
// VAT share on the standard VAT account the type names.
struct SheetBooking {
    const ledger::ParsedBooking* booking = nullptr;
    long number = 0;                    // the booking number, from 1
    DayPlace place = DayPlace::Inside;  // Before: a first-month booking dated before the start day
    bool secondYear = false;            // the line's date lies in the second year of the booking year
    std::int64_t debit = 0;             // into the debit column of the debit account
    std::int64_t credit = 0;            // into the credit column of the credit account
    int vatAccount = 0;                 // 0: no VAT share to show
    SheetColumn vatColumn = SheetColumn::Debit;
    std::int64_t vat = 0;
};

enum class SheetScanEnd { Done, Stopped, ReadFailed };

// The window normalised for the sheets: months 1-13, a month 0 (opening values) taken as the first month
// of the business year, which is where the opening balance stands.
DateWindow SheetWindow(int fromDay, int fromMonth, int toDay, int toMonth, int firstMonth);

// Bookings of the window months' index ranges (a range may hold a few of other months).
long SheetScanBookings(JournalReportBooks& books, const DateWindow& window);
// Units the progress bar gets for scanning them: one per 100 bookings.
int SheetScanUnits(long bookings);

// Reads the months of the window once, in business-year order, and hands on every booking before or
// inside the window; the progress bar is stepped and polled every 100 bookings. Stopped when visit
// answered false.
SheetScanEnd ScanSheetBookings(JournalReportBooks& books, const DateWindow& window,
                               const std::function<bool(const SheetBooking&)>& visit);

// The account's balance before the window from the slots of the cursor's record: opening balance and
// the months before fromMonth in business-year order. Only the opening balance of an account whose
// status is '9' counts as 0, because that opening balance came from the carry-forward bookings of the
// first month, which the sheet reads from the journal.
std::int64_t SlotsBeforeWindow(const ledger::CSalden& cursor, int fromMonth);

// The two-digit years the booking lines carry.
struct LineYears {
    std::string first;
    std::string second;
    std::string_view of(bool secondYear) const { return secondYear ? second : first; }
};
LineYears LineYearsOf(const config::CircleSettings& settings);

// The printed fields of a booking kept compactly until its sheet is written.
struct SheetRow {
    std::int64_t debit = 0;
    std::int64_t credit = 0;
    std::int64_t vat = 0;
    char date[ledger::kDateWidth];
    char document[ledger::kDocumentWidth];
    char debitText[ledger::kAccountWidth];
    char creditText[ledger::kAccountWidth];
    char text[ledger::kTextWidth];
    char rate[ledger::kRateWidth];
    bool secondYear = false;

    static SheetRow Of(const SheetBooking& booking);
};

// The text fields of a line: date, year, document, debit, credit, text, rate.
struct SheetLineTexts {
    std::string_view date, year, document, debit, credit, text, rate;
};
SheetLineTexts LineTextsOf(const SheetRow& row, const LineYears& years);
SheetLineTexts LineTextsOf(const SheetBooking& booking, const LineYears& years);

// The pages of the sheets of one report. Each sheet (an account, a group) starts on a new page with sheet
// number 1; a full page ends with the carry-over of both sums and the footer with the sheet number, and
// the next page repeats the header with the next number. The end block stays on the page of the last
// line: the lines a page keeps free for carry-over and footer hold it.
class SheetPages {
public:
    // Writes the lines of a page header for the sheet number given (after the page was begun).
    using HeaderLines = std::function<bool(int sheet)>;

    SheetPages(PrintFile& printFile, const ReportRequest& request);

    // Starts a sheet on a new page. False when writing failed.
    bool Begin(HeaderLines header);
    // A booking line with its amount in one column; a full page is carried over first.
    bool Line(std::string_view text, SheetColumn column, std::int64_t cents);
    // Ruler, sums, balance of the lines, the account balance before and after the window, ruler.
    bool End(std::int64_t before);

    // Whether any sheet was begun.
    bool AnySheet() const { return sheets_ > 0; }

private:
    bool BeginPage(bool continued);
    bool CarryOver();
    bool BalanceLine(std::string_view which, int day, int month, int year, std::int64_t balance);

    PrintFile& printFile_;
    const ReportRequest& request_;
    HeaderLines header_;
    std::string ruler_;
    int sheet_ = 0;
    int sheets_ = 0;
    std::int64_t debit_ = 0;
    std::int64_t credit_ = 0;
};

// Ends the progress window on every way out of a report.
class SheetsProgressScope {
public:
    explicit SheetsProgressScope(ui::Progress& progress) : progress_(progress) {}
    ~SheetsProgressScope() {
        if (started_) progress_.end();
    }
    SheetsProgressScope(const SheetsProgressScope&) = delete;
    SheetsProgressScope& operator=(const SheetsProgressScope&) = delete;
    void started() { started_ = true; }

private:
    ui::Progress& progress_;
    bool started_ = false;
};

}  // namespace tellmark::reports
