// Opening a circle that has only the files of the earlier DOS generation: the new files come out byte for
// byte as expected, the old ones stay, damaged old files convert nothing, and an interrupted conversion
// runs again at the next open.

#include <gtest/gtest.h>

#include <cerrno>

#include "circles/circle_fields.h"
#include "circles/document.h"
#include "circles/old_format_conversion.h"
#include "platform/fault_points.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_conversion.h"
#include "support/temp_dir.h"
#include "ui/recording_progress.h"

namespace tellmark::testing {
namespace {

using circles::OldBalanceForm;

// Account record of the old short form: no thirteenth month.
std::string shortAccount(const char* number, const char* name, char status, double opening, double march) {
    std::string r = format("%5s%-25s%c%12.2f%12.2f%12.2f", number, name, status, opening, 0.0, 0.0);
    r += format("%12.2f", march);
    for (int m = 4; m <= 12; ++m) r += format("%12.2f", 0.0);
    return r + "*\r\n";
}

std::string booking(const char* date, const char* document, const char* debit, const char* credit, const char* text,
                    const char* amount, const char* rate) {
    return format("%-5s%-6s%5s%5s%-25s%11s%5s\r\n", date, document, debit, credit, text, amount, rate);
}

std::string standard(char mark, const char* document, const char* debit, const char* credit, const char* text,
                     const char* amount, const char* rate) {
    return format("%c    %-6s%5s%5s%-25s%11s%5s\r\n", mark, document, debit, credit, text, amount, rate);
}

const char* const kOldBalance = "B200901s.buc";
const char* const kOldBalanceIndex = "B200901s.ndx";
const char* const kOldJournal = "B200901j.buc";
const char* const kOldJournalIndex = "B200901j.ndx";
const char* const kOldStandard = "B01j.buc";
const char* const kBalance = "BK000001/B2009001.sal";
const char* const kJournal = "BK000001/B2009001.jou";
const char* const kStandard = "BK000001/B001.stn";

// CP850 in the old files, CP1252 in the new: u umlaut 0x81 / 0xFC, o umlaut 0x94 / 0xF6, sharp s 0xE1 / 0xDF.
const std::string kOldBalanceBytes = shortAccount(" 1200", "BANK", '1', 1500.0, 119.0) +
                                     shortAccount("     ", "", ' ', 0.0, 0.0) +
                                     shortAccount(" 4930", "B\x81ROBEDARF", ' ', 0.0, 0.0) +
                                     shortAccount(" 8400", "ERL\x94SE GRO\xE1HANDEL", '1', 0.0, -100.0);
const std::string kOldJournalBytes = booking("05.03", "R1", " 1200", " 8400", "Verkauf Gro\xE1handel", "119.00", "19.00") +
                                     booking("     ", "", "", "", "", "", "") +
                                     booking("06.03", "", " 4930", " 1200", "B\x81ro", "10.50", " 7.00");
const std::string kOldStandardBytes = standard(' ', "", " 4930", " 1200", "Miete B\x81ro", "500.00", " 0.00") +
                                      standard('X', "R7", " 1200", " 8400", "Abo", "11.90", "19.00") +
                                      std::string(62, ' ') + "\r\n";

std::string newAccount(const std::string& shortRecord) {
    return shortRecord.substr(0, 187) + "        0.00*\r\n";
}

class OldFormatConversion : public ::testing::Test {
protected:
    OldFormatConversion() : cd(dir.path()) {
        circles::CircleCreateFields fields;
        fields.name = "Altbestand";
        fields.year = "2009";
        fields.chart = "03";
        EXPECT_EQ(circles::createCircleSettings("", 1, fields, messages), 1);
    }
    void writeOldFiles() {
        writeFile(kOldBalance, kOldBalanceBytes);
        writeFile(kOldJournal, kOldJournalBytes);
        writeFile(kOldStandard, kOldStandardBytes);
        writeFile(kOldBalanceIndex, "alt");
        writeFile(kOldJournalIndex, "alt");
    }
    int open() {
        circles::CVt36Doc doc(messages, progress);
        EXPECT_EQ(doc.readProgramConfig(), 1);
        return doc.openCircle(1);
    }
    void expectOldFilesUntouched() {
        EXPECT_EQ(readFile(kOldBalance), kOldBalanceBytes);
        EXPECT_EQ(readFile(kOldJournal), kOldJournalBytes);
        EXPECT_EQ(readFile(kOldStandard), kOldStandardBytes);
    }

    TempDir dir;
    ChangeDir cd;
    ui::RecordingMessages messages;
    ui::RecordingProgress progress;
};

const std::string kExpectedBalance = newAccount(shortAccount(" 1200", "BANK", '1', 1500.0, 119.0)) +
                                     newAccount(shortAccount(" 4930", "B\xFCROBEDARF", ' ', 0.0, 0.0)) +
                                     newAccount(shortAccount(" 8400", "ERL\xF6SE GRO\xDFHANDEL", '1', 0.0, -100.0));
const std::string kExpectedJournal = booking("05.03", "R1", " 1200", " 8400", "Verkauf Gro\xDFhandel", "119.00", "19.00") +
                                     booking("06.03", "", " 4930", " 1200", "B\xFCro", "10.50", " 7.00");
const std::string kExpectedStandard = standard('X', "", " 4930", " 1200", "Miete B\xFCro", "500.00", " 0.00") +
                                      standard(' ', "R7", " 1200", " 8400", "Abo", "11.90", "19.00") + "X" +
                                      std::string(61, ' ') + "\r\n";

TEST(OldBalanceFormDetection, FromTheFirstLineEndAndTheAccountNumber) {
    const std::string shortRecord = shortAccount(" 1200", "BANK", ' ', 0.0, 0.0);
    ASSERT_EQ(shortRecord.find('\r'), 188u);
    EXPECT_EQ(circles::detectOldBalanceForm(shortRecord + shortRecord), OldBalanceForm::Short);
    // A single short record is all there is of a circle with one account.
    EXPECT_EQ(circles::detectOldBalanceForm(shortRecord), OldBalanceForm::Short);
    const std::string longRecord = newAccount(shortRecord);
    ASSERT_EQ(longRecord.find('\r'), 200u);
    EXPECT_EQ(circles::detectOldBalanceForm(longRecord), OldBalanceForm::Long);
    // A NUL is no account number: such a file is not taken for balances.
    EXPECT_EQ(circles::detectOldBalanceForm(std::string(1, '\0') + longRecord.substr(1)), OldBalanceForm::Unknown);
    EXPECT_EQ(circles::detectOldBalanceForm("A1200" + shortRecord.substr(5)), OldBalanceForm::Unknown);
    EXPECT_EQ(circles::detectOldBalanceForm(""), OldBalanceForm::Unknown);
}

TEST_F(OldFormatConversion, ShortRecordsJournalAndStandardBookingsBecomeTheNewFiles) {
    writeOldFiles();
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(readFile(kBalance), kExpectedBalance);
    EXPECT_EQ(readFile(kJournal), kExpectedJournal);
    EXPECT_EQ(readFile(kStandard), kExpectedStandard);
    expectOldFilesUntouched();
    EXPECT_FALSE(fileExists(kOldBalanceIndex));
    EXPECT_FALSE(fileExists(kOldJournalIndex));
    EXPECT_TRUE(fileExists("BK000001/B2009001.sdx"));
    EXPECT_TRUE(fileExists("BK000001/B2009001.jdx"));
    EXPECT_TRUE(messages.empty());

    ASSERT_GE(progress.phases.size(), 3u);
    const auto& balance = progress.phases[0];
    EXPECT_EQ(balance.caption + "|" + balance.secondLine + "|" + balance.barLabel,
              "Saldendatei|Die Saldendatei wird konvertiert|Konvertierung...");
    EXPECT_EQ(balance.total, 5);  // four records of 190 bytes, and one
    EXPECT_EQ(balance.stepped, 4);
    EXPECT_EQ(progress.phases[1].caption + "|" + progress.phases[1].secondLine, "Journaldatei|Die Journaldatei wird konvertiert");
    EXPECT_EQ(progress.phases[2].caption + "|" + progress.phases[2].secondLine,
              "Standardbuchungsdatei|Die Standardbuchungen werden konvertiert");

    // Converted once: the next open finds the new files and leaves them as they are.
    writeFile(kOldJournal, booking("01.01", "", " 1200", " 8400", "anders", "1.00", " 0.00"));
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(readFile(kJournal), kExpectedJournal);
}

TEST_F(OldFormatConversion, LongRecordsAreTakenAsTheyAreAndExistingStandardBookingsStay) {
    const std::string longOld = newAccount(shortAccount(" 1200", "BANK", '1', 1.0, 2.0)) +
                                newAccount(shortAccount(" 1800", "PRIVAT \x9A" "BERTRAG", ' ', 0.0, 0.0));
    writeFile(kOldBalance, longOld);
    writeFile(kOldJournal, "");
    writeFile(kOldStandard, kOldStandardBytes);
    const std::string ownStandard = standard('X', "", " 1200", " 1800", "eigene", "1.00", " 0.00");
    writeFile(kStandard, ownStandard);
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(readFile(kBalance), newAccount(shortAccount(" 1200", "BANK", '1', 1.0, 2.0)) +
                                      newAccount(shortAccount(" 1800", "PRIVAT \xDC" "BERTRAG", ' ', 0.0, 0.0)));
    EXPECT_EQ(readFile(kJournal), "");
    EXPECT_EQ(readFile(kStandard), ownStandard);
    EXPECT_TRUE(messages.empty());
}

TEST_F(OldFormatConversion, DamagedOldFilesConvertNothing) {
    struct Case {
        std::string balance, journal, standardBookings, file;
    } cases[] = {
        {kOldBalanceBytes + "12345", kOldJournalBytes, kOldStandardBytes, kOldBalance},               // torn record
        {"ABCDE" + kOldBalanceBytes.substr(5), kOldJournalBytes, kOldStandardBytes, kOldBalance},     // unknown form
        {kOldBalanceBytes.substr(0, 189) + "x" + kOldBalanceBytes.substr(190), kOldJournalBytes, kOldStandardBytes,
         kOldBalance},                                                                                // end mark
        {kOldBalanceBytes, kOldJournalBytes.substr(0, 100), kOldStandardBytes, kOldJournal},
        {kOldBalanceBytes, kOldJournalBytes, kOldStandardBytes.substr(1), kOldStandard},
    };
    for (const Case& c : cases) {
        writeFile(kOldBalance, c.balance);
        writeFile(kOldJournal, c.journal);
        writeFile(kOldStandard, c.standardBookings);
        messages.entries.clear();
        EXPECT_EQ(open(), circles::kOpenLedgerMissing) << c.file;
        ASSERT_EQ(messages.entries.size(), 1u) << c.file;
        EXPECT_EQ(messages.last().text, format(text::kMsgConvertOldFileDamaged, c.file.c_str()));
        EXPECT_EQ(messages.last().caption, text::kCaptionError);
        EXPECT_FALSE(fileExists(kBalance));
        EXPECT_FALSE(fileExists(kJournal));
        EXPECT_FALSE(fileExists(kStandard));
        EXPECT_EQ(readFile(kOldBalance), c.balance);
    }
}

int failJournalRename(platform::Change change, const std::string& path) {
    const bool journal = path.size() > 4 && path.compare(path.size() - 4, 4, ".jou") == 0;
    return change == platform::Change::Rename && journal ? EIO : platform::kProceed;
}

TEST_F(OldFormatConversion, AnInterruptedConversionRunsAgainAtTheNextOpen) {
    writeOldFiles();
    platform::setFaultHook(failJournalRename);  // the new journal does not reach its name
    const int first = open();
    platform::setFaultHook(nullptr);
    EXPECT_EQ(first, circles::kOpenLedgerMissing);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, text::kMsgConvertNoNewJournal);
    EXPECT_EQ(readFile(kBalance), kExpectedBalance);
    EXPECT_FALSE(fileExists(kJournal));
    EXPECT_FALSE(fileExists(std::string(kJournal) + ".tmp"));
    EXPECT_TRUE(fileExists(kOldJournalIndex));

    messages.entries.clear();
    ASSERT_EQ(open(), 1);
    EXPECT_EQ(readFile(kBalance), kExpectedBalance);
    EXPECT_EQ(readFile(kJournal), kExpectedJournal);
    EXPECT_EQ(readFile(kStandard), kExpectedStandard);
    expectOldFilesUntouched();
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace tellmark::testing
