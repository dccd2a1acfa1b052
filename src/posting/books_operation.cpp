#include "posting/books_operation.h"

#include "posting/recovery.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_safety.h"

namespace tellmark::posting {

namespace {

void showError(Books& books, std::string_view text) { books.messages.show(text, text::kCaptionError, ui::kIconStop); }

// Repairs the unfinished operation on record. False when it is still unfinished.
bool repairRecorded(Books& books, bool tellWhenRepaired) {
    ledger::OperationRecord record;
    if (!books.marker.read(record)) record.operation = std::string(text::kOpRecovery);
    const RecoveryOutcome outcome = recoverUnfinished(books, record);
    if (!outcome.recovered) {
        books.health.blocked = true;
        showError(books, format(text::kUnfinishedNotRecovered, record.operation.c_str()));
        return false;
    }
    if (tellWhenRepaired) {
        std::string text = format(text::kUnfinishedRecovered, record.operation.c_str(), outcome.bookings);
        if (outcome.recordCut) text += text::kUnfinishedRecordCut;
        books.messages.show(text, text::kCaptionInformation, ui::kIconInformation);
    }
    return true;
}

}  // namespace

bool booksMayChange(Books& books) {
    if (!books.health.damagedFile.empty()) {
        showError(books, format(text::kBooksDamaged, books.health.damagedFile.c_str()));
        return false;
    }
    // An earlier operation of this session failed and could not be repaired then: try again first.
    if (books.marker.present() && !repairRecorded(books, false)) return false;
    if (books.health.blocked) {
        showError(books, text::kBooksBlocked);
        return false;
    }
    return true;
}

BooksOperation::BooksOperation(Books& books, std::string_view name, int linesAppended, Kind kind)
    : books_(books), name_(name) {
    if (books.marker.held()) {
        // Inside a batch: its record covers this operation, and it syncs the files once per block.
        joined_ = kind == Kind::Change;
        started_ = joined_;
        return;
    }
    if (kind == Kind::Change && !booksMayChange(books)) return;
    record_.operation = name_;
    record_.journalBefore = books.journal.length();
    record_.journalAfter = record_.journalBefore + static_cast<std::int64_t>(linesAppended) * 64;
    record_.balanceBefore = books.balanceFile.length();
    if (!books.marker.begin(record_)) {
        showError(books, format(text::kOperationNotStarted, books.marker.path().c_str()));
        return;
    }
    started_ = true;
}

bool BooksOperation::fail() {
    if (!started_ || ended_) return false;
    ended_ = true;
    if (joined_) {
        // The whole block the failed booking belongs to is undone: none of it was confirmed yet.
        ledger::OperationRecord block;
        const bool known = books_.marker.read(block);
        const bool repaired = known && recoverUnfinished(books_, block).recovered;
        books_.marker.hold(false);
        if (!repaired) books_.health.blocked = true;
        std::string text = format(text::kFailedInBatch, name_.c_str());
        text += repaired ? text::kFailedRepaired : text::kFailedNotRepaired;
        showError(books_, text);
        return false;
    }
    const bool repaired = recoverUnfinished(books_, record_).recovered;
    std::string text = format(journalChanged_ ? text::kFailedAfterJournal : text::kFailedBeforeJournal, name_.c_str());
    text += repaired ? text::kFailedRepaired : text::kFailedNotRepaired;
    showError(books_, text);
    return false;
}

bool BooksOperation::finish() {
    if (!started_ || ended_) return false;
    if (joined_) {
        ended_ = true;
        return true;
    }
    const bool synced = books_.journal.flush() && books_.balanceFile.flush() && books_.accountIndex.sync() &&
                        books_.journalIndex.sync();
    if (!synced) return fail();
    ended_ = true;
    // Should the record stay, the next open repairs books that are already whole: nothing is lost.
    books_.marker.clear();
    return true;
}

bool repairUnfinishedOnOpen(Books& books) {
    if (!books.marker.present()) return true;
    return repairRecorded(books, true);
}

}  // namespace tellmark::posting
