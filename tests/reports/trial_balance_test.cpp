#include "reports/trial_balance_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "reports/sample_ledgers.h"
#include "resources/cp1252_literal.h"

namespace tellmark::reports {
namespace {

using testing::readFile;
using testing::SampleLedger;

constexpr std::size_t kWidth = 65;
const std::string kRuler(kWidth, '\xAD');

std::string pad(std::string_view text) {
    std::string line(text.substr(0, std::min(text.size(), kWidth)));
    line.resize(kWidth, ' ');
    return line;
}
std::string lr(std::string_view left, std::string_view right) {
    std::string line = pad(left);
    line.replace(kWidth - right.size(), right.size(), right);
    return line;
}
std::vector<std::string> fileLines(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const auto& line : lines) out.push_back(pad(line) + "\r\n");
    return out;
}
std::vector<std::string> printedLines(const std::string& bytes) {
    std::vector<std::string> out;
    for (std::size_t at = 0; at < bytes.size(); at += kWidth + 2) out.push_back(bytes.substr(at, kWidth + 2));
    return out;
}
std::string amount(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%12.2f", value);
    return text;
}
std::string account(std::string_view number, std::string_view name, double balance) {
    char line[128];
    std::snprintf(line, sizeof line, "%-5s   %-25s    %12s    %12s", std::string(number).c_str(),
                  std::string(name).c_str(), balance >= 0 ? amount(balance).c_str() : " ",
                  balance >= 0 ? " " : amount(-balance).c_str());
    return line;
}
std::string classTitle(std::string_view title) {
    char line[128];
    std::snprintf(line, sizeof line, "%-40s Soll %3s       Haben %3s", std::string(title).c_str(), "EUR", "EUR");
    return line;
}

struct Report {
    std::string asAt;  // as inserted behind the title
    std::string yearLine = "Buchungsjahr 2009";
    std::vector<std::string> lines;

    void header(int sheet, std::string_view title) {
        char blatt[16];
        std::snprintf(blatt, sizeof blatt, "Blatt %02i", sheet);
        lines.insert(lines.end(), {lr("S A L D E N B I L A N Z" + asAt, "20.01.2010"),
                                   lr(std::string(23 + asAt.size(), '\xAD'), blatt), "", yearLine, "",
                                   std::string(testing::kSampleCircleName), "", kRuler, classTitle(title), kRuler});
    }
    void classStart(std::string_view title) { lines.insert(lines.end(), {classTitle(title), kRuler}); }
    void add(std::vector<std::string> more) { lines.insert(lines.end(), more.begin(), more.end()); }
    // Ruler (listed classes only), sums, balance, a blank line when room is left, and the closing ruler.
    void classEnd(double debit, double credit, bool listed = true, bool blank = true) {
        if (listed) lines.push_back(kRuler);
        char sums[128];
        char saldo[128];
        std::snprintf(sums, sizeof sums, "SUMMEN                               %12.2f    %12.2f", debit, credit);
        const double d = debit - credit;
        std::snprintf(saldo, sizeof saldo, "SALDO                                %12s    %12s",
                      d >= 0 ? amount(d).c_str() : " ", d >= 0 ? " " : amount(-d).c_str());
        lines.insert(lines.end(), {sums, saldo});
        if (blank) lines.push_back("");
        lines.push_back(kRuler);
    }
    void pageEnd(int blanks, int sheet) {
        lines.insert(lines.end(), static_cast<std::size_t>(blanks), "");
        char footer[16];
        std::snprintf(footer, sizeof footer, "Blatt %02i+", sheet);
        lines.push_back(lr("", footer));
    }
};

std::string run(SampleLedger& books, int cutOff, ReportRequest& request) {
    PrintFile print(books.dir.file("~print~.tmp"), books.messages);
    request.printDay = 20;
    request.printMonth = 1;
    request.printYear = 2010;
    TrialBalanceOptions options;
    options.cutOffMonth = cutOff;
    FillTrialBalanceRequest(request, options);
    EXPECT_EQ(GenerateTrialBalance(print, request, options, books.cursor, books.index, books.settings), 1);
    return readFile(print.path());
}

const std::string kClass03Zero = "KLASSE 0: ANLAGE- UND KAPITALKONTEN";
const std::string kClass03One = "KLASSE 1: FINANZKONTEN";
const std::string kVat = "UMSATZSTEUERKONTEN";
const std::string kClass03Two = "KLASSE 2: NEUTRALE KONTEN";
const std::string kClass03Three = "KLASSE 3: WARENEINKAUFSKONTEN";
const std::string kClass03Four = "KLASSE 4: KOSTENARTEN";
const std::string kClass03Eight(cp<"KLASSE 8: ERLÖSKONTEN">());
const std::string kClassNine(cp<"KLASSE 9: ERÖFFNUNGS- U. ABSCHLUSSKONTEN">());
const std::string kCustomers = "KUNDENKONTEN";
const std::string kSuppliers = "LIEFERANTENKONTEN";

TEST(SampleLedgers, BooksAreBalancedInEverySlot) {
    for (int chart : {3, 4}) {
        auto books = testing::makeSampleLedger(chart);
        EXPECT_EQ(books->cursor.count(), 17);
        EXPECT_EQ(books->index.count(), 17);
        double slots[14] = {};
        for (int r = 0; r < books->cursor.count(); ++r) {
            books->cursor.read(r);
            for (int s = 0; s < 14; ++s) slots[s] += books->cursor.slotValue(s);
        }
        for (int s = 0; s < 14; ++s) EXPECT_NEAR(slots[s], 0.0, 1e-9) << "chart " << chart << " slot " << s;
        EXPECT_TRUE(books->messages.empty());
    }
}

TEST(TrialBalance, Chart03AsAtDecember) {
    auto books = testing::makeSampleLedger(3);
    ReportRequest request;
    const std::string out = run(*books, 12, request);
    EXPECT_EQ(request.fromMonth, -1);
    EXPECT_EQ(request.toMonth, 12);

    Report r;
    r.asAt = "  zum 31.12.2009";
    r.header(1, kClass03Zero);
    r.add({account(" 0880", "KAPITAL", -15000.00)});
    r.classEnd(0.00, 15000.00);
    r.classStart(kClass03One);
    // The VAT accounts between 1560 and 1799 stand in their own class.
    r.add({account(" 1000", "KASSE", 797.50), account(" 1200", "BANK", 9415.00),
           account(" 1800", "PRIVATENTNAHMEN", 1000.00)});
    r.classEnd(11212.50, 0.00);
    r.classStart(kVat);
    r.add({account(" 1570", "VORSTEUER", 389.50), account(" 1770", "MEHRWERTSTEUER", -627.00)});
    r.classEnd(389.50, 627.00);
    r.classStart(kClass03Two);
    r.classEnd(0.00, 0.00);
    r.classStart(kClass03Three);
    r.add({account(" 3400", "WARENEINGANG 19%", 2000.00)});
    r.classEnd(2000.00, 0.00);
    r.classStart(kClass03Four);
    r.add({account(" 4210", "MIETE", 800.00), account(" 4650", "BEWIRTUNG", 0.00),
           account(" 4930", cp<"BÜROBEDARF">(), 50.00)});
    // Three lines left: the sums of the class go to the next page.
    r.pageEnd(5, 1);
    r.header(2, kClass03Four);
    r.classEnd(850.00, 0.00);
    r.classStart(kClass03Eight);
    r.add({account(" 8400", cp<"ERLÖSE 19%">(), -3300.00)});
    r.classEnd(0.00, 3300.00);
    r.classStart(kClassNine);
    r.add({account(" 9000", cp<"SALDENVORTRÄGE SACHKONTEN">(), 1905.00)});
    r.classEnd(1905.00, 0.00);
    // Customers and suppliers: sums only.
    r.classStart(kCustomers);
    r.classEnd(2570.00, 0.00, false);
    r.classStart(kSuppliers);
    r.classEnd(0.00, 0.00, false);

    EXPECT_EQ(printedLines(out), fileLines(r.lines));
    EXPECT_EQ(request.pageCount, 2);
    EXPECT_TRUE(books->messages.empty());
}

TEST(TrialBalance, Chart04WithClosingEntries) {
    auto books = testing::makeSampleLedger(4);
    ReportRequest request;
    const std::string out = run(*books, 13, request);

    Report r;
    r.asAt = ",  Abschluss";
    r.header(1, cp<"KLASSE 0: ANLAGEVERMÖGEN">());
    r.classEnd(0.00, 0.00);
    r.classStart(cp<"KLASSE 1: UMLAUFVERMÖGEN">());
    r.add({account(" 1600", "KASSE", 797.50), account(" 1800", "BANK", 9415.00)});
    r.classEnd(10212.50, 0.00);
    // The closing entry has offset the input VAT.
    r.classStart(kVat);
    r.add({account(" 1400", "VORSTEUER", 0.00), account(" 3800", "MEHRWERTSTEUER", -237.50)});
    r.classEnd(0.00, 237.50);
    r.classStart("KLASSE 2: PASSIVA");
    r.add({account(" 2000", "KAPITAL", -15000.00), account(" 2100", "PRIVATENTNAHMEN", 1000.00)});
    r.classEnd(1000.00, 15000.00);
    r.classStart("KLASSE 3: PASSIVA");
    r.classEnd(0.00, 0.00);
    r.classStart(cp<"KLASSE 4: BETRIEBLICHE ERTRÄGE">());
    r.add({account(" 4400", cp<"ERLÖSE 19%">(), -3300.00)});
    r.classEnd(0.00, 3300.00);
    // One line left: the next class starts on a new page.
    r.pageEnd(3, 1);
    r.header(2, "KLASSE 5: WAREN-, MATERIALAUFWAND");
    r.add({account(" 5400", "WARENEINGANG 19%", 2000.00)});
    r.classEnd(2000.00, 0.00);
    r.classStart("KLASSE 6: BETRIEBL. AUFWENDUNGEN");
    r.add({account(" 6310", "MIETE", 800.00), account(" 6640", "BEWIRTUNG", 0.00),
           account(" 6815", cp<"BÜROBEDARF">(), 50.00)});
    r.classEnd(850.00, 0.00);
    r.classStart(cp<"KLASSE 7: WEIT. ERTRÄGE UND AUFWENDUNGEN">());
    r.classEnd(0.00, 0.00);
    r.classStart(kClassNine);
    r.add({account(" 9000", cp<"SALDENVORTRÄGE SACHKONTEN">(), 1905.00)});
    r.classEnd(1905.00, 0.00);
    r.classStart(kCustomers);
    r.classEnd(2570.00, 0.00, false);
    r.classStart(kSuppliers);
    r.classEnd(0.00, 0.00, false);

    EXPECT_EQ(printedLines(out), fileLines(r.lines));
    EXPECT_EQ(request.pageCount, 2);
}

TEST(TrialBalance, ClassTitleNeverAloneAtThePageFoot) {
    auto books = testing::makeSampleLedger(3);
    ReportRequest request;
    request.linesPerPage = 31;  // eleven body lines a page
    const std::string out = run(*books, 12, request);

    Report r;
    r.asAt = "  zum 31.12.2009";
    r.header(1, kClass03Zero);
    r.add({account(" 0880", "KAPITAL", -15000.00)});
    r.classEnd(0.00, 15000.00);
    r.classStart(kClass03One);
    r.add({account(" 1000", "KASSE", 797.50), account(" 1200", "BANK", 9415.00),
           account(" 1800", "PRIVATENTNAHMEN", 1000.00)});
    r.pageEnd(2, 1);
    r.header(2, kClass03One);
    r.classEnd(11212.50, 0.00);
    r.classStart(kVat);
    r.add({account(" 1570", "VORSTEUER", 389.50), account(" 1770", "MEHRWERTSTEUER", -627.00)});
    r.pageEnd(4, 2);
    r.header(3, kVat);
    r.classEnd(389.50, 627.00);
    r.classStart(kClass03Two);
    r.classEnd(0.00, 0.00, true, false);  // one line left: no blank line before the closing ruler
    // No line left: class 3 opens the next page instead of leaving its title at the foot.
    r.pageEnd(2, 3);
    r.header(4, kClass03Three);
    r.add({account(" 3400", "WARENEINGANG 19%", 2000.00)});
    r.classEnd(2000.00, 0.00);
    r.classStart(kClass03Four);
    r.add({account(" 4210", "MIETE", 800.00), account(" 4650", "BEWIRTUNG", 0.00),
           account(" 4930", cp<"BÜROBEDARF">(), 50.00)});
    r.pageEnd(2, 4);
    r.header(5, kClass03Four);
    r.classEnd(850.00, 0.00);
    r.classStart(kClass03Eight);
    r.add({account(" 8400", cp<"ERLÖSE 19%">(), -3300.00)});
    r.pageEnd(5, 5);
    r.header(6, kClass03Eight);
    r.classEnd(0.00, 3300.00);
    r.classStart(kClassNine);
    r.add({account(" 9000", cp<"SALDENVORTRÄGE SACHKONTEN">(), 1905.00)});
    r.pageEnd(5, 6);
    r.header(7, kClassNine);
    r.classEnd(1905.00, 0.00);
    r.classStart(kCustomers);
    r.classEnd(2570.00, 0.00, false);
    r.pageEnd(2, 7);
    r.header(8, kSuppliers);
    r.classEnd(0.00, 0.00, false);

    EXPECT_EQ(printedLines(out), fileLines(r.lines));
    EXPECT_EQ(request.pageCount, 8);
}

TEST(TrialBalance, JulyBusinessYearDatesTheCutOffInTheSecondYear) {
    auto books = testing::makeSampleLedgerJuly();
    ReportRequest request;
    std::string out = run(*books, 3, request);

    Report r;
    r.asAt = "  zum 31.03.2009";
    r.yearLine = "Buchungsjahr 07.2008-06.2009";
    r.header(1, kClass03Zero);
    r.add({account(" 0880", "KAPITAL", -15000.00)});
    r.classEnd(0.00, 15000.00);
    r.classStart(kClass03One);
    // July 2008 to March 2009: the bank without April to June.
    r.add({account(" 1000", "KASSE", 500.00), account(" 1200", "BANK", 10010.00),
           account(" 1800", "PRIVATENTNAHMEN", 1000.00)});
    r.classEnd(11510.00, 0.00);
    std::vector<std::string> lines = printedLines(out);
    ASSERT_GE(lines.size(), r.lines.size());
    lines.resize(r.lines.size());
    EXPECT_EQ(lines, fileLines(r.lines));

    out = run(*books, 0, request);
    EXPECT_EQ(printedLines(out).at(0), pad(lr("S A L D E N B I L A N Z,  Anfangswerte", "20.01.2010")) + "\r\n");
    EXPECT_EQ(printedLines(out).at(1), pad(lr(std::string(38, '\xAD'), "Blatt 01")) + "\r\n");
}

}  // namespace
}  // namespace tellmark::reports
