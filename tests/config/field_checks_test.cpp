#include <gtest/gtest.h>

#include <string>

#include "config/field_checks.h"
#include "resources/format.h"
#include "ui/messages.h"

namespace tellmark::config {
namespace {

constexpr const char* kOnlyNumeric = "Nur numerische Zeichen zul\xE4ssig !";

// Runs a check on a field with the caret at its end: "text caret result".
template <typename Check>
std::string typed(std::string text, Check check) {
    int caret = static_cast<int>(text.size());
    int r = check(text, caret);
    return format("%s %i %i", text.c_str(), caret, r);
}

TEST(FieldChecks, RejectedKeysAndDates) {
    std::string text = "12x3";
    int caret = 3;  // 'x' was just typed behind "12"
    EXPECT_EQ(checkDigitsOnly(text, caret), 0);
    EXPECT_EQ(text + std::to_string(caret), "1232");
    EXPECT_EQ(typed("45", checkDigitsOnly), "45 2 1");
    EXPECT_EQ(typed("x", checkDigitsOnly), " 0 0");

    auto range = [](std::string& t, int& c) { return checkDigitsInRange(t, c, 1, 99); };
    EXPECT_EQ(typed("1a2", range), "12 2 0");
    EXPECT_EQ(typed("12", range), "12 2 1");
    EXPECT_EQ(typed("120", range), "120 3 0");

    auto dm = [](std::string& t, int& c) { return checkDateTyping(t, c, false); };
    auto dmy = [](std::string& t, int& c) { return checkDateTyping(t, c, true); };
    EXPECT_EQ(typed("12,03", dm), "12.03 5 1");
    EXPECT_EQ(typed("12.03.", dm), "12.03 5 0");
    EXPECT_EQ(typed("12,03.08", dmy), "12.03.08 8 1");
    EXPECT_EQ(typed("12.03.08.", dmy), "12.03.08 8 0");
    EXPECT_EQ(typed("123", dm), "12 2 0");
    EXPECT_EQ(typed("1a.5", dm), "1.5 3 0");
}

TEST(FieldChecks, AmountsRatesAndIntegers) {
    ui::RecordingMessages messages;
    auto amount = [&](std::string& t, int& c) { return checkAmount(t, c, 999999999.99, messages); };
    EXPECT_EQ(typed("12,345", amount), "12.34 5 0");
    EXPECT_EQ(typed("-5.5", amount), "-5.5 4 1");
    EXPECT_EQ(typed("1.2.", amount), "1.2 3 0");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(typed("12.3a", amount), "12.3 4 0");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, kOnlyNumeric);
    EXPECT_EQ(messages.last().caption, "FEHLER");
    EXPECT_EQ(messages.last().icon, ui::kIconStop);
    EXPECT_EQ(typed("1000000000", amount), "0.00 4 0");
    EXPECT_EQ(messages.last().text, "Maximaler Betrag: 999999999.99");
    EXPECT_EQ(typed("-1000000000", amount), "0.00 4 0");  // would not fit the amount field either

    messages.entries.clear();
    auto rate = [&](std::string& t, int& c) { return checkVatRate(t, c, true, messages); };
    auto plainRate = [&](std::string& t, int& c) { return checkVatRate(t, c, false, messages); };
    EXPECT_EQ(typed("19", rate), "19.00 5 1");
    EXPECT_EQ(typed("7,5", plainRate), "7.5 3 1");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(typed("100", rate), "0.00 4 0");
    EXPECT_EQ(messages.last().text, "Eingegebene Mehrwertsteuer nicht zul\xE4ssig.");
    EXPECT_EQ(typed("-7", plainRate), "0 1 0");
    EXPECT_EQ(messages.entries.size(), 2u);

    messages.entries.clear();
    auto lines = [&](std::string& t, int& c) { return checkIntegerWithMaximum(t, c, 90, messages); };
    EXPECT_EQ(typed("007", lines), "7 1 1");
    EXPECT_EQ(typed("", lines), "0 1 1");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(typed("91", lines), "0 1 0");
    EXPECT_EQ(messages.last().text, "Maximaler Betrag: 90");
    EXPECT_EQ(typed("9a", lines), "9 1 0");
    EXPECT_EQ(messages.last().text, kOnlyNumeric);
}

TEST(FieldChecks, AccountNumbersAndSearchPatterns) {
    ui::RecordingMessages messages;
    auto account = [&](const char* in, bool search) {
        std::string text = in;
        int caret = 0;
        int r = checkAccountNumber(text, caret, search, false, messages);
        return "[" + text + "]" + std::to_string(r);
    };
    EXPECT_EQ(account("12", false), "[ 1200]1");
    EXPECT_EQ(account("  12", false), "[ 1200]1");
    EXPECT_EQ(account("1234", false), "[ 1234]1");
    EXPECT_EQ(account("29999", false), "[29999]1");
    EXPECT_EQ(account("30000", false), "[30000]0");
    EXPECT_EQ(account("0", false), "[0]0");
    EXPECT_EQ(account("", false), "[]0");
    EXPECT_EQ(account("123456", false), "[123456]0");
    EXPECT_EQ(account("1?", false), "[1]0");

    EXPECT_EQ(account("12", true), "[ 12??]1");
    EXPECT_EQ(account("1!", true), "[1????]1");
    EXPECT_EQ(account("2!3", true), "[2?3??]1");
    EXPECT_EQ(account("3!", true), "[ 3???]1");
    EXPECT_EQ(account("?4??", true), "[ ?4??]1");
    EXPECT_EQ(account("", true), "[?????]1");
    EXPECT_EQ(account("12345", true), "[12345]1");
    EXPECT_EQ(account("123456", true), "[123456]0");
    EXPECT_EQ(account("1x", true), "[1]0");
    EXPECT_TRUE(messages.empty());

    std::string text = "30000";
    int caret = 5;
    checkAccountNumber(text, caret, false, true, messages);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, "Ung\xFCltige Kontonummer bzw. Kontenauswahl !");
}

TEST(FieldChecks, FileNamesAndYesNo) {
    ui::RecordingMessages messages;
    auto file = [&](std::string& t, int& c) { return checkFileName(t, c, messages); };
    EXPECT_EQ(typed("A:TM.TXT", file), "A:TM.TXT 8 1");
    EXPECT_EQ(typed("KTO-PLAN.TXT", file), "KTO-PLAN.TXT 12 1");
    EXPECT_EQ(typed("C:\\DATEN\\out/x_1~.txt", file), "C:\\DATEN\\out/x_1~.txt 21 1");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(typed("AB:", file), "AB 2 0");
    EXPECT_EQ(messages.last().text,
              "Bitte Dateinamen in dem Format 8.3 eventuell mit \nLaufwerksbuchstaben eingeben.\n"
              " (z.B. \"A:TM.TXT\" oder \"KTO-PLAN.TXT\")");
    EXPECT_EQ(typed("tm*.txt", file), "tm.txt 6 0");

    EXPECT_EQ(typed("j", checkYesNo), "J 1 1");
    EXPECT_EQ(typed("J", checkYesNo), "J 1 1");
    EXPECT_EQ(typed("x", checkYesNo), "N 1 0");
    EXPECT_EQ(typed("", checkYesNo), "N 0 0");
}

}  // namespace
}  // namespace tellmark::config
