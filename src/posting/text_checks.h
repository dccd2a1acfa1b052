#pragma once
// Booking text and document number as typed. Each record is one line of fixed-width text, so a text may
// hold no control character (CR, LF, ESC, NUL, ... and the five bytes Windows-1252 leaves undefined) and
// must fit its field: a longer text would be cut, and a booking must never say something else than was
// typed. Trailing blanks do not count. Refusals show their message (caption "FEHLER").

#include <string_view>

#include "ui/messages.h"

namespace tellmark::posting {

// The first control character of a CP1252 text, or -1.
int firstControlCharacter(std::string_view text);

bool checkBookingText(std::string_view text, ui::Messages& messages);
bool checkDocumentNumber(std::string_view text, ui::Messages& messages);

}  // namespace tellmark::posting
