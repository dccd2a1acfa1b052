#include "reports/cash_book_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/journal_reports_fixture.h"
#include "resources/cp1252_literal.h"

namespace tellmark::reports {
namespace {

using namespace journal_testing;

// The cash book's templates.
const char* kTitle = "KASSENBUCH Konto-Nr. %5s  %25s                                               %02i.%02i.%04i\r\n";
const char* kSheet =
    "                                                                                                    Blatt %04u\r\n";
const char* kColumns =
    "DATUM     BELEG      S     H   BUCHUNGSTEXT                      BETRAG    MWST.(%%)   MWST. %3s    Bestand "
    "%3s\r\n";
const char* kLine = "%-5s.%02i  %6s  %5s %5s  %-25s    %11s    %5s    %11s   %12s\r\n";
const char* kBalance =
    "KONTOSTAND    %-3s  %02i.%02i.%02i                                                                       "
    "%12.2f\r\n";

std::vector<std::string> header(const config::CircleSettings& s, int account, std::string_view name, int page,
                                std::string_view period) {
    std::string storedName(name);
    storedName.resize(25, ' ');
    return {format(kTitle, posting::testing::numberField(account).c_str(), storedName.c_str(), 20, 5, 2009),
            format(kSheet, static_cast<unsigned>(page)),
            blankLine(),
            yearLine(s, period),
            blankLine(),
            fileLine(s.name),
            blankLine(),
            format(kColumns, "EUR", "EUR"),
            rulerLine()};
}

struct Expected {
    const char* date;
    int year;
    const char* doc;
    int debit;
    int credit;
    std::string_view text;
    double amount;
    double rate;
    double vat;
    double balance;
};
std::string cashLine(const Expected& e) {
    return format(kLine, e.date, e.year, document(e.doc).c_str(), account(e.debit).c_str(), account(e.credit).c_str(),
               bookingText(e.text).c_str(), amount11(e.amount).c_str(), rate5(e.rate).c_str(),
               amount11(e.vat).c_str(), format("%12.2f", e.balance).c_str());
}
std::vector<std::string> closing(int fromDay, int fromMonth, int fromYear, double before, int toDay, int toMonth,
                                 int toYear, double after) {
    return {rulerLine(), format(kBalance, "vor", fromDay, fromMonth, fromYear, before),
            format(kBalance, "am", toDay, toMonth, toYear, after), rulerLine()};
}

std::string runCashBook(JournalBooks& b, const CashBookOptions& options, ReportRequest& request, int expected = 1) {
    PrintFile print(b.printPath(), b.messages);
    FillCashBookRequest(request, options, BookingYearOf(b.settings));
    JournalReportBooks books = b.bundle();
    EXPECT_EQ(GenerateCashBook(print, request, options, books), expected);
    return tellmark::testing::readFile(print.path());
}

// Chart 03, calendar year: the till with a hand-entered opening balance and bookings of March entered
// out of date order.
class CashBook03 : public ::testing::Test {
protected:
    void SetUp() override {
        b.addAccount(1000, "KASSE", 500.0);
        b.addAccount(1200, "BANK");
        b.addAccount(4930, cp<"BÜROBEDARF">());
        b.addAccount(8400, cp<"ERLÖSE 19%">());
        b.addAccount(10000, cp<"MÜLLER GMBH">());
        b.book("10.01", "1", 1000, 8400, "Barverkauf Januar", 119.00, 19.0);
        b.book("05.02", "2", 4930, 1000, "Porto", 59.50, 19.0);
        b.book("20.03", "3", 1000, 8400, "Barverkauf", 238.00, 19.0);
        b.book("15.03", "4", 1200, 8400, "Bankeingang", 100.00);
        b.book("03.03", "5", 1200, 1000, "Einzahlung Bank", 300.00);
        b.book("20.03", "6", 1000, 8400, "Barverkauf 2", 11.90, 19.0);
        b.book("01.03", "7", 4930, 1000, "Briefmarken", 23.80, 19.0);
        b.book("02.04", "8", 1000, 10000, cp<"Zahlung Müller">(), 50.00);
        b.book("14.03", "9", 1000, 8400, "Barverkauf 3", 5.95, 19.0);
    }
    JournalBooks b{3};
};

// Day by day, the same day in booking-number order; the balance before March is the opening balance with
// January and February from the balance file.
TEST_F(CashBook03, DayByDayWithRunningBalanceWholePage) {
    ReportRequest request = b.request();
    const std::string bytes = runCashBook(b, {1000, 1, 3, 31, 3}, request);

    std::vector<std::string> expected = header(b.settings, 1000, "KASSE", 1, "Zeitraum: 01.03.2009-31.03.2009");
    append(expected, {
        cashLine({"01.03", 9, "7", 4930, 1000, "Briefmarken", 23.80, 19.0, 3.80, 535.70}),
        cashLine({"03.03", 9, "5", 1200, 1000, "Einzahlung Bank", 300.00, 0.0, 0.0, 235.70}),
        cashLine({"14.03", 9, "9", 1000, 8400, "Barverkauf 3", 5.95, 19.0, 0.95, 241.65}),
        cashLine({"20.03", 9, "3", 1000, 8400, "Barverkauf", 238.00, 19.0, 38.00, 479.65}),
        cashLine({"20.03", 9, "6", 1000, 8400, "Barverkauf 2", 11.90, 19.0, 1.90, 491.55}),
    });
    append(expected, closing(1, 3, 9, 559.50, 31, 3, 9, 491.55));
    expectLines(bytes, expected);
    EXPECT_EQ(request.pageCount, 1);
    EXPECT_TRUE(b.messages.empty());

    ASSERT_EQ(b.recorded.phases.size(), 1u);
    const ui::RecordingProgress::Phase& phase = b.recorded.phases[0];
    EXPECT_EQ(phase.caption, "Kassenbuch");
    EXPECT_EQ(phase.secondLine, "Das Kassenbuch wird erstellt");
    EXPECT_EQ(phase.mode, ui::kBarEndless);
    EXPECT_EQ(phase.total, 30);
    EXPECT_EQ(phase.steps, 31);
    EXPECT_EQ(b.recorded.polls, 31);
    EXPECT_EQ(b.recorded.ends, 1);
}

// From 15.03: the bookings of 01.03 to 14.03 are no lines but part of the balance before; the window
// runs on into April and ends on the 10th.
TEST_F(CashBook03, WindowFromTheFifteenthOpensWithTheEarlierDays) {
    ReportRequest request = b.request();
    const std::string bytes = runCashBook(b, {1000, 15, 3, 10, 4}, request);

    std::vector<std::string> expected = header(b.settings, 1000, "KASSE", 1, "Zeitraum: 15.03.2009-10.04.2009");
    append(expected, {
        cashLine({"20.03", 9, "3", 1000, 8400, "Barverkauf", 238.00, 19.0, 38.00, 479.65}),
        cashLine({"20.03", 9, "6", 1000, 8400, "Barverkauf 2", 11.90, 19.0, 1.90, 491.55}),
        cashLine({"02.04", 9, "8", 1000, 10000, cp<"Zahlung Müller">(), 50.00, 0.0, 0.0, 541.55}),
    });
    append(expected, closing(15, 3, 9, 241.65, 10, 4, 9, 541.55));
    expectLines(bytes, expected);
    EXPECT_EQ(b.recorded.phases.at(0).total, 31 + 10 - 15);
    EXPECT_EQ(b.recorded.phases.at(0).steps, 17 + 10);
}

// From the first month the balance before is the opening balance of the balance file, which was typed.
TEST_F(CashBook03, FirstMonthStartsWithTypedOpeningBalance) {
    ReportRequest request = b.request();
    const std::string bytes = runCashBook(b, {1000, 1, 1, 31, 1}, request);
    std::vector<std::string> expected = header(b.settings, 1000, "KASSE", 1, "Zeitraum: 01.01.2009-31.01.2009");
    expected.push_back(cashLine({"10.01", 9, "1", 1000, 8400, "Barverkauf Januar", 119.00, 19.0, 19.00, 619.00}));
    append(expected, closing(1, 1, 9, 500.00, 31, 1, 9, 619.00));
    expectLines(bytes, expected);
}

TEST_F(CashBook03, UnknownAccountIsRefused) {
    ReportRequest request = b.request();
    PrintFile print(b.printPath(), b.messages);
    JournalReportBooks books = b.bundle();
    EXPECT_EQ(GenerateCashBook(print, request, {1001, 1, 1, 31, 12}, books), 0);
    ASSERT_EQ(b.messages.entries.size(), 1u);
    EXPECT_EQ(b.messages.last().text, cp<"Kontonummer nicht zulässig oder nicht korrekt!">());
    EXPECT_EQ(b.messages.last().caption, "FEHLER");
    EXPECT_EQ(b.messages.last().icon, ui::kIconStop);
}

// Chart 04: an opening balance from carry-forward postings (status '9') stands in the journal's first
// month, so a cash book from the first month starts at 0.00; from February on it counts.
TEST(CashBook, CarriedForwardOpeningBalanceChart04) {
    JournalBooks b(4);
    b.addAccount(1600, "KASSE");
    b.addAccount(4400, cp<"ERLÖSE 19%">());
    b.carriedForward(1600, 500.00);
    b.book("02.01", "1", 1600, 4400, "Barverkauf", 119.00, 19.0);
    b.book("03.02", "2", 1600, 4400, "Barverkauf", 23.80, 19.0);

    ReportRequest request = b.request();
    const std::string january = runCashBook(b, {1600, 1, 1, 31, 1}, request);
    std::vector<std::string> expected = header(b.settings, 1600, "KASSE", 1, "Zeitraum: 01.01.2009-31.01.2009");
    expected.push_back(cashLine({"02.01", 9, "1", 1600, 4400, "Barverkauf", 119.00, 19.0, 19.00, 119.00}));
    append(expected, closing(1, 1, 9, 0.00, 31, 1, 9, 119.00));
    expectLines(january, expected);

    request = b.request();
    const std::string february = runCashBook(b, {1600, 1, 2, 28, 2}, request);
    expected = header(b.settings, 1600, "KASSE", 1, "Zeitraum: 01.02.2009-28.02.2009");
    expected.push_back(cashLine({"03.02", 9, "2", 1600, 4400, "Barverkauf", 23.80, 19.0, 3.80, 642.80}));
    append(expected, closing(1, 2, 9, 619.00, 28, 2, 9, 642.80));
    expectLines(february, expected);
}

// A business year from July, chart 04: December carries the first year, January the second; the balance
// before December holds the opening balance and the months July to November.
TEST(CashBook, BusinessYearFromJulyChart04) {
    JournalBooks b(4, 7);
    b.addAccount(1600, "KASSE", 1000.00);
    b.addAccount(4400, cp<"ERLÖSE 19%">());
    b.addAccount(6815, cp<"BÜROBEDARF">());
    b.book("15.08", "1", 1600, 4400, "Barverkauf August", 119.00, 19.0);
    b.book("05.01", "2", 1600, 4400, "Barverkauf Januar", 23.80, 19.0);
    b.book("15.12", "3", 6815, 1600, "Druckerpapier", 59.50, 19.0);
    b.book("10.02", "4", 1600, 4400, "Barverkauf Februar", 11.90, 19.0);

    ReportRequest request = b.request();
    const std::string bytes = runCashBook(b, {1600, 1, 12, 31, 1}, request);
    std::vector<std::string> expected = header(b.settings, 1600, "KASSE", 1, "Zeitraum: 01.12.2008-31.01.2009");
    append(expected, {
        cashLine({"15.12", 8, "3", 6815, 1600, "Druckerpapier", 59.50, 19.0, 9.50, 1059.50}),
        cashLine({"05.01", 9, "2", 1600, 4400, "Barverkauf Januar", 23.80, 19.0, 3.80, 1083.30}),
    });
    append(expected, closing(1, 12, 8, 1119.00, 31, 1, 9, 1083.30));
    expectLines(bytes, expected);
    EXPECT_EQ(b.recorded.phases.at(0).total, 61);
    EXPECT_EQ(b.recorded.phases.at(0).steps, 62);
}

// A page holds one line more than the budget and ends with 3 blank lines and the footer; the next page
// has the header with sheet 0002. The closing block follows the last line on the page it ends.
TEST(CashBook, PageBreakAfterBudgetAndOneLine) {
    JournalBooks b(3);
    b.addAccount(1000, "KASSE", 100.00);
    b.addAccount(8400, cp<"ERLÖSE 19%">());
    std::vector<std::string> lines;
    double balance = 100.00;
    for (int day = 1; day <= 11; ++day) {
        const std::string date = format("%02i.01", day);
        b.book(date, std::to_string(day), 1000, 8400, "Barverkauf", 1.19, 19.0);
        balance += 1.19;
        lines.push_back(
            cashLine({date.c_str(), 9, std::to_string(day).c_str(), 1000, 8400, "Barverkauf", 1.19, 19.0, 0.19, balance}));
    }
    const std::string period = "Zeitraum: 01.01.2009-31.01.2009";

    // 30 lines a page: a budget of 9, so 10 lines on a page.
    ReportRequest request = b.request(30);
    const std::string bytes = runCashBook(b, {1000, 1, 1, 31, 1}, request);
    std::vector<std::string> expected = header(b.settings, 1000, "KASSE", 1, period);
    expected.insert(expected.end(), lines.begin(), lines.begin() + 10);
    append(expected, {blankLine(), blankLine(), blankLine(), footerLine(1)});
    append(expected, header(b.settings, 1000, "KASSE", 2, period));
    expected.push_back(lines[10]);
    append(expected, closing(1, 1, 9, 100.00, 31, 1, 9, 113.09));
    expectLines(bytes, expected);
    EXPECT_EQ(request.pageCount, 2);

    // Ten lines: one page, the closing block where a footer would otherwise stand.
    request = b.request(30);
    const std::string onePage = runCashBook(b, {1000, 1, 1, 10, 1}, request);
    expected = header(b.settings, 1000, "KASSE", 1, "Zeitraum: 01.01.2009-10.01.2009");
    expected.insert(expected.end(), lines.begin(), lines.begin() + 10);
    append(expected, closing(1, 1, 9, 100.00, 10, 1, 9, 111.90));
    expectLines(onePage, expected);
    EXPECT_EQ(request.pageCount, 1);
}

}  // namespace
}  // namespace tellmark::reports
