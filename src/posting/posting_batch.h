#pragma once
// Many bookings posted in blocks, for front ends that feed a stream of them (a script, an import). Each
// block is one operation on the books: its record is written before the first booking of the block and
// the files are synced once when the block ends, instead of once per booking. A booking counts as posted
// once its block is committed; a crash or a failed write before that undoes the whole block (on the next
// open, or at once), never a part of it, and the blocks committed before stay.

#include <memory>

#include "ledger/operation_marker.h"
#include "posting/books.h"

namespace tellmark::posting {

enum class BatchCommit {
    Done,       // the block is on the disk
    Undone,     // a sync failed: the block was taken out of the books again (after the message)
    InJournal,  // the block is on the disk but the document counter could not be stored (after the message);
                // the next open sets it from the journal
};

class PostingBatch {
public:
    explicit PostingBatch(const Books& books);
    // A block still open was never confirmed: it is undone.
    ~PostingBatch();
    PostingBatch(const PostingBatch&) = delete;
    PostingBatch& operator=(const PostingBatch&) = delete;

    // Starts a block. False after the message when the books may not be changed or the record cannot be
    // written.
    bool begin();
    // Whether a block is under way; a booking that failed to be written inside it ends it (undone).
    bool open() const;
    // What to post through while a block is open: appends are not synced one by one and the document
    // counter is kept in memory until the commit.
    Books& books() { return books_; }
    // Ends the block: data files synced, the record marked whole, the counter stored, the record removed.
    BatchCommit commit();

private:
    class HeldNumbering;
    void undo();
    void endBlock();

    Books books_;
    ledger::DocumentNumbering* realNumbering_;
    std::unique_ptr<HeldNumbering> numbering_;
    ledger::OperationRecord record_;
};

}  // namespace tellmark::posting
