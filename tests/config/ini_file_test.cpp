#include "config/ini_file.h"

#include <gtest/gtest.h>

#include "config/ini_scramble.h"
#include "platform/file.h"
#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"

namespace tellmark::config {
namespace {

using testing::fileExists;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

const std::string kComment = "; Diese Datei darf in keinem Fall manuell bearbeitet werden!\r\n";

TEST(IniFile, MissingFileIsCreatedAndMissingSectionIsAppended) {
    TempDir dir;
    ui::RecordingMessages messages;
    CIniDatei ini(messages);
    ini.setPath(dir.file("neu.ini"));
    ASSERT_EQ(ini.open(), 1);
    EXPECT_TRUE(ini.isOpen());
    EXPECT_EQ(readFile(dir.file("neu.ini")), kComment);
    EXPECT_EQ(ini.text(), kComment);

    EXPECT_EQ(ini.set("[BUCHUNGSKREIS]", "Name", "Muster GmbH"), 3000);
    EXPECT_EQ(ini.set("[BUCHUNGSKREIS]", "Jahr", "2024"), 3000);
    EXPECT_EQ(ini.set("[DATEVKONTOZUORDNUNG]", "1200", "1200"), 3000);
    EXPECT_EQ(ini.set("", "Jahr", "1"), 0);
    EXPECT_EQ(ini.set("[BUCHUNGSKREIS]", "", "1"), 0);
    ASSERT_EQ(ini.save(), 1);
    ini.close();
    EXPECT_FALSE(ini.isOpen());
    EXPECT_EQ(readFile(dir.file("neu.ini")), kComment +
                                                 "\r\n[BUCHUNGSKREIS]\r\nName=Muster GmbH\r\nJahr=2024\r\n"
                                                 "\r\n[DATEVKONTOZUORDNUNG]\r\n1200=1200\r\n");
    EXPECT_TRUE(messages.empty());
}

TEST(IniFile, SetReplacesExactlyOneLineAndAppendsMissingKeysAtTheEnd) {
    TempDir dir;
    std::string path = dir.file("a.ini");
    writeFile(path, "; c\r\n\r\n[A]\r\nx=1\r\ny=2\r\nz=3\r\n[B]\r\ny=9\r\n");
    ui::RecordingMessages messages;
    CIniDatei ini(messages);
    ini.setPath(path);
    ASSERT_EQ(ini.open(), 1);
    ini.set("[A]", "y", "a longer value");
    ini.set("[B]", "y", "");
    ini.set("[A]", "w", "new");  // not in [A]: goes to the end of the file, after [B]
    ini.set("[A]", "x", "a\r\nz=injected");
    ASSERT_EQ(ini.save(), 1);
    ini.close();
    EXPECT_EQ(readFile(path), "; c\r\n\r\n[A]\r\nx=a\r\ny=a longer value\r\nz=3\r\n[B]\r\ny=\r\nw=new\r\n");
}

TEST(IniFile, SetCopesWithALastLineWithoutLineEnd) {
    TempDir dir;
    std::string path = dir.file("a.ini");
    writeFile(path, "[A]\r\nx=1");
    ui::RecordingMessages messages;
    CIniDatei ini(messages);
    ini.setPath(path);
    ASSERT_EQ(ini.open(), 1);
    ini.set("[A]", "y", "2");
    EXPECT_EQ(ini.text(), "[A]\r\nx=1\r\ny=2\r\n");
    ini.close();

    writeFile(path, "[A]\r\nx=1");
    ASSERT_EQ(ini.open(), 1);
    ini.set("[A]", "x", "5");
    EXPECT_EQ(ini.text(), "[A]\r\nx=5\r\n");
}

TEST(IniFile, GetSearchesFromTheSectionOnward) {
    TempDir dir;
    std::string path = dir.file("a.ini");
    std::string longValue(150, 'v');
    writeFile(path, "; c\r\nDrucker=vorher\r\n[TELLMARK]\r\nZeilen pro Seite=68\r\nDrucker=\r\n"
                    "[ANDERES]\r\nRand oben=2\r\nLang=" + longValue + "\r\nLetzter=ohne Zeilenende");
    ui::RecordingMessages messages;
    CIniDatei ini(messages);
    ini.setPath(path);
    ASSERT_EQ(ini.open(), 1);
    std::string value = "alt";
    EXPECT_EQ(ini.get("[TELLMARK]", "Rand oben", value), 1);
    EXPECT_EQ(value, "2");
    EXPECT_EQ(ini.get("[TELLMARK]", "Drucker", value), 1);
    EXPECT_EQ(value, "");
    EXPECT_EQ(ini.get("[TELLMARK]", "Lang", value), 1);
    EXPECT_EQ(value, std::string(128, 'v'));
    EXPECT_EQ(ini.get("[TELLMARK]", "Letzter", value), 1);
    EXPECT_EQ(value, "ohne Zeilenende");
    value = "alt";
    EXPECT_EQ(ini.get("[TELLMARK]", "Rand links", value), 0);
    EXPECT_EQ(value, "");
    EXPECT_EQ(ini.get("[FEHLT]", "Drucker", value), 0);
    EXPECT_EQ(ini.get("[TELLMARK]", "Zeilen", value), 0);  // the key must be followed by '='
    EXPECT_EQ(ini.get("", "Drucker", value), 0);
    EXPECT_EQ(ini.get("[TELLMARK]", "", value), 0);
    EXPECT_TRUE(messages.empty());
}

TEST(IniFile, PasswordsAreStoredScrambledOtherValuesAsTyped) {
    TempDir dir;
    std::string path = dir.file("a.ini");
    ui::RecordingMessages messages;
    CIniDatei ini(messages);
    ini.setPath(path);
    ASSERT_EQ(ini.open(), 1);
    const std::string secret(cp<"Geheim-1.ÄÖÜäöüß\\ü">());
    ini.set("[S]", "BK-Passwort", secret);
    ini.set("[S]", "DatevPasswort", "klar");
    ASSERT_EQ(ini.save(), 1);
    ini.close();
    EXPECT_EQ(readFile(path),
              kComment + "\r\n[S]\r\nBK-Passwort=" + scramblePassword(secret) + "\r\nDatevPasswort=klar\r\n");
    ASSERT_EQ(ini.open(), 1);
    std::string value;
    EXPECT_EQ(ini.get("[S]", "BK-Passwort", value), 1);
    EXPECT_EQ(value, secret);
}

TEST(IniFile, OpenResults) {
    TempDir dir;
    ui::RecordingMessages messages;
    CIniDatei ini(messages);

    ini.setPath("   ");
    EXPECT_EQ(ini.open(), 64);

    // Held by another copy with writing denied: locked, nothing created or changed.
    std::string path = dir.file("gesperrt.ini");
    writeFile(path, "[A]\r\nx=1\r\n");
    platform::File other;
    ASSERT_TRUE(other.open(path, platform::Share::DenyWrite));
    ini.setPath(path);
    EXPECT_EQ(ini.open(), 4);
    EXPECT_FALSE(ini.isOpen());
    other.close();
    EXPECT_EQ(readFile(path), "[A]\r\nx=1\r\n");
    EXPECT_TRUE(messages.empty());

    // A directory that does not exist: the file cannot be created.
    std::string missing = dir.file("fehlt/neu.ini");
    ini.setPath(missing);
    EXPECT_EQ(ini.open(), 0);
    EXPECT_FALSE(fileExists(missing));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, "Konnte Datei '" + missing + "' nicht anlegen !");
    EXPECT_EQ(messages.last().caption, "FEHLER");
    EXPECT_EQ(messages.last().icon, 16);
}

TEST(IniFile, ExclusiveOpenKeepsOthersOutAndCannotSave) {
    TempDir dir;
    std::string path = dir.file("a.ini");
    writeFile(path, "[A]\r\nx=1\r\n");
    ui::RecordingMessages messages;
    CIniDatei first(messages);
    first.setPath(path);
    ASSERT_EQ(first.open(true), 1);
    EXPECT_EQ(first.text(), "[A]\r\nx=1\r\n");

    CIniDatei second(messages);
    second.setPath(path);
    EXPECT_EQ(second.open(), 4);
    first.close();

    // The other way round: a shared holder makes the exclusive open fail after the probe passed.
    ASSERT_EQ(second.open(), 1);
    EXPECT_EQ(first.open(true), 0);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text,
              "Allgemeiner Fehler: \r\nKonnte Datei '" + path + "' nicht " + std::string(cp<"öffnen !">()));
    second.close();

    ASSERT_EQ(first.open(true), 1);

    first.set("[A]", "x", "2");
    EXPECT_EQ(first.save(), 0);
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.last().text, "Konnte in Datei '" + path + "' nicht schreiben !");
    first.close();
    EXPECT_EQ(readFile(path), "[A]\r\nx=1\r\n");
}

TEST(IniFile, ReadAndSaveWhenNotOpen) {
    ui::RecordingMessages messages;
    CIniDatei ini(messages);
    ini.setPath("x/tellmark.ini");
    EXPECT_EQ(ini.readAll(), 32);
    EXPECT_EQ(ini.save(), 32);
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.entries[0].text, "Konnte aus Datei 'x/tellmark.ini' nicht lesen!\r\nDatei ist nicht "
                                        + std::string(cp<"geöffnet !">()));
    EXPECT_EQ(messages.entries[1].text, "Konnte in Datei 'x/tellmark.ini' nicht schreiben!\r\nDatei ist nicht "
                                        + std::string(cp<"geöffnet !">()));
    for (const auto& e : messages.entries) {
        EXPECT_EQ(e.caption, "FEHLER");
        EXPECT_EQ(e.icon, 16);
    }
}

// Files beyond 2047 bytes are read, changed and written whole.
TEST(IniFile, LongFileStaysWhole) {
    TempDir dir;
    std::string path = dir.file("lang.ini");
    std::string content = kComment + "\r\n[DATEVKONTOZUORDNUNG]\r\n";
    for (int account = 1000; account < 1200; ++account)
        content += std::to_string(account) + "=" + std::to_string(account + 30000) + "\r\n";
    ASSERT_GT(content.size(), 2047u);
    writeFile(path, content);

    ui::RecordingMessages messages;
    CIniDatei ini(messages);
    ini.setPath(path);
    ASSERT_EQ(ini.open(), 1);
    EXPECT_EQ(ini.text(), content);
    std::string value;
    EXPECT_EQ(ini.get("[DATEVKONTOZUORDNUNG]", "1199", value), 1);
    EXPECT_EQ(value, "31199");
    ini.set("[DATEVKONTOZUORDNUNG]", "1100", "9");
    ini.set("[DATEVKONTOZUORDNUNG]", "1200", "31200");
    ASSERT_EQ(ini.save(), 1);
    ini.close();

    std::string expected = content;
    expected.replace(expected.find("\r\n1100=31100\r\n"), 14, "\r\n1100=9\r\n");
    expected += "1200=31200\r\n";
    EXPECT_EQ(readFile(path), expected);
    EXPECT_TRUE(messages.empty());
}

TEST(IniFile, SaveCutsTheFileToTheText) {
    TempDir dir;
    std::string path = dir.file("a.ini");
    writeFile(path, "[A]\r\nx=" + std::string(300, 'x') + "\r\ny=1\r\n");
    ui::RecordingMessages messages;
    CIniDatei ini(messages);
    ini.setPath(path);
    ASSERT_EQ(ini.open(), 1);
    ini.set("[A]", "x", "kurz");
    ASSERT_EQ(ini.save(), 1);
    ini.close();
    EXPECT_EQ(readFile(path), "[A]\r\nx=kurz\r\ny=1\r\n");
}

}  // namespace
}  // namespace tellmark::config

namespace tellmark::config {
namespace {

// A settings file saved with bare LF (or CR) line ends is read line by line like CR LF, and the next save
// writes CR LF without duplicating keys.
TEST(IniLineEnds, BareLineEndsReadAsCrLf) {
    testing::TempDir dir;
    std::string path = dir.file("tellmark.ini");
    testing::writeFile(path, "[TELLMARK]\nVersion=W001002\nRand oben=2\rZeilen pro Seite=60\n");
    ui::RecordingMessages messages;
    CIniDatei ini(messages);
    ini.setPath(path);
    ASSERT_EQ(ini.open(), 1);
    std::string value;
    EXPECT_EQ(ini.get("[TELLMARK]", "Rand oben", value), 1);
    EXPECT_EQ(value, "2");
    EXPECT_EQ(ini.get("[TELLMARK]", "Zeilen pro Seite", value), 1);
    EXPECT_EQ(value, "60");
    ini.set("[TELLMARK]", "Rand oben", "3");
    ASSERT_EQ(ini.save(), 1);
    ini.close();
    EXPECT_EQ(testing::readFile(path), "[TELLMARK]\r\nVersion=W001002\r\nRand oben=3\r\nZeilen pro Seite=60\r\n");
}

}  // namespace
}  // namespace tellmark::config
