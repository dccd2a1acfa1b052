#include "reports/balance_sheet_report.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reports/result_report.h"
#include "reports/sample_ledgers.h"
#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"

namespace tellmark::reports {
namespace {

using testing::makeSampleLedger;
using testing::makeSampleLedgerJuly;
using testing::readFile;
using testing::SampleLedger;

constexpr std::size_t kVisible = 65;
constexpr std::size_t kLine = kVisible + 2;

std::string padded(std::string_view text, std::size_t width = kVisible) {
    std::string out(text);
    out.resize(width, ' ');
    return out;
}
std::string rightAligned(std::string_view text, std::size_t width) {
    return std::string(width - text.size(), ' ') + std::string(text);
}
std::string line(std::string_view text) { return padded(text) + "\r\n"; }
std::string blanks(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += line("");
    return out;
}
const std::string kRuler = std::string(kVisible, '\xAD') + "\r\n";

// "%-30s    %12s       %12s"
std::string sheetLine(std::string_view label, std::string_view left, std::string_view right) {
    return line(padded(label, 30) + "    " + rightAligned(left, 12) + "       " + rightAligned(right, 12));
}
// "%-25s         %12.2f       %12.2f"
std::string totalsLine(std::string_view label, std::string_view left, std::string_view right) {
    return line(padded(label, 25) + std::string(9, ' ') + rightAligned(left, 12) + "       " + rightAligned(right, 12));
}
std::string groupTitle(std::string_view title) { return line(title) + line(std::string(title.size(), '\xAD')); }
std::string subtotal(std::string_view left, std::string_view right) {
    return blanks(1) + sheetLine("Zwischensumme", left, right) + blanks(1);
}
std::string footer(int sheet) { return line(std::string(56, ' ') + "Blatt 0" + std::to_string(sheet) + "+"); }

std::string header(std::string_view asAt, std::string_view yearLine, bool assets, int sheet) {
    const std::string title = "B I L A N Z" + std::string(asAt);
    return line(padded(title, 55) + "15.01.2010") +
           line(std::string(title.size(), '\xAD') + std::string(57 - title.size(), ' ') + "Blatt 0" +
                std::to_string(sheet)) +
           blanks(1) + line(yearLine) + blanks(1) + line(testing::kSampleCircleName) + blanks(1) + kRuler +
           line(padded(assets ? "A K T I V A" : "P A S S I V A", 29) + "         Soll EUR          Haben EUR") +
           kRuler;
}

ReportRequest asAt(int month, int year) {
    ReportRequest r;
    r.fromDay = 1;
    r.fromMonth = 0;
    r.fromYear = year;
    r.toDay = 31;
    r.toMonth = month;
    r.toYear = year;
    r.printDay = 15;
    r.printMonth = 1;
    r.printYear = 2010;
    return r;
}

struct Sheet {
    int code;
    std::string text;
    std::vector<std::string> pages;  // each page's lines, CR LF included
    ReportRequest request;
};

Sheet generate(SampleLedger& l, ReportRequest request) {
    PrintFile print(l.dir.file("~print~.tmp"), l.messages);
    Sheet s;
    s.code = GenerateBalanceSheet(print, request, l.cursor, l.index, l.settings, l.messages);
    s.text = readFile(print.path());
    for (int page = 1; page <= request.pageCount; ++page) {
        std::string text;
        for (int i = 0;; ++i) {
            auto got = print.ReadPageLine(page, i, kNarrowLine);
            if (!got) break;
            text += *got + "\r\n";
        }
        s.pages.push_back(text);
    }
    s.request = request;
    return s;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(BalanceSheetTest, Chart03WholeReport) {
    auto l = makeSampleLedger(3);
    const Sheet s = generate(*l, asAt(12, 2009));
    ASSERT_EQ(s.code, 1);

    const std::string expected =
        header("  zum 31.12.2009", "Buchungsjahr 2009", true, 1) +
        groupTitle(cp<"UMLAUFVERMÖGEN">()) + sheetLine("Kundenforderungen", "2570.00", "") +
        sheetLine("KASSE", "797.50", "") + sheetLine("BANK", "9415.00", "") + subtotal("12782.50", "") +
        blanks(40 + 2) + footer(1) +
        header("  zum 31.12.2009", "Buchungsjahr 2009", false, 2) +
        groupTitle("KAPITAL") + sheetLine("KAPITAL", "", "15000.00") + sheetLine("PRIVATENTNAHMEN", "1000.00", "") +
        sheetLine("GEWINN", "", "450.00") + blanks(1) + sheetLine("Kapital 31.12.2009", "", "14450.00") + blanks(1) +
        groupTitle("KURZFRISTIGE VERBINDLICHKEITEN") + sheetLine("Umsatzsteuersaldo", "", "237.50") +
        subtotal("", "237.50") +
        groupTitle("KONTENKLASSE 9") + sheetLine("KONTENKLASSE 9", "1905.00", "") + subtotal("1905.00", "") +
        blanks(1) + totalsLine("Bilanzsummen:", "14687.50", "14687.50");
    EXPECT_EQ(s.text, expected);
    EXPECT_EQ(s.request.pageCount, 2);
    EXPECT_TRUE(l->messages.empty());
}

// Chart 04 as at the closing month: the private withdrawals (2100-2899 with a debit balance) stand with the
// current assets, and class 9 counts on the side its sum falls.
TEST(BalanceSheetTest, Chart04ClosingWholeReport) {
    auto l = makeSampleLedger(4);
    const Sheet s = generate(*l, asAt(13, 2009));
    ASSERT_EQ(s.code, 1);

    const std::string expected =
        header(",  Abschluss", "Buchungsjahr 2009", true, 1) +
        groupTitle(cp<"UMLAUFVERMÖGEN">()) + sheetLine("Kundenforderungen", "2570.00", "") +
        sheetLine("KASSE", "797.50", "") + sheetLine("BANK", "9415.00", "") +
        sheetLine("PRIVATENTNAHMEN", "1000.00", "") + subtotal("13782.50", "") + blanks(39 + 2) + footer(1) +
        header(",  Abschluss", "Buchungsjahr 2009", false, 2) +
        groupTitle("KAPITAL") + sheetLine("KAPITAL", "", "15000.00") + sheetLine("GEWINN", "", "450.00") +
        blanks(1) + sheetLine("Kapital Abschluss 2009", "", "15450.00") + blanks(1) +
        groupTitle("VERBINDLICHKEITEN") + sheetLine("Umsatzsteuersaldo", "", "237.50") + subtotal("", "237.50") +
        groupTitle("KONTENKLASSE 9") + sheetLine("KONTENKLASSE 9", "1905.00", "") + subtotal("1905.00", "") +
        blanks(1) + totalsLine("Bilanzsummen:", "15687.50", "15687.50");
    EXPECT_EQ(s.text, expected);
    EXPECT_TRUE(l->messages.empty());
}

// Chart 04 accounts 3821-3829 lie in the VAT group and in the range of position 25: they count once, in the
// VAT balance.
TEST(BalanceSheetTest, Chart04VatAccountCountsOnlyInTheVatBalance) {
    auto l = makeSampleLedger(4);
    l->addAccount(3825, "UMSATZSTEUER VORJAHR");
    l->book(5, testing::sampleAccounts(4).bank, 3825, 100.00);
    const Sheet s = generate(*l, asAt(13, 2009));
    ASSERT_EQ(s.pages.size(), 2u);
    EXPECT_FALSE(contains(s.text, "UMSATZSTEUER VORJAHR"));
    EXPECT_TRUE(contains(s.pages[1], groupTitle("VERBINDLICHKEITEN") + sheetLine("Umsatzsteuersaldo", "", "337.50") +
                                         subtotal("", "337.50")));
    EXPECT_FALSE(contains(s.text, "Differenz:"));
    EXPECT_TRUE(s.text.ends_with(totalsLine("Bilanzsummen:", "15787.50", "15787.50")));
}

// An overdrawn bank account leaves the assets for the short-term liabilities; the loss lowers the capital.
TEST(BalanceSheetTest, BankWithCreditBalanceMovesToLiabilities) {
    auto l = makeSampleLedger(3);
    const auto a = testing::sampleAccounts(3);
    l->book(8, a.rent, a.bank, 10000.00);
    const Sheet s = generate(*l, asAt(12, 2009));
    ASSERT_EQ(s.code, 1);
    ASSERT_EQ(s.pages.size(), 2u);

    EXPECT_FALSE(contains(s.pages[0], "BANK"));
    EXPECT_TRUE(contains(s.pages[0], sheetLine("KASSE", "797.50", "") + subtotal("3367.50", "")));
    EXPECT_TRUE(contains(s.pages[1], sheetLine("PRIVATENTNAHMEN", "1000.00", "") +
                                         sheetLine("VERLUST", "9550.00", "") + blanks(1) +
                                         sheetLine("Kapital 31.12.2009", "", "4450.00")));
    EXPECT_TRUE(contains(s.pages[1], groupTitle("KURZFRISTIGE VERBINDLICHKEITEN") + sheetLine("BANK", "", "585.00") +
                                         sheetLine("Umsatzsteuersaldo", "", "237.50") + subtotal("", "822.50")));
    EXPECT_FALSE(contains(s.text, "Differenz:"));
    EXPECT_TRUE(s.text.ends_with(totalsLine("Bilanzsummen:", "5272.50", "5272.50")));
}

// VAT paid beyond VAT received is a claim on the tax office: assets side only.
TEST(BalanceSheetTest, VatRefundStandsWithAssetsOnly) {
    auto l = makeSampleLedger(3);
    const auto a = testing::sampleAccounts(3);
    l->book(3, a.inputVat, a.bank, 500.00);
    const Sheet s = generate(*l, asAt(12, 2009));
    ASSERT_EQ(s.pages.size(), 2u);
    EXPECT_TRUE(contains(s.pages[0], sheetLine("BANK", "8915.00", "") + sheetLine("Umsatzsteuersaldo", "262.50", "") +
                                         subtotal("12545.00", "")));
    EXPECT_FALSE(contains(s.pages[1], "Umsatzsteuersaldo"));
    // With no account, supplier or VAT debt to show the short-term liabilities have neither title nor subtotal.
    EXPECT_FALSE(contains(s.pages[1], "KURZFRISTIGE"));
    EXPECT_TRUE(s.text.ends_with(totalsLine("Bilanzsummen:", "14450.00", "14450.00")));
}

TEST(BalanceSheetTest, UnbalancedLedgerShowsDifference) {
    auto l = makeSampleLedger(3);
    l->post(testing::sampleAccounts(3).cash, 3, 12.34);
    const Sheet s = generate(*l, asAt(12, 2009));
    ASSERT_EQ(s.code, 1);
    EXPECT_TRUE(s.text.ends_with(blanks(1) + totalsLine("Bilanzsummen:", "14699.84", "14687.50") +
                                 totalsLine("Differenz:", "12.34", "0.00")));
}

// The profit of the balance sheet is the result of the profit and loss statement over the same months.
TEST(BalanceSheetTest, ProfitEqualsProfitAndLossResult) {
    auto l = makeSampleLedger(4);
    const double result = ResultValue(0, 12, l->cursor, l->index, 4);
    EXPECT_DOUBLE_EQ(result, -450.00);

    const Sheet sheet = generate(*l, asAt(12, 2009));
    const std::size_t at = sheet.text.find(padded("GEWINN", 30));
    ASSERT_NE(at, std::string::npos);
    const double shown = std::strtod(sheet.text.substr(at + 30 + 4 + 12 + 7, 12).c_str(), nullptr);
    EXPECT_DOUBLE_EQ(shown, -result);

    ReportRequest request = asAt(12, 2009);
    request.fromMonth = 0;
    PrintFile print(l->dir.file("~print~.tmp"), l->messages);
    ASSERT_EQ(GenerateResult(print, request, {ResultForm::ProfitAndLoss}, l->cursor, l->index, l->settings,
                             l->messages),
              1);
    const std::string statement = readFile(print.path());
    const std::size_t profit = statement.find(padded("GEWINN:", 37));
    ASSERT_NE(profit, std::string::npos);
    EXPECT_DOUBLE_EQ(std::strtod(statement.substr(profit + 37, 12).c_str(), nullptr), shown);
}

// 68 lines per page without top margin leave 48 body lines; a group broken by the page repeats its title.
TEST(BalanceSheetTest, FortyEightBodyLinesPerPage) {
    SampleLedger l(testing::sampleSettings(3, 2009));
    std::vector<std::pair<int, std::string>> accounts;
    for (int i = 0; i < 60; ++i) accounts.emplace_back(100 + i, "ANLAGE " + std::to_string(100 + i));
    l.addAccounts(accounts);
    for (const auto& account : accounts) l.post(account.first, 0, 10.00);

    const Sheet s = generate(l, asAt(12, 2009));
    ASSERT_EQ(s.code, 1);
    ASSERT_EQ(s.pages.size(), 3u);  // assets on two pages, the liabilities on their own

    std::string body = groupTitle(cp<"ANLAGEVERMÖGEN">());
    for (int i = 0; i < 46; ++i) body += sheetLine("ANLAGE " + std::to_string(100 + i), "10.00", "");
    EXPECT_EQ(s.pages[0], header("  zum 31.12.2009", "Buchungsjahr 2009", true, 1) + body + blanks(2) + footer(1));

    std::string rest = groupTitle(cp<"ANLAGEVERMÖGEN">());
    for (int i = 46; i < 60; ++i) rest += sheetLine("ANLAGE " + std::to_string(100 + i), "10.00", "");
    EXPECT_TRUE(s.pages[1].starts_with(header("  zum 31.12.2009", "Buchungsjahr 2009", true, 2) + rest +
                                       subtotal("600.00", "")));
    EXPECT_TRUE(s.text.ends_with(totalsLine("Bilanzsummen:", "600.00", "0.00") +
                                 totalsLine("Differenz:", "600.00", "0.00")));
}

// A business year from July: the header names both years, the capital account opens on 01.07.
TEST(BalanceSheetTest, BusinessYearFromJulyWithCapitalAccount) {
    auto l = makeSampleLedgerJuly();
    const auto a = testing::sampleAccounts(3);
    l->addAccount(800, "KAPITALKONTO");
    l->post(800, 0, -5000.00);
    l->post(a.openingBalances, 0, 5000.00);
    l->book(8, 800, a.bank, 300.00);

    const Sheet s = generate(*l, asAt(6, 2009));
    ASSERT_EQ(s.code, 1);
    ASSERT_EQ(s.pages.size(), 2u);
    EXPECT_TRUE(s.pages[0].starts_with(header("  zum 30.06.2009", "Buchungsjahr 07.2008-06.2009", true, 1)));
    EXPECT_TRUE(contains(s.pages[1], groupTitle("KAPITAL") + sheetLine("Kapitalkonto 01.07.2008", "", "5000.00") +
                                         sheetLine("Bewegungen Kapitalkonto", "300.00", "") +
                                         sheetLine("KAPITAL", "", "15000.00") +
                                         sheetLine("PRIVATENTNAHMEN", "1000.00", "") +
                                         sheetLine("GEWINN", "", "450.00") + blanks(1) +
                                         sheetLine("Kapital 30.06.2009", "", "19150.00") + blanks(1)));
    EXPECT_TRUE(contains(s.pages[0], sheetLine("BANK", "9115.00", "")));
    EXPECT_TRUE(contains(s.pages[1], sheetLine("KONTENKLASSE 9", "6905.00", "")));
    EXPECT_FALSE(contains(s.text, "Differenz:"));
}

TEST(BalanceSheetTest, RuleFormedGroups) {
    ui::RecordingMessages messages;
    EXPECT_TRUE(IsBalanceSheetRuleMember(kSheetVatPosition, 1589, 3, messages));
    EXPECT_FALSE(IsBalanceSheetRuleMember(kSheetVatPosition, 1790, 3, messages));
    EXPECT_TRUE(IsBalanceSheetRuleMember(kSheetVatPosition, 3829, 4, messages));
    EXPECT_FALSE(IsBalanceSheetRuleMember(kSheetVatPosition, 3830, 4, messages));
    EXPECT_TRUE(IsBalanceSheetRuleMember(kSheetSupplierPosition, 20000, 4, messages));
    EXPECT_TRUE(IsBalanceSheetRuleMember(kSheetClassNinePosition03, 9999, 3, messages));
    EXPECT_TRUE(messages.empty());

    // Position 24 is class 9 in chart 03 only; a listing position is no rule-formed group.
    EXPECT_FALSE(IsBalanceSheetRuleMember(kSheetClassNinePosition03, 9000, 4, messages));
    EXPECT_FALSE(IsBalanceSheetRuleMember(5, 1200, 3, messages));
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.last().text, "Fehler in der Klasseneinteilung; Klasse unbekannt !");
    EXPECT_EQ(messages.last().caption, "FEHLER");
    EXPECT_EQ(messages.last().icon, ui::kIconStop);
}

}  // namespace
}  // namespace tellmark::reports
