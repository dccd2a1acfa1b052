// Standard bookings: the bytes of the ".stn" file after each edit, its limits, and posting runs that
// write exactly what typing the same lines writes.

#include "entry/standard_bookings.h"

#include <gtest/gtest.h>

#include "entry/entry_circle.h"
#include "entry/typed_booking.h"
#include "platform/fault_points.h"
#include "resources/cp1252_literal.h"
#include "resources/format.h"

namespace tellmark::entry::testing {
namespace {

using tellmark::testing::writeFile;

// A record as the file holds it: fields padded to their widths, amount and rate as given.
std::string stn(char mark, const std::string& doc, const std::string& debit, const std::string& credit,
                const std::string& text, const std::string& amount, const std::string& rate) {
    auto right = [](const std::string& v, std::size_t w) { return std::string(w - v.size(), ' ') + v; };
    return std::string(1, mark) + "    " + padded(doc, 6) + right(debit, 5) + right(credit, 5) + padded(text, 25) +
           right(amount, 11) + right(rate, 5) + "\r\n";
}

class StandardBookingsTest : public EntryCircles {
protected:
    std::string stnFile(int n) const { return readFile(format("BK%06i/B%03i.stn", n, n)); }

    ledger::StandardBookingRecord checked(OpenCircle& circle, TypedStandardBooking typed) {
        StandardCheck check = checkStandardBooking(*circle.doc, typed);
        EXPECT_TRUE(check.record.has_value()) << typed.debit << "/" << typed.credit;
        return check.record.value_or(ledger::StandardBookingRecord{});
    }
    void add(OpenCircle& circle, const TypedStandardBooking& typed, int at = 0) {
        StandardBookings file(*circle.doc);
        ASSERT_TRUE(file.load());
        ASSERT_EQ(file.insert(checked(circle, typed), at), StandardBookings::Edit::Done);
    }
};

TEST_F(StandardBookingsTest, EditsLeaveExactlyTheseBytes) {
    OpenCircle circle = open(1);
    // Accounts as typed in the entry form; a blank rate takes the preset of "BUEROBEDARF 19".
    add(circle, {true, "R1", "12", "84", "Miete .#", "1190", "19"});
    add(circle, {false, "", "4930", "1000", "Porto", "0", ""});
    add(circle, {true, "KB7", "MUELLER", "8400", "Abo", "-11,90", "19"}, 1);
    const std::string abo = stn('X', "KB7", "10001", "8400", "Abo", "-11.90", "19.00");
    const std::string miete = stn('X', "R1", "1200", "8400", "Miete .#", "1190.00", "19.00");
    const std::string porto = stn(' ', "", "4930", "1000", "Porto", "0.00", "19.00");
    EXPECT_EQ(stnFile(1), abo + miete + porto);

    StandardBookings file(*circle.doc);
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.replace(2, checked(circle, {true, "R2", "1200", "8400", "Miete", "1309", "19"})),
              StandardBookings::Edit::Done);
    EXPECT_EQ(file.setMarked(3, true), StandardBookings::Edit::Done);
    EXPECT_EQ(file.setMarked(1, false), StandardBookings::Edit::Done);
    const std::string miete2 = stn('X', "R2", "1200", "8400", "Miete", "1309.00", "19.00");
    EXPECT_EQ(stnFile(1), stn(' ', "KB7", "10001", "8400", "Abo", "-11.90", "19.00") + miete2 +
                              stn('X', "", "4930", "1000", "Porto", "0.00", "19.00"));
    EXPECT_EQ(file.remove(1), StandardBookings::Edit::Done);
    EXPECT_EQ(file.remove(5), StandardBookings::Edit::NoSuchRecord);
    EXPECT_EQ(stnFile(1), miete2 + stn('X', "", "4930", "1000", "Porto", "0.00", "19.00"));
    // What another reader of the file gets is what the cache holds.
    StandardBookings again(*circle.doc);
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.records(), file.records());
    EXPECT_EQ(file.remove(1), StandardBookings::Edit::Done);
    EXPECT_EQ(file.remove(1), StandardBookings::Edit::Done);
    EXPECT_EQ(stnFile(1), "");
}

TEST_F(StandardBookingsTest, RecordsThatDoNotHoldAreNotStored) {
    OpenCircle circle = open(1);
    EXPECT_EQ(checkStandardBooking(*circle.doc, {true, "", "1200", "7777", "", "10", ""}).missingAccount, "7777");
    EXPECT_FALSE(checkStandardBooking(*circle.doc, {true, "", "1200", "1200", "", "10", ""}).record);
    EXPECT_FALSE(checkStandardBooking(*circle.doc, {true, "", "1200", "8400", "", "abc", ""}).record);
    EXPECT_FALSE(checkStandardBooking(*circle.doc, {true, "", "1200", "8400", "Text\x1b", "1", ""}).record);
    EXPECT_EQ(stnFile(1), "");
}

TEST_F(StandardBookingsTest, AnyMarkCharacterReadsAsXAndTheLimitIs999) {
    OpenCircle circle = open(1);
    const std::string a = stn('x', "", "1200", "8400", "A", "1.00", "0.00");
    const std::string b = stn('1', "", "1200", "8400", "B", "2.00", "0.00");
    const std::string c = stn(' ', "", "1200", "8400", "C", "3.00", "0.00");
    writeFile("BK000001/B001.stn", a + b + c);
    StandardBookings file(*circle.doc);
    ASSERT_TRUE(file.load());
    EXPECT_TRUE(file.records()[0].marked);
    EXPECT_TRUE(file.records()[1].marked);
    EXPECT_EQ(file.setMarked(3, true), StandardBookings::Edit::Done);
    EXPECT_EQ(stnFile(1), stn('X', "", "1200", "8400", "A", "1.00", "0.00") +
                              stn('X', "", "1200", "8400", "B", "2.00", "0.00") +
                              stn('X', "", "1200", "8400", "C", "3.00", "0.00"));

    std::string full;
    for (int i = 0; i < 999; ++i) full += c;
    writeFile("BK000001/B001.stn", full);
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.count(), 999);
    EXPECT_EQ(file.insert(file.records()[0]), StandardBookings::Edit::Full);
    EXPECT_EQ(file.insertBlank(1), StandardBookings::Edit::Full);
    EXPECT_EQ(stnFile(1), full);

    // A file that is not whole is read as nothing and never written over.
    for (const std::string& damaged : {full + c, a + b.substr(0, 30), a.substr(0, 62) + "  "}) {
        writeFile("BK000001/B001.stn", damaged);
        messages.entries.clear();
        EXPECT_FALSE(file.load());
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.last().text,
                  cp<"Fehler beim Einlesen der Standardbuchungen in den Cache.\nNormale Verarbeitung gestartet !">());
        EXPECT_EQ(stnFile(1), damaged);
    }
}

TEST_F(StandardBookingsTest, TheEndOfEditingNamesTheFirstRecordWithAnAccountFault) {
    OpenCircle circle = open(1);
    writeFile("BK000001/B001.stn", stn('X', "", "1200", "8400", "A", "1.00", "0.00") +
                                       stn('X', "", "1200", "1200", "B", "2.00", "0.00") +
                                       stn('X', "", "7777", "8400", "C", "3.00", "0.00"));
    StandardBookings file(*circle.doc);
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.firstAccountFault(), 2);
    file.showAccountFault(2);
    EXPECT_EQ(messages.last().text, cp<"Kontofehler in Buchungssatz Nummer: 2\nKontonummer eingeben bzw. korrigieren "
                                       "\noder Buchungssatz löschen (Strg+Y)">());
    ASSERT_EQ(file.remove(2), StandardBookings::Edit::Done);
    EXPECT_EQ(file.firstAccountFault(), 2);
    ASSERT_EQ(file.remove(2), StandardBookings::Edit::Done);
    EXPECT_EQ(file.firstAccountFault(), 0);
    // Ctrl+N: an empty record, marked as the empty slots are, which the end of editing does not let pass.
    ASSERT_EQ(file.insertBlank(1), StandardBookings::Edit::Done);
    EXPECT_EQ(stnFile(1), "X" + std::string(61, ' ') + "\r\n" + stn('X', "", "1200", "8400", "A", "1.00", "0.00"));
    EXPECT_EQ(file.firstAccountFault(), 1);
}

// Each change of the file that fails leaves the standard bookings as the file holds them: the old ones,
// or (when only the directory could not be synced after the rename) the new ones.
platform::Change failing;
int failAtStandardBookings(platform::Change change, const std::string& path) {
    return change == failing && path.find("B001.stn") != std::string::npos ? EIO : platform::kProceed;
}

TEST_F(StandardBookingsTest, AFailedWriteLeavesTheFileWhole) {
    OpenCircle circle = open(1);
    add(circle, {true, "", "1200", "8400", "Miete", "100", "0"});
    const std::string before = stnFile(1);
    for (platform::Change change : {platform::Change::Create, platform::Change::Write, platform::Change::Sync,
                                    platform::Change::Rename}) {
        StandardBookings file(*circle.doc);
        ASSERT_TRUE(file.load());
        messages.entries.clear();
        failing = change;
        platform::setFaultHook(failAtStandardBookings);
        const StandardBookings::Edit edit = file.setMarked(1, false);
        platform::setFaultHook(nullptr);
        EXPECT_EQ(edit, StandardBookings::Edit::NotWritten);
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.last().text,
                  cp<"Fehler beim Speichern der Standardbuchungen in den Cache.\nNormale Verarbeitung gestartet !">());
        EXPECT_FALSE(tellmark::testing::fileExists("BK000001/B001.stn.tmp"));
        if (change == platform::Change::Sync && stnFile(1) != before) {
            EXPECT_FALSE(file.records()[0].marked);  // the directory sync: the new file stands
        } else {
            EXPECT_EQ(stnFile(1), before);
            EXPECT_TRUE(file.records()[0].marked);
        }
    }
    // And the file is still the one the circle holds: the next change is written.
    StandardBookings file(*circle.doc);
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.setMarked(1, false), StandardBookings::Edit::Done);
    EXPECT_EQ(stnFile(1)[0], ' ');
}

// The same lines, once posted as marked standard bookings in circle 1 and once typed one by one in
// circle 2, leave the same journal, balance file and document counter.
TEST_F(StandardBookingsTest, PostingTheMarkedOnesWritesWhatTypingThemWrites) {
    OpenCircle standard = open(1, "000100");
    OpenCircle typed = open(2, "000100");
    add(standard, {true, "R1", "1200", "8400", "Miete", "1190", "19"});
    add(standard, {false, "", "1000", "8400", "nicht markiert", "5", "0"});
    add(standard, {true, "", "4930", "1000", "Porto", "55", ""});
    add(standard, {true, "", "10001", "8400", "Abo", "-11.90", "19"});

    ui::ScriptedDecisions decisions;
    const StandardPostingResult result =
        postMarkedStandardBookings(*standard.doc, "5.3", decisions, FaultyLines::Ask);
    EXPECT_EQ(result.outcome, StandardPostingResult::Outcome::Done);
    EXPECT_EQ(result.posted, 3);
    EXPECT_EQ(result.firstBooking, 1);
    EXPECT_TRUE(decisions.asked.empty());
    EXPECT_EQ(messages.last().text, "Es wurden 3 Standardbuchungen erfolgreich verbucht");
    EXPECT_EQ(messages.last().caption, "INFORMATION");

    auto type = [&](const char* doc, const char* debit, const char* credit, const char* text, const char* amount) {
        TypedBooking line;
        line.date = "05.03";
        line.document = doc;
        line.debit = debit;
        line.credit = credit;
        line.text = text;
        line.amount = amount;
        line.rate = "19.00";
        return postTypedBooking(*typed.doc, line).result;
    };
    ASSERT_EQ(type("R1", "1200", "8400", "Miete", "1190.00"), TypedResult::Saved);
    ASSERT_EQ(type("", "4930", "1000", "Porto", "55.00"), TypedResult::Saved);
    ASSERT_EQ(type("", "10001", "8400", "Abo", "-11.90"), TypedResult::Saved);

    EXPECT_EQ(standard.file("jou"), typed.file("jou"));
    EXPECT_EQ(standard.file("sal"), typed.file("sal"));
    EXPECT_EQ(standard.doc->documentNumbering().next(), 102);
    EXPECT_EQ(typed.doc->documentNumbering().next(), 102);
    EXPECT_NE(standard.file("jou").find("05.03000100 4930 1000Porto"), std::string::npos);
}

TEST_F(StandardBookingsTest, FaultyLinesAreCorrectedSkippedOrEndTheRun) {
    OpenCircle circle = open(1);
    add(circle, {true, "", "1200", "8400", "Miete .# 2009", "1190", "19"});
    add(circle, {true, "", "1200", "8400", "Zins", "0", "0"});
    add(circle, {true, "", "1200", "8400", std::string(cp<"Gebühr">()), "20", "0"});
    add(circle, {true, "", "1200", "8400", "Rest", "30", "0"});

    ui::ScriptedDecisions decisions;
    // The marker replaced, but the amount made zero: asked again for the amount, then corrected.
    decisions.push(kCorrectionPost, {"05.03", "", " 1200", " 8400", "Miete Maerz 2009", "0", "19.00"});
    decisions.push(kCorrectionPost, {"05.03", "", " 1200", " 8400", "Miete Maerz 2009", "1190", "19.00"});
    decisions.push(kCorrectionSkip);
    const StandardPostingResult result = postMarkedStandardBookings(*circle.doc, "05.03", decisions, FaultyLines::Ask);

    ASSERT_EQ(decisions.asked.size(), 3u);
    const ui::Question& first = decisions.asked[0];
    EXPECT_EQ(first.kind, "standard-booking-correction");
    EXPECT_EQ(first.caption, cp<"Fehlerhaften Buchungssatz ergänzen/überprüfen">());
    EXPECT_EQ(first.text, "Eingabe an der Text-Markierung  '.#'  fehlt.");
    EXPECT_EQ(first.fields, (std::vector<std::string>{"05.03", "      ", " 1200", " 8400", padded("Miete .# 2009", 25),
                                                      "    1190.00", "19.00", "001"}));
    EXPECT_EQ(first.answers, (std::vector<std::string>{"Satz &verbuchen (F11)",
                                                       std::string(cp<"&Überspringen (Strg+Y)">()),
                                                       "Verbuchen &abbrechen (F9)"}));
    EXPECT_EQ(decisions.asked[1].text, cp<"Betrag nicht zulässig; bitte Betrag korrigieren">());
    EXPECT_EQ(decisions.asked[2].text, cp<"Betrag nicht zulässig; bitte Betrag korrigieren">());
    EXPECT_EQ(decisions.asked[2].fields[7], "002");

    EXPECT_EQ(result.outcome, StandardPostingResult::Outcome::Done);
    EXPECT_EQ(result.posted, 3);
    ASSERT_EQ(result.faulty.size(), 1u);
    EXPECT_EQ(result.faulty[0].number, 2);
    auto jou = [](const std::string& text, const std::string& amount, const std::string& rate) {
        return "05.03      " + std::string(" 1200 8400") + padded(text, 25) + amount + rate + "\r\n";
    };
    EXPECT_EQ(circle.file("jou"), jou("Miete Maerz 2009", "    1190.00", "19.00") +
                                      jou(std::string(cp<"Gebühr">()), "      20.00", " 0.00") + jou("Rest", "      30.00", " 0.00"));
    // The records stay templates.
    EXPECT_NE(stnFile(1).find("Miete .# 2009"), std::string::npos);

    // Ending the run keeps the lines before the one it was ended at, and nothing after it.
    ui::ScriptedDecisions cancel;
    cancel.push(kCorrectionPost, {"06.03", "", "1200", "8400", "Miete April", "1190", "19"});
    cancel.push(kCorrectionCancel);
    const StandardPostingResult ended = postMarkedStandardBookings(*circle.doc, "06.03", cancel, FaultyLines::Ask);
    EXPECT_TRUE(ended.cancelled);
    EXPECT_EQ(ended.posted, 1);
    EXPECT_EQ(circle.doc->journal().count(), 4);
    EXPECT_EQ(messages.last().text, "Es wurden 1 Standardbuchungen erfolgreich verbucht");
}

TEST_F(StandardBookingsTest, WithNobodyToAskNothingIsPostedUnlessFaultyLinesAreSkipped) {
    OpenCircle circle = open(1, "000007");
    add(circle, {true, "", "1200", "8400", "Miete", "100", "0"});
    add(circle, {true, "", "1200", "8400", "Zins", "0", "0"});
    add(circle, {true, "", "1200", "8400", "Rest .#", "30", "0"});
    const std::string before = circle.file("sal");

    ui::NoDecisions nobody;
    StandardPostingResult result = postMarkedStandardBookings(*circle.doc, "05.03", nobody, FaultyLines::Ask);
    EXPECT_EQ(result.outcome, StandardPostingResult::Outcome::Unanswered);
    EXPECT_EQ(result.posted, 0);
    ASSERT_EQ(result.faulty.size(), 2u);
    EXPECT_EQ(result.faulty[0].number, 2);
    EXPECT_EQ(result.faulty[1].number, 3);
    EXPECT_EQ(circle.file("jou"), "");
    EXPECT_EQ(circle.file("sal"), before);
    EXPECT_EQ(circle.doc->documentNumbering().next(), 7);

    // A date outside the booking year is a fault of every line.
    result = postMarkedStandardBookings(*circle.doc, "00.00", nobody, FaultyLines::Ask);
    ASSERT_EQ(result.faulty.size(), 3u);
    EXPECT_EQ(result.faulty[0].fault, "Fehler im Datumsfeld");

    result = postMarkedStandardBookings(*circle.doc, "05.03", nobody, FaultyLines::Skip);
    EXPECT_EQ(result.outcome, StandardPostingResult::Outcome::Done);
    EXPECT_EQ(result.posted, 1);
    EXPECT_EQ(result.faulty.size(), 2u);
    EXPECT_EQ(circle.file("jou"), "05.03000007 1200 8400Miete                         100.00 0.00\r\n");
}

TEST_F(StandardBookingsTest, WithoutAutomaticNumbersABlankDocumentStaysBlank) {
    OpenCircle circle = open(1);
    ui::NoDecisions nobody;
    EXPECT_EQ(postMarkedStandardBookings(*circle.doc, "05.03", nobody, FaultyLines::Ask).outcome,
              StandardPostingResult::Outcome::NoStandardBookings);
    EXPECT_EQ(messages.last().text, "Es sind noch keine Standardbuchungen angelegt !");
    add(circle, {true, "", "1200", "8400", "Miete", "100", "0"});
    EXPECT_EQ(postMarkedStandardBookings(*circle.doc, "05.03", nobody, FaultyLines::Ask).posted, 1);
    EXPECT_EQ(circle.file("jou"), "05.03       1200 8400Miete                         100.00 0.00\r\n");
}

}  // namespace
}  // namespace tellmark::entry::testing
