// Which bookings the nine rows show while browsing.

#include <gtest/gtest.h>

#include <vector>

#include "entry/entry_browse.h"

namespace tellmark::entry {
namespace {

std::vector<long> rows(const BookingWindow& w) {
    std::vector<long> out;
    for (int r = 0; r < BookingWindow::kRows; ++r) out.push_back(w.numberInRow(r));
    return out;
}

TEST(BookingWindow, NewLineSitsUnderTheLastBooking) {
    BookingWindow empty(0);
    EXPECT_EQ(rows(empty), (std::vector<long>{1, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(empty.currentRow(), 0);
    EXPECT_TRUE(empty.onNewLine());

    BookingWindow three(3);
    EXPECT_EQ(rows(three), (std::vector<long>{1, 2, 3, 4, 0, 0, 0, 0, 0}));
    EXPECT_EQ(three.currentRow(), 3);
    EXPECT_EQ(three.current(), 4);

    BookingWindow many(20);
    EXPECT_EQ(rows(many), (std::vector<long>{13, 14, 15, 16, 17, 18, 19, 20, 21}));
    EXPECT_EQ(many.currentRow(), 8);
}

TEST(BookingWindow, PagingBackAndForth) {
    BookingWindow w(20);
    w.pageUp();  // first to the top row
    EXPECT_EQ(w.current(), 13);
    EXPECT_EQ(w.currentRow(), 0);
    w.pageUp();  // seven back
    EXPECT_EQ(w.current(), 6);
    EXPECT_EQ(rows(w), (std::vector<long>{6, 7, 8, 9, 10, 11, 12, 13, 0}));
    w.pageUp();  // fewer than eight precede: bookings 1 to 8
    EXPECT_EQ(w.current(), 1);
    EXPECT_EQ(rows(w), (std::vector<long>{1, 2, 3, 4, 5, 6, 7, 8, 0}));

    w.pageDown();  // first to the lowest booked row
    EXPECT_EQ(w.current(), 8);
    EXPECT_EQ(w.currentRow(), 7);
    w.pageDown();  // seven on
    EXPECT_EQ(w.current(), 15);
    EXPECT_EQ(w.currentRow(), 7);
    EXPECT_EQ(rows(w), (std::vector<long>{8, 9, 10, 11, 12, 13, 14, 15, 0}));
    w.pageDown();  // fewer than eight follow: the new line
    EXPECT_TRUE(w.onNewLine());
    EXPECT_EQ(w.currentRow(), 8);
    w.pageDown();
    EXPECT_TRUE(w.onNewLine());

    BookingWindow few(5);
    few.pageUp();
    EXPECT_EQ(few.current(), 1);
    few.pageDown();
    EXPECT_EQ(few.current(), 5);
    few.pageDown();
    EXPECT_EQ(few.current(), 6);
    EXPECT_EQ(few.currentRow(), 5);
}

TEST(BookingWindow, StepsScrollAtTopAndBottom) {
    BookingWindow w(20);
    w.goToFirst();
    EXPECT_FALSE(w.previous());
    for (int i = 0; i < 7; ++i) ASSERT_TRUE(w.next());
    EXPECT_EQ(w.currentRow(), 7);
    EXPECT_EQ(w.top(), 1);
    ASSERT_TRUE(w.next());  // scrolls by one; row 8 only ever holds the new line
    EXPECT_EQ(w.current(), 9);
    EXPECT_EQ(w.currentRow(), 7);
    EXPECT_EQ(w.top(), 2);
    w.goToEnd();
    ASSERT_TRUE(w.previous());
    EXPECT_EQ(w.current(), 20);
    EXPECT_EQ(w.currentRow(), 7);
    ASSERT_TRUE(w.next());
    EXPECT_TRUE(w.onNewLine());
    EXPECT_FALSE(w.next());
}

TEST(BookingWindow, GoingToABookingAndKeepingTheRow) {
    BookingWindow w(20);
    w.goTo(10);  // row 3 when there is room
    EXPECT_EQ(w.currentRow(), 3);
    EXPECT_EQ(w.top(), 7);
    w.goTo(2);  // no room above
    EXPECT_EQ(w.currentRow(), 1);
    w.goTo(19);  // no room below: as low as the count allows
    EXPECT_EQ(w.top(), 13);
    EXPECT_EQ(w.currentRow(), 6);
    w.goTo(25);
    EXPECT_TRUE(w.onNewLine());

    // A deletion: the following booking takes the row; the last one deleted leaves the new line.
    w.goToInRow(10, 5);
    w.setCount(19);
    EXPECT_EQ(w.current(), 10);
    EXPECT_EQ(w.currentRow(), 5);
    w.goTo(19);
    w.setCount(18);
    EXPECT_TRUE(w.onNewLine());
    EXPECT_EQ(rows(w), (std::vector<long>{11, 12, 13, 14, 15, 16, 17, 18, 19}));
}

}  // namespace
}  // namespace tellmark::entry
