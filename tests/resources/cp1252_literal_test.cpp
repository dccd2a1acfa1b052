#include <gtest/gtest.h>

#include "resources/cp1252_literal.h"
#include "resources/format.h"

namespace tellmark {

TEST(Cp1252Literal, GermanTextsBecomeSingleBytes) {
    EXPECT_EQ(cp<"Auflösung">(), std::string_view("Aufl\xF6sung"));
    EXPECT_EQ(cp<"ÄÖÜäöüß§€">(), std::string_view("\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xA7\x80"));
    EXPECT_EQ(cp<"">().size(), 0u);
    // NUL-terminated, so templates can go to printf directly.
    EXPECT_EQ(cp<"Blatt %02u">().data()[cp<"Blatt %02u">().size()], '\0');
}

TEST(Format, PrintfTemplatesIncludingLongResults) {
    EXPECT_EQ(format(cp<"Nr: %i - %-s - %04i">(), 3, "Muster GmbH", 809), "Nr: 3 - Muster GmbH - 0809");
    std::string longName(300, 'x');
    EXPECT_EQ(format("%s|", longName.c_str()).size(), 301u);
}

}  // namespace tellmark
