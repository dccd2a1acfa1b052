#include "reports/account_sheets_report.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "reports/random_books.h"
#include "reports/sheet_test_support.h"

namespace tellmark::reports {
namespace {

using posting::testing::line;
using posting::testing::OpenBooks;
using testing::f;
using testing::lr;
using testing::pad;
using testing::SheetDate;

constexpr std::size_t kWidth = testing::kSheetWidth;

constexpr const char* kTitle =
    "K O N T O B L A T T: %5s  %25s                                               %02i.%02i.%04i";
constexpr const char* kSheet =
    "                                                                                                    Blatt %04u";
constexpr const char* kColumns =
    "DATUM      BELEG        S      H     BUCHUNGSTEXT                               SOLL %3s             HABEN %3s";
constexpr const char* kColumnsNet =
    "DATUM      BELEG        S      H     BUCHUNGSTEXT                 MWST%%         SOLL %3s             HABEN %3s";
constexpr const char* kLine = "%-5s.%-2s   %6s    %5s  %5s    %-25s              %11s            %11s";
// Net-booked accounts: the rate under "MWST%".
constexpr const char* kLineNet = "%-5s.%-2s   %6s    %5s  %5s    %-25s    %5s     %11s            %11s";

std::string amount(double value) { return f("%11.2f", value); }

// A booking as the sheet prints it.
struct Booking {
    std::string date, year, document, debit, credit, text, rate;
};

// Expected print file, built page by page.
class Sheets {
public:
    Sheets(std::string yearLine, std::string period, int bodyLines = 47)
        : yearLine_(std::move(yearLine)), period_(std::move(period)), bodyLines_(bodyLines) {}

    void header(const std::string& number, std::string_view name, int sheet, bool net = false) {
        add({f(kTitle, number.c_str(), pad(name, 25).c_str(), 15, 1, 2010), f(kSheet, static_cast<unsigned>(sheet)),
             "", lr(yearLine_, period_), "", std::string(testing::kSampleCircleName), "",
             f(net ? kColumnsNet : kColumns, "EUR", "EUR"), testing::sheetRuler()});
        net_ = net;
        body_ = 0;
    }
    void debit(const Booking& b, double value) { booking(b, amount(value), ""); }
    void credit(const Booking& b, double value) { booking(b, "", amount(value)); }
    void carry(double debit, double credit, int sheet) { add(testing::carryOver(debit, credit, sheet)); }
    void end(double debit, double credit, SheetDate from, double before, SheetDate to) {
        add(testing::endBlock(debit, credit, from, before, to));
    }
    // The next account begins on a new page; the page before ends where the page machinery ends a page.
    const std::vector<std::string>& lines() const { return lines_; }

private:
    void add(const std::vector<std::string>& lines) { lines_.insert(lines_.end(), lines.begin(), lines.end()); }
    void booking(const Booking& b, const std::string& debit, const std::string& credit) {
        const std::string document = pad(b.document, 6);
        const std::string text = pad(b.text, 25);
        add({net_ ? f(kLineNet, b.date.c_str(), b.year.c_str(), document.c_str(), b.debit.c_str(), b.credit.c_str(),
                      text.c_str(), b.rate.c_str(), debit.c_str(), credit.c_str())
                  : f(kLine, b.date.c_str(), b.year.c_str(), document.c_str(), b.debit.c_str(), b.credit.c_str(),
                      text.c_str(), debit.c_str(), credit.c_str())});
        ++body_;
    }

    std::string yearLine_;
    std::string period_;
    int bodyLines_;
    int body_ = 0;
    bool net_ = false;
    std::vector<std::string> lines_;
};

struct Books : testing::SheetBooks {
    using SheetBooks::SheetBooks;
    int run(AccountSheetsOptions& options, ReportRequest& request, std::string& printed) {
        return runReport(options, request, printed, FillAccountSheetsRequest, GenerateAccountSheets);
    }
    std::string run(AccountSheetsOptions& options, ReportRequest& request) {
        std::string printed;
        EXPECT_EQ(run(options, request, printed), 1);
        return printed;
    }
};

constexpr SheetDate kJanuary1{1, 1, 2009};
constexpr SheetDate kDecember31{31, 12, 2009};

// Chart 03, calendar year up to the closing month: a sale and a purchase with VAT, a private withdrawal
// and the closing entry between the VAT accounts. The expense and the revenue account are net-booked:
// they show 100.00 with the rate, the VAT accounts the 19.00 on the side the posting engine put them;
// equal sums on the VAT accounts give SALDO 0.00 on the credit side.
TEST(AccountSheets, WholeSheetsChart03CalendarYear) {
    Books books;
    OpenBooks& b = books.b;
    b.addAccount(1200, "BANK", 1000.00);
    b.addAccount(1800, "PRIVATENTNAHMEN");
    b.addAccount(4930, std::string(cp<"BÜROBEDARF">()));
    b.addAccount(8400, std::string(cp<"ERLÖSE 19%">()));
    books.post("05.01", "1", 1200, 8400, "Verkauf Meier", 119.00, 19);
    books.post("10.02", "2", 4930, 1200, "Papier", 119.00, 19);
    books.post("20.03", "3", 1800, 1200, "Privat", 50.00, 0);
    books.post("31.13", "4", 1770, 1570, "Umbuchung Vorsteuer", 19.00, 0);

    AccountSheetsOptions options;
    options.toMonth = 13;
    options.accountFrom = 1200;
    options.accountTo = 8400;
    ReportRequest request;
    const std::string printed = books.run(options, request);

    const Booking sale{"05.01", "09", "1", " 1200", " 8400", "Verkauf Meier            ", "19.00"};
    const Booking paper{"10.02", "09", "2", " 4930", " 1200", "Papier                   ", "19.00"};
    const Booking privat{"20.03", "09", "3", " 1800", " 1200", "Privat                   ", " 0.00"};
    const Booking closing{"31.13", "09", "4", " 1770", " 1570", "Umbuchung Vorsteuer      ", " 0.00"};
    Sheets e("Buchungsjahr 2009", "Zeitraum: 01.01.2009-Abschluss");
    e.header(" 1200", "BANK", 1);
    e.debit(sale, 119.00);
    e.credit(paper, 119.00);
    e.credit(privat, 50.00);
    e.end(119.00, 169.00, kJanuary1, 1000.00, {31, 13, 2009});
    e.header(" 1570", "VORSTEUER", 1);
    e.debit(paper, 19.00);
    e.credit(closing, 19.00);
    e.end(19.00, 19.00, kJanuary1, 0.00, {31, 13, 2009});
    e.header(" 1770", "MEHRWERTSTEUER", 1);
    e.credit(sale, 19.00);
    e.debit(closing, 19.00);
    e.end(19.00, 19.00, kJanuary1, 0.00, {31, 13, 2009});
    e.header(" 1800", "PRIVATENTNAHMEN", 1);
    e.debit(privat, 50.00);
    e.end(50.00, 0.00, kJanuary1, 0.00, {31, 13, 2009});
    e.header(" 4930", cp<"BÜROBEDARF">(), 1, true);
    e.debit(paper, 100.00);
    e.end(100.00, 0.00, kJanuary1, 0.00, {31, 13, 2009});
    e.header(" 8400", cp<"ERLÖSE 19%">(), 1, true);
    e.credit(sale, 100.00);
    e.end(0.00, 100.00, kJanuary1, 0.00, {31, 13, 2009});
    testing::expectSameLines(printed, e.lines());
    EXPECT_EQ(request.pageCount, 6);
    EXPECT_TRUE(b.messages.empty());

    ASSERT_FALSE(books.progress.phases.empty());
    EXPECT_EQ(books.progress.phases.front().caption, std::string(cp<"Kontenblätter">()));
    EXPECT_EQ(books.progress.phases.front().secondLine, "Die Buchungen werden gesucht...");
    EXPECT_EQ(books.progress.bar.label(), "Konto: 8400");
}

// Chart 04 in a business year from July 2008, November to February: the bookings of August are in the
// balance before the window (from the slots), those of March after it; the dates carry the year of their
// month and the end date stops at the last day of February.
TEST(AccountSheets, WholeSheetsChart04BusinessYearFromJuly) {
    Books books(4, 7);
    OpenBooks& b = books.b;
    b.addAccount(1800, "BANK");
    b.addAccount(4400, std::string(cp<"ERLÖSE 19%">()));
    b.addAccount(6815, std::string(cp<"BÜROBEDARF">()));
    books.post("15.08", "1", 1800, 4400, "Verkauf August", 238.00, 19);
    books.post("03.11", "2", 6815, 1800, "Porto", 107.00, 7);
    books.post("20.12", "3", 1800, 4400, "Verkauf Dezember", 119.00, 19);
    books.post("31.01", "4", 1800, 4400, "Verkauf Januar", 59.50, 19);
    books.post("10.03", "5", 1800, 4400, cp<"Verkauf März">(), 1190.00, 19);

    AccountSheetsOptions options;
    options.fromMonth = 11;
    options.toMonth = 2;
    options.accountFrom = 1400;
    options.accountTo = 6815;
    ReportRequest request;
    const std::string printed = books.run(options, request);

    const Booking porto{"03.11", "08", "2", " 6815", " 1800", "Porto                    ", " 7.00"};
    const Booking december{"20.12", "08", "3", " 1800", " 4400", "Verkauf Dezember         ", "19.00"};
    const Booking january{"31.01", "09", "4", " 1800", " 4400", "Verkauf Januar           ", "19.00"};
    Sheets e("Buchungsjahr 07.2008-06.2009", "Zeitraum: 01.11.2008-28.02.2009");
    e.header(" 1400", "VORSTEUER", 1);
    e.debit(porto, 7.00);
    e.end(7.00, 0.00, {1, 11, 2008}, 0.00, {28, 2, 2009});
    e.header(" 1800", "BANK", 1);
    e.credit(porto, 107.00);
    e.debit(december, 119.00);
    e.debit(january, 59.50);
    e.end(178.50, 107.00, {1, 11, 2008}, 238.00, {28, 2, 2009});
    e.header(" 3800", "MEHRWERTSTEUER", 1);
    e.credit(december, 19.00);
    e.credit(january, 9.50);
    e.end(0.00, 28.50, {1, 11, 2008}, -38.00, {28, 2, 2009});
    e.header(" 4400", cp<"ERLÖSE 19%">(), 1, true);
    e.credit(december, 100.00);
    e.credit(january, 50.00);
    e.end(0.00, 150.00, {1, 11, 2008}, -200.00, {28, 2, 2009});
    e.header(" 6815", cp<"BÜROBEDARF">(), 1, true);
    e.debit(porto, 100.00);
    e.end(100.00, 0.00, {1, 11, 2008}, 0.00, {28, 2, 2009});
    testing::expectSameLines(printed, e.lines());
}

// 14 body lines a page: the account of 15 bookings carries over after the 14th and goes on with sheet
// 0002; the next one, exactly one page of bookings, starts on a new page with sheet 0001 and needs no
// carry-over, its end block standing below its last line.
TEST(AccountSheets, CarryOverOnlyWhenAnotherLineFollows) {
    Books books;
    OpenBooks& b = books.b;
    b.addAccount(1000, "KASSE");
    b.addAccount(1200, "BANK");
    b.addAccount(1800, "PRIVATENTNAHMEN");
    std::vector<Booking> cash, bank;
    for (int i = 1; i <= 15; ++i) {
        const std::string date = f("%02i.04", i);
        books.post(date, f("K%i", i), 1000, 1800, "Einlage", 10.00 * i, 0);
        cash.push_back({date, "09", f("K%i", i), " 1000", " 1800", pad("Einlage", 25), " 0.00"});
    }
    for (int i = 1; i <= 14; ++i) {
        const std::string date = f("%02i.05", i);
        books.post(date, f("B%i", i), 1800, 1200, "Entnahme", 1.00 * i, 0);
        bank.push_back({date, "09", f("B%i", i), " 1800", " 1200", pad("Entnahme", 25), " 0.00"});
    }

    AccountSheetsOptions options;
    options.accountFrom = 1000;
    options.accountTo = 1200;
    ReportRequest request;
    request.linesPerPage = 35;
    const std::string printed = books.run(options, request);

    Sheets e("Buchungsjahr 2009", "Zeitraum: 01.01.2009-31.12.2009", 14);
    e.header(" 1000", "KASSE", 1);
    for (int i = 0; i < 14; ++i) e.debit(cash[static_cast<std::size_t>(i)], 10.00 * (i + 1));
    e.carry(1050.00, 0.00, 1);
    e.header(" 1000", "KASSE", 2);
    e.debit(cash[14], 150.00);
    e.end(1200.00, 0.00, kJanuary1, 0.00, kDecember31);
    e.header(" 1200", "BANK", 1);
    for (int i = 0; i < 14; ++i) e.credit(bank[static_cast<std::size_t>(i)], 1.00 * (i + 1));
    e.end(0.00, 105.00, kJanuary1, 0.00, kDecember31);
    testing::expectSameLines(printed, e.lines());
    EXPECT_EQ(request.pageCount, 3);
}

// From 15.03: the bookings of 01.03 to 14.03 go into the balance before the window with February's
// slot and the opening balance; they are not printed. A carry-forward opening of the first month counts
// as a line when the window starts with that month, and in the slots once it starts later.
TEST(AccountSheets, BookingsBeforeTheStartDayGoIntoTheFirstBalance) {
    Books books;
    OpenBooks& b = books.b;
    b.addAccount(1200, "BANK");
    b.addAccount(1800, "PRIVATENTNAHMEN");
    b.addAccount(9000, std::string(cp<"SALDENVORTRÄGE SACHKONTEN">()));
    books.post("01.01", "0", 1200, 9000, "Saldovortrag", 500.00, 0);
    books.post("10.02", "1", 1200, 1800, "Einlage", 20.00, 0);
    books.post("01.03", "2", 1200, 1800, "Einlage", 10.00, 0);
    books.post("14.03", "3", 1800, 1200, "Entnahme", 3.00, 0);
    books.post("15.03", "4", 1200, 1800, "Einlage", 100.00, 0);
    books.post("31.03", "5", 1200, 1800, "Einlage", 1.00, 0);
    books.post("01.04", "6", 1200, 1800, "Einlage", 1000.00, 0);

    AccountSheetsOptions options;
    options.fromDay = 15;
    options.fromMonth = 3;
    options.toMonth = 3;
    options.accountFrom = 1200;
    options.accountTo = 1200;
    ReportRequest request;
    std::string printed = books.run(options, request);

    Sheets e("Buchungsjahr 2009", "Zeitraum: 15.03.2009-31.03.2009");
    e.header(" 1200", "BANK", 1);
    e.debit({"15.03", "09", "4", " 1200", " 1800", pad("Einlage", 25), " 0.00"}, 100.00);
    e.debit({"31.03", "09", "5", " 1200", " 1800", pad("Einlage", 25), " 0.00"}, 1.00);
    e.end(101.00, 0.00, {15, 3, 2009}, 527.00, {31, 3, 2009});
    testing::expectSameLines(printed, e.lines());

    options.fromDay = 1;
    options.fromMonth = 1;
    options.toMonth = 1;
    printed = books.run(options, request);
    Sheets opening("Buchungsjahr 2009", "Zeitraum: 01.01.2009-31.01.2009");
    opening.header(" 1200", "BANK", 1);
    opening.debit({"01.01", "09", "0", " 1200", " 9000", pad("Saldovortrag", 25), " 0.00"}, 500.00);
    opening.end(500.00, 0.00, kJanuary1, 0.00, {31, 1, 2009});
    testing::expectSameLines(printed, opening.lines());
}

// Accounts without bookings: printed with empty sums, left out when their balance is zero, or left out
// altogether; a run that prints nothing says so and gives no output.
TEST(AccountSheets, AccountsWithoutBookings) {
    Books books;
    OpenBooks& b = books.b;
    b.addAccount(1000, "KASSE");
    b.addAccount(1200, "BANK", 300.00);
    b.addAccount(1300, "SPARKONTO");
    b.addAccount(1310, "FESTGELD");
    books.post("01.06", "1", 1310, 1300, "Umbuchung", 80.00, 0);

    AccountSheetsOptions options;
    options.accountFrom = 1000;
    options.accountTo = 1310;
    ReportRequest request;
    auto titles = [&]() {
        const std::string printed = books.run(options, request);
        std::vector<std::string> found;
        for (std::size_t at = 0; at < printed.size(); at += kWidth + 2)
            if (printed.compare(at, 5, "K O N") == 0) found.push_back(printed.substr(at, kWidth));
        return found;
    };
    auto title = [](const char* number, const char* name) {
        return f(kTitle, number, pad(name, 25).c_str(), 15, 1, 2010);
    };
    EXPECT_EQ(titles(), (std::vector<std::string>{title(" 1000", "KASSE"), title(" 1200", "BANK"),
                                                  title(" 1300", "SPARKONTO"), title(" 1310", "FESTGELD")}));
    options.skipWithoutBookings = true;
    EXPECT_EQ(titles(), (std::vector<std::string>{title(" 1300", "SPARKONTO"), title(" 1310", "FESTGELD")}));

    options.skipWithoutBookings = false;
    options.skipWithoutBookingsZeroBalance = true;
    options.accountTo = 1200;
    Sheets e("Buchungsjahr 2009", "Zeitraum: 01.01.2009-31.12.2009");
    e.header(" 1200", "BANK", 1);
    e.end(0.00, 0.00, kJanuary1, 300.00, kDecember31);
    testing::expectSameLines(books.run(options, request), e.lines());

    options.skipWithoutBookings = true;
    std::string printed;
    EXPECT_EQ(books.run(options, request, printed), 0);
    ASSERT_EQ(b.messages.entries.size(), 1u);
    EXPECT_EQ(b.messages.last().text,
              std::string(cp<"Keine Buchungen für die gewählten Konten \nim gewünschten Zeitraum gefunden !">()));
    EXPECT_EQ(b.messages.last().caption, "INFORMATION");
}

// Sheets beyond the page table's 10,000 pages are still written whole: the text file and the screen hold
// every account; only the printer stops where the table ends.
TEST(AccountSheets, NoAccountIsCutOffBeyondTheLastPrintablePage) {
    Books books;
    OpenBooks& b = books.b;
    b.addAccount(1000, "KASSE");
    b.addAccount(1200, "BANK");
    b.addAccount(1800, "PRIVATENTNAHMEN");
    std::string journal;
    for (int i = 0; i < 9999 * 14 + 5; ++i) {
        const ledger::JournalRecord record =
            ledger::makeJournalRecord(line("02.01", "", " 1000", " 1800", "Einlage", 1.00, 0));
        journal.append(record.data(), record.size());
    }
    const ledger::JournalRecord bank =
        ledger::makeJournalRecord(line("03.01", "", " 1200", " 1800", "Einlage", 1.00, 0));
    journal.append(bank.data(), bank.size());
    testing::writeFile(b.jouPath, journal);
    ASSERT_EQ(b.journalIndex.rebuild(), 1);

    AccountSheetsOptions options;
    options.accountFrom = 1000;
    options.accountTo = 1200;
    ReportRequest request;
    request.linesPerPage = 35;
    PrintFile print(b.dir.file("~print~.tmp"), b.messages);
    FillAccountSheetsRequest(request, options, BookingYearOf(b.settings));
    JournalReportBooks reportBooks = books.reportBooks();
    ASSERT_EQ(GenerateAccountSheets(print, request, options, reportBooks), 1);
    EXPECT_EQ(request.pageCount, kMaxPages);
    // The till's 139,991 lines fill 10,000 pages of 14 and five lines more; the bank follows on its own
    // sheet 0001 with its end block.
    const std::string printed = testing::readFile(print.path());
    const std::size_t bankSheet = printed.rfind(cp<"K O N T O B L A T T:  1200">());
    ASSERT_NE(bankSheet, std::string::npos);
    EXPECT_EQ(printed.substr(bankSheet + 112, 110), lr("", "Blatt 0001"));
    EXPECT_NE(printed.find("Blatt 9999+"), std::string::npos);
    auto balanceAt = [](double balance) {
        return f("KONTOSTAND    %-3s  %02i.%02i.%04i                                               %11.2f", "am", 31, 12,
                 2009, balance);
    };
    EXPECT_LT(printed.find(balanceAt(139991.00)), bankSheet);
    EXPECT_GT(printed.find(balanceAt(1.00)), bankSheet);
    EXPECT_TRUE(b.messages.empty());
}

// The amount on a sheet line: in the debit or the credit column, positive or negative.
double LineAmount(const std::string& line) {
    const std::string debit = line.substr(76, 11);
    const std::string credit = line.substr(99, 11);
    if (debit.find_first_not_of(' ') != std::string::npos) return std::atof(debit.c_str());
    return -std::atof(credit.c_str());
}

// The closing balance of every sheet ("KONTOSTAND am"), by account number.
std::map<int, std::int64_t> ClosingBalances(const std::string& printed) {
    std::map<int, std::int64_t> closing;
    int account = 0;
    for (std::size_t at = 0; at < printed.size(); at += kWidth + 2) {
        const std::string l = printed.substr(at, kWidth);
        if (l.compare(0, 21, "K O N T O B L A T T: ") == 0) account = std::atoi(l.substr(21, 5).c_str());
        if (l.compare(0, 17, "KONTOSTAND    am ") == 0) {
            EXPECT_EQ(closing.count(account), 0u) << account;
            closing[account] = testing::CentsOf(LineAmount(l));
        }
    }
    return closing;
}

struct RandomYear {
    int chart;
    int firstMonth;
};

class AccountSheetsBalances : public ::testing::TestWithParam<RandomYear> {};

// A year of random bookings through the posting engine - financial accounts, customers, suppliers,
// net-booked and other accounts of every kind, rates 0, 7 and 19, carry-forward openings, reversals and
// closing entries: every sheet ends with the account's balance in the balance file, for windows from the
// first month and from a later month, starting on its first day or in its middle.
TEST_P(AccountSheetsBalances, EverySheetEndsWithTheBalanceOfTheBalanceFile) {
    const RandomYear year = GetParam();
    Books books(year.chart, year.firstMonth);
    OpenBooks& b = books.b;
    const unsigned seed = 20090101u + static_cast<unsigned>(year.chart * 100 + year.firstMonth);
    ASSERT_NO_FATAL_FAILURE(testing::PostRandomYear(b, year.chart, year.firstMonth, 2500, seed));

    const int lastMonth = year.firstMonth == 1 ? 12 : year.firstMonth - 1;
    const int thirdMonth = (year.firstMonth + 1) % 12 + 1;
    struct Window {
        int fromDay, fromMonth, toMonth;
    };
    for (const Window w : {Window{1, year.firstMonth, lastMonth}, Window{1, year.firstMonth, 13},
                           Window{1, year.firstMonth, thirdMonth}, Window{1, thirdMonth, 13},
                           Window{15, year.firstMonth, thirdMonth}, Window{12, thirdMonth, lastMonth}}) {
        AccountSheetsOptions options;
        options.fromDay = w.fromDay;
        options.fromMonth = w.fromMonth;
        options.toMonth = w.toMonth;
        ReportRequest request;
        const std::map<int, std::int64_t> closing = ClosingBalances(books.run(options, request));
        EXPECT_EQ(closing, testing::FileBalances(b, w.toMonth)) << w.fromDay << "." << w.fromMonth << "-" << w.toMonth;
    }
}

INSTANTIATE_TEST_SUITE_P(ChartsAndYears, AccountSheetsBalances,
                         ::testing::Values(RandomYear{3, 1}, RandomYear{4, 7}),
                         [](const ::testing::TestParamInfo<RandomYear>& info) {
                             return f("Chart0%iFrom%02i", info.param.chart, info.param.firstMonth);
                         });

}  // namespace
}  // namespace tellmark::reports
