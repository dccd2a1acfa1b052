#pragma once
// Numbers in settings values. Reading works like the C library's decimal conversion ("" and garbage
// read as 0, reading stops at the first character that does not fit); writing always uses a point.
// Neither depends on the process locale, which the desktop program sets from the environment.

#include <string>
#include <string_view>

namespace tellmark::config {

// Leading blanks, an optional sign, digits; clamped to the int range.
int parseIniInt(std::string_view text);
// Leading blanks, an optional sign, a decimal number with a point.
double parseIniDecimal(std::string_view text);
// Like "%<width>.<precision>f": right-aligned in at least width characters.
std::string formatIniFixed(double value, int precision, int width = 0);

}  // namespace tellmark::config
