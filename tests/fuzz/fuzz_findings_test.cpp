// Inputs the fuzz targets found faults with, kept as tests.

#include <gtest/gtest.h>

#include <climits>

#include "config/dates.h"
#include "config/ini_numbers.h"

namespace tellmark::config {
namespace {

// A damaged settings value "Jahr=-2147483648" reads as the lowest int. The year before it is computed as
// year - 1 and the leap rule as (year - 1952) % 4: both overflow a signed int (caught by the undefined
// behaviour sanitizer; without it the year before wraps round to 2147483647).
TEST(FuzzFindings, YearHelpersTakeTheLowestIntFromASettingsValue) {
    const int year = parseIniInt("-2147483648");
    ASSERT_EQ(year, INT_MIN);
    EXPECT_LE(previousYear(year), 0);
    const int leap = isLeapYear(year);
    EXPECT_TRUE(leap == 0 || leap == 1);
    const int last = lastDayOfMonth(2, year);
    EXPECT_TRUE(last == 28 || last == 29);
}

}  // namespace
}  // namespace tellmark::config
