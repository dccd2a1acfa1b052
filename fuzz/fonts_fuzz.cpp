// Font descriptions and the screen character cell of the program configuration, each line of the input
// read both ways. Whatever the text, the values land in their ranges, and what is written reads back the
// same.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/program_config_fonts.h"
#include "fuzz_support.h"

namespace tellmark::fuzzing::fonts {
namespace {

using config::FontDescription;
using config::ScreenCell;

bool inRange(const FontDescription& f) {
    return f.height >= 10 && f.height <= 60 && f.width >= 4 && f.width <= 20 && f.weight >= 100 && f.weight <= 900;
}

bool inRange(ScreenCell c) { return c.height >= 10 && c.height <= 60 && c.width >= 4 && c.width <= 20; }

bool same(const FontDescription& a, const FontDescription& b) {
    return a.height == b.height && a.width == b.width && a.weight == b.weight && a.face == b.face;
}

void run(std::string_view input) {
    FontDescription previous = config::parseFontDescription("");
    for (std::string_view line : lines(input, 256)) {
        const FontDescription font = config::parseFontDescription(line);
        FUZZ_CHECK(inRange(font));
        FUZZ_CHECK(!font.face.empty());
        FUZZ_CHECK(same(config::checkedFont(font), font));

        const std::string written = config::formatFontDescription(font);
        // The face is written as a C string: a settings value never holds a NUL, so this one stops there.
        if (font.face.find('\0') == std::string::npos) {
            FUZZ_CHECK(written.size() == 11 + font.face.size());
            FUZZ_CHECK(same(config::parseFontDescription(written), font));
        }

        const ScreenCell cell = config::parseScreenCell(line);
        FUZZ_CHECK(inRange(cell));
        const std::string cellText = config::formatScreenCell(cell);
        FUZZ_CHECK(cellText.size() == 5);
        const ScreenCell again = config::parseScreenCell(cellText);
        FUZZ_CHECK(again.height == cell.height && again.width == cell.width);

        const ScreenCell derived = config::deriveScreenCell(previous, font);
        FUZZ_CHECK(inRange(derived));
        FUZZ_CHECK((derived.height == font.height && derived.width == font.width) ||
                   (derived.height == previous.height && derived.width == previous.width));
        previous = font;
    }
}

}  // namespace
}  // namespace tellmark::fuzzing::fonts

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::fonts::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
