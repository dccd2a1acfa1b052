#include "config/program_config_fonts.h"

#include <algorithm>

#include "config/ini_numbers.h"
#include "resources/format.h"

namespace tellmark::config {

namespace {

// Characters first..last (counted from 1) of the text, as far as it reaches.
std::string_view chars(std::string_view text, std::size_t first, std::size_t last) {
    if (text.size() < first) return {};
    return text.substr(first - 1, last - first + 1);
}

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

FontDescription checkedFont(FontDescription font) {
    if (!inRange(font.height, 10, 60)) font.height = 23;
    if (!inRange(font.width, 4, 20)) font.width = 8;
    if (!inRange(font.weight, 100, 900)) font.weight = 400;
    return font;
}

FontDescription parseFontDescription(std::string_view text) {
    if (text.size() < 5) return {23, 8, 400, std::string(kDefaultFontFace)};
    FontDescription font;
    font.height = parseIniInt(chars(text, 1, 2));
    font.width = parseIniInt(chars(text, 4, 5));
    font.weight = parseIniInt(chars(text, 7, 10));
    font.face = std::string(text.size() >= 12 ? text.substr(11) : std::string_view());
    if (font.face.empty()) font.face = kDefaultFontFace;
    return checkedFont(std::move(font));
}

std::string formatFontDescription(const FontDescription& font) {
    FontDescription f = checkedFont(font);
    return format("%02i,%02i,%04i,%s", f.height, f.width, f.weight, f.face.c_str());
}

ScreenCell checkedScreenCell(ScreenCell cell) {
    if (!inRange(cell.height, 10, 60)) cell.height = 23;
    if (!inRange(cell.width, 4, 20)) cell.width = 8;
    return cell;
}

ScreenCell parseScreenCell(std::string_view text) {
    if (text.size() < 5) return {23, 8};
    return checkedScreenCell({parseIniInt(chars(text, 1, 2)), parseIniInt(chars(text, 4, 5))});
}

std::string formatScreenCell(ScreenCell cell) {
    ScreenCell c = checkedScreenCell(cell);
    return format("%02i,%02i", c.height, c.width);
}

ScreenCell deriveScreenCell(const FontDescription& booking, const FontDescription& screen) {
    const FontDescription& from = booking.width * 80 + 56 < screen.width * 110 + 64 ? screen : booking;
    return {std::clamp(from.height, 10, 60), std::clamp(from.width, 4, 20)};
}

}  // namespace tellmark::config
