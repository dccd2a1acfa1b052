#include "ledger/journal_cache.h"

#include <algorithm>
#include <new>

#include "ledger/journal.h"
#include "resources/texts_common.h"
#include "resources/texts_ledger_journal.h"

namespace tellmark::ledger {

JournalCache::JournalCache(Journal& journal, ui::Messages& messages) : journal_(&journal), messages_(messages) {
    journal.cache_ = this;
}

JournalCache::~JournalCache() {
    if (journal_ && journal_->cache_ == this) journal_->cache_ = nullptr;
}

void JournalCache::release() {
    std::vector<ParsedBooking>().swap(bookings_);  // hand the memory back, not just the contents
    active_ = false;
}

void JournalCache::journalGone() {
    journal_ = nullptr;
    release();
}

bool JournalCache::load() {
    release();
    active_ = true;
    if (!journal_ || journal_->length() == 0) {
        messages_.show(text::kJournalCacheEmpty, text::kCaptionError, ui::kIconStop);
        active_ = false;
        return false;
    }

    const long count = journal_->count();
    const std::size_t rawBytes = static_cast<std::size_t>(count) * kJournalRecordSize;
    std::vector<char> raw;
    bool haveRaw = rawBytes <= memoryLimit_;
    if (haveRaw) {
        try {
            raw.resize(rawBytes);
        } catch (const std::bad_alloc&) {
            haveRaw = false;
        }
    }
    if (!haveRaw) {
        messages_.show(text::kJournalMemoryShort, text::kCaptionInformation, ui::kIconStop);
        active_ = false;
        return false;
    }

    if (journal_->readRecords(0, count, raw.data()) != count) {
        messages_.show(text::kJournalCacheReadFailed, text::kCaptionInformation, ui::kIconStop);
        active_ = false;
        return false;
    }

    const std::size_t parsedBytes = static_cast<std::size_t>(count) * sizeof(ParsedBooking);
    bool haveBlock = parsedBytes <= memoryLimit_ - rawBytes;
    if (haveBlock) {
        try {
            bookings_.resize(static_cast<std::size_t>(count));
        } catch (const std::bad_alloc&) {
            haveBlock = false;
        }
    }
    if (!haveBlock) {
        release();
        messages_.show(text::kJournalMemoryShortPart2, text::kCaptionInformation, ui::kIconStop);
        return false;
    }

    const int chart = journal_->chart();
    for (long i = 0; i < count; ++i)
        bookings_[static_cast<std::size_t>(i)] = parseJournalRecord(raw.data() + i * kJournalRecordSize, chart);
    return true;
}

const ParsedBooking* JournalCache::find(long n) const {
    if (!active_ || n < 1 || n > size()) return nullptr;
    return &bookings_[static_cast<std::size_t>(n - 1)];
}

ParsedBooking* JournalCache::find(long n) {
    if (!active_ || n < 1 || n > size()) return nullptr;
    return &bookings_[static_cast<std::size_t>(n - 1)];
}

void JournalCache::store(long index, const ParsedBooking& booking) {
    if (index >= 0 && index < size()) {
        bookings_[static_cast<std::size_t>(index)] = booking;
        return;
    }
    if (index == size()) {
        try {
            bookings_.push_back(booking);
            return;
        } catch (const std::bad_alloc&) {
        }
    }
    release();  // a snapshot that cannot follow the journal must not be read
}

void JournalCache::erase(long fromIndex, long toIndex) {
    fromIndex = std::max(fromIndex, 0L);
    toIndex = std::min(toIndex, size());
    if (fromIndex >= toIndex) return;
    bookings_.erase(bookings_.begin() + fromIndex, bookings_.begin() + toIndex);
}

}  // namespace tellmark::ledger
