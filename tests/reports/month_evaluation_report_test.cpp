#include "reports/month_evaluation_report.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ledger/journal.h"
#include "ledger/journal_index.h"
#include "reports/sample_ledgers.h"
#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"

namespace tellmark::reports {
namespace {

using testing::makeSampleLedger;
using testing::makeSampleLedgerJuly;
using testing::readFile;
using testing::SampleLedger;

constexpr std::size_t kVisible = 110;

std::string padded(std::string_view text, std::size_t width = kVisible) {
    std::string out(text);
    out.resize(width, ' ');
    return out;
}
std::string right(std::string_view text, std::size_t width) {
    return std::string(width - text.size(), ' ') + std::string(text);
}
std::string line(std::string_view text) { return padded(text) + "\r\n"; }
const std::string kBlank = line("");
const std::string kRuler = std::string(kVisible, '\xAD') + "\r\n";
const std::string kNone = "-----";

// The amount columns shared by account, total and balance lines: month value and its two shares, then the
// cumulative value and its two shares.
std::string amounts(std::string_view month, std::string_view monthTurnover, std::string_view monthCosts,
                    std::string_view year, std::string_view yearTurnover, std::string_view yearCosts) {
    return right(month, 13) + " " + right(monthTurnover, 9) + " " + right(monthCosts, 9) + "         " +
           right(year, 13) + " " + right(yearTurnover, 9) + " " + right(yearCosts, 9);
}
// "%5s %-25s    %13.2f %9s %9s         %13.2f %9s %9s"
std::string account(std::string_view number, std::string_view name, const std::string& columns) {
    return line(right(number, 5) + " " + padded(name, 25) + "    " + columns);
}
// "%-31s    %13.2f ..."
std::string total(std::string_view label, const std::string& columns) {
    return line(padded(label, 31) + "    " + columns);
}
std::string title(std::string_view text) { return line(text); }

struct HeaderDates {
    std::string asAt;        // "  zum 31.05.2009"
    std::string yearText;    // "Buchungsjahr 2009"
    std::string cutOff;      // "31.05.09"
    std::string start;       // "01.01.09"
};

std::string header(const HeaderDates& d, int sheet) {
    const std::string titleText = "AUSWERTUNG/MONAT" + d.asAt;
    const std::string sheetText = "Blatt 0" + std::to_string(sheet);
    return line(padded(titleText, 100) + "15.01.2010") +
           line(std::string(titleText.size(), '\xAD') + std::string(kVisible - titleText.size() - 8, ' ') +
                sheetText) +
           kBlank + line(padded(d.yearText, 98) + std::string(cp<"Währung: EUR">())) + kBlank +
           line(testing::kSampleCircleName) + kBlank + kRuler +
           line("                                Monatsabrechnung    %  vom  %  der         Aufrechnung vom    %  vom"
                "  %  der  ") +
           line("                                zum:    " + d.cutOff + "    Umsatz  G-Kosten     " + d.start + "-" +
                d.cutOff + "    Umsatz  G-Kosten") +
           kRuler;
}
std::string footer(int sheet) { return line(std::string(kVisible - 9, ' ') + "Blatt 0" + std::to_string(sheet) + "+"); }

const HeaderDates kMay2009{"  zum 31.05.2009", "Buchungsjahr 2009", "31.05.09", "01.01.09"};

struct Evaluation {
    int code;
    std::string text;
    ReportRequest request;
};

Evaluation evaluate(SampleLedger& l, int cutOff, bool includeVat, int linesPerPage = 68) {
    ledger::Journal journal{l.messages};  // never read: the evaluation takes only the balance file
    ledger::CJIndex journalIndex{l.messages, l.progress};
    JournalReportBooks books{journal, journalIndex, l.cursor, l.index, l.settings, l.messages, l.progress};
    const MonthEvaluationOptions options{cutOff, includeVat};
    ReportRequest request;
    FillMonthEvaluationRequest(request, options, BookingYearOf(l.settings));
    request.printDay = 15;
    request.printMonth = 1;
    request.printYear = 2010;
    request.linesPerPage = linesPerPage;
    PrintFile print(l.dir.file("~print~.tmp"), l.messages);
    const int code = GenerateMonthEvaluation(print, request, options, books);
    return {code, readFile(print.path()), request};
}

// May of the sample books: revenue 300.00 in the month, 1300.00 since January; costs nothing in May, 2850.00
// since January. Purchases and expenses have only earlier values and show 0.00 for the month.
const std::string kMay03Body =
    title(cp<"ERLÖSKONTEN">()) +
    account(" 8400", cp<"ERLÖSE 19%">(), amounts("300.00", "100.00", kNone, "1300.00", "100.00", "45.61")) +
    total(cp<"GESAMT ERLÖSKONTEN">(), amounts("300.00", "100.00", kNone, "1300.00", "100.00", "45.61")) +
    total("ZWISCHENSALDO", amounts("300.00", "100.00", kNone, "1300.00", "100.00", "45.61")) + kBlank +
    title("WARENEINKAUFSKONTEN") +
    account(" 3400", "WARENEINGANG 19%", amounts("0.00", "0.00", kNone, "2000.00", "153.85", "70.18")) +
    total("GESAMT WARENEINKAUFSKONTEN", amounts("0.00", "0.00", kNone, "2000.00", "153.85", "70.18")) +
    total("ZWISCHENSALDO", amounts("300.00", "100.00", kNone, "-700.00", "-53.85", "-24.56")) + kBlank +
    title("KOSTENARTEN") + account(" 4210", "MIETE", amounts("0.00", "0.00", kNone, "800.00", "61.54", "28.07")) +
    account(" 4930", cp<"BÜROBEDARF">(), amounts("0.00", "0.00", kNone, "50.00", "3.85", "1.75")) +
    total("GESAMT KOSTENARTEN", amounts("0.00", "0.00", kNone, "850.00", "65.38", "29.82")) +
    total("ZWISCHENSALDO", amounts("300.00", "100.00", kNone, "-1550.00", "-119.23", "-54.39")) + kBlank +
    title("NEUTRALE KONTEN") +
    total("GESAMT NEUTRALE KONTEN", amounts("0.00", "0.00", kNone, "0.00", "0.00", "0.00")) +
    total("ERGEBNIS", amounts("300.00", "100.00", kNone, "-1550.00", "-119.23", "-54.39")) + kBlank;

// Without the VAT accounts the totals of revenue and expenses follow their own groups; the account with
// nothing (4650) and the VAT accounts are not listed.
TEST(MonthEvaluationTest, Chart03WholeReport) {
    auto l = makeSampleLedger(3);
    const Evaluation run = evaluate(*l, 5, false);
    ASSERT_EQ(run.code, 1);
    EXPECT_EQ(run.text, header(kMay2009, 1) + kMay03Body);
    EXPECT_EQ(run.request.pageCount, 1);
    EXPECT_EQ(run.request.fromMonth, 1);
    EXPECT_EQ(run.request.toMonth, 5);
    EXPECT_TRUE(l->messages.empty());
}

// Revenue of 1000.00 in the cut-off month shows positive; with no costs yet every cost share is "-----".
TEST(MonthEvaluationTest, Chart04WholeReportInJanuary) {
    auto l = makeSampleLedger(4);
    const Evaluation run = evaluate(*l, 1, false);
    ASSERT_EQ(run.code, 1);
    const std::string revenue = amounts("1000.00", "100.00", kNone, "1000.00", "100.00", kNone);
    const std::string nothing = amounts("0.00", "0.00", kNone, "0.00", "0.00", kNone);
    const std::string expected =
        header({"  zum 31.01.2009", "Buchungsjahr 2009", "31.01.09", "01.01.09"}, 1) +
        title(cp<"BETRIEBLICHE ERTRÄGE">()) + account(" 4400", cp<"ERLÖSE 19%">(), revenue) +
        total(cp<"GESAMT BETRIEBLICHE ERTRÄGE">(), revenue) + total("ZWISCHENSALDO", revenue) + kBlank +
        title("WAREN-, MATERIALAUFWAND") + total("GESAMT WAREN-, MATERIALAUFWAND", nothing) +
        total("ZWISCHENSALDO", revenue) + kBlank + title("BETRIEBL. AUFWENDUNGEN") +
        total("GESAMT BETRIEBL. AUFWENDUNGEN", nothing) + total("ZWISCHENSALDO", revenue) + kBlank +
        title(cp<"WEIT. ERTRÄGE UND AUFWENDUNGEN">()) + total("GESAMT KONTENKLASSE 7", nothing) +
        total("ERGEBNIS", revenue) + kBlank;
    EXPECT_EQ(run.text, expected);
}

// With the VAT accounts, output VAT joins revenue and its total, input VAT the expenses; both enter the
// bases and the running balance.
TEST(MonthEvaluationTest, VatAccountsJoinRevenueAndExpenses) {
    auto l = makeSampleLedger(3);
    const Evaluation run = evaluate(*l, 5, true);
    ASSERT_EQ(run.code, 1);
    const std::string expected =
        account(" 1770", "MEHRWERTSTEUER", amounts("57.00", "15.97", kNone, "247.00", "15.97", "7.62")) +
        total(cp<"GESAMT ERLÖSKONTEN">(), amounts("357.00", "100.00", kNone, "1547.00", "100.00", "47.75"));
    EXPECT_NE(run.text.find(expected), std::string::npos);
    EXPECT_NE(run.text.find(account(" 1570", "VORSTEUER", amounts("0.00", "0.00", kNone, "389.50", "25.18", "12.02")) +
                            total("GESAMT KOSTENARTEN", amounts("0.00", "0.00", kNone, "1239.50", "80.12", "38.26")) +
                            total("ZWISCHENSALDO", amounts("357.00", "100.00", kNone, "-1692.50", "-109.41", "-52.25"))),
              std::string::npos);
}

// A month without turnover shows "-----" for every turnover share, an account with values only in earlier
// months is listed with 0.00; December accumulates the opening slot to December, never the closing
// month; shares are cut at their limits.
TEST(MonthEvaluationTest, MonthValuesCumulativeValuesAndShareLimits) {
    auto l = makeSampleLedger(3);
    const auto a = testing::sampleAccounts(3);
    const Evaluation march = evaluate(*l, 3, false);
    EXPECT_NE(march.text.find(account(" 8400", cp<"ERLÖSE 19%">(),
                                      amounts("0.00", kNone, "0.00", "1000.00", "100.00", "35.71"))),
              std::string::npos);
    EXPECT_NE(march.text.find(total("ERGEBNIS", amounts("-800.00", kNone, "-100.00", "-1800.00", "-180.00", "-64.29"))),
              std::string::npos);

    l->post(a.revenue, 0, -5.00);
    l->post(a.revenue, 13, -7.00);
    l->post(a.rent, 12, -20000000.00);
    const Evaluation december = evaluate(*l, 12, false);
    EXPECT_NE(december.text.find(account(" 8400", cp<"ERLÖSE 19%">(),
                                         amounts("0.00", kNone, "0.00", "3305.00", "100.00", "-0.02"))),
              std::string::npos);
    EXPECT_NE(december.text.find(account(" 4210", "MIETE", amounts("-20000000.00", kNone, "100.00", "-19999200.00",
                                                                 "-99999.99", "100.01"))),
              std::string::npos);
}

// A business year from July: the columns and the as-at text carry the calendar years of the months, and
// the cumulative values start with July.
TEST(MonthEvaluationTest, BusinessYearFromJulyAndClosingMonth) {
    auto l = makeSampleLedgerJuly();
    const std::string september = header({"  zum 30.09.2008", "Buchungsjahr 07.2008-06.2009", "30.09.08", "01.07.08"}, 1);
    EXPECT_EQ(evaluate(*l, 9, false).text.substr(0, september.size() + 2 * (kVisible + 2)),
              september + title(cp<"ERLÖSKONTEN">()) +
                  account(" 8400", cp<"ERLÖSE 19%">(), amounts("2000.00", "100.00", kNone, "2000.00", "100.00", kNone)));
    const std::string closing = header({",  Abschluss", "Buchungsjahr 07.2008-06.2009", "30.06.09", "01.07.08"}, 1);
    EXPECT_EQ(evaluate(*l, 13, false).text.substr(0, closing.size()), closing);
}

// The expense total needs three free lines: with 13 body lines it moves to the next page, which carries
// the full header; page 1 ends with its footer on the same line of the sheet.
TEST(MonthEvaluationTest, TotalMovesToNextPage) {
    auto l = makeSampleLedger(3);
    const Evaluation run = evaluate(*l, 5, false, 35);
    ASSERT_EQ(run.code, 1);
    ASSERT_EQ(run.request.pageCount, 2);
    const std::size_t lineBytes = kVisible + 2;
    const std::size_t pageOneBody = 13 * lineBytes;
    const std::string page1 = header(kMay2009, 1) + kMay03Body.substr(0, pageOneBody) + kBlank + kBlank + footer(1);
    const std::string page2 = header(kMay2009, 2) + kMay03Body.substr(pageOneBody);
    EXPECT_EQ(run.text, page1 + page2);
}

}  // namespace
}  // namespace tellmark::reports
