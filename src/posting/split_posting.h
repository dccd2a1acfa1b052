#pragma once
// Adding a line's split amounts to the month slots of its accounts: the one place that decides the
// order (debit, credit, VAT account) and whether every slot still fits its twelve characters. Posting,
// deleting, changing and the reorganisation all go through it.

#include "ledger/salden.h"
#include "posting/posting_types.h"

namespace tellmark::posting {

// The cursors standing on the line's accounts and the two standard VAT accounts.
struct SplitCursors {
    ledger::CSalden& debit;
    ledger::CSalden& credit;
    ledger::CSalden& inputVat;
    ledger::CSalden& outputVat;
};

// Whether a slot value still fits "%12.2f" in twelve characters.
bool slotFits(double value);
// Whether every slot the split goes to (month's slot, or slot 0 for an opening line) fits afterwards; a
// record two cursors stand on counts once with both amounts.
bool splitFits(const SplitCursors& cursors, int month, const PostingSplit& split, bool opening);
// Adds the split: debit, credit, then the VAT account its posting type names. Each record is written at
// once; a cursor whose record another one has just written reads it again first. False when a record
// could not be written (the others are still tried).
bool applySplit(SplitCursors& cursors, int month, const PostingSplit& split, bool opening);

}  // namespace tellmark::posting
