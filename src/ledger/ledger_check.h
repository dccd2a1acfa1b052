#pragma once
// Whether the journal and the balance file are whole: a length of whole records and every record's end
// marks in place (CR LF in the journal; '*' and CR LF in the balance file). A file that is not whole is
// never written to: a record appended to a file cut in the middle of one would land at a shifted place.

#include <cstdint>
#include <string>

#include "platform/file.h"

namespace tellmark::ledger {

enum class FileSoundness {
    Sound,
    PartialRecord,  // the length is no whole number of records
    BadEndMark,     // a record without its end marks
    Unreadable,     // a read error
};

struct FileCheck {
    FileSoundness soundness = FileSoundness::Sound;
    std::int64_t badRecord = -1;  // the first record (from 0) found without its end marks
    bool sound() const { return soundness == FileSoundness::Sound; }
};

FileCheck checkJournalFile(platform::File& journal);
FileCheck checkBalanceFile(platform::File& balance);

}  // namespace tellmark::ledger
