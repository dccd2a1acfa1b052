// Typed values that are not wholly valid are refused with their message instead of being taken as
// something else.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "posting/date_check.h"
#include "posting/line_checks.h"
#include "posting/text_checks.h"
#include "resources/cp1252_literal.h"

namespace tellmark::posting {
namespace {

config::CircleSettings calendarYear(int year) {
    config::CircleSettings s;
    s.year = s.firstYear4 = s.secondYear4 = year;
    return s;
}

config::CircleSettings spanYear(int first, int firstMonth) {
    config::CircleSettings s;
    s.spanYear = 1;
    s.firstMonth = firstMonth;
    s.firstYear4 = first;
    s.secondYear4 = first + 1;
    return s;
}

const std::string kMalformed(
    cp<"Das eingegebene Datum ist ungültig !\nBitte als TT.MM, TT.MM.JJ, TT.MM.JJJJ oder nur den Tag eingeben.">());

TEST(DateCheck, DatesOfTheBookingYearOnly) {
    struct Case {
        config::CircleSettings settings;
        const char* typed;
        const char* previous;
        std::string field;    // accepted: the field; refused: ""
        std::string message;  // refused: its text
    };
    const config::CircleSettings y2009 = calendarYear(2009), y2008 = calendarYear(2008);
    const config::CircleSettings from7 = spanYear(2008, 7), from2 = spanYear(2008, 2);
    const std::vector<Case> cases = {
        {y2009, "15.01", "", "15.01", ""},
        {y2009, "5", "", "05.01", ""},
        {y2009, "5", "12.03", "05.03", ""},
        {y2009, "", "12.03", "12.03", ""},
        {y2009, "15.01.2009", "", "15.01", ""},
        {y2009, "15.01.09", "", "15.01", ""},
        {y2009, "15.01.2010", "", "", "Das Datum 15.01.2010 liegt nicht im Buchungsjahr !"},
        {y2009, "15.01.10", "", "", "Das Datum 15.01.2010 liegt nicht im Buchungsjahr !"},
        {y2009, "", "", "", "Bitte geben Sie ein Datum ein !"},
        {y2009, "29.02", "", "", "Den 29.02. gibt es im Buchungsjahr nicht !"},
        {y2008, "29.02", "", "29.02", ""},
        {y2009, "31.04", "", "", "Den 31.04. gibt es im Buchungsjahr nicht !"},
        {y2009, "00.05", "", "", "Den 00.05. gibt es im Buchungsjahr nicht !"},
        {y2009, "15.14", "", "", "Den 15.14. gibt es im Buchungsjahr nicht !"},
        {y2009, "31.13", "", "31.13", ""},
        {y2009, "15.1x", "", "", kMalformed},
        {y2009, "15.01.2009x", "", "", kMalformed},
        // Business year July 2008 to June 2009: each month has its own calendar year.
        {from7, "15.08.2008", "", "15.08", ""},
        {from7, "15.01.2009", "", "15.01", ""},
        {from7, "15.08.2009", "", "", "Das Datum 15.08.2009 liegt nicht im Buchungsjahr !"},
        {from7, "29.02", "", "", "Den 29.02. gibt es im Buchungsjahr nicht !"},
        // February to January: February lies in 2008, a leap year.
        {from2, "29.02", "", "29.02", ""},
        {from2, "15.01.2009", "", "15.01", ""},
    };
    for (const Case& c : cases) {
        ui::RecordingMessages m;
        const DateCheck check = checkDate(c.typed, c.previous, c.settings, true, m);
        EXPECT_EQ(check.ok, c.message.empty()) << c.typed;
        EXPECT_EQ(check.field, c.field) << c.typed;
        if (c.message.empty()) {
            EXPECT_TRUE(m.empty()) << c.typed;
        } else {
            ASSERT_EQ(m.entries.size(), 1u) << c.typed;
            EXPECT_EQ(m.last().text, c.message) << c.typed;
            EXPECT_EQ(m.last().caption, "FEHLER");
        }
    }
    ui::RecordingMessages m;
    EXPECT_FALSE(checkDate("31.13", "", y2009, false, m).ok);
    EXPECT_EQ(m.last().text, "Den 31.13. gibt es im Buchungsjahr nicht !");
}

TEST(LineChecks, AmountsAndRatesThatAreNoWholeNumberAreRefused) {
    const std::string notAnAmount(
        cp<"Der eingegebene Betrag ist keine gültige Zahl !\nBitte z.B. 1234,56 oder -12,5 eingeben (ohne Tausenderpunkte).">());
    const std::string notARate(
        cp<"Die eingegebene Mehrwertsteuer ist keine gültige Zahl !\nBitte z.B. 19 oder 7,5 eingeben.">());
    struct Case {
        const char* text;
        std::string message;
    };
    for (const Case& c : std::vector<Case>{
             {"1e9", notAnAmount},
             {"1.234,56", notAnAmount},
             {"12abc", notAnAmount},
             {"5-", notAnAmount},
             {"NaN", notAnAmount},
             {"12.345", "Der eingegebene Betrag hat mehr als zwei Nachkommastellen !"},
         }) {
        ui::RecordingMessages m;
        const AmountCheck amount = checkAmount(c.text, m);
        EXPECT_FALSE(amount.ok) << c.text;
        EXPECT_EQ(amount.field, c.text) << "the field keeps what was typed";
        ASSERT_EQ(m.entries.size(), 1u) << c.text;
        EXPECT_EQ(m.last().text, c.message) << c.text;
    }
    for (const Case& c : std::vector<Case>{
             {"NaN", notARate},
             {"inf", notARate},
             {"19%", notARate},
             {"7.125", "Die eingegebene Mehrwertsteuer hat mehr als zwei Nachkommastellen !"},
         }) {
        for (bool allowed : {true, false}) {
            ui::RecordingMessages m;
            EXPECT_FALSE(checkVatRate(c.text, allowed, m).ok) << c.text;
            ASSERT_EQ(m.entries.size(), 1u) << c.text;
            EXPECT_EQ(m.last().text, c.message) << c.text;
        }
    }
    ui::RecordingMessages m;
    EXPECT_EQ(checkAmount(" 1234,56 ", m).field, "    1234.56");
    EXPECT_EQ(checkVatRate(" 7,5 ", true, m).field, " 7.50");
    EXPECT_EQ(checkVatRate("-0", true, m).field, " 0.00");
    EXPECT_TRUE(m.empty());
}

TEST(LineChecks, AccountTextsAreNumbersOrNames) {
    for (const char* typed : {"12", " 1200", "1200", "01200", "29999", "10001", "bank", "", "  "})
        EXPECT_TRUE(accountTextHolds(typed)) << typed;
    for (const char* typed : {"1200x", "12abc", "12 00", "99999", "30000", "0", "0000", "123456", "BANK\x1b", "12\n"})
        EXPECT_FALSE(accountTextHolds(typed)) << typed;
}

TEST(TextChecks, ControlCharactersAndOverlongTextsAreRefused) {
    struct Case {
        std::string text;
        std::string message;  // "" accepted
    };
    const std::string control(cp<"Der Buchungstext enthält ein Steuerzeichen (Code %s) !\n"
                                  "Zeilenumbrüche und andere Steuerzeichen sind nicht zulässig.">());
    auto controlMessage = [&](int code) {
        std::string m = control;
        return m.replace(m.find("%s"), 2, std::to_string(code));
    };
    const std::vector<Case> cases = {
        {"Miete Januar", ""},
        {std::string(cp<"Büro € 5 % \"x\"">()), ""},
        {std::string(25, 'a') + "   ", ""},
        {"Zeile\r", controlMessage(13)},
        {"Zeile\nzwei", controlMessage(10)},
        {"\x1b[2J", controlMessage(27)},
        {std::string("a\0b", 3), controlMessage(0)},
        {"Tab\tText", controlMessage(9)},
        {"DEL\x7f", controlMessage(127)},
        {"\x81", controlMessage(129)},
        {std::string(26, 'a'), std::string(cp<"Der Buchungstext ist länger als 25 Zeichen !">())},
    };
    for (const Case& c : cases) {
        ui::RecordingMessages m;
        EXPECT_EQ(checkBookingText(c.text, m), c.message.empty()) << c.text;
        if (!c.message.empty()) {
            ASSERT_EQ(m.entries.size(), 1u);
            EXPECT_EQ(m.last().text, c.message);
        }
    }
    ui::RecordingMessages m;
    EXPECT_TRUE(checkDocumentNumber("R-0001", m));
    EXPECT_FALSE(checkDocumentNumber("R-00001", m));
    EXPECT_EQ(m.last().text, cp<"Die Belegnummer ist länger als 6 Zeichen !">());
    EXPECT_FALSE(checkDocumentNumber("R1\n", m));
    EXPECT_EQ(m.last().text, std::string(cp<"Die Belegnummer enthält ein Steuerzeichen (Code 10) !\n"
                                             "Zeilenumbrüche und andere Steuerzeichen sind nicht zulässig.">()));
}

}  // namespace
}  // namespace tellmark::posting
