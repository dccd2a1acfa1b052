#include "config/ini_scramble.h"

#include <gtest/gtest.h>

namespace tellmark::config {
namespace {

// Every typeable byte (blank to 255) at every table position: stored form is line-safe, never 252,
// and comes back unchanged.
TEST(IniScramble, EveryTypeableByteRoundTripsAtEveryPosition) {
    std::string all;
    for (int b = 32; b <= 255; ++b) all += static_cast<char>(b);
    for (std::size_t shift = 0; shift < 16; ++shift) {
        std::string plain = std::string(shift, 'x') + all;
        std::string stored = scramblePassword(plain);
        ASSERT_EQ(stored.size(), plain.size());
        for (char c : stored) {
            auto b = static_cast<unsigned char>(c);
            EXPECT_NE(b, 0);
            EXPECT_NE(b, '\r');
            EXPECT_NE(b, '\n');
            EXPECT_NE(b, 252);
        }
        EXPECT_EQ(unscramblePassword(stored), plain);
    }
    // Position-dependent: the same character is stored differently along the value.
    std::string same = scramblePassword("aaaa");
    EXPECT_FALSE(same[0] == same[1] && same[1] == same[2] && same[2] == same[3]);
    EXPECT_NE(scramblePassword("Geheim"), "Geheim");
}

TEST(IniScramble, StoredByte252ReadsAs92AndControlCharactersAreLeftOut) {
    for (std::size_t pos = 0; pos < 16; ++pos) {
        std::string prefix(pos, 'A');
        EXPECT_EQ(unscramblePassword(prefix + '\xFC'), unscramblePassword(prefix + '\\'));
    }
    EXPECT_EQ(unscramblePassword(scramblePassword("a\tb\x01" "c")), "abc");
    EXPECT_EQ(scramblePassword(""), "");
}

TEST(IniScramble, OnlyThePasswordKeysAreScrambled) {
    EXPECT_TRUE(isPasswordKey("Passwort"));
    EXPECT_TRUE(isPasswordKey("BK-Passwort"));
    EXPECT_FALSE(isPasswordKey("DatevPasswort"));
    EXPECT_FALSE(isPasswordKey("passwort"));
}

}  // namespace
}  // namespace tellmark::config
