#pragma once
// How every report from the journal reads it: month by month in the order of the business year, each
// month through its range in the journal index, the records read in blocks and parsed once. A range may
// hold bookings of other months (bookings are entered roughly in date order), so a scan of month m hands
// on only the bookings dated in m; the report decides with DayPlace where a booking stands in its window.

#include <functional>
#include <vector>

#include "ledger/journal.h"
#include "ledger/journal_index.h"
#include "ledger/journal_record.h"
#include "reports/page_header.h"
#include "reports/report_request.h"

namespace tellmark::reports {

// A report's date window: from (fromDay, fromMonth) to (toDay, toMonth), calendar months 1-13.
struct DateWindow {
    int fromDay = 1;
    int fromMonth = 1;
    int toDay = 31;
    int toMonth = 12;
};

// The window into the options of a report from the journal (fields fromDay, fromMonth, toDay, toMonth).
template <class Options>
void SetWindow(Options& options, const DateWindow& window) {
    options.fromDay = window.fromDay;
    options.fromMonth = window.fromMonth;
    options.toDay = window.toDay;
    options.toMonth = window.toMonth;
}

// The request's period: the window's ends, each month's year by the business year.
void SetRequestWindow(ReportRequest& request, const DateWindow& window, const BookingYear& year);

// The month passes of a window in business-year order (firstMonth, differs as the booking year has them):
// from its first to its last month; a start that lies after the end wraps around the year end. Month 13
// comes last and only when the window ends with it.
std::vector<int> MonthPasses(const DateWindow& window, int firstMonth, bool differs);

// Where a booking of the pass month lies: before the window (a first-month day below fromDay), inside
// it, or after it (a last-month day above toDay).
enum class DayPlace { Before, Inside, After };
DayPlace PlaceInWindow(int day, int passMonth, const DateWindow& window);

class JournalScan {
public:
    // Called for each booking dated in the month, in booking-number order; false ends the scan.
    using Visit = std::function<bool(const ledger::ParsedBooking& booking, long number)>;

    JournalScan(ledger::Journal& journal, const ledger::CJIndex& index) : journal_(journal), index_(index) {}

    // The bookings of the journal index's range of month m (its first number taken one lower) that are
    // dated in m; bookings whose date is no "DD.MM" are left out. False when the journal could not be
    // read or visit ended the scan.
    bool scanMonth(int month, const Visit& visit);
    // Bookings first..last (from 1) whatever their date (month 0 when it is no "DD.MM"), in number order.
    bool scanRange(long first, long last, const Visit& visit);

    // The range scanMonth reads for month m: first and last booking number, first > last when empty.
    ledger::BookingRange monthRange(int month) const;

private:
    bool scan(long first, long last, int month, const Visit& visit);

    ledger::Journal& journal_;
    const ledger::CJIndex& index_;
    std::vector<char> block_;
};

}  // namespace tellmark::reports
