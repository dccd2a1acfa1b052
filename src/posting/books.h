#pragma once
// What the posting engine works on: the files and cursors an open booking circle holds. The document of
// the booking circle owns all of them and hands them over as one bundle; the engine keeps nothing.

#include "config/circle_settings.h"
#include "ledger/account_index.h"
#include "ledger/document_numbering.h"
#include "ledger/journal.h"
#include "ledger/journal_index.h"
#include "ledger/operation_marker.h"
#include "ledger/salden.h"
#include "platform/file.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::posting {

// Whether the books may be written. A file that is not whole is never written to, and books whose
// unfinished operation could not be repaired wait for the reorganisation.
struct BooksHealth {
    std::string damagedFile;  // the file found damaged; empty while the books are sound
    bool blocked = false;     // an unfinished operation could not be repaired
    bool writable() const { return damagedFile.empty() && !blocked; }
};

struct Books {
    // Four cursors on the one balance file: the accounts of the line and the two standard VAT accounts.
    ledger::CSalden& debit;
    ledger::CSalden& credit;
    ledger::CSalden& outputVat;
    ledger::CSalden& inputVat;
    // A fifth cursor for lists and maintenance (the reorganisation walks the accounts with it).
    ledger::CSalden& lists;
    ledger::CSIndex& accountIndex;
    ledger::Journal& journal;
    ledger::CJIndex& journalIndex;
    const config::CircleSettings& settings;
    // Automatic document numbers; nullptr when the booking circle gives none.
    ledger::DocumentNumbering* numbering;
    ui::Messages& messages;
    // The posting type of the line classified last; the entry form asks it whether a rate may be typed.
    int& lastPostingType;
    // The balance file the cursors stand on, rewritten whole when balances are rebuilt.
    platform::File& balanceFile;
    // The record of an operation under way, and what is known of the files.
    ledger::OperationMarker& marker;
    BooksHealth& health;
    ui::Progress& progress;
};

}  // namespace tellmark::posting
