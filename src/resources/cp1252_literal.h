#pragma once
// Texts of the program are written in UTF-8 in the sources but must reach files, reports and exports as
// Windows-1252 bytes. cp<"Auflösung">() converts at compile time and yields a NUL-terminated string_view
// of the CP1252 bytes; a character that CP1252 cannot hold is a compile error.

#include <array>
#include <cstddef>
#include <string_view>

namespace tellmark {

template <std::size_t N>
struct Utf8Literal {
    char text[N]{};
    consteval Utf8Literal(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
    }
};

namespace detail {

// Unicode code point -> CP1252 byte, or -1 when CP1252 has no such character.
constexpr int cp1252ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    switch (c) {
    case 0x20AC: return 0x80; case 0x201A: return 0x82; case 0x0192: return 0x83; case 0x201E: return 0x84;
    case 0x2026: return 0x85; case 0x2020: return 0x86; case 0x2021: return 0x87; case 0x02C6: return 0x88;
    case 0x2030: return 0x89; case 0x0160: return 0x8A; case 0x2039: return 0x8B; case 0x0152: return 0x8C;
    case 0x017D: return 0x8E; case 0x2018: return 0x91; case 0x2019: return 0x92; case 0x201C: return 0x93;
    case 0x201D: return 0x94; case 0x2022: return 0x95; case 0x2013: return 0x96; case 0x2014: return 0x97;
    case 0x02DC: return 0x98; case 0x2122: return 0x99; case 0x0161: return 0x9A; case 0x203A: return 0x9B;
    case 0x0153: return 0x9C; case 0x017E: return 0x9E; case 0x0178: return 0x9F;
    default: return -1;
    }
}

template <std::size_t N>
struct Cp1252Bytes {
    std::array<char, N> bytes{};
    std::size_t size = 0;
};

template <std::size_t N>
consteval Cp1252Bytes<N> toCp1252(const char (&s)[N]) {
    Cp1252Bytes<N> out;
    std::size_t i = 0;
    while (i + 1 < N) {  // the last char is the literal's NUL
        unsigned char b = static_cast<unsigned char>(s[i]);
        char32_t cp;
        std::size_t len;
        if (b < 0x80) { cp = b; len = 1; }
        else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; len = 2; }
        else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; len = 3; }
        else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; len = 4; }
        else throw "invalid UTF-8 in a text literal";
        for (std::size_t k = 1; k < len; ++k) {
            unsigned char c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) throw "invalid UTF-8 in a text literal";
            cp = (cp << 6) | (c & 0x3F);
        }
        int byte = cp1252ByteOf(cp);
        if (byte < 0) throw "character not representable in Windows-1252";
        out.bytes[out.size++] = static_cast<char>(byte);
        i += len;
    }
    out.bytes[out.size] = '\0';
    return out;
}

template <Utf8Literal S>
inline constexpr auto kCp1252 = toCp1252(S.text);

}  // namespace detail

template <Utf8Literal S>
constexpr std::string_view cp() {
    return std::string_view(detail::kCp1252<S>.bytes.data(), detail::kCp1252<S>.size);
}

}  // namespace tellmark
