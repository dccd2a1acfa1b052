#include "config/program_config.h"

#include <gtest/gtest.h>

#include "config/ini_scramble.h"
#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"

namespace tellmark::config {
namespace {

using testing::ChangeDir;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

const std::string kHead(cp<"; Diese Datei darf in keinem Fall manuell bearbeitet werden!\r\n\r\n[TELLMARK]\r\n">());

const std::string kDefaultFile = kHead + std::string(cp<
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
    "Auflösung=25,08\r\n"
    "Font Scr normal=\r\n"
    "Font Scr fett=\r\n"
    "Font Prn normal=240\r\n"
    "Font Prn schmal=144\r\n"
    "MwSt F7= 7.00\r\n"
    "MwSt F8=19.00\r\n"
    "Änderung=J\r\n"
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
    "TmonlineImport=C:\\Programme\\tmonline\\import\r\n">());

TEST(ProgramConfig, CreateDefaultsWritesTheWholeFileInTheCurrentDirectory) {
    TempDir dir;
    ChangeDir here(dir.path());
    ui::RecordingMessages messages;
    CIniSB settings(messages);
    EXPECT_EQ(settings.createDefaults(), 1);
    EXPECT_FALSE(settings.isOpen());
    EXPECT_EQ(readFile(dir.file("tellmark.ini")), kDefaultFile);
    EXPECT_TRUE(messages.empty());
}

TEST(ProgramConfig, ReadAllSettingsFillsTheRecordWithoutTouchingACompleteFile) {
    TempDir dir;
    ui::RecordingMessages messages;
    CIniSB settings(messages, dir.path());
    ASSERT_EQ(settings.createDefaults(), 1);
    ASSERT_EQ(settings.readAllSettings(), 1);
    EXPECT_FALSE(settings.isOpen());
    EXPECT_EQ(readFile(dir.file("tellmark.ini")), kDefaultFile);

    const ProgramConfig& c = settings.config();
    EXPECT_EQ(c.dataDirectory, "");
    EXPECT_EQ(c.backupDirectory, "A:          ");
    EXPECT_EQ(c.linesPerPage, 68);
    EXPECT_EQ(c.topMargin, 0);
    EXPECT_EQ(c.leftMargin, 9);
    EXPECT_EQ(c.colour, 0);
    EXPECT_EQ(c.screenCell.height, 25);
    EXPECT_EQ(c.screenCell.width, 8);
    EXPECT_EQ(c.fontPrintNormal, "240");
    EXPECT_EQ(c.vatPresetF7, " 7.00");
    EXPECT_EQ(c.vatPresetF8, "19.00");
    EXPECT_TRUE(c.changesAllowed);
    EXPECT_TRUE(c.thirteenthMonth);
    EXPECT_TRUE(c.signalTone);
    EXPECT_DOUBLE_EQ(c.euroFactor, 1.95583);
    EXPECT_FALSE(c.companionCash || c.companionPayroll || c.companionAssets);
    EXPECT_TRUE(c.centralTexts);
    EXPECT_EQ(c.fontBooking.height, 25);
    EXPECT_EQ(c.fontBooking.width, 8);
    EXPECT_EQ(c.fontBooking.weight, 400);
    EXPECT_EQ(c.fontBooking.face, "Courier New");
    EXPECT_EQ(c.fontUsage.height, 16);
    EXPECT_EQ(c.fontUsage.width, 6);
    EXPECT_EQ(c.fontUsage.weight, 700);
    EXPECT_EQ(c.fontUsage.face, "Arial");
    EXPECT_EQ(c.companionProgram, "C:\\Programme\\tmonline\\tmonline.exe");
    EXPECT_EQ(c.companionImport, "C:\\Programme\\tmonline\\import");
    EXPECT_TRUE(messages.empty());
}

TEST(ProgramConfig, ReadAllSettingsAddsMissingCompanionKeysAndCutsLongValues) {
    TempDir dir;
    std::string path = dir.file("tellmark.ini");
    const std::string original = kHead + "Text F01=" + std::string(40, 'T') + "\r\nMwSt F7=12.3456\r\n"
                                 "13.Monat=ja\r\nTexte zentral=N\r\nTmonlineImport=/srv/import\r\nFarbe= 12x\r\n";
    writeFile(path, original);
    ui::RecordingMessages messages;
    CIniSB settings(messages, dir.path());
    ASSERT_EQ(settings.readAllSettings(), 1);
    EXPECT_EQ(readFile(path), original + "TmonlineProgramm=C:\\Programme\\tmonline\\tmonline.exe\r\n");
    const ProgramConfig& c = settings.config();
    EXPECT_EQ(c.keyTexts[0], std::string(25, 'T'));
    EXPECT_EQ(c.vatPresetF7, "12.345");
    EXPECT_TRUE(c.thirteenthMonth);
    EXPECT_FALSE(c.centralTexts);
    EXPECT_EQ(c.colour, 12);
    EXPECT_EQ(c.companionImport, "/srv/import");
    EXPECT_EQ(c.companionProgram, "C:\\Programme\\tmonline\\tmonline.exe");
    // Missing and short font and cell texts read as the fallback font.
    EXPECT_EQ(c.fontBooking.face, "Courier New");
    EXPECT_EQ(c.screenCell.height, 23);
    EXPECT_EQ(c.screenCell.width, 8);
}

TEST(ProgramConfig, WriteAllSettingsRewritesEveryKeyInPlace) {
    TempDir dir;
    ui::RecordingMessages messages;
    CIniSB settings(messages, dir.path());
    ASSERT_EQ(settings.createDefaults(), 1);
    ASSERT_EQ(settings.readAllSettings(), 1);
    ProgramConfig& c = settings.config();
    c.password = "abc-1.X";
    c.linesPerPage = 72;
    c.thirteenthMonth = false;
    c.companionPayroll = true;
    c.euroFactor = 2.5;
    c.keyTexts[2] = "Miete";
    c.fontScreen = {61, 3, 2000, "Lucida"};  // out of range: written as 23, 8, 400
    c.screenCell = {30, 10};
    ASSERT_EQ(settings.writeAllSettings(), 1);
    EXPECT_FALSE(settings.isOpen());

    const std::string expected = kHead + std::string(cp<
        "Version=W001002\r\n"
        "Daten=\r\n"
        "Sicherung=A:          \r\n"
        "Import=\r\n"
        "Export=\r\n">()) + "Passwort=" + scramblePassword("abc-1.X") + "\r\n" + std::string(cp<
        "Drucker=\r\n"
        "Zeilen pro Seite=72\r\n"
        "Rand oben=0\r\n"
        "Rand links=9\r\n"
        "Farbe=0\r\n"
        "Auflösung=30,10\r\n"
        "Font Scr normal=\r\n"
        "Font Scr fett=\r\n"
        "Font Prn normal=240\r\n"
        "Font Prn schmal=144\r\n"
        "MwSt F7= 7.00\r\n"
        "MwSt F8=19.00\r\n"
        "Änderung=J\r\n"
        "13.Monat=N\r\n"
        "Signalton=J\r\n"
        "Euro-Faktor=2.500000\r\n"
        "TmKasse=N\r\n"
        "TmLohn=J\r\n"
        "TmAnlagen=N\r\n"
        "Texte zentral=J\r\n"
        "Text F01=\r\nText F02=\r\nText F03=Miete\r\nText F04=\r\nText F05=\r\nText F06=\r\n"
        "Text F07=\r\nText F08=\r\nText F09=\r\nText F10=\r\nText F11=\r\nText F12=\r\n"
        "Font Buchung=25,08,0400,Courier New\r\n"
        "Font Bildschirm=23,08,0400,Lucida\r\n"
        "Font Dialog=16,06,0700,Arial\r\n"
        "Font Nutzung=16,06,0700,Arial\r\n"
        "TmonlineProgramm=C:\\Programme\\tmonline\\tmonline.exe\r\n"
        "TmonlineImport=C:\\Programme\\tmonline\\import\r\n">());
    EXPECT_EQ(readFile(dir.file("tellmark.ini")), expected);

    CIniSB again(messages, dir.path());
    ASSERT_EQ(again.readAllSettings(), 1);
    EXPECT_EQ(again.config().password, "abc-1.X");
    EXPECT_DOUBLE_EQ(again.config().euroFactor, 2.5);
    EXPECT_TRUE(messages.empty());
}

TEST(ProgramConfig, UpgradeBringsAnOldFileToTheNewVersion) {
    TempDir dir;
    std::string path = dir.file("tellmark.ini");
    writeFile(path, kHead + std::string(cp<"Version=W001001\r\nDaten=\r\nAuflösung=1,2\r\nZeilen pro Seite=60\r\n"
                                           "Font Dialog=12,05,0400,Arial\r\n">()));
    ui::RecordingMessages messages;
    CIniSB settings(messages, dir.path());
    EXPECT_EQ(settings.upgrade(), 1);
    EXPECT_FALSE(settings.isOpen());
    EXPECT_EQ(readFile(path), kHead + std::string(cp<
        "Version=W001002\r\n"
        "Daten=\r\n"
        "Auflösung=25,08\r\n"
        "Zeilen pro Seite=60\r\n"
        "Font Dialog=12,05,0400,Arial\r\n"
        "TmonlineProgramm=C:\\Programme\\tmonline\\tmonline.exe\r\n"
        "TmonlineImport=C:\\Programme\\tmonline\\import\r\n"
        "Font Buchung=25,08,0400,Courier New\r\n"
        "Font Bildschirm=25,08,0400,Courier New\r\n"
        "Font Nutzung=16,06,0700,Arial\r\n">()));
    const ProgramConfig& c = settings.config();
    EXPECT_EQ(c.screenCell.height, 25);
    EXPECT_EQ(c.linesPerPage, 60);
    EXPECT_EQ(c.fontDialog.height, 12);
    EXPECT_EQ(c.fontDialog.width, 5);
    EXPECT_EQ(c.fontUsage.weight, 700);
    EXPECT_EQ(c.fontScreen.face, "Courier New");
    EXPECT_TRUE(messages.empty());
}

TEST(ProgramConfig, UpgradeLeavesACurrentFileAlone) {
    TempDir dir;
    std::string path = dir.file("tellmark.ini");
    const std::string current = kHead + std::string(cp<"Version=W001002\r\nAuflösung=1,2\r\n"
                                                       "TmonlineProgramm=\r\nTmonlineImport=\r\n">());
    writeFile(path, current);
    ui::RecordingMessages messages;
    CIniSB settings(messages, dir.path());
    EXPECT_EQ(settings.upgrade(), 1);
    EXPECT_EQ(readFile(path), current);
}

}  // namespace
}  // namespace tellmark::config
