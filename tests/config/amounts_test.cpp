#include <gtest/gtest.h>

#include "config/amounts.h"
#include "ui/messages.h"

namespace tellmark::config {
namespace {

TEST(Rounding, HalfAwayFromZeroOnTheBinaryValue) {
    // 10.125 and 0.125 are exact in binary, so their product with 100 ends on .5.
    EXPECT_EQ(roundToCents(10.125), 10.13);
    EXPECT_EQ(roundToCents(-10.125), -10.13);
    EXPECT_EQ(roundToCents(0.125), 0.13);
    EXPECT_EQ(roundToCents(-0.125), -0.13);
    // 1.005 is stored a little below, its product is 100.4999...
    EXPECT_EQ(roundToCents(1.005), 1.0);
    EXPECT_EQ(roundToCents(-1.005), -1.0);
    EXPECT_EQ(roundToCents(roundToCents(1234567.895)), roundToCents(1234567.895));

    // The text route rounds ties of the binary value to even.
    EXPECT_EQ(roundByText(0.125), 0.12);
    EXPECT_EQ(roundByText(10.126), 10.13);
    EXPECT_EQ(integerPart(-2.7), -2.0);
}

TEST(FormatByCode, EveryCodeAndTheUnknownOne) {
    ui::RecordingMessages messages;
    EXPECT_EQ(formatByCode(-123.456, 2100, messages), "    -123.46");
    EXPECT_EQ(formatByCode(7, 2101, messages), " 7.00");
    EXPECT_EQ(formatByCode(1234.5, 2102, messages), "     1234.50");
    EXPECT_EQ(formatByCode(1234.5, 2103, messages), "1234.50");
    EXPECT_EQ(formatByCode(-3.9, 2104, messages), "-3");
    EXPECT_EQ(formatByCode(3.9, 2105, messages), "3");
    EXPECT_EQ(formatByCode(5, 2106, messages), " 5");
    EXPECT_EQ(formatTextByCode("7.5", 2100, messages), "       7.50");
    EXPECT_EQ(formatTextByCode("90", 2106, messages), "90");
    EXPECT_TRUE(messages.empty());

    EXPECT_EQ(formatByCode(1.0, 2107, messages), "");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, "Allgemeiner Fehler: Format unbekannt !");
    EXPECT_EQ(messages.last().caption, "FEHLER");
    EXPECT_EQ(messages.last().icon, ui::kIconStop);
    EXPECT_EQ(formatTextByCode("1", 2099, messages), "");
    EXPECT_EQ(messages.entries.size(), 2u);
}

TEST(GermanAmount, GroupsCommaAndWidth) {
    EXPECT_EQ(germanAmount(" 1234567.8", 13), " 1.234.567,80");
    EXPECT_EQ(germanAmount("-1234.5", 9), "-1.234,50");
    EXPECT_EQ(germanAmount("1234.5", 7), "1234,50");
    // Amounts as the files hold them ("%12.2f") keep their width.
    EXPECT_EQ(germanAmount("     1234.50", 12), "    1.234,50");
    EXPECT_EQ(germanAmount("     -123.40", 12), "     -123,40");
    EXPECT_EQ(germanAmount("  -123456.789", 14), "   -123.456,78");
    EXPECT_EQ(germanAmount("  12", 6), " 12,00");
    EXPECT_EQ(germanAmount(" 1234567.8", 5), "1.234.567,80");

    EXPECT_EQ(germanInteger(" 1234567.89", 10), " 1.234.567");
    EXPECT_EQ(germanInteger("   999.99", 4), " 999");
}

TEST(RatioInPercent, LimitsAndZeroBase) {
    EXPECT_EQ(ratioInPercent(1, 4), "    25.00");
    EXPECT_EQ(ratioInPercent(5, 0), "-----");
    EXPECT_EQ(ratioInPercent(1e9, 1), "999999.99");
    EXPECT_EQ(ratioInPercent(-1e9, 1), "-99999.99");
}

}  // namespace
}  // namespace tellmark::config
