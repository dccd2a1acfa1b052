#pragma once
// "Journalsortierung": the journal of the open year rewritten in date order - by month in the order of
// the business year (the closing month 13 after December), or by day and month. The sort is stable, and
// it renumbers the bookings; balances do not change, since every booking keeps its date and amounts.
//
// The journal as it was is kept as the backup ("bak" in place of the journal's extension), written and
// synced before anything else changes; the sorted journal is written whole as the "neu" file and renamed
// over the journal in one step, so the journal's name always holds the old or the new journal, whole.
// The journal index is built anew afterwards. The whole run is one operation on the books: a crash in it
// leaves its record, and the next open repairs what the index and balances need.

#include <string>

#include "posting/books.h"

namespace tellmark::posting {

enum class SortOrder { Months, DaysAndMonths };

enum class SortOutcome {
    Sorted,         // the journal is in date order (also an empty one)
    UnusableDates,  // a booking's date does not parse: nothing changed, the message shown
    Failed,         // a file could not be written: the message shown, the journal old or new and whole
};

// The backup and new-journal names beside the journal: its last three characters replaced.
std::string journalSortFileName(const std::string& journalPath, const char* extension);

SortOutcome sortJournal(Books& books, SortOrder order);

}  // namespace tellmark::posting
