// Data backup: copies byte for byte under the same relative names, the overview of the copies, and what a
// full or missing medium does: the message, and the previous backup left whole.

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

#include "ledger/standard_booking_file.h"
#include "platform/directory.h"
#include "platform/fault_points.h"
#include "resources/texts_backup.h"
#include "resources/texts_common.h"
#include "resources/texts_platform.h"
#include "yearend/backup.h"
#include "yearend/backup_circle.h"

namespace tellmark::testing {
namespace {

using yearend::BackupOverview;

std::vector<std::string> leftovers(const std::string& directory) {
    std::vector<std::string> names, temporary;
    platform::listDirectory(directory, names);
    for (const std::string& name : names)
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0) temporary.push_back(name);
    return temporary;
}

class Backup : public BackupCircle {
protected:
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto& e : messages.entries) texts.push_back(e.caption + ": " + e.text);
        return texts;
    }
    void setStandardBookings(const char* text) {
        std::vector<ledger::StandardBookingRecord> records{
            ledger::makeStandardBooking(true, "", " 1200", " 8400", text, "100.00", "19.00")};
        ASSERT_TRUE(ledger::writeStandardBookings(doc.standardBookingsFile(), records, messages));
    }
    BackupOverview overview;
};

TEST_F(Backup, CopiesAreTheOpenFilesByteForByteAndTheOverviewNamesThem) {
    ASSERT_TRUE(openCircle());
    messages.entries.clear();
    progress.phases.clear();
    progress.labels.clear();
    ASSERT_EQ(yearend::backupCircle(doc, "  sich  ", overview), yearend::kBackupComplete);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(circleFiles("sich"), circleFiles());
    EXPECT_EQ(readFile("sich/tellmark.ini"), readFile("tellmark.ini"));
    EXPECT_NE(readFile("tellmark.ini").find("\r\nSicherung=  sich  \r\n"), std::string::npos);
    EXPECT_TRUE(leftovers("sich/BK000001").empty());

    const char* const rowFiles[] = {"BK000001/B2009001.jou", "BK000001/B2009001.jdx", "BK000001/B2009001.sal",
                                    "BK000001/B2009001.sdx", "BK000001/B001.stn",     "BK000001/STAMM001.DAT",
                                    "tellmark.ini"};
    std::vector<std::string> rows, expected;
    for (std::size_t i = 0; i < yearend::kBackupRows; ++i) {
        ASSERT_TRUE(overview[i].made) << i;
        rows.push_back(yearend::backupRowName(overview[i]) + yearend::backupRowSize(overview[i]));
        expected.push_back(format(" sich/%s %8.0f ", rowFiles[i], static_cast<double>(readFile(rowFiles[i]).size())));
    }
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(yearend::backupRowSize(overview[0]), "    6400 ");
    EXPECT_EQ(yearend::backupRowSize(overview[4]), "       0 ");  // no standard bookings yet

    // One progress window per file, in the order of copying; 100 bookings are one full block and an empty one.
    std::vector<std::string> phases;
    for (const auto& p : progress.phases)
        phases.push_back(format("%s|%s|%s|%i|%i", p.caption.c_str(), p.secondLine.c_str(), p.barLabel.c_str(), p.total,
                                p.steps));
    const std::string sdxTotal = std::to_string(readFile("BK000001/B2009001.sdx").size() / 1000 + 1);
    EXPECT_EQ(phases, (std::vector<std::string>{
                          "Journaldatei|Die Buchungss\xE4tze  werden kopiert|Buchungs\xE4tze...|2|2",
                          "Saldendatei|Die Konten werden kopiert|Konten...|1|1",
                          "Journal-Indexdatei|Die Indexdatei wird kopiert|Journal-Indexdatei...|1|1",
                          "Salden-Indexdatei|Die Indexdatei wird kopiert|Salden-Indexdatei...|" + sdxTotal + "|" + sdxTotal,
                          "Standardbuchungen|Die Standardbuchungen werden kopiert|Buchungss\xE4tze...|1|1",
                          "Stammmdaten|Die Stammdaten werden kopiert|Stammdaten...|1|1",
                          "Programmkonfiguration|Die Programmkonfiguration wird kopiert|Programmkonfiguration...|1|1"}));

    // The counts after each block of the journal and the balance file.
    EXPECT_EQ(progress.labels,
              (std::vector<std::string>{"100 Buchungss\xE4tze", "100 Buchungss\xE4tze", "4 Konten"}));

    // A second backup to the same place replaces the first.
    setStandardBookings("Miete");
    ASSERT_EQ(yearend::backupCircle(doc, "sich", overview), yearend::kBackupComplete);
    EXPECT_EQ(circleFiles("sich"), circleFiles());
    EXPECT_EQ(yearend::backupRowSize(overview[4]), "      64 ");
}

int g_writes = 0;
int g_failAt = 0;
int failWriteIntoBackup(platform::Change change, const std::string& path) {
    if (change != platform::Change::Write || path.rfind("sich/", 0) != 0) return platform::kProceed;
    return ++g_writes == g_failAt ? ENOSPC : platform::kProceed;
}

TEST_F(Backup, AFullMediumStopsTheBackupAndLeavesThePreviousOneWhole) {
    ASSERT_TRUE(openCircle());
    ASSERT_EQ(yearend::backupCircle(doc, "sich", overview), yearend::kBackupComplete);
    const auto previous = circleFiles("sich");
    setStandardBookings("Miete");

    // Every write into the backup, one after the other, fails once.
    int result = yearend::kBackupStopped;
    for (g_failAt = 1; result != yearend::kBackupComplete && g_failAt < 50; ++g_failAt) {
        messages.entries.clear();
        g_writes = 0;
        platform::setFaultHook(failWriteIntoBackup);
        result = yearend::backupCircle(doc, "sich", overview);
        platform::setFaultHook(nullptr);
        if (result == yearend::kBackupComplete) break;
        EXPECT_EQ(result, yearend::kBackupStopped) << g_failAt;
        EXPECT_EQ(messageTexts(), (std::vector<std::string>{"FEHLER: " + std::string(text::kMsgBackupDiskFull)}))
            << g_failAt;
        EXPECT_EQ(circleFiles("sich"), previous) << g_failAt;
        EXPECT_TRUE(leftovers("sich/BK000001").empty()) << g_failAt;
        EXPECT_TRUE(leftovers("sich").empty()) << g_failAt;
    }
    // One write per block: the account index takes two of 1,000 bytes, every other file one.
    const std::size_t indexBlocks = (readFile("BK000001/B2009001.sdx").size() + 999) / 1000;
    EXPECT_EQ(g_failAt, static_cast<int>(6 + indexBlocks + 1));  // then the run without a fault
    EXPECT_EQ(circleFiles("sich"), circleFiles());
}

TEST_F(Backup, AMissingOrEmptyDirectoryIsReported) {
    ASSERT_TRUE(openCircle());
    messages.entries.clear();
    const std::string missing = dir.path() + "/gibt-es-nicht/sich";
    EXPECT_EQ(yearend::backupCircle(doc, missing, overview), yearend::kBackupStopped);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{
                                  "FEHLER: " + format(text::kPathNotCorrect, missing.c_str()),
                                  "FEHLER: " + std::string(text::kMsgBackupWriteProtected)}));
    messages.entries.clear();
    EXPECT_EQ(yearend::backupCircle(doc, "     ", overview), yearend::kBackupStopped);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"FEHLER: " + std::string(text::kMsgBackupPathEmpty)}));
}

TEST_F(Backup, ACopyThatCannotBeCreatedIsReportedAndTheOthersAreMade) {
    ASSERT_TRUE(openCircle());
    ASSERT_EQ(::mkdir("sich", 0755), 0);
    ASSERT_EQ(::mkdir("sich/BK000001", 0755), 0);
    ASSERT_EQ(::mkdir("sich/BK000001/B001.stn.tmp", 0755), 0);  // in the way of the copy
    messages.entries.clear();
    EXPECT_EQ(yearend::backupCircle(doc, "sich", overview), yearend::kBackupIncomplete);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"FEHLER: " + std::string(text::kMsgBackupStandardNotCreated)}));
    for (std::size_t i = 0; i < yearend::kBackupRows; ++i) EXPECT_EQ(overview[i].made, i != 4) << i;
    auto expected = circleFiles();
    expected["BK000001/B001.stn"] = "(fehlt)";
    EXPECT_EQ(circleFiles("sich"), expected);
}

TEST_F(Backup, ABackupOverItsOwnFilesIsRefused) {
    ASSERT_TRUE(openCircle());
    const auto before = circleFiles();
    messages.entries.clear();
    EXPECT_EQ(yearend::backupCircle(doc, ".", overview), yearend::kBackupStopped);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{
                                  "FEHLER: " + format(text::kMsgBackupIntoSource, "./BK000001/B2009001.jou")}));
    EXPECT_EQ(circleFiles(), before);
    EXPECT_EQ(doc.journal().count(), 100);
}

}  // namespace
}  // namespace tellmark::testing
