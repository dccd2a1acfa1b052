#include "entry/entry_browse.h"

#include <algorithm>

namespace tellmark::entry {

BookingWindow::BookingWindow(long count) : count_(count < 0 ? 0 : count) { goToEnd(); }

long BookingWindow::clampTop(long top) const { return std::clamp(top, 1L, lastTop()); }

long BookingWindow::numberInRow(int row) const {
    if (row < 0 || row >= kRows) return 0;
    const long n = top_ + row;
    if (n == count_ + 1) return n;
    if (n <= count_ && row < kBookedRows) return n;
    return 0;
}

void BookingWindow::setCount(long count) {
    count_ = count < 0 ? 0 : count;
    if (current_ > count_) {
        goToEnd();
        return;
    }
    goToInRow(current_, currentRow());
}

void BookingWindow::goToEnd() {
    top_ = lastTop();
    current_ = count_ + 1;
}

void BookingWindow::goToFirst() {
    top_ = 1;
    current_ = 1;
}

void BookingWindow::goTo(long n) { goToInRow(n, kPreferredRow); }

void BookingWindow::goToInRow(long n, int row) {
    if (n > count_) {
        goToEnd();
        return;
    }
    n = std::max(n, 1L);
    row = std::clamp(row, 0, kBookedRows - 1);
    top_ = clampTop(n - row);
    current_ = n;
}

bool BookingWindow::selectRow(int row) {
    const long n = numberInRow(row);
    if (n == 0) return false;
    current_ = n;
    return true;
}

bool BookingWindow::next() {
    if (onNewLine()) return false;
    ++current_;
    if (current_ <= count_ && currentRow() >= kBookedRows) ++top_;
    return true;
}

bool BookingWindow::previous() {
    if (current_ <= 1) return false;
    --current_;
    if (current_ < top_) top_ = current_;
    return true;
}

void BookingWindow::pageDown() {
    if (onNewLine()) {
        goToEnd();
        return;
    }
    const long lowest = std::min(top_ + kBookedRows - 1, count_);
    if (current_ < lowest) {
        current_ = lowest;
    } else if (count_ - current_ < kBookedRows) {
        goToEnd();
    } else {
        top_ += kBookedRows - 1;
        current_ += kBookedRows - 1;
    }
}

void BookingWindow::pageUp() {
    if (current_ > top_) {
        current_ = top_;
    } else if (current_ - 1 < kBookedRows) {
        goToFirst();
    } else {
        current_ -= kBookedRows - 1;
        top_ = current_;
    }
}

}  // namespace tellmark::entry
