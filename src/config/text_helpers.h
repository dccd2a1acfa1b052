#pragma once
// Small text helpers for fixed-width fields, name keys, the GDPdU description file and the DATEV export.
// Texts are CP1252 bytes; the upper-case rule also knows the umlauts of the old DOS code page.

#include <cstddef>
#include <string>
#include <string_view>

namespace tellmark::config {

// Without leading blanks.
std::string trimLeft(std::string_view text);
// Without trailing blanks.
std::string trimRight(std::string_view text);
// Without leading and trailing blanks.
std::string trim(std::string_view text);
// Without any blank.
std::string removeBlanks(std::string_view text);
// Without leading '0' characters ("0012" -> "12", "000" -> "").
std::string trimLeadingZeros(std::string_view text);

// 1 when the text holds only blanks (or nothing).
int isBlank(std::string_view text);
// 1 when the first n characters (as far as there are any) are blanks.
int isBlankPrefix(std::string_view text, std::size_t n);

// a-z and the umlauts of both code pages (DOS 0x84 0x94 0x81, Windows 0xE4 0xF6 0xFC) in upper case.
char toUpperChar(char c);
std::string toUpper(std::string_view text);
void toUpperInPlace(std::string& text);

// Escapes '&', '/', '<' and bytes >= 128 as "&#x" + the four hex digits of the character the CP1252
// byte stands for + ";" ("&#x00E4;" for 0xE4, "&#x20AC;" for the euro sign 0x80) into out; control
// characters, which XML cannot hold, become blanks. 0 when the output would exceed maxLength: out then
// holds the whole characters that fit.
int xmlText(std::string_view text, std::string& out, std::size_t maxLength);

// Export field filters.
// Without any '.' ("-123.45" -> "-12345").
std::string removeDots(std::string_view text);
// Control characters other than CR and LF become '.'.
std::string replaceControlCharacters(std::string_view text);
// Every character outside letters, digits and "$%&*+-/" becomes '*'.
std::string replaceOutsideExportCharacters(std::string_view text);

}  // namespace tellmark::config
