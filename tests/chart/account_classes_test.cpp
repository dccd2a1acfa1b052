#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "chart/account_classes.h"

namespace tellmark::chart {
namespace {

struct KindCase {
    int number;
    int kind;
};

void expectKinds(int chart, const std::vector<KindCase>& cases) {
    for (const auto& c : cases)
        EXPECT_EQ(code(chart::AccountKindOf(c.number, chart)), c.kind) << "chart " << chart << ", account " << c.number;
}

TEST(AccountKind, ComparesWithItsCode) {
    EXPECT_TRUE(chart::AccountKind::Financial == 4);
    EXPECT_TRUE(19 == chart::AccountKind::EuInputVat);
    EXPECT_TRUE(chart::AccountKind::Customer != 13);
    EXPECT_EQ(code(chart::AccountKind::EuOutputVat), 18);
}

TEST(AccountKind, EveryBoundaryOfChart03) {
    expectKinds(3, {
        {-5, 1}, {0, 1}, {1, 2}, {499, 2}, {500, 3}, {999, 3}, {1000, 4}, {1559, 4},
        {1560, 15}, {1578, 15}, {1579, 19}, {1580, 4}, {1589, 4}, {1590, 4}, {1759, 4},
        {1760, 14}, {1778, 14}, {1779, 18}, {1780, 4}, {1799, 4}, {1999, 4},
        {2000, 5}, {2899, 5}, {2900, 6}, {2999, 6}, {3000, 7}, {3999, 7}, {4000, 8}, {4999, 8},
        {5000, 1}, {5500, 1}, {7999, 1}, {8000, 9}, {8120, 9}, {8121, 10}, {8129, 10}, {8130, 9},
        {8999, 9}, {9000, 11}, {9999, 11}, {10000, 12}, {19999, 12}, {20000, 13}, {29999, 13},
        {30000, 1},
    });
}

TEST(AccountKind, EveryBoundaryOfChart04) {
    expectKinds(4, {
        {0, 1}, {1, 2}, {999, 2}, {1000, 7}, {1199, 7}, {1200, 4}, {1399, 4},
        {1400, 15}, {1408, 15}, {1409, 19}, {1410, 15}, {1419, 15}, {1420, 4}, {1899, 4},
        {1900, 3}, {1999, 3}, {2000, 4}, {2899, 4}, {2900, 3}, {2999, 3}, {3000, 4}, {3799, 4},
        {3800, 14}, {3808, 14}, {3809, 18}, {3810, 14}, {3829, 14}, {3830, 14}, {3899, 14},
        {3900, 3}, {3999, 3}, {4000, 9}, {4120, 9}, {4121, 10}, {4129, 10}, {4130, 9}, {4999, 9},
        {5000, 7}, {5999, 7}, {6000, 8}, {6999, 8}, {7000, 5}, {7999, 5}, {8000, 1}, {8999, 1},
        {9000, 11}, {9999, 11}, {10000, 12}, {19999, 12}, {20000, 13}, {29999, 13}, {30000, 1},
    });
}

TEST(AccountKind, UnknownChartKnowsNoAccounts) {
    for (int number : {1, 1200, 1579, 1776, 3809, 8400, 10000, 20000})
        for (int chart : {0, 5, 40}) EXPECT_EQ(code(chart::AccountKindOf(number, chart)), 1) << number;
}

TEST(NetBooked, RangesOfBothCharts) {
    const std::vector<std::pair<int, bool>> chart03{
        {1, true}, {499, true}, {500, false}, {2899, false}, {2900, true}, {4999, true}, {5000, false},
        {7999, false}, {8000, true}, {8999, true}, {9000, false}, {10000, false}, {20000, false}};
    for (const auto& [number, net] : chart03) EXPECT_EQ(chart::IsNetBooked(number, 3), net) << number;

    const std::vector<std::pair<int, bool>> chart04{
        {1, true}, {799, true}, {800, false}, {999, false}, {1000, true}, {1199, true}, {1200, false},
        {3999, false}, {4000, true}, {6999, true}, {7000, false}, {8400, false}, {10000, false}};
    for (const auto& [number, net] : chart04) {
        EXPECT_EQ(chart::IsNetBooked(number, 4), net) << number;
        EXPECT_EQ(chart::IsNetBooked(number, 5), net) << "chart 5 follows chart 04: " << number;
    }
}

struct CarryCase {
    int number;
    bool withPrivate;     // flag not set
    bool privateExcluded;  // flag set
};

TEST(CarriedForward, Chart03WithAndWithoutPrivateAccounts) {
    const std::vector<CarryCase> cases{
        {0, false, false}, {1, true, true}, {1569, true, true}, {1570, false, false}, {1589, false, false},
        {1590, true, true}, {1759, true, true}, {1760, false, false}, {1799, false, false},
        {1800, true, true}, {1899, true, true}, {1900, true, false}, {1950, true, false},
        {1999, true, false}, {2000, false, false}, {3899, false, false}, {3900, true, true},
        {3999, true, true}, {4000, false, false}, {8999, false, false}, {9000, true, true},
        {29999, true, true}, {30000, false, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(chart::IsCarriedForward(c.number, false, 3), c.withPrivate) << c.number;
        EXPECT_EQ(chart::IsCarriedForward(c.number, true, 3), c.privateExcluded) << c.number;
    }
}

TEST(CarriedForward, Chart04IgnoresThePrivateFlag) {
    const std::vector<std::pair<int, bool>> cases{
        {0, false}, {1, true}, {1399, true}, {1400, false}, {1419, false}, {1420, true}, {1950, true},
        {2100, true}, {3799, true}, {3800, false}, {3829, false}, {3830, true}, {3999, true},
        {4000, false}, {8999, false}, {9000, true}, {29999, true}, {30000, false}};
    for (const auto& [number, carried] : cases)
        for (bool flag : {false, true}) EXPECT_EQ(chart::IsCarriedForward(number, flag, 4), carried) << number;
}

TEST(CarriedForward, UnknownChartCarriesNothing) {
    for (int number : {1, 1200, 2100, 9000, 10000})
        for (bool flag : {false, true}) EXPECT_FALSE(chart::IsCarriedForward(number, flag, 5)) << number;
}

TEST(AccountClasses, RangesOfBothCharts) {
    const std::vector<std::pair<int, int>> chart03{{1, 999},     {1000, 1999}, {1560, 1799},  {2000, 2999},
                                                   {3000, 3999}, {4000, 4999}, {8000, 8999},  {9000, 9999},
                                                   {10000, 19999}, {20000, 29999}};
    const std::vector<std::pair<int, int>> chart04{{1, 999},     {1000, 1999}, {1400, 3829},  {2000, 2999},
                                                   {3000, 3999}, {4000, 4999}, {5000, 5999},  {6000, 6999},
                                                   {7000, 7999}, {9000, 9999}, {10000, 19999}, {20000, 29999}};
    EXPECT_EQ(chart::ClassCount(3), 9);
    EXPECT_EQ(chart::ClassCount(4), 11);
    EXPECT_EQ(chart::ClassCount(5), 11);
    for (int chart : {3, 4, 5}) {
        const auto& expected = chart == 3 ? chart03 : chart04;
        ASSERT_EQ(static_cast<int>(expected.size()), chart::ClassCount(chart) + 1);
        for (int i = 0; i <= chart::ClassCount(chart); ++i) {
            int lower = 0, upper = 0;
            EXPECT_TRUE(chart::ClassRange(i, chart, lower, upper));
            EXPECT_EQ(lower, expected[i].first) << "chart " << chart << ", class " << i;
            EXPECT_EQ(upper, expected[i].second) << "chart " << chart << ", class " << i;
        }
        for (int bad : {-1, chart::ClassCount(chart) + 1}) {
            int lower = 0, upper = 0;
            EXPECT_FALSE(chart::ClassRange(bad, chart, lower, upper));
            EXPECT_EQ(lower, -1);
            EXPECT_EQ(upper, -1);
            EXPECT_FALSE(chart::IsClassMember(bad, 1000, chart));
        }
    }
}

TEST(AccountClasses, VatAccountsFormTheirOwnClass) {
    // Chart 03: 1589 is a financial account by kind but listed with the VAT accounts.
    EXPECT_TRUE(chart::IsClassMember(2, 1589, 3));
    EXPECT_FALSE(chart::IsClassMember(1, 1589, 3));
    EXPECT_TRUE(chart::IsClassMember(1, 1559, 3));
    EXPECT_TRUE(chart::IsClassMember(1, 1590, 3));
    EXPECT_FALSE(chart::IsClassMember(2, 1590, 3));
    EXPECT_TRUE(chart::IsClassMember(2, 1799, 3));
    EXPECT_TRUE(chart::IsClassMember(1, 1800, 3));
    // Chart 04: output VAT in the class list ends at 3829.
    EXPECT_TRUE(chart::IsClassMember(4, 3830, 4));
    EXPECT_FALSE(chart::IsClassMember(2, 3830, 4));
    EXPECT_TRUE(chart::IsClassMember(2, 3829, 4));
    EXPECT_FALSE(chart::IsClassMember(4, 3829, 4));
    EXPECT_TRUE(chart::IsClassMember(2, 1419, 4));
    EXPECT_FALSE(chart::IsClassMember(1, 1419, 4));
    EXPECT_TRUE(chart::IsClassMember(1, 1420, 4));
    // The chart 03 index 10 does not exist, in chart 04 it holds the customers.
    EXPECT_FALSE(chart::IsClassMember(10, 12000, 3));
    EXPECT_TRUE(chart::IsClassMember(10, 12000, 5));
}

// Every account is listed under at most one class, and only inside that class's scan range; only
// 5000-7999 (chart 03) and 8000-8999 (chart 04) fall outside every class.
TEST(AccountClasses, EachAccountInExactlyOneClassOrInTheGap) {
    for (int chart : {3, 4}) {
        for (int number = 1; number <= 29999; ++number) {
            int classes = 0;
            for (int i = 0; i <= chart::ClassCount(chart); ++i) {
                if (!chart::IsClassMember(i, number, chart)) continue;
                ++classes;
                int lower = 0, upper = 0;
                chart::ClassRange(i, chart, lower, upper);
                EXPECT_TRUE(number >= lower && number <= upper) << chart << "/" << i << ": " << number;
            }
            const bool inGap = chart == 3 ? (number >= 5000 && number <= 7999) : (number >= 8000 && number <= 8999);
            ASSERT_EQ(classes, inGap ? 0 : 1) << "chart " << chart << ", account " << number;
        }
    }
    for (int i = 0; i <= chart::ClassCount(3); ++i) EXPECT_FALSE(chart::IsClassMember(i, 5500, 3));
}

TEST(AccountClasses, TitleLines) {
    EXPECT_EQ(chart::ClassTitleLine(6, "EUR", 3),
              "KLASSE 8: ERL\xD6SKONTEN                    Soll EUR       Haben EUR\r\n");
    // A title of exactly 40 characters leaves one blank before "Soll".
    EXPECT_EQ(chart::ClassTitleLine(8, "EUR", 4),
              "KLASSE 7: WEIT. ERTR\xC4GE UND AUFWENDUNGEN Soll EUR       Haben EUR\r\n");
    EXPECT_EQ(chart::ClassTitleLine(2, "DM", 5),
              "UMSATZSTEUERKONTEN                       Soll  DM       Haben  DM\r\n");
    EXPECT_EQ(chart::ClassTitleLine(10, "EUR", 3), std::string(40, ' ') + " Soll EUR       Haben EUR\r\n");
    EXPECT_EQ(chart::ClassTitleLine(-1, "EUR", 4), std::string(40, ' ') + " Soll EUR       Haben EUR\r\n");
}

}  // namespace
}  // namespace tellmark::chart
