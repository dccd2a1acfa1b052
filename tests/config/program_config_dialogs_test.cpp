#include "config/program_config_dialogs.h"

#include <gtest/gtest.h>

#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"

namespace tellmark::config {
namespace {

using testing::readFile;
using testing::TempDir;

TEST(ScreenFontDialog, SizesBoldAndDefaults) {
    std::string labels;
    for (std::size_t i = 0; i < kScreenFontSizes.size(); ++i) labels += screenFontSizeLabel(i) + "|";
    EXPECT_EQ(labels, "7 x 20|8 x 25|9 x 28|10 x 30|11 x 31|12 x 36|13 x 36|14 x 40|15 x 46|16 x 49|");
    EXPECT_FALSE(boldForced(6));
    EXPECT_TRUE(boldForced(7));

    EXPECT_EQ(defaultScreenFontChoice(800, 600).sizeIndex, 1u);
    EXPECT_EQ(defaultScreenFontChoice(799, 1200).sizeIndex, 0u);
    EXPECT_EQ(defaultScreenFontChoice(1920, 599).sizeIndex, 0u);
    EXPECT_FALSE(defaultScreenFontChoice(1920, 1080).bold);

    FontDescription forced = screenFontOf({7, false});
    EXPECT_EQ(forced.height, 40);
    EXPECT_EQ(forced.width, 14);
    EXPECT_EQ(forced.weight, 700);
    EXPECT_EQ(forced.face, "Courier New");
    EXPECT_EQ(screenFontOf({2, false}).weight, 400);
    EXPECT_EQ(screenFontOf({2, true}).weight, 700);

    ScreenFontChoice shown = screenFontChoiceOf({36, 13, 700, "Courier New"});
    EXPECT_EQ(shown.sizeIndex, 6u);
    EXPECT_TRUE(shown.bold);
    EXPECT_EQ(screenFontChoiceOf({23, 8, 400, "Courier New"}).sizeIndex, 1u);
    EXPECT_EQ(screenFontChoiceOf({23, 19, 400, "Courier New"}).sizeIndex, 1u);
}

TEST(ScreenFontDialog, OkStoresFontsCellAndTellsAboutTheNextStart) {
    TempDir dir;
    ui::RecordingMessages messages;
    CIniSB settings(messages, dir.path());
    ASSERT_EQ(settings.createDefaults(), 1);
    ASSERT_EQ(settings.readAllSettings(), 1);
    // 14*80+56 = 1176 >= 8*110+64 = 944: the booking font gives the cell.
    EXPECT_EQ(acceptScreenFonts(settings, {7, false}, {1, true}, messages), 1);
    std::string file = readFile(dir.file("tellmark.ini"));
    EXPECT_NE(file.find(std::string(cp<"\r\nAuflösung=40,14\r\n">())), std::string::npos);
    EXPECT_NE(file.find("\r\nFont Buchung=40,14,0700,Courier New\r\n"
                        "Font Bildschirm=25,08,0700,Courier New\r\n"
                        "Font Dialog=16,06,0700,Arial\r\n"
                        "Font Nutzung=16,06,0700,Arial\r\n"), std::string::npos);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, std::string(cp<"Die geänderten Bildschirmeinstellungen werden erst beim "
                                                    "nächsten Programmstart aktiviert !">()));
    EXPECT_EQ(messages.last().caption, "ACHTUNG");
}

TEST(ConfigDialogs, StoreRules) {
    ProgramConfig c;
    EXPECT_EQ(vatPresetText(7), " 7.00");
    EXPECT_EQ(vatPresetText(19), "19.00");
    EXPECT_EQ(vatPresetText(99.99), "99.99");
    EXPECT_EQ(vatPresetDisplay(" 7.00"), "7.00");
    EXPECT_TRUE(storeVatPresets(c, 5, 16));
    EXPECT_EQ(c.vatPresetF7, " 5.00");
    EXPECT_EQ(c.vatPresetF8, "16.00");
    EXPECT_FALSE(storeVatPresets(c, 7, 100));
    EXPECT_EQ(c.vatPresetF8, "16.00");

    EXPECT_TRUE(storePageSettings(c, 90, 3));
    EXPECT_EQ(c.linesPerPage, 90);
    EXPECT_EQ(c.topMargin, 3);
    EXPECT_FALSE(storePageSettings(c, 91, 0));
    EXPECT_FALSE(storePageSettings(c, 60, 4));
    EXPECT_EQ(c.linesPerPage, 90);

    storeStandardTexts(c, {std::string(30, 'a'), "Miete", "", "", "", "", "", "Porto"});
    EXPECT_EQ(c.keyTexts[0], std::string(25, 'a'));
    EXPECT_EQ(c.keyTexts[1], "Miete");
    EXPECT_EQ(c.keyTexts[7], "Porto");

    EXPECT_EQ(filterPasswordTyping(std::string(cp<" ab c!ü-.Z9 ">())), "abc-.Z9");
    EXPECT_EQ(filterPasswordTyping("abcdefghijklmnopqrstu"), "abcdefghijklmnop");
    storeBookingTechnique(c, true, "  Kasse-2.0  ", false);
    EXPECT_EQ(c.password, "Kasse-2.0");
    EXPECT_FALSE(c.thirteenthMonth);
    storeBookingTechnique(c, false, "Kasse", true);
    EXPECT_EQ(c.password, "");
    EXPECT_TRUE(c.thirteenthMonth);
}

}  // namespace
}  // namespace tellmark::config
