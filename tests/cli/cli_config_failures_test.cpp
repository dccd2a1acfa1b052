// A program configuration that is there but cannot be used stops every command with a message that names
// it, never in silence.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

#include "platform/file.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

const char* const kUnusable =
    "FEHLER: Die Programmkonfiguration 'tellmark.ini'\nkann nicht geöffnet werden; sie ist beschädigt oder "
    "keine Datei !\nBitte sie umbenennen oder entfernen; beim nächsten Aufruf wird sie neu angelegt.\n";
const char* const kLocked =
    "FEHLER: Die Programmkonfiguration 'tellmark.ini'\nist schreibgeschützt oder wird von einem anderen "
    "Programm benutzt !\nBitte die Schreibrechte für die Datei und ihr Verzeichnis prüfen.\n";

const std::vector<std::vector<std::string>> kCommands = {
    {"init"},
    {"config", "get", "Daten"},
    {"config", "set", "Rand oben", "2"},
    {"circle", "list"},
    {"circle", "show", "-k", "1"},
    {"circle", "create", "2", "--name", "X", "--year", "2009"},
    {"circle", "change", "-k", "1", "--name", "X"},
    {"journal", "-k", "1"},
    {"post", "-k", "1", "--date", "15.01", "--debit", "1000", "--credit", "1570", "--amount", "10"},
};

void expectEveryCommandRefused(const std::string& dir, const std::string& message) {
    for (const auto& command : kCommands) {
        auto r = runCli(dir, command);
        EXPECT_EQ(r.exitCode, 1) << command[0];
        EXPECT_EQ(r.err, message) << command[0];
    }
}

TEST(CliConfigFailures, AConfigurationThatIsNoFileIsNamed) {
    TempDir dir;
    ASSERT_EQ(runCli(dir.path(), {"circle", "create", "1", "--name", "A", "--year", "2009"}).exitCode, 0);
    ASSERT_EQ(std::remove(dir.file("tellmark.ini").c_str()), 0);
    ASSERT_EQ(::mkdir(dir.file("tellmark.ini").c_str(), 0755), 0);
    expectEveryCommandRefused(dir.path(), kUnusable);
    EXPECT_FALSE(fileExists(dir.file("BK000002/STAMM002.DAT")));
}

TEST(CliConfigFailures, AConfigurationHeldByAnotherProgramIsNamed) {
    TempDir dir;
    ASSERT_EQ(runCli(dir.path(), {"circle", "create", "1", "--name", "A", "--year", "2009"}).exitCode, 0);
    const std::string before = readFile(dir.file("tellmark.ini"));
    platform::File holder;
    ASSERT_TRUE(holder.open(dir.file("tellmark.ini"), platform::Share::Exclusive));
    expectEveryCommandRefused(dir.path(), kLocked);
    EXPECT_EQ(readFile(dir.file("tellmark.ini")), before);
}

// A write-protected medium (the books copied from a CD, a read-only mount): the files can be read but not
// opened for writing. Needs a mount namespace; skipped where the system gives none.
TEST(CliConfigFailures, AConfigurationOnAWriteProtectedMediumIsNamed) {
    TempDir dir;
    ASSERT_EQ(runCli(dir.path(), {"circle", "create", "1", "--name", "A", "--year", "2009"}).exitCode, 0);
    TempDir capture;
    const std::string probe = "unshare -m sh -c 'mount --bind \"" + dir.path() + "\" \"" + dir.path() +
                              "\" && mount -o remount,ro,bind \"" + dir.path() + "\"' 2>/dev/null";
    if (std::system(probe.c_str()) != 0) GTEST_SKIP() << "no read-only bind mount here";
    const std::string run = "unshare -m sh -c 'mount --bind \"" + dir.path() + "\" \"" + dir.path() +
                            "\" && mount -o remount,ro,bind \"" + dir.path() + "\" && exec \"" TELLMARK_CLI_PATH
                            "\" -C \"" + dir.path() + "\" circle list' 2>\"" + capture.file("err") + "\"";
    const int status = std::system(run.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_EQ(readFile(capture.file("err")), kLocked);
}

}  // namespace
}  // namespace tellmark::testing
