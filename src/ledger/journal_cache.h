#pragma once
// The journal cache ("Beschleunigungsspeicher"): operations that read every booking many times (sort,
// reorganisation, journal reports) load the whole journal once, already parsed, and the journal's
// readParsed then takes bookings from memory. When memory cannot be had the user is told
// ("Normale Verarbeitung gestartet") and reads go to the file; the results are the same either way.
//
// A cache lives for one operation: create it on the journal, load, read, and let it go. While it is
// loaded the journal keeps it in step with its own writes and removals, so it never shows stale bookings.

#include <cstddef>
#include <limits>
#include <vector>

#include "ledger/journal_record.h"
#include "ui/messages.h"

namespace tellmark::ledger {

class Journal;

class JournalCache {
public:
    JournalCache(Journal& journal, ui::Messages& messages);
    ~JournalCache();
    JournalCache(const JournalCache&) = delete;
    JournalCache& operator=(const JournalCache&) = delete;

    // Reads and parses the whole journal; true when the cache is active. Each failure shows its message
    // and leaves the cache inactive.
    bool load();
    // Frees the bookings; reads go to the file again.
    void release();
    bool active() const { return active_; }
    // Bookings held.
    long size() const { return static_cast<long>(bookings_.size()); }

    // Booking n (from 1) while active, nullptr otherwise or beyond the snapshot. Callers that change a
    // booking in the cache write it to the journal as well.
    const ParsedBooking* find(long n) const;
    ParsedBooking* find(long n);

    // The most memory one load may take (raw journal plus parsed bookings); beyond it the load reports
    // memory as short, as when the system has none. Unlimited unless set.
    void setMemoryLimit(std::size_t bytes) { memoryLimit_ = bytes; }

private:
    friend class Journal;
    // Journal writes and removals, mirrored.
    void store(long index, const ParsedBooking& booking);
    void erase(long fromIndex, long toIndex);
    void journalGone();

    Journal* journal_;
    ui::Messages& messages_;
    std::vector<ParsedBooking> bookings_;
    bool active_ = false;
    std::size_t memoryLimit_ = std::numeric_limits<std::size_t>::max();
};

}  // namespace tellmark::ledger
