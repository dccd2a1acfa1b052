// Restore of a backup: the circle comes back byte for byte with the replaced files kept beside it; an
// open circle, a damaged or missing backup are refused with nothing changed; a failure at any change of a
// file puts the circle back as it was.

#include <gtest/gtest.h>

#include <cerrno>
#include <set>

#include "ledger/standard_booking_file.h"
#include "platform/directory.h"
#include "platform/fault_points.h"
#include "resources/texts_backup.h"
#include "resources/texts_common.h"
#include "resources/texts_document.h"
#include "yearend/backup.h"
#include "yearend/backup_circle.h"
#include "yearend/restore.h"

namespace tellmark::testing {
namespace {

class Restore : public BackupCircle {
protected:
    // Backs the circle up into "sich", then changes it: a standard booking and an account more.
    void backUpAndChange() {
        ASSERT_TRUE(openCircle());
        yearend::BackupOverview overview;
        ASSERT_EQ(yearend::backupCircle(doc, "sich", overview), yearend::kBackupComplete);
        backedUp = circleFiles();
        std::vector<ledger::StandardBookingRecord> records{
            ledger::makeStandardBooking(true, "", " 1200", " 8400", "Miete", "100.00", "19.00")};
        ASSERT_TRUE(ledger::writeStandardBookings(doc.standardBookingsFile(), records, messages));
        ASSERT_EQ(doc.debitCursor().createAccount(" 4930", "B\xDCROBEDARF", 0.0), 1);
        doc.closeCircle();
        changed = circleFiles();
        ASSERT_NE(changed, backedUp);
        messages.entries.clear();
    }
    int restore(const std::string& from = "sich") { return yearend::restoreCircle("", 1, from, messages, progress); }
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto& e : messages.entries) texts.push_back(e.caption + ": " + e.text);
        return texts;
    }
    bool anyKept() const {
        for (const char* name : kCircleFiles)
            if (fileExists(std::string(name) + ".vor")) return true;
        return false;
    }

    std::map<std::string, std::string> backedUp, changed;
};

TEST_F(Restore, BringsTheCircleBackByteForByteAndKeepsWhatItReplaced) {
    backUpAndChange();
    writeFile("BK000001/B2009001.lauf", "Buchung\r\n");  // left by an operation on the replaced books
    ASSERT_EQ(restore(), 1);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"INFORMATION: " + format(text::kMsgRestoreDone, 1, 2009)}));
    EXPECT_EQ(circleFiles(), backedUp);
    for (const char* name : kCircleFiles) EXPECT_EQ(readFile(std::string(name) + ".vor"), changed[name]) << name;
    EXPECT_FALSE(fileExists("BK000001/B2009001.lauf"));
    EXPECT_EQ(readFile("BK000001/B2009001.lauf.vor"), "Buchung\r\n");

    messages.entries.clear();
    ASSERT_TRUE(openCircle());
    EXPECT_EQ(doc.journal().count(), 100);
    EXPECT_EQ(doc.accountIndex().count(), 4);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Restore, ACircleOpenElsewhereIsRefused) {
    ASSERT_TRUE(openCircle());
    yearend::BackupOverview overview;
    ASSERT_EQ(yearend::backupCircle(doc, "sich", overview), yearend::kBackupComplete);
    const auto before = circleFiles();
    messages.entries.clear();
    EXPECT_EQ(restore(), 0);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"FEHLER: " + std::string(text::kMsgCircleLocked)}));
    EXPECT_EQ(circleFiles(), before);
    EXPECT_FALSE(anyKept());
}

TEST_F(Restore, ADamagedOrIncompleteBackupChangesNothing) {
    backUpAndChange();
    const std::string journal = readFile("sich/BK000001/B2009001.jou");
    writeFile("sich/BK000001/B2009001.jou", journal.substr(0, journal.size() - 3));
    EXPECT_EQ(restore(), 0);
    writeFile("sich/BK000001/B2009001.jou", journal);
    platform::removeFile("sich/BK000001/B2009001.jdx");
    EXPECT_EQ(restore(), 0);
    EXPECT_EQ(restore("leer"), 0);
    EXPECT_EQ(messageTexts(),
              (std::vector<std::string>{
                  "FEHLER: " + format(text::kMsgRestoreBackupDamaged, "sich/BK000001/B2009001.jou"),
                  "FEHLER: " + format(text::kMsgRestoreNoBackup, "sich", "sich/BK000001/B2009001.jdx"),
                  "FEHLER: " + format(text::kMsgRestoreNoBackup, "leer", "leer/BK000001/STAMM001.DAT")}));
    EXPECT_EQ(circleFiles(), changed);
    EXPECT_FALSE(anyKept());
}

int g_changes = 0;
int g_failAt = 0;
int failOneChangeOfTheCircle(platform::Change, const std::string& path) {
    if (path.rfind("BK000001", 0) != 0) return platform::kProceed;
    return ++g_changes == g_failAt ? EIO : platform::kProceed;
}

TEST_F(Restore, AFailureAtAnyChangeOfAFilePutsTheCircleBack) {
    backUpAndChange();
    std::set<std::string> expectedMessages;
    for (const char* name : kCircleFiles)
        for (const std::string& path : {std::string(name), std::string(name) + ".vor"})
            expectedMessages.insert("FEHLER: " + format(text::kMsgRestoreFailed, path.c_str()));

    int result = 0;
    for (g_failAt = 1; g_failAt < 200; ++g_failAt) {
        messages.entries.clear();
        g_changes = 0;
        platform::setFaultHook(failOneChangeOfTheCircle);
        result = restore();
        platform::setFaultHook(nullptr);
        if (result == 1) break;
        ASSERT_EQ(messages.entries.size(), 1u) << g_failAt;
        EXPECT_EQ(expectedMessages.count(messageTexts()[0]), 1u) << g_failAt << ": " << messageTexts()[0];
        EXPECT_EQ(circleFiles(), changed) << g_failAt;
        std::vector<std::string> names;
        platform::listDirectory("BK000001", names);
        for (const std::string& name : names) EXPECT_EQ(name.find(".tmp"), std::string::npos) << g_failAt << name;
    }
    ASSERT_EQ(result, 1);
    EXPECT_GT(g_failAt, 12);  // at least a kept copy and a replacement of each file could fail
    EXPECT_EQ(circleFiles(), backedUp);
}

}  // namespace
}  // namespace tellmark::testing
