#include "ledger/ledger_check.h"

#include <vector>

#include "ledger/account_record.h"
#include "ledger/journal_record.h"

namespace tellmark::ledger {

namespace {

// Reads in large blocks: at a million bookings the whole journal is checked in a few hundredths of a
// second with warm caches.
constexpr std::size_t kBlockBytes = 1 << 20;

template <typename MarksHold>
FileCheck checkRecords(platform::File& file, std::size_t recordSize, MarksHold marksHold) {
    FileCheck check;
    const std::int64_t length = file.length();
    if (length < 0) {
        check.soundness = FileSoundness::Unreadable;
        return check;
    }
    const std::int64_t records = length / static_cast<std::int64_t>(recordSize);
    const std::size_t perBlock = kBlockBytes / recordSize;
    std::vector<char> block(perBlock * recordSize);
    for (std::int64_t first = 0; first < records; first += static_cast<std::int64_t>(perBlock)) {
        const std::int64_t count = std::min<std::int64_t>(static_cast<std::int64_t>(perBlock), records - first);
        const std::size_t bytes = static_cast<std::size_t>(count) * recordSize;
        if (!file.readExact(first * static_cast<std::int64_t>(recordSize), block.data(), bytes)) {
            check.soundness = FileSoundness::Unreadable;
            return check;
        }
        for (std::int64_t r = 0; r < count; ++r) {
            if (!marksHold(block.data() + static_cast<std::size_t>(r) * recordSize)) {
                check.soundness = FileSoundness::BadEndMark;
                check.badRecord = first + r;
                return check;
            }
        }
    }
    if (length % static_cast<std::int64_t>(recordSize) != 0) {
        check.soundness = FileSoundness::PartialRecord;
        check.badRecord = records;
    }
    return check;
}

}  // namespace

FileCheck checkJournalFile(platform::File& journal) {
    return checkRecords(journal, kJournalRecordSize, [](const char* r) {
        return r[kLineEndOffset] == '\r' && r[kLineEndOffset + 1] == '\n';
    });
}

FileCheck checkBalanceFile(platform::File& balance) {
    return checkRecords(balance, kAccountRecordSize, [](const char* r) {
        return r[AccountRecord::kEndMarkOffset] == '*' && r[AccountRecord::kLineEndOffset] == '\r' &&
               r[AccountRecord::kLineEndOffset + 1] == '\n';
    });
}

}  // namespace tellmark::ledger
