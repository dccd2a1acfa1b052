#include "config/document_paths.h"

#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tellmark::config {
namespace {

using testing::ChangeDir;
using testing::TempDir;
using testing::writeFile;

const std::string kCommentLine = "; Diese Datei darf in keinem Fall manuell bearbeitet werden!\r\n";

void writeSettings(const std::string& dataDir, int number, const std::string& keys) {
    char dir[32], file[32];
    std::snprintf(dir, sizeof dir, "BK%06i", number);
    std::snprintf(file, sizeof file, "STAMM%03i.DAT", number);
    const std::string path = dataDir.empty() ? std::string(dir) : dataDir + "/" + dir;
    std::filesystem::create_directories(path);
    writeFile(path + "/" + file, kCommentLine + "\r\n[BUCHUNGSKREIS]\r\n" + keys);
}

DocumentPaths presetTable() {
    DocumentPaths t;
    for (std::size_t i = 0; i < DocumentPaths::kSlotCount; ++i) t[i] = "old" + std::to_string(i);
    return t;
}

TEST(DocumentPaths, PresentSettingsFileFillsEverySlot) {
    TempDir tmp;
    const std::string d = tmp.path();
    writeSettings(d, 12, "Version=W001001\r\nKontenrahmen=04\r\nJahr=2010\r\n");
    ui::RecordingMessages messages;
    DocumentPaths t = presetTable();

    EXPECT_EQ(buildDocumentPaths(t, d, 12, messages), 1);
    EXPECT_EQ(t[0], "old0");
    EXPECT_EQ(t[1], d);
    EXPECT_EQ(t[2], d + "/BK000012/STAMM012.DAT");
    EXPECT_EQ(t[3], d + "/BK000012/A2010012.sal");
    EXPECT_EQ(t[4], d + "/BK000012/A2010012.sdx");
    EXPECT_EQ(t[5], d + "/BK000012/A2010012.jou");
    EXPECT_EQ(t[6], d + "/BK000012/A2010012.jdx");
    EXPECT_EQ(t[7], d + "/BK000012/A012.stn");
    EXPECT_EQ(t[8], d + "/BK000012/~print~.tmp");
    EXPECT_EQ(t[9], d + "/A201012s.buc");
    EXPECT_EQ(t[10], d + "/A201012s.ndx");
    EXPECT_EQ(t[11], d + "/A201012j.buc");
    EXPECT_EQ(t[12], d + "/A201012j.ndx");
    EXPECT_EQ(t[13], d + "/A12j.buc");
    EXPECT_EQ(t[14], "old14");
    EXPECT_EQ(t[15], d + "/BK000012/DATEV012.DAT");
    EXPECT_TRUE(messages.empty());
}

TEST(DocumentPaths, EmptyDataDirectoryGivesRelativeNamesAndSpanYear) {
    TempDir tmp;
    ChangeDir cd(tmp.path());
    // "Jahr" of a business year 2008/2009 as "%4i" writes it.
    writeSettings("", 3, "Kontenrahmen=03\r\nJahr= 809\r\n");
    ui::RecordingMessages messages;
    DocumentPaths t;

    EXPECT_EQ(buildDocumentPaths(t, "", 3, messages), 1);
    EXPECT_EQ(t[1], "");
    EXPECT_EQ(t[2], "BK000003/STAMM003.DAT");
    EXPECT_EQ(t[3], "BK000003/B0809003.sal");
    EXPECT_EQ(t[7], "BK000003/B003.stn");
    EXPECT_EQ(t[9], "B080903s.buc");
}

TEST(DocumentPaths, MissingSettingsFileClearsYearSlotsButKeepsPrintFile) {
    TempDir tmp;
    ui::RecordingMessages messages;
    DocumentPaths t = presetTable();

    EXPECT_EQ(buildDocumentPaths(t, tmp.path(), 12, messages), 0);
    EXPECT_EQ(t[0], "old0");
    EXPECT_EQ(t[1], tmp.path());
    EXPECT_EQ(t[2], tmp.path() + "/BK000012/STAMM012.DAT");
    for (std::size_t slot : {3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 15}) EXPECT_EQ(t[slot], "") << "slot " << slot;
    EXPECT_EQ(t[8], "old8");
    EXPECT_EQ(t[14], "old14");
    // Probing must not leave a settings file behind.
    EXPECT_FALSE(testing::fileExists(t[2]));
}

TEST(BackupPaths, SevenNamesUnderTheBackupDirectory) {
    TempDir data;
    writeSettings(data.path(), 12, "Kontenrahmen=03\r\nJahr=2009\r\n");
    ui::RecordingMessages messages;
    BackupPaths b;

    // The stored value is padded with blanks; they belong to no path.
    EXPECT_EQ(buildBackupPaths(b, "   /media/stick  ", data.path(), 12, messages), 1);
    EXPECT_EQ(b[BackupPaths::kConfig], "/media/stick/tellmark.ini");
    EXPECT_EQ(b[BackupPaths::kSettings], "/media/stick/BK000012/STAMM012.DAT");
    EXPECT_EQ(b[BackupPaths::kBalance], "/media/stick/BK000012/B2009012.sal");
    EXPECT_EQ(b[BackupPaths::kBalanceIndex], "/media/stick/BK000012/B2009012.sdx");
    EXPECT_EQ(b[BackupPaths::kJournal], "/media/stick/BK000012/B2009012.jou");
    EXPECT_EQ(b[BackupPaths::kJournalIndex], "/media/stick/BK000012/B2009012.jdx");
    EXPECT_EQ(b[BackupPaths::kStandardBookings], "/media/stick/BK000012/B012.stn");

    EXPECT_EQ(buildBackupPaths(b, "          ", data.path(), 12, messages), 0);
    for (const auto& name : b.names) EXPECT_EQ(name, "");

    EXPECT_EQ(buildBackupPaths(b, "/media/stick", data.path(), 3, messages), 0);
    for (const auto& name : b.names) EXPECT_EQ(name, "");
}

}  // namespace
}  // namespace tellmark::config
