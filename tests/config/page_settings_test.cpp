// The one check of the page settings, shared by the dialog and "config set".

#include <gtest/gtest.h>

#include "config/program_config_dialogs.h"
#include "resources/cp1252_literal.h"

namespace tellmark::config {
namespace {

TEST(PageSettings, LimitsOfTheDialogForBothFrontEnds) {
    ASSERT_EQ(pageSettingLimits("Zeilen pro Seite"), &kLinesPerPageLimits);
    ASSERT_EQ(pageSettingLimits("Rand oben"), &kTopMarginLimits);
    EXPECT_EQ(pageSettingLimits("Rand links"), nullptr);

    ui::RecordingMessages m;
    for (const char* text : {"35", "90", " 68 ", "0068"})
        EXPECT_TRUE(pageSettingTextHolds(kLinesPerPageLimits, text, m)) << text;
    EXPECT_TRUE(m.empty());
    for (const char* text : {"34", "91", "99999999", "99999999999999999999", "", "6 8", "68x", "+68", "-1", "6.8"}) {
        EXPECT_FALSE(pageSettingTextHolds(kLinesPerPageLimits, text, m)) << text;
        EXPECT_EQ(m.last().text, cp<"Der Wert für \"Zeilen pro Seite\" muss eine ganze Zahl von 35 bis 90 sein !">());
    }

    ProgramConfig c;
    c.linesPerPage = 68;
    m.entries.clear();
    EXPECT_FALSE(storePageSettings(c, 20, 0, m));
    EXPECT_FALSE(storePageSettings(c, 60, 4, m));
    ASSERT_EQ(m.entries.size(), 2u);
    EXPECT_EQ(m.last().text, cp<"Der Wert für \"Rand oben\" muss eine ganze Zahl von 0 bis 3 sein !">());
    EXPECT_EQ(c.linesPerPage, 68);
    EXPECT_TRUE(storePageSettings(c, 35, 0, m));
    EXPECT_EQ(c.linesPerPage, 35);
}

}  // namespace
}  // namespace tellmark::config
