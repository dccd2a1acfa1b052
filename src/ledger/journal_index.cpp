#include "ledger/journal_index.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "config/dates.h"
#include "ledger/journal.h"
#include "ledger/journal_record.h"
#include "resources/texts_common.h"
#include "resources/texts_ledger_journal.h"

namespace tellmark::ledger {

namespace {

constexpr char kVersionTag[8] = {'W', '0', '0', '1', '0', '0', '1', '\0'};
constexpr long kVersionNumber = 1001;  // "001001" after the leading letter

// The journal is read in blocks of this many records while the index is built (256 KB).
constexpr long kBuildBlockRecords = 4096;

// An empty range: the start lies above any end.
constexpr long kEmptyRangeFirst = 65534;

std::int32_t readInt32(const char* p) {
    auto b = [p](int k) { return static_cast<std::uint32_t>(static_cast<unsigned char>(p[k])); };
    return static_cast<std::int32_t>(b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24));
}

void putInt32(char* p, std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    for (int k = 0; k < 4; ++k) p[k] = static_cast<char>((v >> (8 * k)) & 0xFF);
}

// The version number follows the leading letter of the tag.
bool hasOurVersion(const char* bytes) {
    char number[7];
    std::memcpy(number, bytes + 1, 6);
    number[6] = '\0';
    return std::strtol(number, nullptr, 10) == kVersionNumber;
}

bool isMonth(int month) { return month >= 1 && month <= kJournalIndexMonths; }

}  // namespace

struct CJIndex::Extent {
    long smallestFirst = LONG_MAX;
    long largestLast = 0;
};

CJIndex::CJIndex(ui::Messages& messages, ui::Progress& progress) : messages_(messages), progress_(progress) {}

void CJIndex::attach(const std::string& indexPath, Journal& journal) {
    close();
    path_ = indexPath;
    journal_ = &journal;
}

void CJIndex::close() { file_.close(); }

void CJIndex::clear() {
    for (Span& s : table_) s = Span{};
}

long CJIndex::first(int month) const { return isMonth(month) ? table_[month].first : 0; }
long CJIndex::last(int month) const { return isMonth(month) ? table_[month].last : 0; }

std::array<char, kJournalIndexSize> CJIndex::image() const {
    std::array<char, kJournalIndexSize> bytes{};
    std::memcpy(bytes.data(), kVersionTag, sizeof kVersionTag);
    for (int m = 1; m <= kJournalIndexMonths; ++m) {
        putInt32(bytes.data() + 8 * m, table_[m].first);
        putInt32(bytes.data() + 8 * m + 4, table_[m].last);
    }
    return bytes;
}

// Takes the table from the file's bytes; false when the file is short, the tag foreign or the ranges
// cannot be right, and the index is then built anew rather than steering reports past bookings.
bool CJIndex::takeTable(const char* bytes, std::int64_t length) {
    if (length != static_cast<std::int64_t>(kJournalIndexSize) || !hasOurVersion(bytes)) return false;
    std::array<Span, kJournalIndexMonths + 1> table{};
    for (int m = 1; m <= kJournalIndexMonths; ++m) {
        Span s{readInt32(bytes + 8 * m), readInt32(bytes + 8 * m + 4)};
        bool empty = s.first == 0 && s.last == 0;
        if (!empty && (s.first < 1 || s.last < s.first)) return false;
        table[m] = s;
    }
    table_ = table;
    return true;
}

// An index left behind by an interrupted posting (journal written, index not) would hide the last bookings
// from every report over a month, and one longer than the journal points at bookings that are gone: both
// are built anew. The newest booking always widens some month's range, so the largest last must be the
// journal's count.
bool CJIndex::coversJournal() const {
    long largest = 0;
    for (int m = 1; m <= kJournalIndexMonths; ++m) largest = std::max<long>(largest, table_[m].last);
    return largest == journal_->count();
}

int CJIndex::open() {
    close();
    if (path_.empty() || !journal_) return 0;
    if (file_.open(path_, platform::Share::DenyWrite)) {
        char bytes[kJournalIndexSize];
        std::int64_t got = file_.readAt(0, bytes, sizeof bytes);
        if (got < 0) {
            messages_.show(text::kJournalIndexReadFailed, text::kCaptionError, ui::kIconStop);
            close();
            return 0;
        }
        if (takeTable(bytes, got) && coversJournal()) return 1;
        close();
        std::remove(path_.c_str());
    } else if (file_.lastError() != ENOENT) {
        return 0;  // there but not to be had (held by another copy of the program, no rights)
    }
    return build();
}

int CJIndex::build() {
    file_.create(path_);  // write() reports when the file cannot be had
    clear();

    const long count = journal_->count();
    const std::int64_t total = journal_->length() / 6400 + 1;
    progress_.start(text::kJournalIndexProgressCaption, "", text::kJournalIndexProgressLine,
                    text::kJournalIndexProgressLabel, static_cast<int>(std::min<std::int64_t>(total, INT_MAX)),
                    ui::kBarStayFull);
    std::vector<char> block(static_cast<std::size_t>(kBuildBlockRecords) * kJournalRecordSize);
    for (long start = 0; start < count; start += kBuildBlockRecords) {
        const long want = std::min(kBuildBlockRecords, count - start);
        const long got = journal_->readRecords(start, want, block.data());  // a short read skips bookings
        for (long k = 0; k < want; ++k) {
            const long i = start + k;
            int day = 0;
            int month = 0;
            if (k < got &&
                config::parseStoredDayMonth(std::string_view(block.data() + k * kJournalRecordSize, kDateWidth), day,
                                            month) == 0)
                noteBooking(i, month);
            if ((i + 1) % 100 == 0) {
                progress_.step(1);
                progress_.poll();
            }
        }
    }
    progress_.end();
    return write();
}

int CJIndex::rebuild() {
    close();
    if (!path_.empty()) std::remove(path_.c_str());
    return open();
}

int CJIndex::write() {
    const std::array<char, kJournalIndexSize> bytes = image();
    if (!file_.isOpen()) {
        // Not held (yet): create it anew and take it again with writing denied to others.
        if (!file_.create(path_)) {
            messages_.show(text::kJournalIndexCreateFailed, text::kCaptionError, ui::kIconStop);
            return 0;
        }
        file_.close();
        if (!file_.open(path_, platform::Share::DenyWrite)) {
            messages_.show(text::kJournalIndexOpenFailed, text::kCaptionError, ui::kIconStop);
            return 0;
        }
    }
    // The held file is overwritten in place: the table has a fixed size and one write replaces it whole.
    if (!file_.writeAt(0, bytes.data(), bytes.size())) {
        messages_.show(text::kJournalIndexWriteFailed, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    return 1;
}

bool CJIndex::noteBooking(long i, int month) {
    if (!isMonth(month) || i < 0 || i >= INT32_MAX) return false;
    const auto k = static_cast<std::int32_t>(i + 1);
    Span& s = table_[month];
    bool changed = false;
    if (s.first == 0 || k < s.first) {
        s.first = k;
        changed = true;
    }
    if (s.last == 0 || s.last < k) {
        s.last = k;
        changed = true;
    }
    return changed;
}

bool CJIndex::noteRemoval(long n) {
    if (n < 1) return false;
    bool changed = false;
    auto fall = [n, &changed](std::int32_t& v) {
        if (v >= n && v > 1) {
            --v;
            changed = true;
        }
    };
    for (int m = 1; m <= kJournalIndexMonths; ++m) {
        fall(table_[m].first);
        fall(table_[m].last);
    }
    return changed;
}

void CJIndex::widen(Extent& extent, int month) const {
    if (!isMonth(month)) return;
    const Span& s = table_[month];
    if (s.first != 0) extent.smallestFirst = std::min<long>(extent.smallestFirst, s.first);
    if (s.last != 0) extent.largestLast = std::max<long>(extent.largestLast, s.last);
}

// Starts one booking early, as the readers of a month expect, and never below booking 1. The smallest
// first is a true minimum, so months far into a large journal still start where their bookings are.
BookingRange CJIndex::rangeOf(const Extent& extent) {
    if (extent.smallestFirst == LONG_MAX) return {kEmptyRangeFirst, 1};
    return {std::max(extent.smallestFirst - 1, 1L), extent.largestLast == 0 ? 1 : extent.largestLast};
}

BookingRange CJIndex::rangeOfMonths(int a, int b) const {
    Extent extent;
    for (int m = std::max(a, 1); m <= std::min(b, kJournalIndexMonths); ++m) widen(extent, m);
    return rangeOf(extent);
}

BookingRange CJIndex::rangeOfBusinessMonths(int firstCal, int lastCal, int firstMonth, int spanFlag) const {
    Extent extent;
    const int from = config::monthToPeriod(firstCal, firstMonth, spanFlag);
    const int to = config::monthToPeriod(lastCal, firstMonth, spanFlag);
    for (int p = std::max(from, 1); p <= std::min(to, kJournalIndexMonths); ++p)
        widen(extent, config::periodToMonth(p, firstMonth, spanFlag));
    return rangeOf(extent);
}

}  // namespace tellmark::ledger
