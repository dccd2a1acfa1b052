#include "reports/journal_scan.h"

#include <algorithm>

#include "config/dates.h"

namespace tellmark::reports {

namespace {

// Records read at once: a month of a large journal costs a few dozen reads, not one per booking.
constexpr long kBlockRecords = 4096;

int positionOf(int month, int firstMonth, bool differs) {
    if (month == 13) return 13;
    return config::monthToPeriod(month, firstMonth, differs ? 1 : 0);
}

}  // namespace

std::vector<int> MonthPasses(const DateWindow& window, int firstMonth, bool differs) {
    const int from = positionOf(window.fromMonth, firstMonth, differs);
    const int to = positionOf(window.toMonth, firstMonth, differs);
    std::vector<int> positions;
    if (from <= to) {
        for (int p = from; p <= to; ++p) positions.push_back(p);
    } else {
        for (int p = from; p <= 12; ++p) positions.push_back(p);
        for (int p = 1; p <= to; ++p) positions.push_back(p);
    }
    std::vector<int> months;
    for (int p : positions) {
        if (p < 1 || p > 13) continue;
        months.push_back(p == 13 ? 13 : config::periodToMonth(p, firstMonth, differs ? 1 : 0));
    }
    return months;
}

void SetRequestWindow(ReportRequest& request, const DateWindow& window, const BookingYear& year) {
    request.fromDay = window.fromDay;
    request.fromMonth = window.fromMonth;
    request.fromYear = YearOfMonth(window.fromMonth, year);
    request.toDay = window.toDay;
    request.toMonth = window.toMonth;
    request.toYear = YearOfMonth(window.toMonth, year);
}

DayPlace PlaceInWindow(int day, int passMonth, const DateWindow& window) {
    if (passMonth == window.fromMonth && day < window.fromDay) return DayPlace::Before;
    if (passMonth == window.toMonth && day > window.toDay) return DayPlace::After;
    return DayPlace::Inside;
}

ledger::BookingRange JournalScan::monthRange(int month) const {
    const long last = index_.last(month);
    if (last < 1) return {1, 0};
    return {std::max(1L, index_.first(month) - 1), last};
}

bool JournalScan::scanMonth(int month, const Visit& visit) {
    const ledger::BookingRange range = monthRange(month);
    return scan(range.first, range.last, month, visit);
}

bool JournalScan::scanRange(long first, long last, const Visit& visit) { return scan(first, last, 0, visit); }

bool JournalScan::scan(long first, long last, int month, const Visit& visit) {
    first = std::max(first, 1L);
    last = std::min(last, journal_.count());
    if (first > last) return true;
    block_.resize(static_cast<std::size_t>(kBlockRecords) * ledger::kJournalRecordSize);
    for (long at = first; at <= last;) {
        const long want = std::min(kBlockRecords, last - at + 1);
        const long got = journal_.readRecords(at - 1, want, block_.data());
        if (got <= 0) return false;
        for (long i = 0; i < got; ++i) {
            const ledger::ParsedBooking booking =
                ledger::parseJournalRecord(block_.data() + i * ledger::kJournalRecordSize, journal_.chart());
            if (month != 0 && booking.month != month) continue;
            if (!visit(booking, at + i)) return false;
        }
        if (got < want) return false;
        at += got;
    }
    return true;
}

}  // namespace tellmark::reports
