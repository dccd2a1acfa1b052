#include <gtest/gtest.h>

#include <string>

#include "config/text_helpers.h"

namespace tellmark::config {
namespace {

TEST(TextHelpers, TrimsAndBlankTests) {
    EXPECT_EQ(trimLeft("  a b  "), "a b  ");
    EXPECT_EQ(trimRight("  a b  "), "  a b");
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trim("    "), "");
    EXPECT_EQ(removeBlanks(" 1 2 3 "), "123");
    EXPECT_EQ(trimLeadingZeros("000120"), "120");
    EXPECT_EQ(trimLeadingZeros("000"), "");

    EXPECT_EQ(isBlank("   "), 1);
    EXPECT_EQ(isBlank(""), 1);
    EXPECT_EQ(isBlank("  x"), 0);
    EXPECT_EQ(isBlankPrefix("  x", 2), 1);
    EXPECT_EQ(isBlankPrefix("  x", 3), 0);
    EXPECT_EQ(isBlankPrefix(" ", 5), 1);
}

TEST(TextHelpers, UpperCaseOfBothCodePages) {
    EXPECT_EQ(toUpper("abz\x84\x94\x81\xE4\xF6\xFC\xDF\xE9!"), "ABZ\x8E\x99\x9A\xC4\xD6\xDC\xDF\xE9!");
    std::string name = "m\xFCller";
    toUpperInPlace(name);
    EXPECT_EQ(name, "M\xDCLLER");
}

TEST(TextHelpers, XmlTextEscapesAndStopsAtTheLimit) {
    std::string out;
    EXPECT_EQ(xmlText("M\xFCller & Co", out, 256), 1);
    EXPECT_EQ(out, "M&#x00FC;ller &#x0026; Co");
    EXPECT_EQ(xmlText("a/b<c>d", out, 256), 1);
    EXPECT_EQ(out, "a&#x002F;b&#x003C;c>d");

    EXPECT_EQ(xmlText("ab&", out, 10), 1);
    EXPECT_EQ(out, "ab&#x0026;");
    EXPECT_EQ(out.size(), 10u);
    EXPECT_EQ(xmlText("ab&", out, 9), 0);
    EXPECT_EQ(out, "ab");
    EXPECT_EQ(xmlText("abc", out, 2), 0);
    EXPECT_EQ(out, "ab");

    // The Windows code page's own characters keep their meaning; XML cannot hold control characters.
    EXPECT_EQ(xmlText("5 \x80 \x84x\x93", out, 256), 1);
    EXPECT_EQ(out, "5 &#x20AC; &#x201E;x&#x201C;");
    EXPECT_EQ(xmlText("a\tb\x01" "c", out, 256), 1);
    EXPECT_EQ(out, "a b c");
}

TEST(TextHelpers, ExportFieldFilters) {
    EXPECT_EQ(removeDots("    -123.45"), "    -12345");
    EXPECT_EQ(replaceControlCharacters("a\tb\r\n\x01z\x7F"), "a.b\r\n.z.");
    EXPECT_EQ(replaceOutsideExportCharacters("RE#12 \xE4/x.$%&*+-"), "RE*12**/x*$%&*+-");
}

}  // namespace
}  // namespace tellmark::config
