// The entry form refuses what is not wholly valid, with the same checks and messages as the command line:
// the cursor stays in the field and nothing is written.

#include <gtest/gtest.h>

#include "entry_circle.h"
#include "resources/cp1252_literal.h"

namespace tellmark::entry {
namespace {

using testing::EntryCircles;
using testing::field;
using testing::OpenCircle;
using testing::press;
using testing::type;

TEST_F(EntryCircles, FieldsThatAreNotWhollyValidKeepTheCursor) {
    struct Case {
        std::vector<std::string> fields;  // typed and left one after the other; the last one is refused
        int refusedField;
        std::string message;
    };
    const std::string notAnAmount(cp<"Der eingegebene Betrag ist keine gültige Zahl !\n"
                                     "Bitte z.B. 1234,56 oder -12,5 eingeben (ohne Tausenderpunkte).">());
    const std::vector<Case> cases = {
        {{"31.04"}, kDateField, "Den 31.04. gibt es im Buchungsjahr nicht !"},
        {{"29.02"}, kDateField, "Den 29.02. gibt es im Buchungsjahr nicht !"},
        // No line above whose date an empty field could repeat.
        {{""}, kDateField, "Bitte geben Sie ein Datum ein !"},
        {{"15.03", "R1", "1200x"}, kDebitField, std::string(cp<"Ungültige Kontonummer bzw. Kontenauswahl !">())},
        // The form stores a typed comma as a point: "1.234,56" reaches the check as "1.234.56".
        {{"15.03", "R1", "1200", "8400", "Verkauf", "1.234,56"}, kAmountField, notAnAmount},
        {{"15.03", "R1", "1200", "8400", "Verkauf", "5-"}, kAmountField, notAnAmount},
        {{"15.03", "R1", "1200", "8400", "Verkauf", "12,345"}, kAmountField,
         "Der eingegebene Betrag hat mehr als zwei Nachkommastellen !"},
        {{"15.03", "R1", "1200", "8400", "Verkauf", "119", "7,125"}, kRateField,
         "Die eingegebene Mehrwertsteuer hat mehr als zwei Nachkommastellen !"},
    };
    OpenCircle circle = open(1);
    const std::string journal = circle.file("jou");
    for (const Case& c : cases) {
        EntryFormModel form(*circle.doc);
        messages.entries.clear();
        for (const std::string& text : c.fields) {
            // The rate field comes preset from the account; the typed rate replaces it.
            if (form.currentField() == kRateField) testing::clearField(form);
            field(form, text);
        }
        EXPECT_EQ(form.currentField(), c.refusedField) << c.fields.back();
        EXPECT_FALSE(form.savePromptShown());
        ASSERT_EQ(messages.entries.size(), 1u) << c.fields.back();
        EXPECT_EQ(messages.last().text, c.message);
        EXPECT_EQ(messages.last().caption, "FEHLER");
    }
    EXPECT_EQ(circle.file("jou"), journal);

    // Keys put no control character into a field, but a damaged standard booking can bring one along.
    EntryFormModel form(*circle.doc);
    field(form, "15.03");
    messages.entries.clear();
    form.takeOverStandardBooking({"", "", " 4930", " 1200", "Porto\r", "      10.00", "19.00"});
    EXPECT_EQ(form.currentField(), kTextField);
    EXPECT_FALSE(form.savePromptShown());
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.last().text, cp<"Der Buchungstext enthält ein Steuerzeichen (Code 13) !\n"
                                       "Zeilenumbrüche und andere Steuerzeichen sind nicht zulässig.">());
    EXPECT_EQ(circle.file("jou"), journal);
}

}  // namespace
}  // namespace tellmark::entry
