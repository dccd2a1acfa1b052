#pragma once
// Which bookings the nine rows of the entry form show and where the cursor is. Pure arithmetic on the
// booking count; the form reads the rows from the journal afterwards.
//
// The rows show at most eight booked lines (rows 0-7) and the new line (booking count + 1) right under
// the last booking: in row 8 once eight bookings exist, otherwise directly below the last one. While the
// window stands further back in the journal, row 8 stays empty.

namespace tellmark::entry {

class BookingWindow {
public:
    static constexpr int kRows = 9;
    static constexpr int kBookedRows = 8;
    // The row a booking gone to by number is put in, when there is room above and below.
    static constexpr int kPreferredRow = 3;

    // Takes a new booking count and goes to the end.
    explicit BookingWindow(long count = 0);

    long count() const { return count_; }
    long top() const { return top_; }          // booking number of row 0
    long current() const { return current_; }  // 1..count+1; count+1 is the new line
    int currentRow() const { return static_cast<int>(current_ - top_); }
    bool onNewLine() const { return current_ == count_ + 1; }
    // The number shown in a row: a booking (1..count), count + 1 for the new line, 0 for an empty row.
    long numberInRow(int row) const;

    // A new count (after a deletion or a posting elsewhere); the cursor keeps its booking where it can.
    void setCount(long count);

    // The new line at the end: the last min(count, 8) bookings above it.
    void goToEnd();
    // Bookings 1 to 8, the cursor on booking 1.
    void goToFirst();
    // Booking n in row 3 when there is room above and below, else as low as the count allows.
    void goTo(long n);
    // Booking n in the given row where the count allows (after a change or a deletion the row stays).
    void goToInRow(long n, int row);
    // A booking or the new line shown in the window; false for an empty row.
    bool selectRow(int row);

    // One booking on or back; the window scrolls by one at its bottom and top. False when there is none.
    bool next();
    bool previous();
    // First to the lowest booked row of the window, then seven bookings on at a time; to the new line
    // when fewer than eight bookings follow.
    void pageDown();
    // First to the top row, then seven bookings back at a time; bookings 1 to 8 when fewer than eight
    // precede.
    void pageUp();

private:
    long lastTop() const { return count_ > kBookedRows - 1 ? count_ - (kBookedRows - 1) : 1; }
    long clampTop(long top) const;

    long count_ = 0;
    long top_ = 1;
    long current_ = 1;
};

}  // namespace tellmark::entry
