#include "config/program_config_fonts.h"

#include <gtest/gtest.h>

namespace tellmark::config {
namespace {

void expectFont(const FontDescription& f, int height, int width, int weight, const std::string& face) {
    EXPECT_EQ(f.height, height);
    EXPECT_EQ(f.width, width);
    EXPECT_EQ(f.weight, weight);
    EXPECT_EQ(f.face, face);
}

TEST(FontDescription, ReadAtFixedPositionsWithRangeChecks) {
    expectFont(parseFontDescription("12,07,0700,Lucida Console"), 12, 7, 700, "Lucida Console");
    // Not zero-padded: height "9,", width ",4", weight "0,Ar", face from character 12.
    expectFont(parseFontDescription("9,8,400,Arial"), 23, 8, 400, "al");
    expectFont(parseFontDescription("09,03,1000,X"), 23, 8, 400, "X");
    expectFont(parseFontDescription("61,21,0099,Y"), 23, 8, 400, "Y");
    expectFont(parseFontDescription("60,20,0900,Z"), 60, 20, 900, "Z");
    expectFont(parseFontDescription("10,04,0100"), 10, 4, 100, "Courier New");
    expectFont(parseFontDescription("1,2"), 23, 8, 400, "Courier New");
    expectFont(parseFontDescription(""), 23, 8, 400, "Courier New");

    EXPECT_EQ(formatFontDescription({9, 30, 50, "Arial"}), "23,08,0400,Arial");
    EXPECT_EQ(formatFontDescription({16, 6, 700, "Arial"}), "16,06,0700,Arial");
}

TEST(ScreenCell, ReadAtFixedPositionsAndCheckedBeforeWriting) {
    ScreenCell cell = parseScreenCell("30,10");
    EXPECT_EQ(cell.height, 30);
    EXPECT_EQ(cell.width, 10);
    cell = parseScreenCell("1,2");
    EXPECT_EQ(cell.height, 23);
    EXPECT_EQ(cell.width, 8);
    cell = parseScreenCell("9,12");  // height from "9,", width from "2"
    EXPECT_EQ(cell.height, 23);
    EXPECT_EQ(cell.width, 8);
    EXPECT_EQ(formatScreenCell({5, 25}), "23,08");
    EXPECT_EQ(formatScreenCell({40, 14}), "40,14");
}

TEST(ScreenCell, DerivedFromTheFontNeedingMoreRoom) {
    // 8*80+56 = 696 < 7*110+64 = 834: the list font decides.
    ScreenCell cell = deriveScreenCell({25, 8, 400, "Courier New"}, {20, 7, 400, "Courier New"});
    EXPECT_EQ(cell.height, 20);
    EXPECT_EQ(cell.width, 7);
    // 10*80+56 = 856 >= 834: the booking font decides.
    cell = deriveScreenCell({30, 10, 400, "Courier New"}, {20, 7, 400, "Courier New"});
    EXPECT_EQ(cell.height, 30);
    EXPECT_EQ(cell.width, 10);
    cell = deriveScreenCell({70, 25, 400, ""}, {5, 2, 400, ""});
    EXPECT_EQ(cell.height, 60);
    EXPECT_EQ(cell.width, 20);
    cell = deriveScreenCell({5, 2, 400, ""}, {5, 2, 400, ""});
    EXPECT_EQ(cell.height, 10);
    EXPECT_EQ(cell.width, 4);
}

}  // namespace
}  // namespace tellmark::config
