#pragma once
// Code page conversions at the edges: the core keeps Windows-1252 bytes, terminals and the desktop speak
// UTF-8, and the data of the earlier DOS generation is in code page 850.

#include <string>
#include <string_view>
#include <vector>

namespace tellmark::platform {

// Every byte has a character: the five bytes CP1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become
// the control characters U+0081 ... of the same value, so that the way back gives the same bytes.
std::string cp1252ToUtf8(std::string_view cp1252);
// The Unicode character of one CP1252 byte, by the same rule.
char32_t cp1252CodePoint(unsigned char byte);

// Characters CP1252 cannot hold, and bytes that are not valid UTF-8 (one per byte), become the replacement.
std::string utf8ToCp1252(std::string_view utf8, char replacement = '?');

// As utf8ToCp1252, but nothing is replaced: each character CP1252 cannot hold is named once, in the order
// it first occurs, as "U+20BF", and each byte that is no valid UTF-8 as "Byte 0xFF". The text is the
// conversion only when nothing is named.
struct CheckedCp1252 {
    std::string text;
    std::vector<std::string> unmappable;
    bool ok() const { return unmappable.empty(); }
};
CheckedCp1252 utf8ToCp1252Checked(std::string_view utf8);

// DOS code page 850 to CP1252, byte for byte. 0x00-0x7F stay as they are (CR LF and the other controls are
// controls in the files, not the DOS glyphs). Characters CP1252 lacks get an ASCII look-alike: box lines
// '-' (single horizontal), '=' (double horizontal), '|' (vertical), '+' (corners and crossings); shades and
// blocks '#'; dotless i 'i'; double low line '_'.
std::string cp850ToCp1252(std::string_view cp850);

}  // namespace tellmark::platform
