#pragma once
// Font descriptions ("%02i,%02i,%04i,%s": height, width, weight, face name) and the screen character
// cell ("%02i,%02i": height, width) of the program configuration. Both are read at fixed character
// positions, not split at commas, so a text that is not zero-padded reads differently than it looks.

#include <string>
#include <string_view>

namespace tellmark::config {

struct FontDescription {
    int height = 0;
    int width = 0;
    int weight = 0;
    std::string face;
};

struct ScreenCell {
    int height = 0;
    int width = 0;
};

inline constexpr std::string_view kDefaultFontFace = "Courier New";

// Heights outside 10-60 become 23, widths outside 4-20 become 8, weights outside 100-900 become 400.
FontDescription checkedFont(FontDescription font);
// Height from characters 1-2, width 4-5, weight 7-10, face from 12 on; checked. Shorter than five
// characters: 23, 8, 400, "Courier New"; no face (text shorter than twelve): "Courier New".
FontDescription parseFontDescription(std::string_view text);
// Checked, then "%02i,%02i,%04i,%s".
std::string formatFontDescription(const FontDescription& font);

// Height outside 10-60 becomes 23, width outside 4-20 becomes 8.
ScreenCell checkedScreenCell(ScreenCell cell);
// Height from characters 1-2, width 4-5; shorter than five characters: 23 and 8; checked.
ScreenCell parseScreenCell(std::string_view text);
// Checked, then "%02i,%02i".
std::string formatScreenCell(ScreenCell cell);

// The cell of the main window from the two screen fonts: the font whose 80-column booking line or
// 110-column list needs more room gives it. Height limited to 10-60, width to 4-20.
ScreenCell deriveScreenCell(const FontDescription& booking, const FontDescription& screen);

}  // namespace tellmark::config
