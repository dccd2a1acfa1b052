// A settings file with a chart other than 03 (hand-edited or damaged) must give the chart 04 reports in
// every statement built from the account classes, never a mixture of the two charts' tables.
#include <gtest/gtest.h>

#include <string>

#include "reports/balance_sheet_report.h"
#include "reports/result_report.h"
#include "reports/sample_ledgers.h"
#include "reports/trial_balance_report.h"
#include "support/temp_dir.h"

namespace tellmark::reports {
namespace {

using testing::makeSampleLedger;
using testing::readFile;
using testing::SampleLedger;

ReportRequest yearRequest() {
    ReportRequest r;
    r.fromDay = 1;
    r.fromMonth = 1;
    r.fromYear = 2009;
    r.toDay = 31;
    r.toMonth = 12;
    r.toYear = 2009;
    r.printDay = 15;
    r.printMonth = 1;
    r.printYear = 2010;
    return r;
}

// The three statements of the books, one after the other, as the print file holds them.
std::string statements(SampleLedger& books) {
    std::string out;
    {
        PrintFile print(books.dir.file("~trial~.tmp"), books.messages);
        ReportRequest request = yearRequest();
        TrialBalanceOptions options;
        options.cutOffMonth = 12;
        FillTrialBalanceRequest(request, options);
        EXPECT_EQ(GenerateTrialBalance(print, request, options, books.cursor, books.index, books.settings), 1);
        out += readFile(print.path());
    }
    {
        PrintFile print(books.dir.file("~result~.tmp"), books.messages);
        ReportRequest request = yearRequest();
        EXPECT_EQ(GenerateResult(print, request, {}, books.cursor, books.index, books.settings, books.messages), 1);
        out += readFile(print.path());
    }
    {
        PrintFile print(books.dir.file("~sheet~.tmp"), books.messages);
        ReportRequest request = yearRequest();
        EXPECT_EQ(GenerateBalanceSheet(print, request, books.cursor, books.index, books.settings, books.messages), 1);
        out += readFile(print.path());
    }
    return out;
}

TEST(ChartRule, AnyChartButThreeReportsAsChartFour) {
    auto reference = makeSampleLedger(4);
    const std::string chart04 = statements(*reference);
    auto chart03Books = makeSampleLedger(3);
    ASSERT_NE(statements(*chart03Books), chart04);  // the charts do differ in these reports
    for (int chart : {0, 5, 99}) {
        auto books = makeSampleLedger(4);
        books->settings.chart = chart;
        EXPECT_EQ(statements(*books), chart04) << "chart " << chart;
    }
}

}  // namespace
}  // namespace tellmark::reports
