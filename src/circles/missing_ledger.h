#pragma once
// A circle whose balance file or journal is missing: either it was never set up (both missing), or one of
// the two was lost. A lost journal means lost bookings and a lost balance file a lost chart; neither may
// be papered over with a new empty file, which would leave books that disagree with their journal.

#include <string>

#include "circles/document.h"

namespace tellmark::circles {

// After openCircle returned kOpenLedgerMissing: the message that one of the two files is lost (it names
// the file and asks for it to be brought back from the backup), or empty when neither exists yet and the
// circle's files may be set up.
std::string lostLedgerMessage(const CVt36Doc& doc);

}  // namespace tellmark::circles
