#include "ledger/journal.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "config/dates.h"
#include "ledger/journal_cache.h"
#include "ledger/journal_index.h"
#include "platform/directory.h"
#include "resources/texts_common.h"
#include "resources/texts_ledger_journal.h"

namespace tellmark::ledger {

namespace {

// Records taken by one read-ahead: 16 KB, small enough for a single look-up from the entry form.
constexpr long kReadAheadRecords = 256;
// Bytes copied per step when the journal is written anew: memory stays flat at any length.
constexpr std::int64_t kMoveBlockBytes = 1 << 20;

std::string_view trimmed(std::string_view s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    std::size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

// Account texts compare without their padding: " 1000" is the account "1000".
bool isAccount(const char* field, std::string_view account) {
    std::string_view wanted = trimmed(account);
    return !wanted.empty() && trimmed(field) == wanted;
}

// The document number of a record read as an integer, as the automatic numbering compares it.
long documentNumberOf(const JournalRecord& record) {
    char field[kDocumentWidth + 1];
    std::memcpy(field, record.data() + kDocumentOffset, kDocumentWidth);
    field[kDocumentWidth] = '\0';
    return std::strtol(field, nullptr, 10);
}

}  // namespace

Journal::Journal(ui::Messages& messages) : messages_(messages) {}

Journal::~Journal() {
    if (cache_) cache_->journalGone();
}

bool Journal::open(const std::string& path) {
    forgetReadAhead();
    path_ = path;
    return file_.open(path, platform::Share::DenyWrite);
}

void Journal::close() {
    forgetReadAhead();
    file_.close();
}

bool Journal::reopen() {
    forgetReadAhead();
    file_.close();
    if (file_.open(path_, platform::Share::DenyWrite)) return true;
    messages_.show(text::kJournalReopenFailed, text::kCaptionError, ui::kIconStop);
    return false;
}

std::int64_t Journal::length() const {
    std::int64_t len = file_.length();
    return len < 0 ? 0 : len;
}

long Journal::count() const { return static_cast<long>(length() / static_cast<std::int64_t>(kJournalRecordSize)); }

long Journal::readRecords(long firstIndex, long maxCount, char* out) {
    if (firstIndex < 0 || maxCount <= 0) return 0;
    std::int64_t got = file_.readAt(firstIndex * static_cast<std::int64_t>(kJournalRecordSize), out,
                                    static_cast<std::size_t>(maxCount) * kJournalRecordSize);
    if (got < 0) return -1;
    return static_cast<long>(got / static_cast<std::int64_t>(kJournalRecordSize));
}

bool Journal::readRecord(long n, char* out) {
    if (n < 1) return false;
    long index = n - 1;
    if (index < windowFirst_ || index >= windowFirst_ + windowCount_) {
        window_.resize(kReadAheadRecords * kJournalRecordSize);
        long got = readRecords(index, kReadAheadRecords, window_.data());
        windowFirst_ = index;
        windowCount_ = got < 0 ? 0 : got;
        if (windowCount_ == 0) return false;
    }
    std::memcpy(out, window_.data() + (index - windowFirst_) * kJournalRecordSize, kJournalRecordSize);
    return true;
}

bool Journal::readBooking(long n) {
    char record[kJournalRecordSize];
    if (!readRecord(n, record)) return false;
    current_ = parseJournalRecord(record, chart_);
    return true;
}

const ParsedBooking* Journal::readParsed(long n) {
    if (cache_ && cache_->active()) {
        if (const ParsedBooking* cached = cache_->find(n)) {
            current_ = *cached;
            return &current_;
        }
    }
    return readBooking(n) ? &current_ : nullptr;
}

bool Journal::writeBooking(long i, const BookingTexts& texts) {
    if (i == count()) return appendBookings({texts});
    counterStored_ = true;
    if (!file_.isOpen() && !reopen()) return false;
    if (i < 0 || i > count()) return false;  // a record beyond the end would leave a hole in the journal

    const std::int64_t at = i * static_cast<std::int64_t>(kJournalRecordSize);
    JournalRecord old{};
    if (!file_.readExact(at, old.data(), old.size())) return false;
    JournalRecord record = makeJournalRecord(texts);
    forgetReadAhead();
    if (!file_.writeAt(at, record.data(), record.size()) || !file_.flush()) {
        // The booking stays as it was; should even that fail, the unfinished operation is repaired later.
        file_.writeAt(at, old.data(), old.size());
        return false;
    }
    if (!stillInPlace()) return false;
    takeNumber(record);
    if (cache_ && cache_->active()) cache_->store(i, parseJournalRecord(record.data(), chart_));
    return true;
}

bool Journal::stillInPlace() {
    if (file_.stillAtPath()) return true;
    // The journal went away under the program (a network drive lost): what was written there is lost.
    file_.close();
    messages_.show(text::kJournalReopenFailed, text::kCaptionError, ui::kIconStop);
    return false;
}

bool Journal::appendBookings(const std::vector<BookingTexts>& lines) {
    counterStored_ = true;
    if (!file_.isOpen() && !reopen()) return false;
    if (lines.empty()) return true;
    const std::int64_t before = file_.length();
    if (before < 0 || before % static_cast<std::int64_t>(kJournalRecordSize) != 0) return false;

    std::string bytes;
    std::vector<JournalRecord> records;
    for (const BookingTexts& texts : lines) {
        records.push_back(makeJournalRecord(texts));
        bytes.append(records.back().data(), records.back().size());
    }
    forgetReadAhead();
    // All lines of a booking in one write, on the disk before the booking counts as saved.
    if (!file_.writeAt(before, bytes.data(), bytes.size()) || (syncEachAppend_ && !file_.flush())) {
        file_.truncate(before);
        return false;
    }
    if (!stillInPlace()) return false;
    // The number is used up only once the booking carrying it is in the journal; the lines of one booking
    // share it.
    takeNumber(records.front());
    const long first = static_cast<long>(before / static_cast<std::int64_t>(kJournalRecordSize));
    if (cache_ && cache_->active())
        for (std::size_t k = 0; k < records.size(); ++k)
            cache_->store(first + static_cast<long>(k), parseJournalRecord(records[k].data(), chart_));
    return true;
}

void Journal::takeNumber(const JournalRecord& record) {
    if (numbering_ && numbering_->automatic() && !changeMode_ && documentNumberOf(record) == numbering_->next())
        counterStored_ = numbering_->advance();
}

bool Journal::flush() { return file_.flush(); }

bool Journal::cutTo(std::int64_t length) {
    forgetReadAhead();
    if (cache_) cache_->release();
    return file_.truncate(length) && file_.flush();
}

bool Journal::removeBookingSet(const std::vector<long>& numbers) {
    if (numbers.empty()) return true;
    const long count = this->count();
    const std::int64_t len = length();
    forgetReadAhead();
    platform::File fresh;
    const std::string freshPath = platform::replacementName(path_);
    bool written = fresh.createLocked(freshPath);
    // One pass: each run of kept records between two removed ones is copied in blocks.
    std::vector<char> block(kMoveBlockBytes);
    std::int64_t target = 0;
    long next = 1;
    auto keep = [&](long firstKept, long lastKept) {
        std::int64_t at = (firstKept - 1) * static_cast<std::int64_t>(kJournalRecordSize);
        const std::int64_t end = lastKept * static_cast<std::int64_t>(kJournalRecordSize);
        while (written && at < end) {
            const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(end - at, kMoveBlockBytes));
            written = file_.readExact(at, block.data(), n) && fresh.writeAt(target, block.data(), n);
            at += static_cast<std::int64_t>(n);
            target += static_cast<std::int64_t>(n);
        }
    };
    for (long removed : numbers) {
        if (removed < next || removed > count) continue;
        if (removed > next) keep(next, removed - 1);
        next = removed + 1;
    }
    if (next <= count) keep(next, count);
    // A torn record at the end goes with the removal.
    (void)len;
    return adoptFresh(fresh, freshPath, written && fresh.flush() && fresh.renameTo(path_));
}

bool Journal::replaceContent(const std::string& freshPath, const std::string& records) {
    forgetReadAhead();
    platform::File fresh;
    const bool written = fresh.createLocked(freshPath) && fresh.writeAt(0, records.data(), records.size()) &&
                         fresh.flush() && fresh.renameTo(path_);
    return adoptFresh(fresh, freshPath, written);
}

bool Journal::adoptFresh(platform::File& fresh, const std::string& freshPath, bool written) {
    // Renamed, but perhaps the directory entry could not be synced: the new journal is in place either way.
    if (fresh.path() == path_) {
        file_ = std::move(fresh);
        if (cache_) cache_->release();
        return written;
    }
    fresh.close();
    platform::removeFile(freshPath);
    return false;
}

bool Journal::removeBookings(long a, long b) {
    std::int64_t len = length();
    if (len == 0) {
        messages_.show(text::kJournalNoBookings, text::kCaptionError, ui::kIconStop);
        return false;
    }
    if (b < 1 || a <= b || a > count() + 1) return false;

    const std::int64_t from = (a - 1) * static_cast<std::int64_t>(kJournalRecordSize);
    const std::int64_t to = (b - 1) * static_cast<std::int64_t>(kJournalRecordSize);
    forgetReadAhead();
    // The journal is written anew beside the old one and takes its place only when it is whole and on the
    // disk: records are never moved in place, where a crash would leave a booking twice.
    platform::File fresh;
    const std::string freshPath = platform::replacementName(path_);
    bool written = fresh.createLocked(freshPath);
    std::vector<char> block(kMoveBlockBytes);
    auto copy = [&](std::int64_t begin, std::int64_t end, std::int64_t target) {
        for (std::int64_t at = begin; written && at < end;) {
            const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(end - at, kMoveBlockBytes));
            written = file_.readExact(at, block.data(), n) && fresh.writeAt(target, block.data(), n);
            at += static_cast<std::int64_t>(n);
            target += static_cast<std::int64_t>(n);
        }
    };
    copy(0, to, 0);
    copy(from, len, to);
    written = written && fresh.flush() && fresh.renameTo(path_);
    if (!written && fresh.path() == path_) {
        // In place although its directory could not be synced: the journal is the new one now.
        file_ = std::move(fresh);
        if (cache_) cache_->release();
        return false;
    }
    if (!written) {
        fresh.close();
        platform::removeFile(freshPath);
        messages_.show(text::kJournalCacheReadFailed, text::kCaptionInformation, ui::kIconStop);
        return false;
    }
    file_ = std::move(fresh);
    if (cache_ && cache_->active()) cache_->erase(b - 1, a - 1);
    return true;
}

AccountScan Journal::nextBookingOfAccountOnDate(long first, long last, int day, int month,
                                                std::string_view account) {
    const long start = std::max(first, 1L);
    for (long n = start; n <= last; ++n) {
        const ParsedBooking* b = readParsed(n);
        if (!b) return {false, n};
        int d = 0;
        int m = 0;
        if (config::parseStoredDayMonth(b->date, d, m) != 0) return {false, n};
        if (d == day && m == month && (isAccount(b->debit, account) || isAccount(b->credit, account)))
            return {true, n};
    }
    return {false, std::max(start, last + 1)};
}

int Journal::monthMovementBeforeDay(int day, int month, std::string_view account, double& sum,
                                    const CJIndex& index) {
    if (day <= 1) return 1;
    BookingRange range = index.rangeOfMonths(month, month);
    for (long n = range.first; n <= range.last; ++n) {
        const ParsedBooking* b = readParsed(n);
        if (!b) return 0;
        int d = 0;
        int m = 0;
        if (config::parseStoredDayMonth(b->date, d, m) != 0) return 0;
        if (m != month || d >= day) continue;
        if (isAccount(b->debit, account)) sum += b->amountValue;
        if (isAccount(b->credit, account)) sum -= b->amountValue;
    }
    return 1;
}

}  // namespace tellmark::ledger
