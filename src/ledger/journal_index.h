#pragma once
// CJIndex: the journal index (".jdx") tells for each month of the booking year the range of booking
// numbers that holds the month's bookings, so a report for a month reads only that range. Bookings are
// entered roughly in date order, so a range may hold bookings of other months; readers check dates.
//
// File (112 bytes, little-endian): "W001001" and a NUL, then for months 1-13 the first and the last
// booking number as signed 32-bit integers, 0 for a month without bookings. Month 13 holds the closing
// entries. The file is a cache of the journal: missing, of another version or damaged, it is built anew.

#include <array>
#include <cstdint>
#include <string>

#include "platform/file.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::ledger {

class Journal;

inline constexpr std::size_t kJournalIndexSize = 112;
inline constexpr int kJournalIndexMonths = 13;

// A range of booking numbers to read, first to last inclusive; empty when first > last.
struct BookingRange {
    long first;
    long last;
};

class CJIndex {
public:
    CJIndex(ui::Messages& messages, ui::Progress& progress);
    CJIndex(const CJIndex&) = delete;
    CJIndex& operator=(const CJIndex&) = delete;

    // The index file's path and the journal it is built from.
    void attach(const std::string& indexPath, Journal& journal);
    // Reads the index file, or builds it from the journal when it is missing, of another version or
    // damaged; keeps the file open with writing denied to others. 1 when the index is ready, else 0.
    int open();
    void close();
    bool isOpen() const { return file_.isOpen(); }
    // The open index file, for copying it as it stands (the backup).
    platform::File& file() { return file_; }
    // Deletes the index file and builds it again from the journal; 1 when ready.
    int rebuild();

    // Widens month m (1-13) to hold booking number i + 1; true when the table changed.
    bool noteBooking(long i, int month);
    // Booking n is being removed: every first and last >= n falls by one, but never below 1.
    bool noteRemoval(long n);
    // Writes the 112 bytes; 1 on success, 0 after a message.
    int write();
    // Puts the table on the disk; true when there is no file to sync.
    bool sync() { return !file_.isOpen() || file_.flush(); }
    // Months 1-13 to (0, 0).
    void clear();

    // From one booking before the smallest first to the largest last over calendar months a..b; an empty
    // range (65534, 1) when none of them has a booking.
    BookingRange rangeOfMonths(int a, int b) const;
    // The same over the months firstCal..lastCal taken in the order of the business year that starts with
    // firstMonth (spanFlag 1 for a business year that does not start in January).
    BookingRange rangeOfBusinessMonths(int firstCal, int lastCal, int firstMonth, int spanFlag) const;

    long first(int month) const;
    long last(int month) const;
    // The 112 bytes of the file as they are written.
    std::array<char, kJournalIndexSize> image() const;

private:
    struct Span {
        std::int32_t first = 0;
        std::int32_t last = 0;
    };
    struct Extent;

    bool takeTable(const char* bytes, std::int64_t length);
    bool coversJournal() const;
    int build();
    void widen(Extent& extent, int month) const;
    static BookingRange rangeOf(const Extent& extent);

    ui::Messages& messages_;
    ui::Progress& progress_;
    Journal* journal_ = nullptr;
    std::string path_;
    platform::File file_;
    std::array<Span, kJournalIndexMonths + 1> table_{};  // slot 0 is the version tag's place
};

}  // namespace tellmark::ledger
