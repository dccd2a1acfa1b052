#include "reports/journal_report.h"

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

// The journal's templates.
const char* kTitle =
    "J O U R N A L                                                                                       %02i.%02i.%04i\r\n";
const char* kSheet2 =
    "-------------                                                                                         Blatt %02u\r\n";
const char* kSheet3 =
    "-------------                                                                                        Blatt %03u\r\n";
const char* kColumns =
    "DATUM      BELEG       S     H     BUCHUNGSTEXT                   BETRAG %3s     MWST.(%%)    MWST. %3s     "
    "Nr.\r\n";
const char* kLine = "%-5s.%-2s   %6s   %5s %5s    %-25s    %11s      %5s    %11s %8.0f\r\n";

std::vector<std::string> header(const config::CircleSettings& s, int page, std::string_view period) {
    return {format(kTitle, 20, 5, 2009),
            page <= 99 ? format(kSheet2, static_cast<unsigned>(page)) : format(kSheet3, static_cast<unsigned>(page)),
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
    const char* year;
    const char* doc;
    int debit;
    int credit;
    std::string_view text;
    double amount;
    double rate;
    double vat;
    long number;
};
std::string bookingLine(const Expected& e) {
    return format(kLine, e.date, e.year, document(e.doc).c_str(), account(e.debit).c_str(), account(e.credit).c_str(),
               bookingText(e.text).c_str(), amount11(e.amount).c_str(), rate5(e.rate).c_str(),
               amount11(e.vat).c_str(), static_cast<double>(e.number));
}

std::string runJournal(JournalBooks& b, const JournalOptions& options, ReportRequest& request, int expected = 1) {
    PrintFile print(b.printPath(), b.messages);
    FillJournalRequest(request, options, BookingYearOf(b.settings));
    JournalReportBooks books = b.bundle();
    EXPECT_EQ(GenerateJournal(print, request, options, books), expected);
    return tellmark::testing::readFile(print.path());
}

void addChart03Accounts(JournalBooks& b) {
    b.addAccount(1000, "KASSE", 500.0);
    b.addAccount(1200, "BANK");
    b.addAccount(4930, cp<"BÜROBEDARF">());
    b.addAccount(8400, cp<"ERLÖSE 19%">());
    b.addAccount(10000, cp<"MÜLLER GMBH">());
}

// Months 3 to 4 of bookings entered out of date order: all March bookings in booking-number order, then
// all April bookings; February and May stay out. The whole page, chart 03, calendar year.
TEST(JournalReport, MonthPassesInDateOrderWholePage) {
    JournalBooks b(3);
    addChart03Accounts(b);
    b.book("28.02", "1", 1000, 8400, "Barverkauf Februar", 119.00, 19.0);
    b.book("02.03", "2", 10000, 8400, "Rechnung 2", 1190.00, 19.0);
    b.book("15.04", "3", 4930, 1000, cp<"Büromaterial">(), 59.50, 19.0);
    b.book("01.03", "4", 1000, 8400, "Barverkauf", 119.00, 19.0);
    b.book("30.04", "5", 1200, 10000, cp<"Zahlung Müller">(), 1190.00);
    b.book("31.03", "6", 1200, 1000, "Einzahlung Bank", 100.00);
    b.book("01.05", "7", 1000, 8400, "Barverkauf Mai", 23.80, 19.0);

    ReportRequest request = b.request();
    const std::string bytes = runJournal(b, {1, 3, 30, 4}, request);

    std::vector<std::string> expected = header(b.settings, 1, "Zeitraum: 01.03.2009-30.04.2009");
    append(expected, {
        bookingLine({"02.03", "09", "2", 10000, 8400, "Rechnung 2", 1190.00, 19.0, 190.00, 2}),
        bookingLine({"01.03", "09", "4", 1000, 8400, "Barverkauf", 119.00, 19.0, 19.00, 4}),
        bookingLine({"31.03", "09", "6", 1200, 1000, "Einzahlung Bank", 100.00, 0.0, 0.0, 6}),
        bookingLine({"15.04", "09", "3", 4930, 1000, cp<"Büromaterial">(), 59.50, 19.0, 9.50, 3}),
        bookingLine({"30.04", "09", "5", 1200, 10000, cp<"Zahlung Müller">(), 1190.00, 0.0, 0.0, 5}),
    });
    expectLines(bytes, expected);
    EXPECT_EQ(request.pageCount, 1);
    EXPECT_TRUE(b.messages.empty());

    // One progress phase per month pass, ended once.
    ASSERT_EQ(b.recorded.phases.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const ui::RecordingProgress::Phase& phase = b.recorded.phases[i];
        EXPECT_EQ(phase.caption, "Journalausgabe");
        EXPECT_EQ(phase.secondLine, "Die Buchungen werden gesucht...");
        EXPECT_EQ(phase.barLabel, i == 0 ? "Monat: 03" : "Monat: 04");
        EXPECT_EQ(phase.mode, ui::kBarEndless);
        EXPECT_EQ(phase.total, 1);
    }
    EXPECT_EQ(b.recorded.ends, 1);
}

// A business year from July: months 7-12 carry the first year, months 1-6 and the closing month 13 the
// second; the passes run July to June, then month 13.
TEST(JournalReport, BusinessYearFromJulyYearOnEachLine) {
    JournalBooks b(3, 7);
    addChart03Accounts(b);
    b.book("10.01", "1", 1000, 8400, "Januar", 11.90, 19.0);
    b.book("15.07", "2", 1000, 8400, "Juli", 23.80, 19.0);
    b.book("31.13", "3", 1200, 1000, "Abschluss", 5.00);
    b.book("20.12", "4", 4930, 1000, "Dezember", 10.70, 7.0);
    b.book("30.06", "5", 1200, 1000, "Juni", 1.00);

    ReportRequest request = b.request();
    const std::string bytes = runJournal(b, {1, 7, 31, 13}, request);

    std::vector<std::string> expected = header(b.settings, 1, "Zeitraum: 01.07.2008-Abschluss");
    append(expected, {
        bookingLine({"15.07", "08", "2", 1000, 8400, "Juli", 23.80, 19.0, 3.80, 2}),
        bookingLine({"20.12", "08", "4", 4930, 1000, "Dezember", 10.70, 7.0, 0.70, 4}),
        bookingLine({"10.01", "09", "1", 1000, 8400, "Januar", 11.90, 19.0, 1.90, 1}),
        bookingLine({"30.06", "09", "5", 1200, 1000, "Juni", 1.00, 0.0, 0.0, 5}),
        bookingLine({"31.13", "09", "3", 1200, 1000, "Abschluss", 5.00, 0.0, 0.0, 3}),
    });
    EXPECT_EQ(expected[3], fileLine("Buchungsjahr 07.2008-06.2009" + std::string(52, ' ') +
                                    "Zeitraum: 01.07.2008-Abschluss"));
    expectLines(bytes, expected);
    EXPECT_EQ(b.recorded.phases.size(), 13u);

    // A window that wraps around the calendar year end: November to February.
    b.recorded.phases.clear();
    request = b.request();
    const std::string wrapped = runJournal(b, {1, 11, 28, 2}, request);
    std::vector<std::string> wrappedLines = header(b.settings, 1, "Zeitraum: 01.11.2008-28.02.2009");
    append(wrappedLines, {
        bookingLine({"20.12", "08", "4", 4930, 1000, "Dezember", 10.70, 7.0, 0.70, 4}),
        bookingLine({"10.01", "09", "1", 1000, 8400, "Januar", 11.90, 19.0, 1.90, 1}),
    });
    expectLines(wrapped, wrappedLines);
}

// Chart 04, a full page: the page holds its budget of body lines and ends with 2 blank lines and the
// footer; the next page repeats the header with its own sheet number. The closing month of a calendar
// year carries the booking year; the EU pair carries no VAT.
TEST(JournalReport, PageBreakRepeatsHeaderAfterFooter) {
    JournalBooks b(4);
    std::vector<ledger::BookingTexts> lines;
    for (int i = 1; i <= 10; ++i) {
        const std::string date = format("%02i.01", i);
        lines.push_back(line(date, std::to_string(i), numberField(1600), numberField(4400), "Barverkauf", 10.0 * i,
                             19.0));
    }
    lines.push_back(line("31.01", "EU1", numberField(1409), numberField(3809), "EU-Erwerb", 19.00, 19.0));
    lines.push_back(line("15.13", "U1", numberField(3800), numberField(1400), "Umbuchung Vorsteuer", 76.00, 0.0));
    b.writeJournal(lines);
    const double vat[] = {1.60, 3.19, 4.79, 6.39, 7.98, 9.58, 11.18, 12.77, 14.37, 15.97};

    auto expectedLine = [&](int i) {
        if (i <= 10) {
            const std::string date = format("%02i.01", i);
            return bookingLine({date.c_str(), "09", std::to_string(i).c_str(), 1600, 4400, "Barverkauf", 10.0 * i,
                                19.0, vat[i - 1], i});
        }
        if (i == 11) return bookingLine({"31.01", "09", "EU1", 1409, 3809, "EU-Erwerb", 19.00, 19.0, 0.0, 11});
        return bookingLine({"15.13", "09", "U1", 3800, 1400, "Umbuchung Vorsteuer", 76.00, 0.0, 0.0, 12});
    };

    // 30 lines a page: 11 body lines. The 12th booking goes onto page 2.
    ReportRequest request = b.request(30);
    const std::string bytes = runJournal(b, {1, 1, 31, 13}, request);
    const std::string period = "Zeitraum: 01.01.2009-Abschluss";
    std::vector<std::string> expected = header(b.settings, 1, period);
    for (int i = 1; i <= 11; ++i) expected.push_back(expectedLine(i));
    append(expected, {blankLine(), blankLine(), footerLine(1)});
    append(expected, header(b.settings, 2, period));
    expected.push_back(expectedLine(12));
    expectLines(bytes, expected);
    EXPECT_EQ(request.pageCount, 2);

    // Exactly a page of bookings: one page without a footer.
    request = b.request(30);
    const std::string onePage = runJournal(b, {1, 1, 31, 1}, request);
    std::vector<std::string> single = header(b.settings, 1, "Zeitraum: 01.01.2009-31.01.2009");
    for (int i = 1; i <= 11; ++i) single.push_back(expectedLine(i));
    expectLines(onePage, single);
    EXPECT_EQ(request.pageCount, 1);
}

// The window from 15.03 leaves out the first month's bookings before the 15th, the last month's after
// the 10th.
TEST(JournalReport, WindowFromTheFifteenth) {
    JournalBooks b(4);
    std::vector<ledger::BookingTexts> lines;
    const char* dates[] = {"14.03", "15.03", "01.03", "31.03", "11.04", "10.04", "01.04"};
    for (const char* date : dates)
        lines.push_back(line(date, "", numberField(1600), numberField(1800), "Einzahlung", 50.0, 0.0));
    b.writeJournal(lines);

    ReportRequest request = b.request();
    const std::string bytes = runJournal(b, {15, 3, 10, 4}, request);
    std::vector<std::string> expected = header(b.settings, 1, "Zeitraum: 15.03.2009-10.04.2009");
    for (auto [date, number] : {std::pair{"15.03", 2}, {"31.03", 4}, {"10.04", 6}, {"01.04", 7}})
        expected.push_back(bookingLine({date, "09", "", 1600, 1800, "Einzahlung", 50.0, 0.0, 0.0, number}));
    expectLines(bytes, expected);
}

// Pages are numbered through the report: from page 100 the sheet number has three digits, in the header
// and in the footer. The progress window steps once per 100 bookings of the month's range.
TEST(JournalReport, SheetNumbersFromPageHundredAndProgressSteps) {
    JournalBooks b(3);
    std::vector<ledger::BookingTexts> lines;
    for (int i = 1; i <= 250; ++i)
        lines.push_back(line("05.03", "", numberField(1000), numberField(8400), "Kasse", 1.0, 0.0));
    b.writeJournal(lines);

    // 20 lines a page: one body line, 13 lines a page with header, 2 blank lines and the footer.
    ReportRequest request = b.request(20);
    const std::string bytes = runJournal(b, {1, 3, 31, 3}, request);
    EXPECT_EQ(request.pageCount, 250);
    const std::vector<std::string> printed = printedLines(bytes);
    ASSERT_EQ(printed.size(), 249u * 13 + 10);
    const std::string period = "Zeitraum: 01.03.2009-31.03.2009";
    auto page = [&](int n) {
        return std::vector<std::string>(printed.begin() + (n - 1) * 13,
                                        printed.begin() + std::min<std::size_t>(printed.size(), n * 13));
    };
    std::vector<std::string> page99 = header(b.settings, 99, period);
    append(page99, {bookingLine({"05.03", "09", "", 1000, 8400, "Kasse", 1.0, 0.0, 0.0, 99}), blankLine(),
                    blankLine(), footerLine(99)});
    EXPECT_EQ(page(99), page99);
    std::vector<std::string> page100 = header(b.settings, 100, period);
    append(page100, {bookingLine({"05.03", "09", "", 1000, 8400, "Kasse", 1.0, 0.0, 0.0, 100}), blankLine(),
                     blankLine(), footerLine(100)});
    EXPECT_EQ(page(100), page100);
    EXPECT_EQ(page100[1], fileLine(std::string(13, '-') + std::string(88, ' ') + "Blatt 100"));

    ASSERT_EQ(b.recorded.phases.size(), 1u);
    EXPECT_EQ(b.recorded.phases[0].total, 2);
    EXPECT_EQ(b.recorded.phases[0].steps, 2);
    EXPECT_EQ(b.recorded.polls, 2);
}

// A damaged record whose fields end early (a NUL in them) is printed as printf prints the shorter texts:
// right-aligned fields move right, left-aligned ones are padded. A record whose date is no "DD.MM" is
// left out.
TEST(JournalReport, ShortenedFieldsAsPrintfWritesThem) {
    JournalBooks b(3);
    ledger::JournalRecord damaged =
        ledger::makeJournalRecord(line("07.03", "AB1234", numberField(1000), numberField(8400), "Kasse Verkauf",
                                       119.0, 19.0));
    damaged[ledger::kDocumentOffset + 2] = '\0';
    damaged[ledger::kTextOffset + 5] = '\0';
    damaged[ledger::kCreditOffset + 1] = '\0';
    const ledger::JournalRecord undated =
        ledger::makeJournalRecord(line("7-3", "1", numberField(1000), numberField(8400), "Kasse", 1.0, 0.0));
    tellmark::testing::writeFile(b.jouPath, std::string(damaged.data(), damaged.size()) +
                                                std::string(undated.data(), undated.size()));
    ASSERT_EQ(b.journalIndex.rebuild(), 1);

    ReportRequest request = b.request();
    const std::string bytes = runJournal(b, {1, 3, 31, 3}, request);
    std::vector<std::string> expected = header(b.settings, 1, "Zeitraum: 01.03.2009-31.03.2009");
    expected.push_back(format(kLine, "07.03", "09", "AB", " 1000", " ", "Kasse", "     119.00", "19.00", "      19.00",
                           1.0));
    expectLines(bytes, expected);
    EXPECT_EQ(expected.back(), fileLine(std::string("07.03.09") + "   " + "    AB" + "   " + " 1000" + " " + "     " +
                                        "    " + "Kasse" + std::string(20, ' ') + "    " + "     119.00" + "      " +
                                        "19.00" + "    " + "      19.00" + " " + "       1"));
}

}  // namespace
}  // namespace tellmark::reports
