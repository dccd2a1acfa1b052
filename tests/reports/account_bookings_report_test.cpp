#include "reports/account_bookings_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/journal_reports_fixture.h"
#include "resources/cp1252_literal.h"

namespace tellmark::reports {
namespace {

using namespace journal_testing;
using posting::testing::line;
using posting::testing::numberField;

// The list's templates.
const char* kTitle =
    "KONTOBUCHUNGEN ZU KONTO:   %05i                                                                              \r\n";
const char* kUnderline =
    "--------------------------------                                                                              \r\n";
const char* kColumns =
    "Datum   Beleg     Soll Haben   Buchungstext                       Betrag      Mwst.    Mwst-Betrag      "
    "Nummer\r\n";
const char* kLine = "%-5s   %6s   %5s %5s    %-25s    %11s      %5s    %11s   %9i\r\n";

std::vector<std::string> header(int account) { return {format(kTitle, account), kUnderline, kColumns}; }

struct Expected {
    const char* date;
    const char* doc;
    int debit;
    int credit;
    std::string_view text;
    double amount;
    double rate;
    double vat;
    int number;
};
std::string bookingLine(const Expected& e) {
    return format(kLine, e.date, document(e.doc).c_str(), account(e.debit).c_str(), account(e.credit).c_str(),
               bookingText(e.text).c_str(), amount11(e.amount).c_str(), rate5(e.rate).c_str(),
               amount11(e.vat).c_str(), e.number);
}

std::string runList(JournalBooks& b, int accountNumber, ReportRequest& request, int expected = 1) {
    PrintFile print(b.printPath(), b.messages);
    JournalReportBooks books = b.bundle();
    EXPECT_EQ(GenerateAccountBookings(print, request, {accountNumber}, books), expected);
    return tellmark::testing::readFile(print.path());
}

// Every booking of the account, as debit or as credit account, in booking-number order whatever its
// date, the closing month included; bookings of other accounts and the business year's order play no
// part. Chart 03 in a business year from July.
TEST(AccountBookings, EveryBookingInNumberOrderWholePage) {
    JournalBooks b(3, 7);
    b.addAccount(1000, "KASSE");
    b.addAccount(1200, "BANK");
    b.addAccount(4930, cp<"BÜROBEDARF">());
    b.addAccount(8400, cp<"ERLÖSE 19%">());
    b.book("10.01", "1", 1000, 8400, "Barverkauf Januar", 119.00, 19.0);
    b.book("15.07", "2", 1200, 8400, "Bankeingang", 100.00);
    b.book("20.12", "3", 4930, 1000, cp<"Bürobedarf">(), 10.70, 7.0);
    b.book("31.13", "4", 1200, 1000, "Abschluss Kasse", 5.00);
    b.book("01.08", "5", 1000, 1200, "Abhebung", 200.00);

    ReportRequest request = b.request();
    const std::string bytes = runList(b, 1000, request);
    std::vector<std::string> expected = header(1000);
    append(expected, {
        bookingLine({"10.01", "1", 1000, 8400, "Barverkauf Januar", 119.00, 19.0, 19.00, 1}),
        bookingLine({"20.12", "3", 4930, 1000, cp<"Bürobedarf">(), 10.70, 7.0, 0.70, 3}),
        bookingLine({"31.13", "4", 1200, 1000, "Abschluss Kasse", 5.00, 0.0, 0.0, 4}),
        bookingLine({"01.08", "5", 1000, 1200, "Abhebung", 200.00, 0.0, 0.0, 5}),
    });
    EXPECT_EQ(expected[0], fileLine("KONTOBUCHUNGEN ZU KONTO:   01000"));
    expectLines(bytes, expected);
    EXPECT_EQ(request.pageCount, 1);
    EXPECT_TRUE(b.messages.empty());

    ASSERT_EQ(b.recorded.phases.size(), 1u);
    EXPECT_EQ(b.recorded.phases[0].caption, "Kontobuchungen");
    EXPECT_EQ(b.recorded.phases[0].secondLine, "Die Buchungen werden gesucht...");
    EXPECT_EQ(b.recorded.ends, 1);
}

// An account without bookings: the INFORMATION message and failure, so no output follows.
TEST(AccountBookings, NothingFoundIsReported) {
    JournalBooks b(4);
    b.addAccount(1600, "KASSE");
    b.addAccount(1800, "BANK");
    b.addAccount(4400, cp<"ERLÖSE 19%">());
    b.book("02.01", "1", 1800, 4400, "Bankeingang", 119.00, 19.0);

    for (int number : {1600, 4711}) {
        b.messages.entries.clear();
        ReportRequest request = b.request();
        runList(b, number, request, 0);
        ASSERT_EQ(b.messages.entries.size(), 1u);
        EXPECT_EQ(b.messages.last().text,
                  cp<"Keine Buchungen für die gewählten Konten \nim gewünschten Zeitraum gefunden !">());
        EXPECT_EQ(b.messages.last().caption, "INFORMATION");
        EXPECT_EQ(b.messages.last().icon, ui::kIconInformation);
    }
}

// Chart 04, customer account, more bookings than a page holds: the page ends with 2 blank lines and the
// footer, the header repeats. Bookings whose date is no date of the year are left out.
TEST(AccountBookings, PageBreakRepeatsHeader) {
    JournalBooks b(4);
    std::vector<ledger::BookingTexts> lines;
    std::vector<std::string> expectedLines;
    for (int i = 1; i <= 6; ++i) {
        const std::string date = format("%02i.03", i);
        const std::string doc = "RE" + std::to_string(i);
        lines.push_back(line(date, doc, numberField(10000), numberField(4400), "Rechnung", 119.0 * i, 19.0));
        lines.push_back(line(date, doc, numberField(1800), numberField(4400), "Bar", 1.0, 0.0));
        expectedLines.push_back(bookingLine(
            {date.c_str(), doc.c_str(), 10000, 4400, "Rechnung", 119.0 * i, 19.0, 19.0 * i, 2 * i - 1}));
    }
    lines.push_back(line("xx.xx", "", numberField(1800), numberField(10000), "Zahlung", 5.0, 0.0));
    b.writeJournal(lines);

    // 25 lines a page: 4 body lines.
    ReportRequest request = b.request(25);
    const std::string bytes = runList(b, 10000, request);
    std::vector<std::string> expected = header(10000);
    expected.insert(expected.end(), expectedLines.begin(), expectedLines.begin() + 4);
    append(expected, {blankLine(), blankLine(), footerLine(1)});
    append(expected, header(10000));
    expected.insert(expected.end(), expectedLines.begin() + 4, expectedLines.end());
    expectLines(bytes, expected);
    EXPECT_EQ(request.pageCount, 2);
}

}  // namespace
}  // namespace tellmark::reports
