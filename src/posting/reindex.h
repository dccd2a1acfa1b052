#pragma once
// "Neuindizierung": both index files built anew from the balance file and the journal, as one operation
// of the books.

#include "posting/books.h"

namespace tellmark::posting {

// 1 when both indexes were built and are on the disk; 0 after the message.
int reindexBooks(Books& books);

}  // namespace tellmark::posting
