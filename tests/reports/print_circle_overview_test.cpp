#include "reports/circle_overview_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/circle_settings.h"
#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"
#include "ui/messages.h"

namespace tellmark::reports {
namespace {

using testing::readFile;
using testing::TempDir;

std::string blanks(std::size_t n) { return std::string(n, ' '); }

ReportRequest printedOn(int day, int month, int year) {
    ReportRequest r;
    r.printDay = day;
    r.printMonth = month;
    r.printYear = year;
    return r;
}

TEST(PrintCircleOverviewTest, TwoCirclesWholeFile) {
    TempDir dir;
    ui::RecordingMessages messages;
    PrintFile print(dir.file("~print~.tmp"), messages);

    config::CircleSettings muster;
    muster.name = "Muster GmbH";
    muster.currency1 = "EUR";
    muster.vatOn = 1;
    muster.cashBasis = 0;
    muster.year = 2024;
    muster.chart = 3;
    CircleOverviewEntry verein{12, "Verein e.V.", "DM", false, true, 809, 4};

    ReportRequest request = printedOn(5, 3, 2024);
    ASSERT_EQ(PrintCircleOverview(print, request, {CircleOverviewEntryOf(1, muster), verein}), 1);

    const std::string expected =
        "ANGELEGTE BUCHUNGSKREISE" + blanks(31) + "05.03.2024\r\n" +
        std::string(24, '-') + blanks(33) + "Blatt 01\r\n" +
        "T E L L M A R K" + blanks(50) + "\r\n" +
        "  1  Muster GmbH" + blanks(49) + "\r\n" +
        std::string(cp<"     Währ. EUR  MWST. J  E/A-Übersch. N   Buchungsjahr 2024  KR03\r\n">()) +
        " 12  Verein e.V." + blanks(49) + "\r\n" +
        std::string(cp<"     Währ. DM   MWST. N  E/A-Übersch. J   Buchungsjahr 0809  KR04\r\n">());
    EXPECT_EQ(readFile(print.path()), expected);
    EXPECT_EQ(request.pageCount, 1);
    EXPECT_TRUE(messages.empty());
}

TEST(PrintCircleOverviewTest, CircleLinesStayTogetherAcrossPages) {
    TempDir dir;
    ui::RecordingMessages messages;
    PrintFile print(dir.file("~print~.tmp"), messages);
    std::vector<CircleOverviewEntry> circles;
    for (int n = 1; n <= 10; ++n) circles.push_back({n, "Kreis " + std::to_string(n), "EUR", true, false, 2024, 4});

    ReportRequest request = printedOn(5, 3, 2024);
    request.linesPerPage = 36;
    request.topMargin = 3;  // 19 body lines: nine circles, then one line left over
    ASSERT_EQ(PrintCircleOverview(print, request, circles), 1);
    EXPECT_EQ(request.pageCount, 2);

    EXPECT_EQ(print.ReadPageLine(1, 20, kNarrowLine), std::string(cp<"     Währ. EUR  MWST. J  E/A-Übersch. N   Buchungsjahr 2024  KR04">()));
    EXPECT_EQ(print.ReadPageLine(1, 21, kNarrowLine), blanks(65));
    // Footer on the line a full page would have it: header 3 + 19 body + 2 blanks.
    EXPECT_EQ(print.ReadPageLine(1, 24, kNarrowLine), blanks(56) + "Blatt 01+");
    EXPECT_EQ(print.ReadPageLine(2, 0, kNarrowLine), "ANGELEGTE BUCHUNGSKREISE" + blanks(31) + "05.03.2024");
    EXPECT_EQ(print.ReadPageLine(2, 1, kNarrowLine), std::string(24, '-') + blanks(33) + "Blatt 02");
    EXPECT_EQ(print.ReadPageLine(2, 3, kNarrowLine), " 10  Kreis 10" + blanks(52));
}

}  // namespace
}  // namespace tellmark::reports
