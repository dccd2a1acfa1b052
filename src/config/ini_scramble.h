#pragma once
// Scrambling of the password values ("Passwort", "BK-Passwort") in the settings files.
// Each byte is increased (modulo 256) by an amount from a fixed table, one entry per position. Every
// amount wraps to a decrease of 4 to 18, so a typed character (blank 32 up to 255, umlauts included)
// lands in 14..251: never NUL, LF or CR, and never 252, which the reading side takes for 92.

#include <string>
#include <string_view>

namespace tellmark::config {

// Characters below the blank cannot be typed into a password and are left out.
std::string scramblePassword(std::string_view plain);
// A stored 252 counts as 92, then the amount is taken off again.
std::string unscramblePassword(std::string_view stored);

// True for the keys whose values are stored scrambled.
bool isPasswordKey(std::string_view key);

}  // namespace tellmark::config
