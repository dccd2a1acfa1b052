#include "reports/balance_list_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "reports/sample_ledgers.h"
#include "resources/cp1252_literal.h"

namespace tellmark::reports {
namespace {

using testing::readFile;
using testing::SampleLedger;

constexpr std::size_t kNarrow = 65;
constexpr std::size_t kWide = 110;

std::string pad(std::string_view text, std::size_t width) {
    std::string line(text.substr(0, std::min(text.size(), width)));
    line.resize(width, ' ');
    return line;
}
// Left text, right text ending at the line end.
std::string lr(std::string_view left, std::string_view right, std::size_t width) {
    std::string line = pad(left, width);
    line.replace(width - right.size(), right.size(), right);
    return line;
}
std::string ruler(std::size_t width) { return std::string(width, '\xAD'); }

std::vector<std::string> fileLines(const std::vector<std::string>& lines, std::size_t width) {
    std::vector<std::string> out;
    for (const auto& line : lines) out.push_back(pad(line, width) + "\r\n");
    return out;
}
std::vector<std::string> printedLines(const std::string& bytes, std::size_t width) {
    std::vector<std::string> out;
    for (std::size_t at = 0; at < bytes.size(); at += width + 2) out.push_back(bytes.substr(at, width + 2));
    return out;
}

std::string amount(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%12.2f", value);
    return text;
}
// "%-5s   %-25s    %12s    %12s": the balance in the debit or, as absolute value, the credit column.
std::string narrow(std::string_view number, std::string_view name, double balance) {
    const std::string debit = balance >= 0 ? amount(balance) : " ";
    const std::string credit = balance >= 0 ? " " : amount(-balance);
    char line[128];
    std::snprintf(line, sizeof line, "%-5s   %-25s    %12s    %12s", std::string(number).c_str(),
                  std::string(name).c_str(), debit.c_str(), credit.c_str());
    return line;
}
std::vector<std::string> narrowEnd(double debit, double credit) {
    char sums[128];
    char saldo[128];
    std::snprintf(sums, sizeof sums, "SUMMEN                               %12.2f    %12.2f", debit, credit);
    const double d = debit - credit;
    std::snprintf(saldo, sizeof saldo, "SALDO                                %12s    %12s",
                  d >= 0 ? amount(d).c_str() : " ", d >= 0 ? " " : amount(-d).c_str());
    return {ruler(kNarrow), sums, saldo, ruler(kNarrow)};
}
// "%12.2f%1s" with "S", "H" or a blank.
std::string side(double value, bool total = false) {
    char text[32];
    std::snprintf(text, sizeof text, "%12.2f%1s", std::fabs(value),
                  value > 0 || (total && value == 0) ? "S" : value < 0 ? "H" : " ");
    return text;
}
std::string wide(std::string_view number, std::string_view name, double before, double movement, double closing) {
    char line[160];
    std::snprintf(line, sizeof line, "%-5s  %-25s               %13s            %13s            %13s",
                  std::string(number).c_str(), std::string(name).c_str(), side(before).c_str(),
                  side(movement).c_str(), side(closing).c_str());
    return line;
}
std::vector<std::string> wideEnd(double before, double movement, double closing) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "SALDEN                                         %13s            %13s            %13s",
                  side(before, true).c_str(), side(movement, true).c_str(), side(closing, true).c_str());
    return {ruler(kWide), line, ruler(kWide)};
}

const std::string kName(testing::kSampleCircleName);

std::vector<std::string> narrowHeader(int sheet, std::string_view yearLine, std::string_view period,
                                      std::string_view selection, std::string_view columns) {
    char blatt[16];
    std::snprintf(blatt, sizeof blatt, "Blatt %02i", sheet);
    return {lr("SALDENLISTE", "15.01.2010", kNarrow),
            lr("-----------", blatt, kNarrow),
            "",
            lr(yearLine, period, kNarrow),
            "",
            kName,
            "",
            std::string(selection),
            "",
            ruler(kNarrow),
            std::string(columns),
            ruler(kNarrow)};
}

std::vector<std::string> wideHeader(std::string_view yearLine, std::string_view period, std::string_view selection,
                                    std::string_view columns) {
    return {lr("SALDENLISTE", "15.01.2010", kWide),
            lr("-----------", "Blatt 01", kWide),
            "",
            lr(yearLine, period, kWide),
            "",
            kName,
            "",
            lr(selection, "(S=SOLL, H=HABEN)", kWide),
            "",
            ruler(kWide),
            std::string(columns),
            ""};
}

void append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

// Runs the list over the books and returns the print file.
std::string runList(SampleLedger& books, BalanceListOptions& options, ReportRequest& request) {
    PrintFile print(books.dir.file("~print~.tmp"), books.messages);
    request.printDay = 15;
    request.printMonth = 1;
    request.printYear = 2010;
    FillBalanceListRequest(request, options, BookingYearOf(books.settings));
    EXPECT_EQ(GenerateBalanceList(print, request, options, books.cursor, books.index, books.settings), 1);
    return readFile(print.path());
}

BalanceListOptions narrowOptions(int from, int to, bool includeAll) {
    BalanceListOptions o;
    o.fromMonth = from;
    o.toMonth = to;
    o.wide = false;
    o.includeAll = includeAll;
    return o;
}

TEST(BalanceListNarrow, Chart03AllAccountsOverTheYear) {
    auto books = testing::makeSampleLedger(3);
    BalanceListOptions o = narrowOptions(1, 12, true);
    ASSERT_EQ(SelectByGroup("", o.accounts, books->messages), 1);
    ReportRequest request;
    const std::string out = runList(*books, o, request);

    std::vector<std::string> expected =
        narrowHeader(1, "Buchungsjahr 2009", "Zeitraum: 01.01.2009-31.12.2009", "KONTENGRUPPE: ?????",
                     "KONTENGRUPPE: ?????                      Soll EUR       Haben EUR");
    append(expected, {narrow(" 0880", "KAPITAL", 0.0), narrow(" 1000", "KASSE", 297.50),
                      narrow(" 1200", "BANK", -2585.00), narrow(" 1570", "VORSTEUER", 389.50),
                      narrow(" 1770", "MEHRWERTSTEUER", -627.00), narrow(" 1800", "PRIVATENTNAHMEN", 1000.00),
                      narrow(" 3400", "WARENEINGANG 19%", 2000.00), narrow(" 4210", "MIETE", 800.00),
                      narrow(" 4650", "BEWIRTUNG", 0.0), narrow(" 4930", cp<"BÜROBEDARF">(), 50.00),
                      narrow(" 8400", cp<"ERLÖSE 19%">(), -3300.00),
                      narrow(" 9000", cp<"SALDENVORTRÄGE SACHKONTEN">(), 0.0),
                      narrow("10000", cp<"MÜLLER GMBH">(), 0.0), narrow("10001", "SCHMIDT KG", 1380.00),
                      narrow("10002", "ALPHA AG", 0.0), narrow("20000", cp<"BÜROMARKT MEIER">(), 595.00),
                      narrow("20001", "GROSSHANDEL NORD", 0.0)});
    append(expected, narrowEnd(6512.00, 6512.00));
    EXPECT_EQ(printedLines(out, kNarrow), fileLines(expected, kNarrow));
    EXPECT_EQ(request.pageCount, 1);
    EXPECT_TRUE(books->messages.empty());
}

TEST(BalanceListNarrow, GroupWithJokerAndRangeSelectOnlyTheirAccounts) {
    auto books = testing::makeSampleLedger(3);
    {
        // Second digit 4 among the four-digit accounts; opening balance to closing entries.
        BalanceListOptions o = narrowOptions(0, 13, true);
        ASSERT_EQ(SelectByGroup("?4??", o.accounts, books->messages), 1);
        ReportRequest request;
        const std::string out = runList(*books, o, request);
        std::vector<std::string> expected =
            narrowHeader(1, "Buchungsjahr 2009", "Zeitraum: Anfangswerte-Abschluss", "KONTENGRUPPE:  ?4??",
                         "KONTENGRUPPE:  ?4??                      Soll EUR       Haben EUR");
        append(expected, {narrow(" 3400", "WARENEINGANG 19%", 2000.00), narrow(" 8400", cp<"ERLÖSE 19%">(), -3300.00)});
        append(expected, narrowEnd(2000.00, 3300.00));
        EXPECT_EQ(printedLines(out, kNarrow), fileLines(expected, kNarrow));
    }
    {
        // "12" to "18" means 1200 to 1800; only accounts with a balance.
        BalanceListOptions o = narrowOptions(1, 12, false);
        ASSERT_EQ(SelectByRange("12", "18", o.accounts, books->messages), 1);
        ReportRequest request;
        const std::string out = runList(*books, o, request);
        std::vector<std::string> expected =
            narrowHeader(1, "Buchungsjahr 2009", "Zeitraum: 01.01.2009-31.12.2009", "KONTENBEREICH: 1200-1800",
                         "KONTENBEREICH: 1200-1800" + std::string(17, ' ') + "Soll EUR       Haben EUR");
        append(expected, {narrow(" 1200", "BANK", -2585.00), narrow(" 1570", "VORSTEUER", 389.50),
                          narrow(" 1770", "MEHRWERTSTEUER", -627.00), narrow(" 1800", "PRIVATENTNAHMEN", 1000.00)});
        append(expected, narrowEnd(1389.50, 3212.00));
        EXPECT_EQ(printedLines(out, kNarrow), fileLines(expected, kNarrow));
    }
    EXPECT_TRUE(books->messages.empty());
}

TEST(BalanceListNarrow, Chart04InNameOrderWithoutZeroBalances) {
    auto books = testing::makeSampleLedger(4);
    BalanceListOptions o = narrowOptions(0, 12, false);
    ASSERT_EQ(SelectByGroup("", o.accounts, books->messages), 1);
    o.accounts.alphabetical = true;
    ReportRequest request;
    const std::string out = runList(*books, o, request);

    std::vector<std::string> expected =
        narrowHeader(1, "Buchungsjahr 2009", "Zeitraum: Anfangswerte-31.12.2009", "KONTENGRUPPE: ?????",
                     "KONTENGRUPPE: ?????                      Soll EUR       Haben EUR");
    // ALPHA AG, BEWIRTUNG, BÜROMARKT MEIER and GROSSHANDEL NORD have nothing to show.
    append(expected, {narrow(" 1800", "BANK", 9415.00), narrow(" 6815", cp<"BÜROBEDARF">(), 50.00),
                      narrow(" 4400", cp<"ERLÖSE 19%">(), -3300.00), narrow(" 2000", "KAPITAL", -15000.00),
                      narrow(" 1600", "KASSE", 797.50), narrow(" 3800", "MEHRWERTSTEUER", -627.00),
                      narrow(" 6310", "MIETE", 800.00), narrow("10000", cp<"MÜLLER GMBH">(), 1190.00),
                      narrow(" 2100", "PRIVATENTNAHMEN", 1000.00),
                      narrow(" 9000", cp<"SALDENVORTRÄGE SACHKONTEN">(), 1905.00),
                      narrow("10001", "SCHMIDT KG", 1380.00), narrow(" 1400", "VORSTEUER", 389.50),
                      narrow(" 5400", "WARENEINGANG 19%", 2000.00)});
    append(expected, narrowEnd(18927.00, 18927.00));
    EXPECT_EQ(printedLines(out, kNarrow), fileLines(expected, kNarrow));
}

TEST(BalanceListNarrow, PagesBreakAndTheSumBlockStaysTogether) {
    SampleLedger books(testing::sampleSettings(3, 2009));
    books.addAccount(1000, "KASSE");
    books.addAccount(1200, "BANK");
    books.addAccount(1300, "SCHECKS");
    books.addAccount(1400, "FORDERUNGEN");
    books.addAccount(1500, "SONSTIGE");
    // Cents that sum to a binary hair below zero: neither "-0.00" nor a credit, nor listed as a balance.
    books.post(1000, 1, 0.30);
    books.post(1000, 2, -0.10);
    books.post(1000, 3, -0.20);
    books.post(1200, 1, 100.00);
    books.post(1300, 0, 100.00);  // opening balance only: 0.00 over months 1 to 12
    books.post(1400, 5, -50.00);
    books.post(1500, 12, 20.00);

    BalanceListOptions o = narrowOptions(1, 12, true);
    ASSERT_EQ(SelectByGroup("1", o.accounts, books.messages), 1);
    ReportRequest request;
    request.linesPerPage = 26;  // four body lines a page
    std::string out = runList(books, o, request);

    auto header = [](int sheet) {
        return narrowHeader(sheet, "Buchungsjahr 2009", "Zeitraum: 01.01.2009-31.12.2009", "KONTENGRUPPE:  1???",
                            "KONTENGRUPPE:  1???                      Soll EUR       Haben EUR");
    };
    std::vector<std::string> expected = header(1);
    append(expected, {narrow(" 1000", "KASSE", 0.0), narrow(" 1200", "BANK", 100.00), narrow(" 1300", "SCHECKS", 0.0),
                      narrow(" 1400", "FORDERUNGEN", -50.00), "", "", lr("", "Blatt 01+", kNarrow)});
    append(expected, header(2));
    // Three lines left: the sums go to the next page, the footer stays where a full page has it.
    append(expected, {narrow(" 1500", "SONSTIGE", 20.00), "", "", "", "", "", lr("", "Blatt 02+", kNarrow)});
    append(expected, header(3));
    append(expected, narrowEnd(120.00, 50.00));
    EXPECT_EQ(printedLines(out, kNarrow), fileLines(expected, kNarrow));
    EXPECT_EQ(request.pageCount, 3);

    o.includeAll = false;
    out = runList(books, o, request);
    expected = header(1);
    append(expected, {narrow(" 1200", "BANK", 100.00), narrow(" 1400", "FORDERUNGEN", -50.00),
                      narrow(" 1500", "SONSTIGE", 20.00), "", "", "", lr("", "Blatt 01+", kNarrow)});
    append(expected, header(2));
    append(expected, narrowEnd(120.00, 50.00));
    EXPECT_EQ(printedLines(out, kNarrow), fileLines(expected, kNarrow));
    EXPECT_EQ(request.pageCount, 2);
}

TEST(BalanceListWide, Chart03FromOpeningBalance) {
    auto books = testing::makeSampleLedger(3);
    BalanceListOptions o;
    o.fromMonth = 0;
    o.toMonth = 12;
    ASSERT_EQ(SelectByGroup("", o.accounts, books->messages), 1);
    ReportRequest request;
    const std::string out = runList(*books, o, request);

    std::vector<std::string> expected = wideHeader(
        "Buchungsjahr 2009", "Zeitraum: Anfangswerte-31.12.2009", cp<"KONTENGRUPPE: ?????, Währung: EUR">(),
        "Konto     Bezeichnung                    Saldo vor 01.01.09            Zugang/Abgang          Saldo: 31.12.09 ");
    // Before: the opening balance; movement: months 1 to 12.
    append(expected, {wide(" 0880", "KAPITAL", -15000.00, 0.0, -15000.00),
                      wide(" 1000", "KASSE", 500.00, 297.50, 797.50),
                      wide(" 1200", "BANK", 12000.00, -2585.00, 9415.00),
                      wide(" 1570", "VORSTEUER", 0.0, 389.50, 389.50),
                      wide(" 1770", "MEHRWERTSTEUER", 0.0, -627.00, -627.00),
                      wide(" 1800", "PRIVATENTNAHMEN", 0.0, 1000.00, 1000.00),
                      wide(" 3400", "WARENEINGANG 19%", 0.0, 2000.00, 2000.00),
                      wide(" 4210", "MIETE", 0.0, 800.00, 800.00),
                      wide(" 4650", "BEWIRTUNG", 0.0, 0.0, 0.0),
                      wide(" 4930", cp<"BÜROBEDARF">(), 0.0, 50.00, 50.00),
                      wide(" 8400", cp<"ERLÖSE 19%">(), 0.0, -3300.00, -3300.00),
                      wide(" 9000", cp<"SALDENVORTRÄGE SACHKONTEN">(), 1905.00, 0.0, 1905.00),
                      wide("10000", cp<"MÜLLER GMBH">(), 1190.00, 0.0, 1190.00),
                      wide("10001", "SCHMIDT KG", 0.0, 1380.00, 1380.00),
                      wide("10002", "ALPHA AG", 0.0, 0.0, 0.0),
                      wide("20000", cp<"BÜROMARKT MEIER">(), -595.00, 595.00, 0.0),
                      wide("20001", "GROSSHANDEL NORD", 0.0, 0.0, 0.0)});
    append(expected, wideEnd(0.0, 0.0, 0.0));
    EXPECT_EQ(printedLines(out, kWide), fileLines(expected, kWide));
    EXPECT_EQ(request.pageCount, 1);
}

TEST(BalanceListWide, Chart04CustomersAndARangeWithoutEmptyAccounts) {
    auto books = testing::makeSampleLedger(4);
    {
        BalanceListOptions o;
        o.fromMonth = 3;
        o.toMonth = 12;
        o.includeAll = false;
        ASSERT_EQ(SelectByGroup("1!", o.accounts, books->messages), 1);
        ReportRequest request;
        const std::string out = runList(*books, o, request);
        std::vector<std::string> expected = wideHeader(
            "Buchungsjahr 2009", "Zeitraum: 01.03.2009-31.12.2009", cp<"KONTENGRUPPE: 1????, Währung: EUR">(),
            "Konto     Bezeichnung                    Saldo vor 01.03.09            Zugang/Abgang          Saldo: 31.12.09 ");
        append(expected, {wide("10000", cp<"MÜLLER GMBH">(), 1190.00, 0.0, 1190.00),
                          wide("10001", "SCHMIDT KG", 0.0, 1380.00, 1380.00)});
        append(expected, wideEnd(1190.00, 1380.00, 2570.00));
        EXPECT_EQ(printedLines(out, kWide), fileLines(expected, kWide));
    }
    {
        BalanceListOptions o;
        o.fromMonth = 1;
        o.toMonth = 6;
        o.includeAll = false;
        ASSERT_EQ(SelectByRange("16", "18", o.accounts, books->messages), 1);
        ReportRequest request;
        const std::string out = runList(*books, o, request);
        std::vector<std::string> expected = wideHeader(
            "Buchungsjahr 2009", "Zeitraum: 01.01.2009-30.06.2009", cp<"KONTENBEREICH:  1600-1800 , Währung: EUR">(),
            "Konto     Bezeichnung                    Saldo vor 01.01.09            Zugang/Abgang          Saldo: 30.06.09 ");
        append(expected, {wide(" 1600", "KASSE", 500.00, 297.50, 797.50),
                          wide(" 1800", "BANK", 12000.00, -205.00, 11795.00)});
        append(expected, wideEnd(12500.00, 92.50, 12592.50));
        EXPECT_EQ(printedLines(out, kWide), fileLines(expected, kWide));
    }
}

TEST(BalanceListBusinessYear, JulyYearDatesMonthsOneToSixInTheSecondYear) {
    auto books = testing::makeSampleLedgerJuly();
    {
        BalanceListOptions o = narrowOptions(1, 6, false);
        ASSERT_EQ(SelectByGroup("12", o.accounts, books->messages), 1);
        ReportRequest request;
        const std::string out = runList(*books, o, request);
        EXPECT_EQ(request.fromYear, 2009);
        EXPECT_EQ(request.toYear, 2009);
        std::vector<std::string> expected = narrowHeader(
            1, "Buchungsjahr 07.2008-06.2009", "Zeitraum: 01.01.2009-30.06.2009", "KONTENGRUPPE:  12??",
            "KONTENGRUPPE:  12??                      Soll EUR       Haben EUR");
        append(expected, {narrow(" 1200", "BANK", -205.00)});
        append(expected, narrowEnd(0.0, 205.00));
        EXPECT_EQ(printedLines(out, kNarrow), fileLines(expected, kNarrow));
    }
    {
        // From the opening balance to June: the movement covers the whole business year, July 2008 on.
        BalanceListOptions o;
        o.fromMonth = 0;
        o.toMonth = 6;
        ASSERT_EQ(SelectByGroup("12", o.accounts, books->messages), 1);
        ReportRequest request;
        const std::string out = runList(*books, o, request);
        std::vector<std::string> expected = wideHeader(
            "Buchungsjahr 07.2008-06.2009", "Zeitraum: Anfangswerte-30.06.2009",
            cp<"KONTENGRUPPE:  12??, Währung: EUR">(),
            "Konto     Bezeichnung                    Saldo vor 01.07.08            Zugang/Abgang          Saldo: 30.06.09 ");
        append(expected, {wide(" 1200", "BANK", 12000.00, -2585.00, 9415.00)});
        append(expected, wideEnd(12000.00, -2585.00, 9415.00));
        EXPECT_EQ(printedLines(out, kWide), fileLines(expected, kWide));
    }
}

TEST(BalanceListDialog, GroupAndRangeFields) {
    ui::RecordingMessages messages;
    AccountSelection s;
    ASSERT_EQ(SelectByGroup("8", s, messages), 1);
    EXPECT_EQ(s.pattern, " 8???");
    EXPECT_EQ(s.from, 8000);
    EXPECT_EQ(s.to, 8999);
    ASSERT_EQ(SelectByGroup("?4??", s, messages), 1);
    EXPECT_EQ(s.pattern, " ?4??");
    EXPECT_EQ(s.from, 400);
    EXPECT_EQ(s.to, 9499);
    ASSERT_EQ(SelectByGroup("  2!", s, messages), 1);
    EXPECT_EQ(s.pattern, "2????");
    EXPECT_EQ(s.to, 29999);
    ASSERT_EQ(SelectByGroup("", s, messages), 1);
    EXPECT_EQ(s.pattern, "?????");
    EXPECT_EQ(s.from, 0);
    EXPECT_EQ(s.to, 29999);
    EXPECT_TRUE(s.byGroup);

    ASSERT_EQ(SelectByRange("12", "13", s, messages), 1);
    EXPECT_FALSE(s.byGroup);
    EXPECT_EQ(s.pattern, "");
    EXPECT_EQ(s.from, 1200);
    EXPECT_EQ(s.to, 1300);
    ASSERT_EQ(SelectByRange("5", "20000", s, messages), 1);
    EXPECT_EQ(s.from, 5000);
    EXPECT_EQ(s.to, 20000);
    EXPECT_TRUE(messages.empty());

    // Refused selections leave the previous one and name the fault.
    EXPECT_EQ(SelectByGroup("8a", s, messages), 0);
    EXPECT_EQ(SelectByRange("12", "30000", s, messages), 0);
    EXPECT_EQ(SelectByGroup("123456", s, messages), 0);
    EXPECT_EQ(s.from, 5000);
    EXPECT_FALSE(s.byGroup);
    ASSERT_EQ(messages.entries.size(), 3u);
    for (const auto& m : messages.entries) {
        EXPECT_EQ(m.text, std::string(cp<"Ungültige Kontonummer bzw. Kontenauswahl !">()));
        EXPECT_EQ(m.caption, "FEHLER");
        EXPECT_EQ(m.icon, ui::kIconStop);
    }

    EXPECT_TRUE(MatchesGroup(" 8400", " 8???"));
    EXPECT_FALSE(MatchesGroup("18400", " 8???"));
    EXPECT_TRUE(MatchesGroup(" 0400", " ?4??"));
    EXPECT_FALSE(MatchesGroup(" 4401", " ?4?0"));
    EXPECT_EQ(HighestReportMonth(false), 12);
    EXPECT_EQ(HighestReportMonth(true), 13);
}

}  // namespace
}  // namespace tellmark::reports
