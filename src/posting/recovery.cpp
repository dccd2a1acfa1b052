#include "posting/recovery.h"

#include <cstdlib>
#include <cstring>
#include <unordered_set>
#include <vector>

#include "ledger/journal_record.h"
#include "ledger/ledger_check.h"
#include "platform/directory.h"
#include "posting/balance_rebuild.h"

namespace tellmark::posting {

namespace {

constexpr long kScanBlock = 16384;

bool cutTo(platform::File& file, std::int64_t length) { return file.truncate(length) && file.flush(); }

}  // namespace

bool replaceBalanceFile(Books& books, const std::string& image) {
    platform::File& current = books.balanceFile;
    const std::string path = current.path();
    const std::string freshPath = platform::replacementName(path);
    platform::File fresh;
    // Held with writing denied from its creation on, so it is never without its lock once in place.
    if (!fresh.createLocked(freshPath)) return false;
    if (!fresh.writeAt(0, image.data(), image.size()) || !fresh.flush() || !fresh.renameTo(path)) {
        if (fresh.path() == path) {
            current = std::move(fresh);  // renamed, only its directory not synced
            return false;
        }
        fresh.close();
        platform::removeFile(freshPath);
        return false;
    }
    current = std::move(fresh);
    return true;
}

bool rebuildBalanceFile(Books& books) {
    std::vector<ledger::AccountRecord> records;
    if (!ledger::checkBalanceFile(books.balanceFile).sound() || !readAccountRecords(books.balanceFile, records))
        return false;
    RebuiltBalances rebuilt = repostInMemory(std::move(records), books.journal, books.accountIndex, books.settings);
    if (!rebuilt.ok()) return false;
    return replaceBalanceFile(books, balanceFileImage(rebuilt.records));
}

bool restoreDocumentCounter(Books& books) {
    if (books.numbering == nullptr || !books.numbering->automatic()) return true;
    const long start = books.numbering->next();
    std::unordered_set<long> taken;
    const long count = books.journal.count();
    std::vector<char> block(static_cast<std::size_t>(kScanBlock) * ledger::kJournalRecordSize);
    for (long first = 0; first < count; first += kScanBlock) {
        const long wanted = std::min(kScanBlock, count - first);
        if (books.journal.readRecords(first, wanted, block.data()) != wanted) return false;
        for (long r = 0; r < wanted; ++r) {
            char field[ledger::kDocumentWidth + 1];
            std::memcpy(field, block.data() + r * ledger::kJournalRecordSize + ledger::kDocumentOffset,
                        ledger::kDocumentWidth);
            field[ledger::kDocumentWidth] = '\0';
            const long number = std::strtol(field, nullptr, 10);
            if (number >= start) taken.insert(number);
        }
    }
    long next = start;
    while (taken.count(next) != 0) ++next;
    return next == start || books.numbering->setNext(next);
}

RecoveryOutcome recoverUnfinished(Books& books, const ledger::OperationRecord& record) {
    RecoveryOutcome outcome;
    ledger::Journal& journal = books.journal;

    // A journal longer than before but not as long as the operation meant it to be holds an incomplete
    // booking: one that was never reported saved.
    const std::int64_t journalLength = journal.length();
    if (record.journalBefore >= 0 && journalLength > record.journalBefore && journalLength != record.journalAfter) {
        if (!journal.cutTo(record.journalBefore)) return outcome;
        outcome.recordCut = true;
    }
    if (!ledger::checkJournalFile(journal.file()).sound()) return outcome;

    // Likewise an account record half appended.
    const std::int64_t balanceLength = books.balanceFile.length();
    const auto accountSize = static_cast<std::int64_t>(ledger::kAccountRecordSize);
    if (balanceLength >= 0 && balanceLength % accountSize != 0) {
        if (record.balanceBefore < 0 || balanceLength < record.balanceBefore ||
            record.balanceBefore % accountSize != 0 || !cutTo(books.balanceFile, record.balanceBefore))
            return outcome;
    }

    if (books.accountIndex.rebuild() != 1) return outcome;
    if (!rebuildBalanceFile(books)) return outcome;
    if (books.accountIndex.rebuild() != 1 || books.journalIndex.rebuild() != 1) return outcome;
    if (!restoreDocumentCounter(books)) return outcome;
    if (!journal.flush() || !books.accountIndex.sync() || !books.journalIndex.sync()) return outcome;
    if (!books.marker.clear()) return outcome;
    books.health.blocked = false;
    outcome.recovered = true;
    outcome.bookings = journal.count();
    return outcome;
}

}  // namespace tellmark::posting
