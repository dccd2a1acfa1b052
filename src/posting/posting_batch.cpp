#include "posting/posting_batch.h"

#include "posting/books_operation.h"
#include "posting/recovery.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_safety.h"

namespace tellmark::posting {

// The document counter during a block: numbers are handed out in memory and stored once at the commit,
// so an undone block leaves the stored counter where the block began.
class PostingBatch::HeldNumbering : public ledger::DocumentNumbering {
public:
    explicit HeldNumbering(ledger::DocumentNumbering& real) : real_(real), next_(real.next()) {}
    bool automatic() const override { return real_.automatic(); }
    long next() const override { return next_; }
    bool advance() override {
        ++next_;
        return true;
    }
    bool setNext(long next) override {
        next_ = next;
        return true;
    }
    void restart() { next_ = real_.next(); }
    bool store() { return next_ == real_.next() || real_.setNext(next_); }

private:
    ledger::DocumentNumbering& real_;
    long next_;
};

namespace {

void showError(Books& books, std::string_view text) { books.messages.show(text, text::kCaptionError, ui::kIconStop); }

}  // namespace

PostingBatch::PostingBatch(const Books& books) : books_(books), realNumbering_(books.numbering) {
    if (realNumbering_ != nullptr) {
        numbering_ = std::make_unique<HeldNumbering>(*realNumbering_);
        books_.numbering = numbering_.get();
    }
}

PostingBatch::~PostingBatch() {
    if (open()) undo();
    books_.journal.setSyncEachAppend(true);
    books_.journal.setDocumentNumbering(realNumbering_);
}

bool PostingBatch::open() const { return books_.marker.held(); }

bool PostingBatch::begin() {
    if (open()) return true;
    if (!booksMayChange(books_)) return false;
    if (numbering_) numbering_->restart();
    record_ = ledger::OperationRecord{};
    record_.operation = std::string(text::kOpBatchPosting);
    // Nothing the block appends is whole before its commit says so: a recovery cuts it all away.
    record_.journalBefore = books_.journal.length();
    record_.journalAfter = record_.journalBefore;
    record_.balanceBefore = books_.balanceFile.length();
    if (!books_.marker.begin(record_)) {
        showError(books_, format(text::kOperationNotStarted, books_.marker.path().c_str()));
        return false;
    }
    books_.marker.hold(true);
    books_.journal.setSyncEachAppend(false);
    // Nobody else writes them while the block runs: the accounts are read from memory. Should that not
    // work, they are read from the disk as ever.
    books_.balanceFile.keep(platform::File::Kept::Content);
    books_.journal.file().keep(platform::File::Kept::Length);
    return true;
}

void PostingBatch::endBlock() {
    books_.balanceFile.keep(platform::File::Kept::Nothing);
    books_.journal.file().keep(platform::File::Kept::Nothing);
    books_.journal.setSyncEachAppend(true);
    books_.journal.setDocumentNumbering(realNumbering_);
}

void PostingBatch::undo() {
    endBlock();
    Books real = books_;
    real.numbering = realNumbering_;
    const bool repaired = recoverUnfinished(real, record_).recovered;
    books_.marker.hold(false);
    if (!repaired) books_.health.blocked = true;
    std::string text = format(text::kFailedInBatch, std::string(text::kOpBatchPosting).c_str());
    text += repaired ? text::kFailedRepaired : text::kFailedNotRepaired;
    showError(books_, text);
}

BatchCommit PostingBatch::commit() {
    if (!open()) return BatchCommit::Undone;
    const bool synced = books_.journal.flush() && books_.balanceFile.flush() && books_.accountIndex.sync() &&
                        books_.journalIndex.sync();
    ledger::OperationRecord whole = record_;
    whole.journalAfter = books_.journal.length();
    // From here on a recovery keeps the block; the counter it then sets from the journal.
    if (!synced || !books_.marker.begin(whole)) {
        undo();
        return BatchCommit::Undone;
    }
    endBlock();
    if (numbering_ && !numbering_->store()) {
        books_.marker.hold(false);  // the record stays: the next open sets the counter
        showError(books_, format(text::kFailedAfterJournal, std::string(text::kOpBatchPosting).c_str()) +
                              std::string(text::kFailedNotRepaired));
        return BatchCommit::InJournal;
    }
    books_.marker.clear();
    return BatchCommit::Done;
}

}  // namespace tellmark::posting
