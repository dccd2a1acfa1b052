#include "reports/result_report.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

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

std::string padded(std::string_view text, std::size_t width = kVisible) {
    std::string out(text);
    out.resize(width, ' ');
    return out;
}
std::string rightAligned(std::string_view text, std::size_t width) {
    return std::string(width - text.size(), ' ') + std::string(text);
}
std::string line(std::string_view text) { return padded(text) + "\r\n"; }
const std::string kBlank = line("");
const std::string kRuler = std::string(kVisible, '\xAD') + "\r\n";

// "%-5s   %-25s    %12s    %12s"
std::string accountLine(std::string_view number, std::string_view name, std::string_view debit, std::string_view credit) {
    return line(padded(number, 5) + "   " + padded(name, 25) + "    " + rightAligned(debit, 12) + "    " +
                rightAligned(credit, 12));
}
// "ZWISCHENSUMME" and the closing lines share the amount columns of the account lines.
std::string amountsLine(std::string_view label, std::string_view debit, std::string_view credit) {
    return line(padded(label, 37) + rightAligned(debit, 12) + "    " + rightAligned(credit, 12));
}
std::string groupTitle(std::string_view title) { return line(padded(title, 40) + " Soll EUR       Haben EUR"); }

std::string header(std::string_view title, std::string_view yearLine, std::string_view groupTitleText, int sheet) {
    return line(padded(title, 55) + "15.01.2010") + line(std::string(title.size(), '-') + std::string(30, ' ') +
                                                        "Blatt 0" + std::to_string(sheet)) +
           kBlank + line(yearLine) + kBlank + line(testing::kSampleCircleName) + kBlank + kRuler +
           groupTitle(groupTitleText) + kRuler;
}

ReportRequest periodRequest(int fromMonth, int fromYear, int toMonth, int toYear) {
    ReportRequest r;
    r.fromDay = 1;
    r.fromMonth = fromMonth;
    r.fromYear = fromYear;
    r.toDay = 31;
    r.toMonth = toMonth;
    r.toYear = toYear;
    r.printDay = 15;
    r.printMonth = 1;
    r.printYear = 2010;
    return r;
}

struct Statement {
    int code;
    std::string text;
    ReportRequest request;
};

Statement generate(SampleLedger& l, ReportRequest request, ResultForm form) {
    PrintFile print(l.dir.file("~print~.tmp"), l.messages);
    const int code = GenerateResult(print, request, ResultOptions{form}, l.cursor, l.index, l.settings, l.messages);
    return {code, readFile(print.path()), request};
}

const std::string kYear2009 = "Buchungsjahr 2009" + std::string(17, ' ') + "Zeitraum: 01.01.2009-31.12.2009";

TEST(ResultReportTest, ProfitAndLossChart03WholeReport) {
    auto l = makeSampleLedger(3);
    const Statement run = generate(*l, periodRequest(1, 2009, 12, 2009), ResultForm::BySettings);
    ASSERT_EQ(run.code, 1);

    const std::string expected =
        header("GEWINN- UND VERLUSTRECHNUNG", kYear2009, cp<"KLASSE 8:   ERLÖSKONTEN">(), 1) +
        accountLine(" 8400", cp<"ERLÖSE 19%">(), "", "3300.00") + kBlank +
        amountsLine("ZWISCHENSUMME", "0.00", "3300.00") + kBlank + kRuler +
        groupTitle("KLASSE 3:   WARENEINKAUFSKONTEN") + kRuler +
        accountLine(" 3400", "WARENEINGANG 19%", "2000.00", "") + kBlank +
        amountsLine("ZWISCHENSUMME", "2000.00", "0.00") + kBlank + kRuler +
        groupTitle("KLASSE 4:   KOSTENARTEN") + kRuler +
        accountLine(" 4210", "MIETE", "800.00", "") +
        accountLine(" 4930", cp<"BÜROBEDARF">(), "50.00", "") + kBlank +
        amountsLine("ZWISCHENSUMME", "850.00", "0.00") + kBlank + kRuler +
        groupTitle("KLASSE 2:   NEUTRALE KONTEN") + kRuler + kBlank +
        amountsLine("ZWISCHENSUMME", "0.00", "0.00") + kBlank + kRuler +
        amountsLine("GEWINN:", "450.00", "") + kRuler + amountsLine("SUMME:", "3300.00", "3300.00") + kRuler;
    EXPECT_EQ(run.text, expected);
    EXPECT_EQ(run.request.pageCount, 1);
    EXPECT_TRUE(l->messages.empty());
}

// The cash-basis form counts VAT received as revenue and VAT paid as expense; chart 04 numbers.
TEST(ResultReportTest, CashBasisChart04WholeReport) {
    auto l = makeSampleLedger(4);
    l->settings.cashBasis = 1;
    const Statement run = generate(*l, periodRequest(1, 2009, 12, 2009), ResultForm::BySettings);
    ASSERT_EQ(run.code, 1);

    const std::string expected =
        header(cp<"EINNAHME-ÜBERSCHUSSRECHNUNG">(), kYear2009, cp<"KLASSE 4: BETRIEBLICHE ERTRÄGE">(), 1) +
        accountLine(" 3800", "MEHRWERTSTEUER", "", "627.00") +
        accountLine(" 4400", cp<"ERLÖSE 19%">(), "", "3300.00") + kBlank +
        amountsLine("ZWISCHENSUMME", "0.00", "3927.00") + kBlank + kRuler +
        groupTitle("KLASSE 5: WAREN-, MATERIALAUFWAND") + kRuler +
        accountLine(" 5400", "WARENEINGANG 19%", "2000.00", "") + kBlank +
        amountsLine("ZWISCHENSUMME", "2000.00", "0.00") + kBlank + kRuler +
        groupTitle("KLASSE 6: BETRIEBL. AUFWENDUNGEN") + kRuler +
        accountLine(" 1400", "VORSTEUER", "389.50", "") +
        accountLine(" 6310", "MIETE", "800.00", "") +
        accountLine(" 6815", cp<"BÜROBEDARF">(), "50.00", "") + kBlank +
        amountsLine("ZWISCHENSUMME", "1239.50", "0.00") + kBlank + kRuler +
        groupTitle(cp<"KLASSE 7: WEIT. ERTRÄGE UND AUFWENDUNGEN">()) + kRuler + kBlank +
        amountsLine("ZWISCHENSUMME", "0.00", "0.00") + kBlank + kRuler +
        amountsLine(cp<"ÜBERSCHUSS:">(), "687.50", "") + kRuler +
        amountsLine("SUMME:", "3927.00", "3927.00") + kRuler;
    EXPECT_EQ(run.text, expected);
}

TEST(ResultReportTest, OutputVatIsRevenueOnlyInTheCashBasisForm) {
    auto l = makeSampleLedger(3);
    const std::string outputVat = accountLine(" 1770", "MEHRWERTSTEUER", "", "627.00");
    const std::string inputVat = accountLine(" 1570", "VORSTEUER", "389.50", "");

    const Statement cash = generate(*l, periodRequest(1, 2009, 12, 2009), ResultForm::CashBasis);
    const std::size_t revenueTitle = cash.text.find(groupTitle(cp<"KLASSE 8:   ERLÖSKONTEN">()));
    const std::size_t costTitle = cash.text.find(groupTitle("KLASSE 4:   KOSTENARTEN"));
    ASSERT_NE(revenueTitle, std::string::npos);
    ASSERT_NE(costTitle, std::string::npos);
    EXPECT_EQ(cash.text.find(outputVat), revenueTitle + 2 * (kVisible + 2));  // first line under the title
    EXPECT_EQ(cash.text.find(inputVat), costTitle + 2 * (kVisible + 2));
    EXPECT_NE(cash.text.find(amountsLine(cp<"ÜBERSCHUSS:">(), "687.50", "")), std::string::npos);

    const Statement profitAndLoss = generate(*l, periodRequest(1, 2009, 12, 2009), ResultForm::ProfitAndLoss);
    EXPECT_EQ(profitAndLoss.text.find("MEHRWERTSTEUER"), std::string::npos);
    EXPECT_EQ(profitAndLoss.text.find("VORSTEUER"), std::string::npos);
    EXPECT_NE(profitAndLoss.text.find(amountsLine("GEWINN:", "450.00", "")), std::string::npos);
}

TEST(ResultReportTest, LossAndResultValue) {
    auto l = makeSampleLedger(3);
    const auto a = testing::sampleAccounts(3);
    EXPECT_DOUBLE_EQ(ResultValue(1, 12, l->cursor, l->index, 3), -450.00);
    // VAT accounts never count, whatever their balance.
    l->post(a.outputVat, 6, -1000.00);
    EXPECT_DOUBLE_EQ(ResultValue(1, 12, l->cursor, l->index, 3), -450.00);

    l->book(8, a.rent, a.bank, 1000.01);
    EXPECT_DOUBLE_EQ(ResultValue(1, 12, l->cursor, l->index, 3), 550.01);
    // The period limits the months: up to June only revenue 1300 against costs 2850.
    EXPECT_DOUBLE_EQ(ResultValue(1, 6, l->cursor, l->index, 3), 1550.00);

    const Statement run = generate(*l, periodRequest(1, 2009, 12, 2009), ResultForm::ProfitAndLoss);
    EXPECT_NE(run.text.find(amountsLine("VERLUST:", "", "550.01") + kRuler +
                            amountsLine("SUMME:", "3850.01", "3850.01") + kRuler),
              std::string::npos);
}

// A group that ends with fewer than 8 free lines takes its subtotal to the next page, whose header names the
// group; the closing lines stay on one page.
TEST(ResultReportTest, SubtotalMovesToNewPageWithGroupHeader) {
    auto l = makeSampleLedger(3);
    ReportRequest request = periodRequest(1, 2009, 12, 2009);
    request.linesPerPage = 35;  // 15 body lines
    PrintFile print(l->dir.file("~print~.tmp"), l->messages);
    ASSERT_EQ(GenerateResult(print, request, {}, l->cursor, l->index, l->settings, l->messages), 1);
    ASSERT_EQ(request.pageCount, 3);

    auto at = [&print](int page, int index) { return *print.ReadPageLine(page, index, kNarrowLine) + "\r\n"; };
    // Page 1: revenue group (5 lines), purchases title, ruler and one account; 7 lines left, too few.
    EXPECT_EQ(at(1, 17), accountLine(" 3400", "WARENEINGANG 19%", "2000.00", ""));
    for (int i = 18; i < 27; ++i) EXPECT_EQ(at(1, i), kBlank);
    EXPECT_EQ(at(1, 27), line(std::string(56, ' ') + "Blatt 01+"));
    EXPECT_FALSE(print.ReadPageLine(1, 28, kNarrowLine).has_value());

    EXPECT_EQ(at(2, 1), line(std::string(27, '-') + std::string(30, ' ') + "Blatt 02"));
    EXPECT_EQ(at(2, 8), groupTitle("KLASSE 3:   WARENEINKAUFSKONTEN"));
    EXPECT_EQ(at(2, 11), amountsLine("ZWISCHENSUMME", "2000.00", "0.00"));
    EXPECT_EQ(at(3, 8), groupTitle("KLASSE 4:   KOSTENARTEN"));
    EXPECT_EQ(at(3, 11), amountsLine("ZWISCHENSUMME", "850.00", "0.00"));
    EXPECT_EQ(at(3, 20), amountsLine("GEWINN:", "450.00", ""));
    EXPECT_EQ(at(3, 22), amountsLine("SUMME:", "3300.00", "3300.00"));
    EXPECT_EQ(at(3, 23), kRuler);
    EXPECT_FALSE(print.ReadPageLine(3, 24, kNarrowLine).has_value());
}

TEST(ResultReportTest, BusinessYearFromJuly) {
    auto l = makeSampleLedgerJuly();
    const Statement run = generate(*l, periodRequest(7, 2008, 6, 2009), ResultForm::ProfitAndLoss);
    ASSERT_EQ(run.code, 1);
    EXPECT_EQ(run.text.substr(3 * (kVisible + 2), kVisible + 2),
              line(padded("Buchungsjahr 07.2008-06.2009", 34) + "Zeitraum: 01.07.2008-30.06.2009"));
    // Every calendar month of the business year is in the period: the whole year's profit.
    EXPECT_NE(run.text.find(amountsLine("GEWINN:", "450.00", "")), std::string::npos);
}

}  // namespace
}  // namespace tellmark::reports
