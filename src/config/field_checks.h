#pragma once
// Checks of edit fields while the user types. Each one repairs the field text in place and moves the
// caret back over every character it had to remove, so that a rejected key leaves the field as it was.
// Result 1: the text was accepted as typed; 0: something was removed, reset or is invalid. None blocks
// the dialog: the caller decides whether a flagged field keeps the focus. Messages: caption "FEHLER",
// stop icon.

#include <string>

#include "ui/messages.h"

namespace tellmark::config {

// Only digits stay; 1 when nothing was removed and minimum <= value <= maximum.
int checkDigitsInRange(std::string& text, int& caret, long long minimum, long long maximum);
// Only digits stay; 1 when nothing was removed.
int checkDigitsOnly(std::string& text, int& caret);
// Digits and '.' (',' becomes '.'), at most two digits per part, one '.' or two with the year.
int checkDateTyping(std::string& text, int& caret, bool withYear);
// Signed decimal with at most two decimals; a value beyond +-maximum resets the field to "0.00".
int checkAmount(std::string& text, int& caret, double maximum, ui::Messages& messages);
// VAT rate 0..99.99 like an amount; formatted fields are rewritten "%.2f" (reset "0.00", else "0").
int checkVatRate(std::string& text, int& caret, bool formatted, ui::Messages& messages);
// Whole number up to maximum, rewritten "%.0f" ("" and "00" become "0"); beyond it the field is "0".
int checkIntegerWithMaximum(std::string& text, int& caret, double maximum, ui::Messages& messages);
// Account 1..29999 ("12" -> " 1200"), or in search mode a pattern with '?' ("12" -> " 12??").
int checkAccountNumber(std::string& text, int& caret, bool searchMode, bool reportInvalid,
                       ui::Messages& messages);
// File name of letters, digits and "-_~\\/:." with ':' only behind a drive letter.
int checkFileName(std::string& text, int& caret, ui::Messages& messages);
// "J"/"j" -> 1 and the text "J"; anything else -> 0 and "N".
int checkYesNo(std::string& text, int& caret);

}  // namespace tellmark::config
