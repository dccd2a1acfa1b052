#include "platform/codepage.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "resources/cp1252_literal.h"

namespace tellmark::platform {

namespace {

// CP1252 0x80-0x9F; the undefined bytes keep their own value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// CP850 0x80-0xFF.
constexpr std::array<char16_t, 128> kCp850High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

int cp1252ByteOf(char32_t c) {
    switch (c) {
    case 0x81: case 0x8D: case 0x8F: case 0x90: case 0x9D: return static_cast<int>(c);
    default: return detail::cp1252ByteOf(c);
    }
}

}  // namespace

char32_t cp1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kCp1252High[byte - 0x80];
    return byte;
}

namespace {

char lookAlike(char32_t c) {
    switch (c) {
    case 0x2500: return '-';
    case 0x2550: return '=';
    case 0x2502: case 0x2551: return '|';
    case 0x0131: return 'i';
    case 0x2017: return '_';
    default: break;
    }
    if (c >= 0x2500 && c <= 0x257F) return '+';
    if (c >= 0x2580 && c <= 0x25A0) return '#';
    return '?';
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one character at s[i]; returns its length, 0 for a byte that starts no valid sequence
// (overlong forms, surrogates and values above U+10FFFF included).
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& c) {
    auto b = static_cast<unsigned char>(s[i]);
    std::size_t len;
    char32_t min;
    if (b < 0x80) {
        c = b;
        return 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
        len = 2, min = 0x80, c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3, min = 0x800, c = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4, min = 0x10000, c = b & 0x07;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        auto t = static_cast<unsigned char>(s[i + k]);
        if ((t & 0xC0) != 0x80) return 0;
        c = (c << 6) | (t & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return len;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    for (char ch : cp1252) {
        auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b);
    }
    return out;
}

std::string utf8ToCp1252(std::string_view utf8, char replacement) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c;
        std::size_t len = decodeUtf8(utf8, i, c);
        if (len == 0) {
            out += replacement;
            ++i;
            continue;
        }
        int byte = cp1252ByteOf(c);
        out += byte < 0 ? replacement : static_cast<char>(byte);
        i += len;
    }
    return out;
}

CheckedCp1252 utf8ToCp1252Checked(std::string_view utf8) {
    CheckedCp1252 out;
    auto name = [&out](std::string named) {
        for (const std::string& earlier : out.unmappable)
            if (earlier == named) return;
        out.unmappable.push_back(std::move(named));
    };
    char named[16];
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c;
        const std::size_t len = decodeUtf8(utf8, i, c);
        if (len == 0) {
            std::snprintf(named, sizeof named, "Byte 0x%02X", static_cast<unsigned>(static_cast<unsigned char>(utf8[i])));
            name(named);
            ++i;
            continue;
        }
        const int byte = cp1252ByteOf(c);
        if (byte < 0) {
            std::snprintf(named, sizeof named, "U+%04X", static_cast<unsigned>(c));
            name(named);
        } else {
            out.text += static_cast<char>(byte);
        }
        i += len;
    }
    return out;
}

std::string cp850ToCp1252(std::string_view cp850) {
    // One table for all 256 bytes, built once.
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int b = 0; b < 0x80; ++b) t[b] = static_cast<char>(b);
        for (int b = 0x80; b < 0x100; ++b) {
            char32_t c = kCp850High[b - 0x80];
            int byte = detail::cp1252ByteOf(c);
            t[b] = byte < 0 ? lookAlike(c) : static_cast<char>(byte);
        }
        return t;
    }();
    std::string out(cp850.size(), '\0');
    for (std::size_t i = 0; i < cp850.size(); ++i) out[i] = table[static_cast<unsigned char>(cp850[i])];
    return out;
}

}  // namespace tellmark::platform
