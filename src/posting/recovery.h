#pragma once
// Repair after an operation that did not finish. The journal is the truth: a record it was appending and
// did not complete is cut off (it was never reported saved), then the balances are posted anew from the
// journal and the balance file replaced whole, both indexes built anew and the automatic document number
// set past every number the journal has used. Bookings that would need a person's decision (a bad date,
// a missing account) are left to the reorganisation: then nothing is rebuilt.

#include "ledger/operation_marker.h"
#include "posting/books.h"

namespace tellmark::posting {

struct RecoveryOutcome {
    bool recovered = false;
    bool recordCut = false;  // an incomplete journal record was removed
    long bookings = 0;       // the journal's count afterwards
};

// Runs the repair for the operation recorded and, when it succeeds, removes the record. No messages:
// the caller tells the person what happened.
RecoveryOutcome recoverUnfinished(Books& books, const ledger::OperationRecord& record);

// Rebuilds the balance file from the journal (in memory, written once) without touching the journal:
// the part of the repair that the reorganisation shares. False when bookings need decisions or a write
// failed; the balance file is then as it was.
bool rebuildBalanceFile(Books& books);

// Replaces the balance file whole with these bytes (written beside it, synced, renamed into place).
bool replaceBalanceFile(Books& books, const std::string& image);

// Sets the automatic document number past every number the journal has taken in order: as long as a
// booking carries the next number, the counter moves on, as it would have when that booking was written.
bool restoreDocumentCounter(Books& books);

}  // namespace tellmark::posting
