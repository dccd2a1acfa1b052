#include <gtest/gtest.h>

#include <set>

#include "platform/codepage.h"

namespace tellmark::platform {
namespace {

TEST(Codepage, Cp1252KeepsEveryByteThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::string utf8 = cp1252ToUtf8(all);
    EXPECT_EQ(utf8ToCp1252(utf8), all);
    EXPECT_EQ(cp1252ToUtf8("Gr\xFC\xDF" "e \x80 \x84x\x93 \x81"), "Grüße € „x“ \u0081");
}

TEST(Codepage, Utf8WithoutCp1252MappingOrInvalid) {
    EXPECT_EQ(utf8ToCp1252("Auflösung §13b ✓ 😀"), "Aufl\xF6sung \xA7" "13b ? ?");
    EXPECT_EQ(utf8ToCp1252("\u0080\u0082", '_'), "__");  // C1 controls CP1252 uses for other characters
    EXPECT_EQ(utf8ToCp1252("a\xC0\xAF" "b"), "a??b");       // overlong '/'
    EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), "???");         // surrogate
    EXPECT_EQ(utf8ToCp1252("x\xC3"), "x?");                 // cut off at the end
    EXPECT_EQ(utf8ToCp1252("\xE2\x82"), "??");
}

TEST(Codepage, Cp850GermanTextsAndBoxLines) {
    EXPECT_EQ(cp850ToCp1252("\x84\x94\x81\x8E\x99\x9A\xE1\xF5"), "\xE4\xF6\xFC\xC4\xD6\xDC\xDF\xA7");
    EXPECT_EQ(cp850ToCp1252(std::string("Soll 0,00\r\n\x15\0", 13)), std::string("Soll 0,00\r\n\x15\0", 13));
    EXPECT_EQ(cp850ToCp1252("\x9F\x9C\xF8\xFD\xAB\xE6\xFF"), "\x83\xA3\xB0\xB2\xBD\xB5\xA0");
    EXPECT_EQ(cp850ToCp1252("\xDA\xC4\xC2\xBF\xB3\xBA\xCD\xB0\xDB\xFE\xD5\xF2"), "+-++||=###i_");

    // Every CP850 character CP1252 holds lands on its own byte; the rest only on the look-alikes.
    std::set<unsigned char> seen;
    for (int b = 0x80; b < 0x100; ++b) {
        auto c = static_cast<unsigned char>(cp850ToCp1252(std::string(1, static_cast<char>(b)))[0]);
        if (c < 0x80) {
            EXPECT_NE(std::string("-=|+#i_").find(static_cast<char>(c)), std::string::npos) << b;
        } else {
            EXPECT_TRUE(seen.insert(c).second) << "two CP850 bytes give " << int(c);
        }
    }
    EXPECT_EQ(seen.size(), 128u - 31u);  // 29 box and block characters, dotless i, double low line
}

}  // namespace
}  // namespace tellmark::platform
