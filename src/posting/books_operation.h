#pragma once
// The one way an operation changes the books. Before its first write it records that it is under way
// (synced); after its last write it syncs the data files and removes the record. A write that fails ends
// it: the books are repaired from the journal at once where that is possible, and the person is told
// what the books hold. An operation that never finished - a crash, a kill - leaves its record behind,
// and opening the circle repairs what it left.

#include <string>
#include <string_view>

#include "ledger/operation_marker.h"
#include "posting/books.h"

namespace tellmark::posting {

class BooksOperation {
public:
    enum class Kind {
        Change,  // refused while the books are damaged or wait for a repair
        Repair,  // the reorganisation: runs on such books to repair them
    };

    // linesAppended: journal records the operation appends (the journal's length once they are whole).
    // Not started, after its message, while the books may not be written or when the record cannot be
    // written.
    BooksOperation(Books& books, std::string_view name, int linesAppended = 0, Kind kind = Kind::Change);
    // An operation left neither finished nor failed keeps its record: the books are repaired on the next
    // open.
    ~BooksOperation() = default;
    BooksOperation(const BooksOperation&) = delete;
    BooksOperation& operator=(const BooksOperation&) = delete;

    bool started() const { return started_; }
    // From now on the journal holds the operation's change.
    void journalChanged() { journalChanged_ = true; }
    // A write failed: repair from the journal, and tell what the books hold. Always false, for returning.
    bool fail();
    // Syncs the data files and removes the record; a sync that fails is a failed write (fail()).
    bool finish();

private:
    Books& books_;
    std::string name_;
    ledger::OperationRecord record_;
    bool started_ = false;
    bool ended_ = false;
    bool journalChanged_ = false;
    bool joined_ = false;  // runs inside a batch that holds the record
};

// Whether an operation may change the books now: not while a file is damaged or a repair is pending (an
// earlier unfinished operation of this session is repaired first). False after the message.
bool booksMayChange(Books& books);

// Opening a circle: repairs an unfinished operation when the circle has a record of one, and tells the
// person. True when the books may be written (nothing to repair, or repaired).
bool repairUnfinishedOnOpen(Books& books);

}  // namespace tellmark::posting
