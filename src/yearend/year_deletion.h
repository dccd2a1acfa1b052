#pragma once
// "Löschen Buchungsjahre": the files of a booking year other than the open one deleted - the balance
// file with its index, the journal with its index, or both.

#include <array>
#include <string>

#include "circles/document.h"

namespace tellmark::yearend {

struct DeletedFile {
    std::string path;
    bool deleted = false;
};

// In the order of the status dialog: balance file, its index, journal, its index.
struct YearDeletionStatus {
    static constexpr std::size_t kBalance = 0;
    static constexpr std::size_t kBalanceIndex = 1;
    static constexpr std::size_t kJournal = 2;
    static constexpr std::size_t kJournalIndex = 3;
    std::array<DeletedFile, 4> files;
};

enum class YearDeletionEnd {
    Done,        // every chosen file that was there is gone
    Refused,     // the open year, or nothing chosen: no file touched
    Incomplete,  // a file could not be deleted ("Folgende Datei konnte nicht gelöscht werden:\n%s")
};

// The open year is refused with "Das aktuelle Buchungsjahr kann nicht gelöscht werden!" before any file
// is touched. A file that is not there is not deleted and needs no message; a file another copy holds
// is kept. Each index goes before its data file, so a data file that stays keeps an index it can rebuild.
YearDeletionEnd deleteBookingYear(circles::CVt36Doc& doc, int year, bool balances, bool journal,
                                  YearDeletionStatus& status);

}  // namespace tellmark::yearend
