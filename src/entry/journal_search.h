#pragma once
// The journal search ("Suchen vorwärts" / "Suchen rückwärts"): the bookings whose 80-character display
// line holds the search text, without case sensitivity in the upper case of Windows-1252.

#include <string>
#include <string_view>

#include "ledger/journal.h"

namespace tellmark::entry {

inline constexpr std::size_t kSearchTextLength = 25;

struct SearchQuery {
    std::string text;  // Windows-1252, at most kSearchTextLength characters
    bool caseSensitive = false;
};

// Whether the display line of the booking holds the text.
bool bookingMatches(const ledger::ParsedBooking& booking, const SearchQuery& query);

// The next hit after booking `after` (0: from the first booking) up to the last one, or before booking
// `before` (count + 1: from the last one) down to booking 1. 0 when there is none; -1 when the journal
// could not be read.
long searchForward(ledger::Journal& journal, const SearchQuery& query, long after);
long searchBackward(ledger::Journal& journal, const SearchQuery& query, long before);

}  // namespace tellmark::entry
