// "backup" and "restore" on the command line, the take-over of the old setup files by "init", and the
// conversion of old-format files when a command opens the circle.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "circles/document.h"
#include "platform/file_stamp.h"
#include "resources/format.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::testing {
namespace {

const char* const kFiles[] = {"BK000001/STAMM001.DAT", "BK000001/B2009001.sal", "BK000001/B2009001.sdx",
                              "BK000001/B2009001.jou", "BK000001/B2009001.jdx", "BK000001/B001.stn"};

class CliBackup : public ::testing::Test {
protected:
    void SetUp() override {
        ok({"circle", "create", "1", "--name", "Sicherung", "--year", "2009"});
        ok({"account", "create", "-k", "1", "1200", "--name", "BANK"});
        ok({"account", "create", "-k", "1", "8400", "--name", "ERLÖSE"});
        ok({"post", "-k", "1", "--date", "05.03", "--debit", "1200", "--credit", "8400", "--text", "Verkauf",
            "--amount", "119.00", "--rate", "19"});
    }
    CliResult cli(const std::vector<std::string>& args) { return runCli(dir.path(), args); }
    void ok(const std::vector<std::string>& args) {
        const CliResult r = cli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    std::map<std::string, std::string> files(const std::string& base) {
        std::map<std::string, std::string> out;
        for (const char* name : kFiles) {
            const std::string path = base + "/" + name;
            out[name] = fileExists(path) ? readFile(path) : "(fehlt)";
        }
        return out;
    }
    std::string row(int n, const std::string& name) {
        platform::FileStamp s;
        EXPECT_TRUE(platform::fileStamp(dir.file(name), s)) << name;
        return format("(%i) %-28s%8.0f  %02i.%02i.%04i, %02i.%02i Uhr\n", n, (" " + name + " ").c_str(),
                      static_cast<double>(s.size), s.day, s.month, s.year, s.hour, s.minute);
    }

    TempDir dir;
};

TEST_F(CliBackup, TheBackupIsPrintedAndTheRestoreBringsTheCircleBack) {
    const CliResult backup = cli({"backup", "-k", "1", "sich"});
    ASSERT_EQ(backup.exitCode, 0) << backup.err;
    EXPECT_EQ(backup.err, "");
    EXPECT_EQ(backup.out, "Übersicht über gesicherte Dateien\n"
                          "Folgende Sicherungs-Dateien wurden erstellt:\n"
                          "     Dateiname                     Bytes  Datum, Uhrzeit\n" +
                              row(1, "sich/BK000001/B2009001.jou") + row(2, "sich/BK000001/B2009001.jdx") +
                              row(3, "sich/BK000001/B2009001.sal") + row(4, "sich/BK000001/B2009001.sdx") +
                              row(5, "sich/BK000001/B001.stn") + row(6, "sich/BK000001/STAMM001.DAT") +
                              row(7, "sich/tellmark.ini") +
                              "(1)+(2) Journal,  (3)+(4) Konten,  (5) Standardbuchungen,  (6) Stammdaten,  "
                              "(7) Programm-Konfig.\n"
                              "Ist keine Standardbuchung angelegt, wird die Datei der Standardbuchungen mit 0 Bytes "
                              "angezeigt.\n"
                              "Prüfen Sie Ihre Datensicherungen regelmäßig auf ihre Lesbarkeit!\n");
    const auto backedUp = files(dir.path());
    EXPECT_EQ(files(dir.file("sich")), backedUp);
    // The directory is kept for the next backup.
    EXPECT_EQ(cli({"config", "get", "Sicherung"}).out, "sich\n");

    ok({"post", "-k", "1", "--date", "06.03", "--debit", "1200", "--credit", "8400", "--amount", "50.00"});
    const auto changed = files(dir.path());
    const CliResult restore = cli({"restore", "-k", "1", "sich"});
    ASSERT_EQ(restore.exitCode, 0) << restore.err;
    EXPECT_EQ(restore.out, "");
    EXPECT_EQ(restore.err, "INFORMATION: Die Datensicherung des Buchungskreises 1 (Buchungsjahr 2009) wurde "
                           "zurückgesichert.\nDie bisherigen Dateien liegen mit der Endung \".vor\" daneben.\n");
    EXPECT_EQ(files(dir.path()), backedUp);
    EXPECT_EQ(readFile(dir.file("BK000001/B2009001.jou.vor")), changed.at("BK000001/B2009001.jou"));

    // Into another start directory that has no such circle yet.
    TempDir other;
    ASSERT_EQ(runCli(other.path(), {"init"}).exitCode, 0);
    const CliResult elsewhere = runCli(other.path(), {"restore", "-k", "1", dir.file("sich")});
    ASSERT_EQ(elsewhere.exitCode, 0) << elsewhere.err;
    EXPECT_EQ(files(other.path()), backedUp);
    EXPECT_EQ(runCli(other.path(), {"circle", "list"}).out, format("  %03i   %-60s\n", 1, "Sicherung"));
}

TEST_F(CliBackup, ARestoreIntoACircleOpenElsewhereIsRefused) {
    ok({"backup", "-k", "1", "sich"});
    const auto before = files(dir.path());
    ui::SilentMessages silent;
    ui::NoProgress progress;
    CliResult refused;
    {
        ChangeDir cd(dir.path());
        circles::CVt36Doc doc(silent, progress);
        ASSERT_EQ(doc.readProgramConfig(), 1);
        ASSERT_EQ(doc.openCircle(1), 1);
        refused = cli({"restore", "-k", "1", "sich"});
    }
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "FEHLER: Der gewählte Buchungskreis wird schon bearbeitet\noder die Dateien sind "
                           "schreibgeschützt\n(z.B. nach Kopieren von einer CD) !\n");
    EXPECT_EQ(files(dir.path()), before);
    EXPECT_FALSE(fileExists(dir.file("BK000001/B2009001.jou.vor")));
}

TEST_F(CliBackup, AMissingBackupDirectoryAndWrongUsage) {
    const std::string missing = dir.file("fehlt/sich");
    const CliResult backup = cli({"backup", "-k", "1", missing});
    EXPECT_EQ(backup.exitCode, 1);
    EXPECT_EQ(backup.out, "");
    EXPECT_EQ(backup.err, "FEHLER: Folgender Pfadname ist nicht korrekt:\n" + missing +
                              "\nDas neue Unterverzeichnis konnte nicht angelegt werden !\n"
                              "FEHLER: Es ist ein Fehler in der Datensicherung aufgetreten.\nEventuell ist der "
                              "Datenträger schreibgeschützt!\n\n Die Daten konnten nicht vollständig gesichert "
                              "werden!\n");
    const CliResult restore = cli({"restore", "-k", "1", "fehlt"});
    EXPECT_EQ(restore.exitCode, 1);
    EXPECT_EQ(restore.err, "FEHLER: In 'fehlt' wurde keine vollständige Datensicherung dieses Buchungskreises "
                           "gefunden !\nEs fehlt die Datei:\nfehlt/BK000001/STAMM001.DAT\n");
    EXPECT_EQ(cli({"restore", "-k", "1"}).exitCode, 2);
    EXPECT_EQ(cli({"backup", "sich"}).exitCode, 2);
    EXPECT_EQ(cli({"backup", "-k", "1", "a\nb"}).exitCode, 2);
}

TEST(CliOldData, InitTakesOverTheOldSetupAndAnOpenConvertsTheOldFiles) {
    TempDir dir;
    writeFile(dir.file("KWSETUP.INI"), "ZEILEN=72\r\nTEXT1=B\x81ro\r\n");
    ASSERT_EQ(runCli(dir.path(), {"init"}).exitCode, 0);
    EXPECT_EQ(runCli(dir.path(), {"config", "get", "Zeilen pro Seite"}).out, "72\n");
    EXPECT_EQ(runCli(dir.path(), {"config", "get", "Text F01"}).out, "Büro\n");

    ASSERT_EQ(runCli(dir.path(), {"circle", "create", "1", "--name", "Alt", "--year", "2009"}).exitCode, 0);
    for (const char* name : {"B2009001.sal", "B2009001.jou", "B2009001.sdx", "B2009001.jdx", "B001.stn"})
        ASSERT_EQ(std::remove(dir.file(std::string("BK000001/") + name).c_str()), 0) << name;
    std::string account = format("%5s%-25s%c", " 1200", "BANK", ' ');
    for (int slot = 0; slot < 13; ++slot) account += format("%12.2f", slot == 0 ? 10.0 : 0.0);
    const std::string oldBalance = account + "*\r\n" + format("%5s%-25s ", " 8400", "ERL\x94SE") +
                                   account.substr(31) + "*\r\n";
    const std::string oldJournal = format("%-5s%-6s%5s%5s%-25s%11s%5s\r\n", "05.03", "", " 1200", " 8400", "Gr\x94\xE1" "e",
                                          "1.00", " 0.00");
    writeFile(dir.file("B200901s.buc"), oldBalance);
    writeFile(dir.file("B200901j.buc"), oldJournal);
    const CliResult list = runCli(dir.path(), {"account", "list", "-k", "1"});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(readFile(dir.file("BK000001/B2009001.sal")),
              account + "        0.00*\r\n" + format("%5s%-25s ", " 8400", "ERL\xF6SE") + account.substr(31) +
                  "        0.00*\r\n");
    EXPECT_EQ(readFile(dir.file("BK000001/B2009001.jou")),
              format("%-5s%-6s%5s%5s%-25s%11s%5s\r\n", "05.03", "", " 1200", " 8400", "Gr\xF6\xDF" "e", "1.00", " 0.00"));
    EXPECT_EQ(readFile(dir.file("B200901s.buc")), oldBalance);
    EXPECT_EQ(readFile(dir.file("B200901j.buc")), oldJournal);
}

}  // namespace
}  // namespace tellmark::testing
