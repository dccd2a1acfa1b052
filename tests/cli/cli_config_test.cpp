// tellmark-cli as a script uses it: init, config get/set and the booking circle commands.

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

const char* const kFreshIni =
    "; Diese Datei darf in keinem Fall manuell bearbeitet werden!\r\n"
    "\r\n"
    "[TELLMARK]\r\n"
    "Version=W001002\r\n"
    "Daten=\r\n"
    "Sicherung=A:          \r\n"
    "Import=\r\n"
    "Export=\r\n"
    "Passwort=\r\n"
    "Drucker=\r\n"
    "Zeilen pro Seite=68\r\n"
    "Rand oben=0\r\n"
    "Rand links=9\r\n"
    "Farbe=\r\n"
    "Aufl\xF6sung=25,08\r\n"
    "Font Scr normal=\r\n"
    "Font Scr fett=\r\n"
    "Font Prn normal=240\r\n"
    "Font Prn schmal=144\r\n"
    "MwSt F7= 7.00\r\n"
    "MwSt F8=19.00\r\n"
    "\xC4nderung=J\r\n"
    "13.Monat=J\r\n"
    "Signalton=J\r\n"
    "Euro-Faktor=1.95583\r\n"
    "TmKasse=\r\n"
    "TmLohn=\r\n"
    "TmAnlagen=\r\n"
    "Texte zentral=J\r\n"
    "Text F01=\r\nText F02=\r\nText F03=\r\nText F04=\r\nText F05=\r\nText F06=\r\n"
    "Text F07=\r\nText F08=\r\nText F09=\r\nText F10=\r\nText F11=\r\nText F12=\r\n"
    "Font Buchung=25,08,0400,Courier New\r\n"
    "Font Bildschirm=25,08,0400,Courier New\r\n"
    "Font Dialog=16,06,0700,Arial\r\n"
    "Font Nutzung=16,06,0700,Arial\r\n"
    "TmonlineProgramm=C:\\Programme\\tmonline\\tmonline.exe\r\n"
    "TmonlineImport=C:\\Programme\\tmonline\\import\r\n";

TEST(CliConfig, InitWritesTheWholeDefaultFileAndKeepsAnExistingOne) {
    TempDir dir;
    auto r = runCli(dir.path(), {"init"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(readFile(dir.file("tellmark.ini")), kFreshIni);

    ASSERT_EQ(runCli(dir.path(), {"config", "set", "Rand oben", "2"}).exitCode, 0);
    EXPECT_EQ(runCli(dir.path(), {"init"}).exitCode, 0);
    EXPECT_EQ(runCli(dir.path(), {"config", "get", "Rand oben"}).out, "2\n");
}

TEST(CliConfig, SetReplacesExactlyItsLineAndAppendsNewSections) {
    TempDir dir;
    ASSERT_EQ(runCli(dir.path(), {"init"}).exitCode, 0);
    ASSERT_EQ(runCli(dir.path(), {"config", "set", "Zeilen pro Seite", "72"}).exitCode, 0);
    std::string expected = kFreshIni;
    expected.replace(expected.find("Zeilen pro Seite=68"), 19, "Zeilen pro Seite=72");
    EXPECT_EQ(readFile(dir.file("tellmark.ini")), expected);

    // An umlaut typed in UTF-8 reaches the file as one CP1252 byte, and comes back as UTF-8.
    ASSERT_EQ(runCli(dir.path(), {"config", "set", "Text F01", "Büromaterial"}).exitCode, 0);
    EXPECT_NE(readFile(dir.file("tellmark.ini")).find("Text F01=B\xFCromaterial\r\n"), std::string::npos);
    EXPECT_EQ(runCli(dir.path(), {"config", "get", "Text F01"}).out, "Büromaterial\n");
}

TEST(CliConfig, GetFindsAKeyThatStandsOnlyInALaterSection) {
    TempDir dir;
    writeFile(dir.file("tellmark.ini"), "[TELLMARK]\r\nVersion=W001002\r\n[DRUCK]\r\nRand oben=3\r\n");
    auto r = runCli(dir.path(), {"config", "get", "Rand oben"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "3\n");
    // A key that is not there, or no configuration at all, says so.
    const auto missing = runCli(dir.path(), {"config", "get", "Rand unten"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "FEHLER: Der Schlüssel \"Rand unten\" steht nicht unter [TELLMARK] in tellmark.ini.\n");
    TempDir empty;
    const auto none = runCli(empty.path(), {"config", "get", "Rand oben"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.err, "FEHLER: Die Programmkonfiguration tellmark.ini ist nicht vorhanden.\n");
}

TEST(CliConfig, WrongUsageExitsWithTwo) {
    TempDir dir;
    EXPECT_EQ(runCli(dir.path(), {}).exitCode, 2);
    EXPECT_EQ(runCli(dir.path(), {"frobnicate"}).exitCode, 2);
    EXPECT_EQ(runCli(dir.path(), {"config", "set", "Rand oben"}).exitCode, 2);
    EXPECT_EQ(runCli(dir.path(), {"config", "set", "A=B", "1"}).exitCode, 2);
    EXPECT_EQ(runCli(dir.path(), {"circle", "show"}).exitCode, 2);
    EXPECT_EQ(runCli(dir.path(), {"circle", "create", "3", "--name", "X"}).exitCode, 2);
}

TEST(CliCircle, CreateShowAndListABusinessYearCircle) {
    TempDir dir;
    auto r = runCli(dir.path(),
                    {"circle", "create", "3", "--name", "Muster GmbH", "--year", "0809", "--first-month", "7"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(fileExists(dir.file("tellmark.ini")));
    std::string settings = readFile(dir.file("BK000003/STAMM003.DAT"));
    EXPECT_NE(settings.find("\r\nJahr= 809\r\n1.Monat=07\r\n"), std::string::npos);

    r = runCli(dir.path(), {"circle", "show", "-k", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Nr: 3 - Muster GmbH - 07.08-06.09");
    EXPECT_NE(r.out.find("\nEÜ-Rechnung=J\n"), std::string::npos);

    ASSERT_EQ(runCli(dir.path(), {"circle", "create", "12", "--name", "Verein", "--year", "2010", "--chart", "4"})
                  .exitCode,
              0);
    r = runCli(dir.path(), {"circle", "list"});
    EXPECT_EQ(r.out, "  003   Muster GmbH" + std::string(49, ' ') + "\n  012   Verein" + std::string(54, ' ') + "\n");
    EXPECT_EQ(runCli(dir.path(), {"circle", "show", "-k", "12"}).out.substr(0, 22), "Nr: 12 - Verein - 2010");
}

TEST(CliCircle, RefusalsGoToStderrWithTheirCaption) {
    TempDir dir;
    auto r = runCli(dir.path(), {"circle", "create", "1000", "--name", "X", "--year", "2009"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "FEHLER: Nur Buchungskreisnummern von 1-999 zulässig !\n");

    r = runCli(dir.path(), {"circle", "create", "4", "--name", "X", "--year", "1949"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "FEHLER: Ungültiges Buchungsjahr !\n");
    EXPECT_FALSE(fileExists(dir.file("BK000004/STAMM004.DAT")));

    r = runCli(dir.path(), {"circle", "show", "-k", "5"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("FEHLER: "), std::string::npos);
}

}  // namespace
}  // namespace tellmark::testing
