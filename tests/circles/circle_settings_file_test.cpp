#include "circles/circle_settings_file.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "circles/circle_fields.h"
#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"

namespace tellmark::circles {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;

const std::string kHead = "; Diese Datei darf in keinem Fall manuell bearbeitet werden!\r\n\r\n[BUCHUNGSKREIS]\r\n";

const std::string kElsterDatevEmpty =
    "ElsterStNr=\r\nElsterFaNr=\r\nElsterName=\r\nElsterStrasse=\r\nElsterPlz=\r\nElsterOrt=\r\n"
    "ElsterTelefon=\r\nElsterEmail=\r\nDatevStbNr=\r\nDatevMandantNr=\r\nDatevDFV=\r\nDatevPasswort=\r\n"
    "DatevDatenTrNr=\r\nDatevAbrechNr=\r\nDatevVon=\r\nDatevBis=\r\nDatevWaehrung=\r\nDatevExpPfad=\r\n";

std::string settingsFile(const std::string& dataDir, int number) {
    char rel[40];
    std::snprintf(rel, sizeof rel, "/BK%06i/STAMM%03i.DAT", number, number);
    return dataDir + rel;
}

// A settings file holding exactly these keys, as another program generation or an older save left it.
std::string writeSettings(const TempDir& tmp, const std::string& keys) {
    std::filesystem::create_directories(tmp.path() + "/BK000001");
    const std::string path = settingsFile(tmp.path(), 1);
    writeFile(path, kHead + keys);
    return path;
}

CircleSettings readBack(const std::string& path, ui::Messages& messages) {
    CIniBK ini(messages);
    ini.setPath(path);
    EXPECT_EQ(ini.open(), 1);
    ini.readSettings();
    ini.close();
    return ini.settings();
}

TEST(CIniBK, CreateDefaultsWritesTheWholeFile) {
    TempDir tmp;
    ui::RecordingMessages messages;
    CIniBK ini(messages);
    ini.setPath(tmp.file("STAMM001.DAT"));
    EXPECT_EQ(ini.createDefaults(), 1);
    EXPECT_FALSE(ini.isOpen());
    const std::string expected =
        kHead +
        std::string(cp<"Version=W001001\r\nName=Name\r\nBK-Passwort=\r\nKontenrahmen=03\r\nJahr=2006\r\n"
                       "1.Monat=01\r\nMwSt=J\r\nEÜ-Rechnung=J\r\nWährung1=EUR\r\nWährung2=\r\n"
                       "Währungsfaktor=\r\nAuto-Beleg=000000\r\n">()) +
        kElsterDatevEmpty;
    EXPECT_EQ(readFile(tmp.file("STAMM001.DAT")), expected);
    EXPECT_TRUE(messages.empty());

    CIniBK blank(messages);
    blank.setPath("   ");
    EXPECT_EQ(blank.createDefaults(), 64);
}

TEST(CIniBK, SpanYearReadsBackWithBothHalves) {
    TempDir tmp;
    ui::RecordingMessages messages;
    const auto path = writeSettings(tmp, std::string(cp<"Name=Muster GmbH\r\nKontenrahmen=04\r\nJahr= 809\r\n"
                                                         "1.Monat=07\r\nMwSt=N\r\nEÜ-Rechnung=j\r\n"
                                                         "Währung1=EURO\r\nAuto-Beleg=000000\r\n">()));
    const CircleSettings s = readBack(path, messages);
    EXPECT_EQ(s.name, "Muster GmbH");
    EXPECT_EQ(s.chart, 4);
    EXPECT_EQ(s.year, 809);
    EXPECT_EQ(s.spanYear, 1);
    EXPECT_EQ(s.firstMonthSetting, 7);
    EXPECT_EQ(s.firstMonth, 7);
    EXPECT_EQ(s.lastMonth, 6);
    EXPECT_EQ(s.firstYear2, 8);
    EXPECT_EQ(s.secondYear2, 9);
    EXPECT_EQ(s.firstYear4, 2008);
    EXPECT_EQ(s.secondYear4, 2009);
    EXPECT_EQ(s.firstYearText, "08");
    EXPECT_EQ(s.secondYearText, "09");
    EXPECT_EQ(s.vatOn, 0);
    EXPECT_EQ(s.cashBasis, 1);
    EXPECT_EQ(s.currency1, "EUR");
    EXPECT_EQ(s.automaticNumbering, 0);
}

TEST(CIniBK, FourDigitYearsAreTheYearsTyped) {
    TempDir tmp;
    ui::RecordingMessages messages;
    struct Case {
        const char* stored;
        int first4, second4, first2, second2;
    } cases[] = {{"2050", 2050, 2050, 50, 50}, {"1950", 1950, 1950, 50, 50}, {"2009", 2009, 2009, 9, 9},
                 {"4950", 2049, 2050, 49, 50}, {"5051", 1950, 1951, 50, 51}, {"9900", 1999, 2000, 99, 0},
                 {"9", 2009, 2009, 9, 9}};
    for (const Case& c : cases) {
        const CircleSettings s =
            readBack(writeSettings(tmp, std::string("Jahr=") + c.stored + "\r\n1.Monat=07\r\n"), messages);
        EXPECT_EQ(s.firstYear4, c.first4) << c.stored;
        EXPECT_EQ(s.secondYear4, c.second4) << c.stored;
        EXPECT_EQ(s.firstYear2, c.first2) << c.stored;
        EXPECT_EQ(s.secondYear2, c.second2) << c.stored;
    }
}

TEST(CIniBK, CalendarYearIgnoresFirstMonthAndMissingKeysReadAsZero) {
    TempDir tmp;
    ui::RecordingMessages messages;
    CircleSettings s = readBack(writeSettings(tmp, "Jahr=2009\r\n1.Monat=07\r\n"), messages);
    EXPECT_EQ(s.spanYear, 0);
    EXPECT_EQ(s.firstMonth, 1);
    EXPECT_EQ(s.lastMonth, 12);
    EXPECT_EQ(s.firstYear4, 2009);
    EXPECT_EQ(s.secondYear4, 2009);
    EXPECT_EQ(s.firstYear2, 9);
    EXPECT_EQ(s.chart, 0);
    EXPECT_EQ(s.name, "");

    // A span year without a usable start month runs January to December, never to a month 0.
    s = readBack(writeSettings(tmp, "Jahr= 910\r\n1.Monat=01\r\n"), messages);
    EXPECT_EQ(s.spanYear, 1);
    EXPECT_EQ(s.firstMonth, 1);
    EXPECT_EQ(s.lastMonth, 12);
    s = readBack(writeSettings(tmp, "Jahr= 910\r\n"), messages);
    EXPECT_EQ(s.firstMonth, 1);
    EXPECT_EQ(s.lastMonth, 12);
}

TEST(CIniBK, TakingNumbersAdvancesTheStoredCounter) {
    TempDir tmp;
    ui::RecordingMessages messages;
    const auto path = writeSettings(tmp, "Jahr=2009\r\nAuto-Beleg=000041\r\nElsterOrt=Bonn\r\n");
    CIniBK ini(messages);
    ini.setPath(path);
    ASSERT_EQ(ini.open(), 1);
    ini.readSettings();
    ini.close();
    ASSERT_EQ(ini.settings().automaticNumbering, 1);

    std::string first = "      ";
    std::string second;
    EXPECT_EQ(ini.takeDocumentNumber(first), 1);
    EXPECT_EQ(ini.takeDocumentNumber(second), 1);
    EXPECT_EQ(first, "000041");
    EXPECT_EQ(second, "000042");
    EXPECT_EQ(readFile(path), kHead + "Jahr=2009\r\nAuto-Beleg=000043\r\nElsterOrt=Bonn\r\n");
    EXPECT_EQ(ini.settings().nextDocumentNumber, "000043");
    EXPECT_FALSE(ini.isOpen());

    // A typed document number is kept and takes nothing from the counter.
    std::string typed = "R-17  ";
    EXPECT_EQ(ini.takeDocumentNumber(typed), 0);
    EXPECT_EQ(typed, "R-17  ");

    EXPECT_EQ(ini.advanceDocumentNumber(), 1);
    EXPECT_EQ(ini.settings().nextDocumentNumber, "000044");
    EXPECT_EQ(ini.resetDocumentNumber(), 1);
    EXPECT_EQ(readFile(path), kHead + "Jahr=2009\r\nAuto-Beleg=000001\r\nElsterOrt=Bonn\r\n");
    EXPECT_TRUE(messages.empty());
}

TEST(CIniBK, CounterStartsAgainAfterTheLastSixDigitNumber) {
    TempDir tmp;
    ui::RecordingMessages messages;
    const auto path = writeSettings(tmp, "Auto-Beleg=999999\r\n");
    CIniBK ini(messages);
    ini.setPath(path);
    ASSERT_EQ(ini.open(), 1);
    ini.readSettings();
    ini.close();
    std::string field;
    EXPECT_EQ(ini.takeDocumentNumber(field), 1);
    EXPECT_EQ(field, "999999");
    EXPECT_EQ(readFile(path), kHead + "Auto-Beleg=000001\r\n");
}

TEST(CIniBK, NumberingOffLeavesFieldAndFileAlone) {
    TempDir tmp;
    ui::RecordingMessages messages;
    const auto path = writeSettings(tmp, "Auto-Beleg=000000\r\n");
    CIniBK ini(messages);
    ini.setPath(path);
    ASSERT_EQ(ini.open(), 1);
    ini.readSettings();
    ini.close();
    EXPECT_EQ(ini.settings().automaticNumbering, 0);
    std::string field = "      ";
    EXPECT_EQ(ini.takeDocumentNumber(field), 0);
    EXPECT_EQ(field, "      ");
    EXPECT_EQ(ini.advanceDocumentNumber(), 0);
    EXPECT_EQ(ini.resetDocumentNumber(), 0);
    EXPECT_EQ(readFile(path), kHead + "Auto-Beleg=000000\r\n");
}

TEST(CIniBK, CounterOfAFileTheCallerHoldsOpenIsSavedAndLeftOpen) {
    TempDir tmp;
    ui::RecordingMessages messages;
    const auto path = writeSettings(tmp, "Auto-Beleg=000007\r\n");
    CIniBK ini(messages);
    ini.setPath(path);
    ASSERT_EQ(ini.open(), 1);
    ini.readSettings();
    EXPECT_EQ(ini.advanceDocumentNumber(), 1);
    EXPECT_TRUE(ini.isOpen());
    ini.close();
    EXPECT_EQ(readFile(path), kHead + "Auto-Beleg=000008\r\n");
}

}  // namespace
}  // namespace tellmark::circles
