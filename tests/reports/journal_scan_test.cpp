#include "reports/journal_scan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "posting/open_books.h"

namespace tellmark::reports {
namespace {

using posting::testing::line;
using posting::testing::OpenBooks;

TEST(MonthPasses, BusinessYearOrderAndWrapAround) {
    EXPECT_EQ(MonthPasses({1, 3, 31, 4}, 1, false), (std::vector<int>{3, 4}));
    EXPECT_EQ(MonthPasses({1, 1, 31, 13}, 1, false),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    // July to June, the closing month last.
    EXPECT_EQ(MonthPasses({1, 7, 31, 13}, 7, true),
              (std::vector<int>{7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6, 13}));
    EXPECT_EQ(MonthPasses({1, 11, 28, 2}, 7, true), (std::vector<int>{11, 12, 1, 2}));
    // A start after the end wraps around the calendar year end, without the closing month.
    EXPECT_EQ(MonthPasses({1, 11, 31, 2}, 1, false), (std::vector<int>{11, 12, 1, 2}));
}

TEST(MonthPasses, DayPlaceInTheFirstAndLastMonth) {
    const DateWindow window{15, 3, 10, 5};
    EXPECT_EQ(PlaceInWindow(14, 3, window), DayPlace::Before);
    EXPECT_EQ(PlaceInWindow(15, 3, window), DayPlace::Inside);
    EXPECT_EQ(PlaceInWindow(31, 4, window), DayPlace::Inside);
    EXPECT_EQ(PlaceInWindow(1, 4, window), DayPlace::Inside);
    EXPECT_EQ(PlaceInWindow(10, 5, window), DayPlace::Inside);
    EXPECT_EQ(PlaceInWindow(11, 5, window), DayPlace::After);
}

// Bookings entered out of date order: a month's scan hands on only that month's bookings, in number
// order, across the read blocks of a long journal.
TEST(JournalScan, MonthByMonthInBookingNumberOrder) {
    OpenBooks b;
    const char* dates[] = {"02.03", "30.04", "01.03", "15.04", "31.03"};
    std::string journal;
    for (int round = 0; round < 1000; ++round)
        for (const char* date : dates) {
            const ledger::JournalRecord record =
                ledger::makeJournalRecord(line(date, "", " 1200", " 8400", "Umsatz", 10.0, 0.0));
            journal.append(record.data(), record.size());
        }
    tellmark::testing::writeFile(b.jouPath, journal);
    ASSERT_EQ(b.journalIndex.rebuild(), 1);
    JournalScan scan(b.journal, b.journalIndex);
    for (int month : {3, 4}) {
        std::vector<long> numbers;
        ASSERT_TRUE(scan.scanMonth(month, [&](const ledger::ParsedBooking& booking, long number) {
            EXPECT_EQ(booking.month, month);
            numbers.push_back(number);
            return true;
        }));
        ASSERT_EQ(numbers.size(), month == 3 ? 3000u : 2000u);
        for (std::size_t i = 1; i < numbers.size(); ++i) ASSERT_LT(numbers[i - 1], numbers[i]);
    }
    EXPECT_TRUE(scan.scanMonth(5, [](const ledger::ParsedBooking&, long) { return false; }));  // no bookings
    long seen = 0;
    EXPECT_FALSE(scan.scanRange(1, 5000, [&](const ledger::ParsedBooking&, long) { return ++seen < 7; }));
    EXPECT_EQ(seen, 7);
}

}  // namespace
}  // namespace tellmark::reports
