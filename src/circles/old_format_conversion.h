#pragma once
// Conversion of the data files of the earlier DOS generation. Those kept balance file, journal and
// standard bookings directly in the data directory, in code page 850, with a balance record of 190 bytes
// (no slot for the thirteenth month) or, in its last versions, already of 202 bytes. When a circle's year
// has the old balance file and the old journal but its own balance file or journal is missing, the open
// converts them once: new files in the current formats, the old ones left in place.
//
// Old balance record, short form (190 bytes): number (5), name (25), status (1), thirteen slots of
// "%12.2f" (opening balance and twelve months), '*', CR LF. Long form (202 bytes): the current layout.
// Old journal and standard-booking records: the current 64-byte layouts, in code page 850; in the old
// standard bookings a blank mark meant "marked" and any other character "not marked".
//
// Every old file is read and checked whole before anything is written: a damaged one (unknown form, a
// length of no whole number of records, a record without its end marks) gives a message and converts
// nothing. Each new file is written beside its name and renamed into place only when complete, and only
// a new file that is missing is written, so a crash leaves either no new file (the conversion runs again
// at the next open) or a complete one, and never replaces books already kept in the new format.

#include <string>
#include <string_view>

#include "config/document_paths.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::circles {

enum class OldBalanceForm { Unknown, Short, Long };

inline constexpr std::size_t kOldShortBalanceRecordSize = 190;

// The form from the first bytes of the old balance file (up to 202 are looked at): unknown when there are
// none or one of the first five characters is neither blank nor digit; short when the first CR or NUL
// stands at 187 to 199; long otherwise.
OldBalanceForm detectOldBalanceForm(std::string_view firstBytes);

// The new files' bytes from the old ones; false when the old bytes are damaged (then out is empty).
// Balance file: each record translated, a record without account number dropped, a short record given an
// empty thirteenth-month slot. Journal: translated, records without a date dropped. Standard bookings:
// translated, the mark turned round, every record kept. Each steps the progress as it goes.
bool convertOldBalanceFile(std::string_view old, OldBalanceForm form, std::string& out, ui::Progress& progress);
bool convertOldJournal(std::string_view old, std::string& out, ui::Progress& progress);
bool convertOldStandardBookings(std::string_view old, std::string& out, ui::Progress& progress);

// Whether the open must convert: the circle's balance file or journal (path slots 3, 5) is missing and
// the old balance file and old journal (slots 9, 11) are both there.
bool oldDataToConvert(const config::DocumentPaths& paths);

// Converts the old files named by the path table into the missing new files, deletes the old index files
// once the journal is converted, and converts the old standard bookings when the circle has none yet.
// 1 when every step succeeded; 0 after a message.
int convertOldData(const config::DocumentPaths& paths, ui::Messages& messages, ui::Progress& progress);

}  // namespace tellmark::circles
