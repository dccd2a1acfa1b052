#pragma once
// The check of the two ledger files an opening makes, and a repair makes again once it is done: each file
// a whole number of records, every record with its end marks. The first damaged file is named (its path
// and the record) and kept in the books' health, so nothing is written to the books until it is repaired.

#include "posting/books.h"

namespace tellmark::posting {

// True when both files are sound; otherwise the health names the damaged file, after the message.
bool checkLedgerFiles(Books& books);

}  // namespace tellmark::posting
