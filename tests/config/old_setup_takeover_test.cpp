// Take-over of KWSETUP.INI and install.buc into a complete tellmark.ini: every key in file order, the old
// values where they hold, refused values named, and no half-made file after a failure.

#include <gtest/gtest.h>

#include <cerrno>
#include <map>

#include "config/ini_scramble.h"
#include "config/old_setup_takeover.h"
#include "config/program_config.h"
#include "platform/fault_points.h"
#include "resources/format.h"
#include "resources/texts_setup_takeover.h"
#include "support/temp_dir.h"
#include "ui/messages.h"
#include "ui/recording_progress.h"

namespace tellmark::testing {
namespace {

// The file a fresh configuration would be, with the values given instead of the defaults.
std::string expectedIni(const std::map<std::string, std::string>& taken) {
    std::string text = "; Diese Datei darf in keinem Fall manuell bearbeitet werden!\r\n\r\n[TELLMARK]\r\n";
    std::size_t count = 0;
    const config::ProgramConfigKey* keys = config::programConfigKeys(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string key(keys[i].key);
        auto it = taken.find(key);
        text += key + "=" + (it == taken.end() ? std::string(keys[i].defaultValue) : it->second) + "\r\n";
    }
    return text;
}

class OldSetupTakeOver : public ::testing::Test {
protected:
    OldSetupTakeOver() : cd(dir.path()) {}
    int takeOver() { return config::createProgramConfigFile("", messages, progress); }
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto& e : messages.entries) texts.push_back(e.caption + ": " + e.text);
        return texts;
    }

    TempDir dir;
    ChangeDir cd;
    ui::RecordingMessages messages;
    ui::RecordingProgress progress;
};

TEST_F(OldSetupTakeOver, BothOldFilesBecomeACompleteConfiguration) {
    writeFile("install.buc", "  /daten/alt  \r\nB:\r\nC:\\KW\r\n");
    const std::string kwsetup =
              "[KWSETUP]\r\n; Einstellungen des Programms\r\nSICHERUNG=/sicher\r\n drucker = HP LaserJet\r\n"
              "PASSWORT=Geheim-1\r\nZEILEN=72\r\nRANDOBEN=2\r\nRANDLINKS=5\r\nMWST1=7\r\nMWST2=16,5\r\nAENDERUNG=N\r\n"
              "MONAT13=n\r\nSIGNAL=J\r\nTEXT1=B\x81romaterial\r\nTEXT2=Ein Text mit mehr als f\x81nfundzwanzig Zeichen\n"
              "UNBEKANNT=1\r\nohne Gleichheitszeichen\r\n";
    writeFile("KWSETUP.INI", kwsetup);
    ASSERT_EQ(takeOver(), 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(readFile("tellmark.ini"),
              expectedIni({{"Daten", "/daten/alt"},
                           {"Sicherung", "/sicher"},
                           {"Drucker", "HP LaserJet"},
                           {"Passwort", config::scramblePassword("Geheim-1")},
                           {"Zeilen pro Seite", "72"},
                           {"Rand oben", "2"},
                           {"Rand links", "5"},
                           {"MwSt F7", " 7.00"},
                           {"MwSt F8", "16.50"},
                           {"\xC4nderung", "N"},
                           {"13.Monat", "N"},
                           {"Signalton", "J"},
                           {"Text F01", "B\xFCromaterial"},
                           {"Text F02", "Ein Text mit mehr als f\xFCn"}}));
    EXPECT_FALSE(fileExists("tellmark.ini.neu"));
    ASSERT_EQ(progress.phases.size(), 1u);
    EXPECT_EQ(progress.phases[0].caption + "|" + progress.phases[0].secondLine,
              "Stammdatenkonvertierung|Stammdaten und Programmkonfiguration wird konvertiert");

    // The program reads what was taken over.
    config::CIniSB ini(messages);
    ASSERT_EQ(ini.readAllSettings(), 1);
    EXPECT_EQ(ini.config().password, "Geheim-1");
    EXPECT_EQ(ini.config().linesPerPage, 72);
    EXPECT_FALSE(ini.config().changesAllowed);
    EXPECT_EQ(readFile("KWSETUP.INI"), kwsetup);  // the old files stay
}

TEST_F(OldSetupTakeOver, InstallBucAloneGivesTheDirectories) {
    writeFile("install.buc", "/daten\n\n");
    ASSERT_EQ(takeOver(), 1);
    EXPECT_EQ(readFile("tellmark.ini"), expectedIni({{"Daten", "/daten"}}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(OldSetupTakeOver, ValuesTheProgramWouldRefuseKeepTheirDefaultsAndAreNamed) {
    writeFile("KWSETUP.INI", "ZEILEN=120\r\nMWST1=7,123\r\nPASSWORT=mit Blank\r\nAENDERUNG=vielleicht\r\nRANDOBEN=1\r\n");
    ASSERT_EQ(takeOver(), 1);
    EXPECT_EQ(readFile("tellmark.ini"), expectedIni({{"Rand oben", "1"}}));
    auto refused = [](const char* value, const char* key) {
        return "INFORMATION: " + format(text::kMsgSetupTakeOverValueRejected, value, key);
    };
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{refused("120", "ZEILEN"), refused("7,123", "MWST1"),
                                                        refused("mit Blank", "PASSWORT"),
                                                        refused("vielleicht", "AENDERUNG")}));
}

int failConfigRename(platform::Change change, const std::string& path) {
    return change == platform::Change::Rename && path == "tellmark.ini" ? EIO : platform::kProceed;
}

TEST_F(OldSetupTakeOver, AFailedTakeOverLeavesNoConfigurationAndRunsAgain) {
    writeFile("KWSETUP.INI", "ZEILEN=60\r\n");
    platform::setFaultHook(failConfigRename);
    const int failed = takeOver();
    platform::setFaultHook(nullptr);
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"FEHLER: Konnte Datei 'tellmark.ini' nicht anlegen !"}));
    EXPECT_FALSE(fileExists("tellmark.ini"));
    EXPECT_FALSE(fileExists("tellmark.ini.neu"));

    ASSERT_EQ(takeOver(), 1);
    EXPECT_EQ(readFile("tellmark.ini"), expectedIni({{"Zeilen pro Seite", "60"}}));
}

}  // namespace
}  // namespace tellmark::testing
