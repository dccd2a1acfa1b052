#include <gtest/gtest.h>

#include "platform/directory.h"
#include "support/temp_dir.h"

namespace tellmark::platform {
namespace {

using testing::TempDir;

TEST(CreateDirectory, BareDrivesAreAcceptedUntouched) {
    TempDir dir;
    testing::ChangeDir cd(dir.path());
    ui::RecordingMessages messages;
    EXPECT_EQ(createDirectory("C:", messages), 1);
    EXPECT_EQ(createDirectory("c:\\", messages), 1);
    EXPECT_EQ(createDirectory("a:/", messages), 1);
    EXPECT_TRUE(messages.empty());
    std::vector<std::string> names;
    ASSERT_TRUE(listDirectory(".", names));
    EXPECT_TRUE(names.empty());

    EXPECT_EQ(createDirectory("1:", messages), 0);
    EXPECT_EQ(createDirectory("\xE4:\\", messages), 0);  // only a to z count as drive letters
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.last().text, "Fehlerhafte Laufwerksangabe !");
    EXPECT_EQ(messages.last().caption, "FEHLER");
    EXPECT_EQ(messages.last().icon, ui::kIconStop);
    ASSERT_TRUE(listDirectory(".", names));
    EXPECT_TRUE(names.empty());
}

TEST(CreateDirectory, NewAndExistingDirectory) {
    TempDir dir;
    ui::RecordingMessages messages;
    EXPECT_EQ(createDirectory(dir.file("BK000001"), messages), 1);
    EXPECT_TRUE(directoryExists(dir.file("BK000001")));
    EXPECT_EQ(createDirectory(dir.file("BK000001"), messages), 1);
    EXPECT_EQ(createDirectory(dir.file("BK000001/"), messages), 1);
    EXPECT_TRUE(messages.empty());
}

TEST(CreateDirectory, PlainFileInTheWayIsRenamed) {
    TempDir dir;
    std::string path = dir.file("BK000003");
    testing::writeFile(path, "alt");
    ui::RecordingMessages messages;
    EXPECT_EQ(createDirectory(path, messages), 1);
    EXPECT_TRUE(directoryExists(path));
    EXPECT_EQ(testing::readFile(path + ".$$$"), "alt");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text,
              "Folgende Datei mu\xDFte umbenannt werden:\nAlt:\t" + path + "\nNeu:\t" + path + ".$$$");
    EXPECT_EQ(messages.last().caption, "INFORMATION");
    EXPECT_EQ(messages.last().icon, ui::kIconInformation);
}

TEST(CreateDirectory, EarlierRenamedFileIsNeverOverwritten) {
    TempDir dir;
    std::string path = dir.file("BK000003");
    testing::writeFile(path, "neu");
    testing::writeFile(path + ".$$$", "alt");
    ui::RecordingMessages messages;
    EXPECT_EQ(createDirectory(path, messages), 0);
    EXPECT_EQ(testing::readFile(path), "neu");
    EXPECT_EQ(testing::readFile(path + ".$$$"), "alt");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, "Folgendes Verzeichnis konnte nicht angelegt werden:\n" + path +
                                        "\nL\xF6schen Sie manuell die schon vorhandene Datei mit gleichem Namen");
    EXPECT_EQ(messages.last().caption, "INFORMATION");
    EXPECT_EQ(messages.last().icon, ui::kIconInformation);
}

TEST(CreateDirectory, MissingParentIsReported) {
    TempDir dir;
    std::string path = dir.file("Sicherung/BK000001");
    ui::RecordingMessages messages;
    EXPECT_EQ(createDirectory(path, messages), 0);
    EXPECT_FALSE(directoryExists(path));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, "Folgender Pfadname ist nicht korrekt:\n" + path +
                                        "\nDas neue Unterverzeichnis konnte nicht angelegt werden !");
    EXPECT_EQ(messages.last().caption, "FEHLER");
    EXPECT_EQ(messages.last().icon, ui::kIconStop);
}

TEST(Directory, RenameListAndPatterns) {
    TempDir dir;
    testing::writeFile(dir.file("B2009001.jou"), "j");
    testing::writeFile(dir.file("sort.tmp"), "s");
    EXPECT_FALSE(renameFile(dir.file("sort.tmp"), dir.file("B2009001.jou")));
    EXPECT_EQ(testing::readFile(dir.file("B2009001.jou")), "j");
    ASSERT_TRUE(removeFile(dir.file("B2009001.jou")));
    EXPECT_TRUE(renameFile(dir.file("sort.tmp"), dir.file("B2009001.jou")));
    EXPECT_EQ(testing::readFile(dir.file("B2009001.jou")), "s");
    EXPECT_FALSE(fileExists(dir.file("sort.tmp")));
    EXPECT_FALSE(fileExists(dir.path()));

    ui::SilentMessages silent;
    ASSERT_EQ(createDirectory(dir.file("BK000002"), silent), 1);
    std::vector<std::string> names;
    ASSERT_TRUE(listDirectory(dir.path(), names));
    EXPECT_EQ(names, (std::vector<std::string>{"B2009001.jou", "BK000002"}));
    EXPECT_FALSE(listDirectory(dir.file("none"), names));

    EXPECT_TRUE(matchesPattern("stamm001.dat", "STAMM*.DAT"));
    EXPECT_TRUE(matchesPattern("BK000002", "BK??????"));
    EXPECT_FALSE(matchesPattern("BK00002", "BK??????"));
    EXPECT_TRUE(matchesPattern("B2009001.jou", "B*001.*"));
    EXPECT_TRUE(matchesPattern("BK000002", "BK*.*"));
    EXPECT_FALSE(matchesPattern("B2009001.jou", "*.sal"));
    EXPECT_TRUE(matchesPattern("aaab", "*a*b"));
    EXPECT_GT(freeDiskSpace(dir.path()), 0);
    EXPECT_EQ(freeDiskSpace(dir.file("none")), -1);
}

}  // namespace
}  // namespace tellmark::platform
