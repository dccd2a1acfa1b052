#include "config/text_helpers.h"

#include "platform/codepage.h"

namespace tellmark::config {

std::string trimLeft(std::string_view text) {
    std::size_t start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string() : std::string(text.substr(start));
}

std::string trimRight(std::string_view text) {
    std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

std::string trim(std::string_view text) {
    return trimLeft(trimRight(text));
}

std::string removeBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != ' ') out += c;
    }
    return out;
}

std::string trimLeadingZeros(std::string_view text) {
    std::size_t start = text.find_first_not_of('0');
    return start == std::string_view::npos ? std::string() : std::string(text.substr(start));
}

int isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos ? 1 : 0;
}

int isBlankPrefix(std::string_view text, std::size_t n) {
    return isBlank(text.substr(0, n < text.size() ? n : text.size()));
}

char toUpperChar(char c) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 'a' + 'A');
    switch (b) {
    case 0x84: return static_cast<char>(0x8E);  // DOS ä
    case 0x94: return static_cast<char>(0x99);  // DOS ö
    case 0x81: return static_cast<char>(0x9A);  // DOS ü
    case 0xE4: return static_cast<char>(0xC4);  // Windows ä
    case 0xF6: return static_cast<char>(0xD6);  // Windows ö
    case 0xFC: return static_cast<char>(0xDC);  // Windows ü
    default: return c;
    }
}

std::string toUpper(std::string_view text) {
    std::string out(text);
    toUpperInPlace(out);
    return out;
}

void toUpperInPlace(std::string& text) {
    for (char& c : text) c = toUpperChar(c);
}

int xmlText(std::string_view text, std::string& out, std::size_t maxLength) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out.clear();
    for (char c : text) {
        const unsigned char b = static_cast<unsigned char>(c);
        std::string piece;
        if (c == '&' || c == '/' || c == '<' || b >= 128) {
            // The reference names the character the byte stands for in the Windows code page: the same
            // value for the Latin-1 letters (0xE4 is U+00E4), the code page's own for 0x80-0x9F (the euro
            // sign 0x80 is U+20AC), so the file declared as UTF-8 reads as the text was meant.
            const char32_t code = platform::cp1252CodePoint(b);
            piece = "&#x";
            for (int shift = 12; shift >= 0; shift -= 4) piece += kHex[(code >> shift) & 0x0F];
            piece += ';';
        } else if (b < 0x20 || b == 0x7F) {
            // XML has no way to write these (not even as references): a blank keeps the file valid.
            piece = ' ';
        } else {
            piece = c;
        }
        // An entity is never cut in half: the description file must stay well-formed.
        if (out.size() + piece.size() > maxLength) return 0;
        out += piece;
    }
    return 1;
}

std::string removeDots(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != '.') out += c;
    }
    return out;
}

std::string replaceControlCharacters(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        unsigned char b = static_cast<unsigned char>(c);
        if ((b < 0x20 || b == 0x7F) && c != '\r' && c != '\n') c = '.';
    }
    return out;
}

std::string replaceOutsideExportCharacters(std::string_view text) {
    static constexpr std::string_view kAllowed =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ$%&*+-/0123456789";
    std::string out(text);
    for (char& c : out) {
        if (kAllowed.find(c) == std::string_view::npos) c = '*';
    }
    return out;
}

}  // namespace tellmark::config
