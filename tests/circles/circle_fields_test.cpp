#include "circles/circle_fields.h"

#include <gtest/gtest.h>

#include "circles/circle_list.h"
#include "circles/circle_settings_file.h"
#include "circles/circle_title.h"
#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"

namespace tellmark::circles {
namespace {

using testing::fileExists;
using testing::readFile;
using testing::TempDir;

const std::string kHead = "; Diese Datei darf in keinem Fall manuell bearbeitet werden!\r\n\r\n[BUCHUNGSKREIS]\r\n";

CircleCreateFields musterFields() {
    CircleCreateFields f;
    f.year = "0809";
    f.firstMonth = "07";
    f.name = "Muster GmbH";
    f.chart = "04";
    f.cashBasis = false;
    f.vat = true;
    f.currency = "EUR";
    f.automaticNumbering = true;
    f.nextDocumentNumber = "41";
    return f;
}

CircleSettings readCircle(const std::string& dataDir, int number) {
    ui::RecordingMessages messages;
    CIniBK ini(messages);
    char rel[40];
    std::snprintf(rel, sizeof rel, "/BK%06i/STAMM%03i.DAT", number, number);
    ini.setPath(dataDir + rel);
    EXPECT_EQ(ini.open(), 1);
    ini.readSettings();
    ini.close();
    return ini.settings();
}

TEST(CreateCircleSettings, WritesDirectoryAndWholeSettingsFile) {
    TempDir tmp;
    ui::RecordingMessages messages;
    EXPECT_EQ(createCircleSettings(tmp.path(), 3, musterFields(), messages), 1);
    EXPECT_TRUE(messages.empty());
    const std::string expected =
        kHead +
        std::string(cp<"Version=W001001\r\nName=Muster GmbH\r\nBK-Passwort=\r\nKontenrahmen=04\r\nJahr= 809\r\n"
                       "1.Monat=07\r\nMwSt=J\r\nEÜ-Rechnung=N\r\nWährung1=EUR\r\nWährung2=\r\n"
                       "Währungsfaktor=\r\nAuto-Beleg=000041\r\n">()) +
        "ElsterStNr=\r\nElsterFaNr=\r\nElsterName=\r\nElsterStrasse=\r\nElsterPlz=\r\nElsterOrt=\r\n"
        "ElsterTelefon=\r\nElsterEmail=\r\nDatevStbNr=\r\nDatevMandantNr=\r\nDatevDFV=\r\nDatevPasswort=\r\n"
        "DatevDatenTrNr=\r\nDatevAbrechNr=\r\nDatevVon=\r\nDatevBis=\r\nDatevWaehrung=\r\nDatevExpPfad=\r\n";
    EXPECT_EQ(readFile(tmp.file("BK000003/STAMM003.DAT")), expected);

    const CircleSettings s = readCircle(tmp.path(), 3);
    EXPECT_EQ(circleTitle(3, s), "Nr: 3 - Muster GmbH - 07.08-06.09");
}

TEST(CreateCircleSettings, FieldsAreLimitedAndNumberingCanBeOff) {
    TempDir tmp;
    ui::RecordingMessages messages;
    CircleCreateFields f;
    f.year = "2009";
    f.firstMonth = "07";
    f.name = std::string(60, 'x') + "   ";
    f.chart = "05";
    f.currency = "EURO";
    f.automaticNumbering = false;
    f.nextDocumentNumber = "41";
    EXPECT_EQ(createCircleSettings(tmp.path(), 12, f, messages), 1);
    const CircleSettings s = readCircle(tmp.path(), 12);
    EXPECT_EQ(s.name, std::string(56, 'x'));
    EXPECT_EQ(s.chart, 3);
    EXPECT_EQ(s.year, 2009);
    EXPECT_EQ(s.firstMonthSetting, 7);
    EXPECT_EQ(s.firstMonth, 1);
    EXPECT_EQ(s.lastMonth, 12);
    EXPECT_EQ(s.currency1, "EUR");
    EXPECT_EQ(s.nextDocumentNumber, "000000");
    EXPECT_EQ(s.automaticNumbering, 0);
    EXPECT_EQ(s.cashBasis, 1);
    EXPECT_EQ(circleTitle(12, s), "Nr: 12 - " + std::string(56, 'x') + " - 2009");

    // Checked box with nothing typed means no numbering either.
    f.automaticNumbering = true;
    f.nextDocumentNumber = "";
    EXPECT_EQ(createCircleSettings(tmp.path(), 12, f, messages), 1);
    EXPECT_EQ(readCircle(tmp.path(), 12).nextDocumentNumber, "000000");
    EXPECT_TRUE(messages.empty());
}

TEST(CreateCircleSettings, RefusesYearsOutsideTheRange) {
    TempDir tmp;
    for (const char* year : {"1949", "2051", "", "20a9", "809", "12345"}) {
        ui::RecordingMessages messages;
        CircleCreateFields f = musterFields();
        f.year = year;
        EXPECT_EQ(createCircleSettings(tmp.path(), 1, f, messages), 0) << year;
        ASSERT_EQ(messages.entries.size(), 1u) << year;
        EXPECT_EQ(messages.last().text, std::string(cp<"Ungültiges Buchungsjahr !">()));
        EXPECT_EQ(messages.last().caption, "FEHLER");
        EXPECT_EQ(messages.last().icon, 16);
        EXPECT_FALSE(fileExists(tmp.file("BK000001"))) << year;
    }
    for (const char* year : {"1950", "2050", "9900"}) {
        ui::RecordingMessages messages;
        CircleCreateFields f = musterFields();
        f.year = year;
        EXPECT_EQ(createCircleSettings(tmp.path(), 1, f, messages), 1) << year;
    }
    EXPECT_EQ(readCircle(tmp.path(), 1).year, 9900);
}

TEST(CreateCircleSettings, ResavingKeepsElsterAndDatevButClearsPasswordAndSecondCurrency) {
    TempDir tmp;
    ui::RecordingMessages messages;
    ASSERT_EQ(createCircleSettings(tmp.path(), 3, musterFields(), messages), 1);
    {
        CIniBK ini(messages);
        ini.setPath(tmp.file("BK000003/STAMM003.DAT"));
        ASSERT_EQ(ini.open(), 1);
        ini.set("[BUCHUNGSKREIS]", "ElsterStNr", "203/123/45678");
        ini.set("[BUCHUNGSKREIS]", "DatevExpPfad", "/export/datev");
        ini.set("[BUCHUNGSKREIS]", "BK-Passwort", "geheim");
        ini.set("[BUCHUNGSKREIS]", std::string(cp<"Währung2">()), "DEM");
        ini.set("[BUCHUNGSKREIS]", std::string(cp<"Währungsfaktor">()), "1.95583");
        ini.set("[BUCHUNGSKREIS]", "Auto-Beleg", "000099");
        ASSERT_EQ(ini.save(), 1);
        ini.close();
    }
    CircleCreateFields f = musterFields();
    f.name = "Muster AG";
    ASSERT_EQ(createCircleSettings(tmp.path(), 3, f, messages), 1);
    const std::string file = readFile(tmp.file("BK000003/STAMM003.DAT"));
    EXPECT_NE(file.find("\r\nElsterStNr=203/123/45678\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nDatevExpPfad=/export/datev\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nBK-Passwort=\r\n"), std::string::npos);
    EXPECT_NE(file.find(std::string(cp<"\r\nWährung2=\r\nWährungsfaktor=\r\nAuto-Beleg=000041\r\n">())),
              std::string::npos);
    EXPECT_NE(file.find("\r\nName=Muster AG\r\n"), std::string::npos);

    const CircleSettings s = readCircle(tmp.path(), 3);
    EXPECT_EQ(s.elster.taxNumber, "203/123/45678");
    EXPECT_EQ(s.datev.exportPath, "/export/datev");
    EXPECT_EQ(s.password, "");
    EXPECT_EQ(s.currency2, "");
    EXPECT_EQ(s.currencyFactor, "");
    EXPECT_TRUE(messages.empty());
}

TEST(CircleFields, TypingRules) {
    ui::RecordingMessages messages;
    EXPECT_EQ(chartFieldRule("3", messages), "03");
    EXPECT_EQ(chartFieldRule("4", messages), "04");
    EXPECT_EQ(chartFieldRule("04", messages), "04");
    EXPECT_EQ(chartFieldRule("03", messages), "03");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(chartFieldRule("5", messages), "03");
    EXPECT_EQ(chartFieldRule("", messages), "03");
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.last().text, "Nur Kontenrahmen '03' oder '04' zul\xE4ssig !");
    EXPECT_EQ(messages.last().caption, "FEHLER");

    EXPECT_EQ(currencyFieldRule("eur"), "EUR");
    EXPECT_EQ(currencyFieldRule("usdx"), "USD");
    EXPECT_EQ(currencyFieldRule("\xE4\xF6\xFC"), "\xC4\xD6\xDC");

    EXPECT_TRUE(startMonthEnabled("0809"));
    EXPECT_TRUE(startMonthEnabled("9900"));
    EXPECT_FALSE(startMonthEnabled("2009"));
    EXPECT_FALSE(startMonthEnabled("2021"));
    EXPECT_FALSE(startMonthEnabled("809"));
    EXPECT_FALSE(startMonthEnabled("08"));
}

TEST(CircleFields, DialogShowsAnExistingCircle) {
    TempDir tmp;
    ui::RecordingMessages messages;
    ASSERT_EQ(createCircleSettings(tmp.path(), 3, musterFields(), messages), 1);
    CircleCreateFields f;
    ASSERT_EQ(loadCircleFields(tmp.path(), 3, f, messages), 1);
    EXPECT_EQ(f.year, "0809");
    EXPECT_TRUE(startMonthEnabled(f.year));
    EXPECT_EQ(f.firstMonth, "07");
    EXPECT_EQ(f.name, "Muster GmbH");
    EXPECT_EQ(f.chart, "04");
    EXPECT_FALSE(f.cashBasis);
    EXPECT_TRUE(f.vat);
    EXPECT_EQ(f.currency, "EUR");
    EXPECT_TRUE(f.automaticNumbering);
    EXPECT_EQ(f.nextDocumentNumber, "41");

    // Saving the dialog unchanged gives the same file.
    const std::string before = readFile(tmp.file("BK000003/STAMM003.DAT"));
    ASSERT_EQ(createCircleSettings(tmp.path(), 3, f, messages), 1);
    EXPECT_EQ(readFile(tmp.file("BK000003/STAMM003.DAT")), before);
    EXPECT_TRUE(messages.empty());
}

TEST(CircleList, ListsEveryPresentCircleWithItsOverviewLine) {
    TempDir tmp;
    ui::RecordingMessages messages;
    CircleCreateFields f = musterFields();
    ASSERT_EQ(createCircleSettings(tmp.path(), 5, f, messages), 1);
    f.name = "Verein e.V.";
    ASSERT_EQ(createCircleSettings(tmp.path(), 2, f, messages), 1);
    ASSERT_EQ(createCircleSettings(tmp.path(), 12, f, messages), 1);

    const auto circles = listCircles(tmp.path(), 9, messages);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].number, 2);
    EXPECT_EQ(circles[1].number, 5);
    EXPECT_EQ(overviewLine(circles[0]), "  002   Verein e.V." + std::string(49, ' '));
    EXPECT_EQ(overviewLine(circles[1]), "  005   Muster GmbH" + std::string(49, ' '));
    EXPECT_TRUE(listCircles(tmp.file("nothing"), 9, messages).empty());
    EXPECT_TRUE(messages.empty());
}

TEST(CircleTitle, TrailingBlanksOfTheNameAreDropped) {
    CircleSettings s;
    s.name = "Muster GmbH   ";
    s.year = 2009;
    EXPECT_EQ(circleTitle(7, s), "Nr: 7 - Muster GmbH - 2009");
    s.spanYear = 1;
    s.year = 9900;
    s.firstMonth = 10;
    s.lastMonth = 9;
    s.firstYear2 = 99;
    s.secondYear2 = 0;
    EXPECT_EQ(circleTitle(7, s), "Nr: 7 - Muster GmbH - 10.99-09.00");
}

}  // namespace
}  // namespace tellmark::circles
