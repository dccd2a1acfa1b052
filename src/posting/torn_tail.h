#pragma once
// A ledger file that ends in part of a record with no unfinished operation on record to explain it (a
// copy cut short, a disk that filled up under another program): the reorganisation the damage message
// asks for sets those bytes aside in a file beside it ("<name>.rest") and cuts the file back to its whole
// records, so that the journal's bookings can be posted again. Nothing is thrown away: the bytes can be
// looked at in any editor.

#include <cstddef>

#include "platform/file.h"
#include "ui/messages.h"

namespace tellmark::posting {

// True when the file ends in whole records, or its torn tail was set aside and cut off (after the
// message that says so); false after the message that nothing could be changed.
bool setAsideTornTail(platform::File& file, std::size_t recordSize, ui::Messages& messages);

}  // namespace tellmark::posting
