// circle create refuses an existing circle; circle change rewrites the settings only while nobody else
// has the circle open.

#include <gtest/gtest.h>

#include "platform/file.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

const char* const kLockedMessage =
    "FEHLER: Der gewählte Buchungskreis wird schon bearbeitet\noder die Dateien sind schreibgeschützt\n"
    "(z.B. nach Kopieren von einer CD) !\n";

struct Circle {
    TempDir dir;
    std::string settingsPath = dir.file("BK000001/STAMM001.DAT");
    Circle() {
        auto r = runCli(dir.path(), {"circle", "create", "1", "--name", "Muster GmbH", "--year", "2009",
                                     "--auto-doc", "41"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        r = runCli(dir.path(), {"account", "create", "-k", "1", "1000", "--name", "Kasse"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        r = runCli(dir.path(), {"post", "-k", "1", "--date", "15.01", "--debit", "1000", "--credit", "1570",
                                "--amount", "10"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
    }
};

TEST(CliCircleChange, CreateOnAnExistingCircleChangesNothing) {
    Circle c;
    const std::string before = readFile(c.settingsPath);
    auto r = runCli(c.dir.path(), {"circle", "create", "1", "--name", "Neu", "--year", "2010"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "FEHLER: Der Buchungskreis 1 ist schon angelegt !\nSeine Einstellungen ändern Sie mit\n"
                     "'circle change -k 1'.\n");
    EXPECT_EQ(readFile(c.settingsPath), before);
    EXPECT_FALSE(fileExists(c.dir.file("BK000001/B2010001.sal")));
    EXPECT_EQ(runCli(c.dir.path(), {"journal", "-k", "1"}).out.size(), 88u);
}

TEST(CliCircleChange, ChangesOnlyTheNamedFieldsAndKeepsTheCounter) {
    Circle c;
    auto r = runCli(c.dir.path(), {"circle", "change", "-k", "1", "--year", "0910", "--first-month", "7",
                                   "--vat", "N", "--currency", "chf"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string settings = readFile(c.settingsPath);
    EXPECT_NE(settings.find("\r\nName=Muster GmbH\r\nBK-Passwort=\r\nKontenrahmen=03\r\nJahr= 910\r\n1.Monat=07\r\n"
                            "MwSt=N\r\nE\xDC-Rechnung=J\r\nW\xE4hrung1=CHF\r\n"),
              std::string::npos)
        << settings;
    EXPECT_NE(settings.find("\r\nAuto-Beleg=000042\r\n"), std::string::npos) << settings;
    EXPECT_EQ(runCli(c.dir.path(), {"circle", "show", "-k", "1"}).out.substr(0, 33), "Nr: 1 - Muster GmbH - 07.09-06.10");

    // "--auto-doc 0" is the way to switch numbering off; the year of the first change stays.
    ASSERT_EQ(runCli(c.dir.path(), {"circle", "change", "-k", "1", "--auto-doc", "0"}).exitCode, 0);
    EXPECT_NE(readFile(c.settingsPath).find("\r\nJahr= 910\r\n1.Monat=07\r\n"), std::string::npos);
    EXPECT_NE(readFile(c.settingsPath).find("\r\nAuto-Beleg=000000\r\n"), std::string::npos);
}

TEST(CliCircleChange, RefusedWhileAnotherCopyHoldsTheCircle) {
    Circle c;
    const std::string before = readFile(c.settingsPath);
    for (const char* held : {"BK000001/B2009001.sal", "BK000001/B2009001.jou"}) {
        platform::File other;
        ASSERT_TRUE(other.open(c.dir.file(held), platform::Share::DenyWrite));
        auto r = runCli(c.dir.path(), {"circle", "change", "-k", "1", "--year", "2010"});
        EXPECT_EQ(r.exitCode, 1) << held;
        EXPECT_EQ(r.err, kLockedMessage) << held;
        EXPECT_EQ(readFile(c.settingsPath), before) << held;
    }
    // The files of the year changed to count as well: another copy may have them open already.
    writeFile(c.dir.file("BK000001/B2010001.jou"), "");
    {
        platform::File other;
        ASSERT_TRUE(other.open(c.dir.file("BK000001/B2010001.jou"), platform::Share::DenyWrite));
        EXPECT_EQ(runCli(c.dir.path(), {"circle", "change", "-k", "1", "--year", "2010"}).err, kLockedMessage);
        EXPECT_EQ(readFile(c.settingsPath), before);
    }
    EXPECT_EQ(runCli(c.dir.path(), {"circle", "change", "-k", "1", "--year", "2010"}).exitCode, 0);
    EXPECT_NE(readFile(c.settingsPath).find("\r\nJahr=2010\r\n"), std::string::npos);
}

TEST(CliCircleChange, WhileChangingItHoldsTheCircleAgainstOtherCopies) {
    // The lock is what the open sequence of another copy sees: a held balance file probes as locked.
    Circle c;
    platform::File mine;
    ASSERT_TRUE(mine.open(c.dir.file("BK000001/B2009001.sal"), platform::Share::DenyWrite));
    EXPECT_EQ(platform::probeFile(c.dir.file("BK000001/B2009001.sal")), platform::kProbeLocked);
    auto r = runCli(c.dir.path(), {"journal", "-k", "1"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, kLockedMessage);
}

TEST(CliCircleChange, ChecksAsCreateDoesAndNothingChangesOnARefusal) {
    Circle c;
    const std::string before = readFile(c.settingsPath);
    auto r = runCli(c.dir.path(), {"circle", "change", "-k", "1", "--year", "1949"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "FEHLER: Ungültiges Buchungsjahr !\n");
    r = runCli(c.dir.path(), {"circle", "change", "-k", "1", "--chart", "05"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "FEHLER: Nur Kontenrahmen '03' oder '04' zulässig !\n");
    EXPECT_EQ(runCli(c.dir.path(), {"circle", "change", "-k", "1", "--first-month", "13"}).exitCode, 2);
    EXPECT_EQ(runCli(c.dir.path(), {"circle", "change", "-k", "1", "--chart-from", "2"}).exitCode, 2);
    EXPECT_EQ(runCli(c.dir.path(), {"circle", "change", "1", "--year", "2010"}).exitCode, 2);
    EXPECT_EQ(readFile(c.settingsPath), before);

    r = runCli(c.dir.path(), {"circle", "change", "-k", "2", "--year", "2010"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "FEHLER: Unerwarteter Fehler beim Öffnen der Buchungskreisdaten !\n");
    EXPECT_FALSE(fileExists(c.dir.file("BK000002/STAMM002.DAT")));
}

TEST(CliCircleChange, AnUnknownChartIsRefusedUntilTheChangeSetsOne) {
    Circle c;
    std::string settings = readFile(c.settingsPath);
    settings.replace(settings.find("Kontenrahmen=03"), 15, "Kontenrahmen=99");
    writeFile(c.settingsPath, settings);
    auto r = runCli(c.dir.path(), {"circle", "change", "-k", "1", "--name", "Neu"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "FEHLER: Ungültiger Kontenrahmen '99' in der Datei\nBK000001/STAMM001.DAT !\n"
                     "Nur Kontenrahmen '03' oder '04' zulässig;\nbitte in der Buchungskreisverwaltung richtigstellen.\n");
    EXPECT_EQ(readFile(c.settingsPath), settings);
    ASSERT_EQ(runCli(c.dir.path(), {"circle", "change", "-k", "1", "--chart", "3"}).exitCode, 0);
    EXPECT_NE(readFile(c.settingsPath).find("\r\nKontenrahmen=03\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tellmark::testing
