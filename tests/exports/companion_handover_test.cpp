// The hand-over to the companion online program, with a stand-in program (a shell script) that records
// the directory it runs in and the argument it was given.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <sys/stat.h>
#include <thread>

#include "exports/companion_handover.h"
#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"
#include "ui/messages.h"

namespace tellmark::exports {
namespace {

using tellmark::testing::fileExists;
using tellmark::testing::readFile;
using tellmark::testing::TempDir;
using tellmark::testing::writeFile;

// What the stand-in program recorded: "<working directory>|<argument count>|<first argument>", once it
// has run. The start does not wait for the program, so the test does.
std::string awaitRecord(const std::string& path) {
    for (int i = 0; i < 500 && !fileExists(path + ".done"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return fileExists(path + ".done") ? readFile(path) : std::string("(not started)");
}

class Companion : public ::testing::Test {
protected:
    Companion() {
        ::mkdir(dir.file("tmonline").c_str(), 0755);
        ::mkdir(dir.file("tmonline/import").c_str(), 0755);
        writeFile(program(), "#!/bin/sh\nprintf '%s|%s|%s' \"$(pwd)\" \"$#\" \"$1\" > '" + record() + "'\ntouch '" +
                                 record() + ".done'\n");
        ::chmod(program().c_str(), 0755);
        config.companionProgram = program();
        config.companionImport = dir.file("tmonline/import");
        writeFile(dir.file("001-0942.u09"), "-1=Achtung\r\n81=1000.00\r\n");
        handOver.transferPath = dir.file("001-0942.u09");
        handOver.transferYear = 9;
    }

    std::string program() const { return dir.file("tmonline/tmonline.sh"); }
    std::string record() const { return dir.file("record.txt"); }

    TempDir dir;
    config::ProgramConfig config;
    VatHandOver handOver;
    ui::RecordingMessages messages;
};

TEST_F(Companion, ExportAndStartCopiesTheTransferFileAndHandsItToTheProgramInItsDirectory) {
    EXPECT_EQ(HandOverVatData(config, handOver, HandOverChoice::ExportAndStart, messages), 1);
    EXPECT_EQ(readFile(dir.file("tmonline/import/001-0942.u09")), "-1=Achtung\r\n81=1000.00\r\n");
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.entries[0].text,
              "Die Daten wurden im Importpfad von Tellmark Online \nunter dem Namen '001-0942.u09' gespeichert.");
    EXPECT_EQ(messages.entries[0].caption, "INFORMATION");
    EXPECT_EQ(messages.entries[0].icon, ui::kIconInformation);
    EXPECT_EQ(messages.entries[1].text, "Tellmark Online wird jetzt gestartet.");
    EXPECT_EQ(awaitRecord(record()), dir.file("tmonline") + "|1|" + dir.file("tmonline/import/001-0942.u09"));
}

TEST_F(Companion, ExportOnlyCopiesAndStartsNothing) {
    EXPECT_EQ(HandOverVatData(config, handOver, HandOverChoice::ExportOnly, messages), 1);
    EXPECT_TRUE(fileExists(dir.file("tmonline/import/001-0942.u09")));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(HandOverVatData(config, handOver, HandOverChoice::None, messages), 0);
    EXPECT_EQ(messages.entries.size(), 1u);
    EXPECT_FALSE(fileExists(record()));
}

TEST_F(Companion, AYearTheProgramDoesNotTakeIsNotCopiedButTheProgramStillStartsWithoutArgument) {
    for (int year : {4, 10}) {
        SCOPED_TRACE(year);
        messages.entries.clear();
        handOver.transferYear = year;
        std::remove(record().c_str());
        std::remove((record() + ".done").c_str());
        EXPECT_EQ(HandOverVatData(config, handOver, HandOverChoice::ExportAndStart, messages), 0);
        ASSERT_EQ(messages.entries.size(), 2u);
        EXPECT_EQ(messages.entries[0].text,
                  cp<"Für dieses Buchungsjahr können leider keine Daten an Tellmark Online übergeben werden.">());
        EXPECT_EQ(messages.entries[0].caption, "INFORMATION");
        EXPECT_EQ(messages.entries[1].text, "Tellmark Online wird jetzt gestartet.");
        EXPECT_FALSE(fileExists(dir.file("tmonline/import/001-0942.u09")));
        EXPECT_EQ(awaitRecord(record()), dir.file("tmonline") + "|0|");
    }
}

TEST_F(Companion, WithoutProgramPathNothingIsStarted) {
    config.companionProgram.clear();
    EXPECT_EQ(StartCompanionWithTransfer(config, handOver, messages), 0);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text,
              cp<"Kein Pfad für Programmaufruf unter 'Einstellungen\\Programmverwaltung'eingetragen.\n"
                 "Programm kann nicht gestartet werden.">());
    EXPECT_EQ(messages.last().caption, "FEHLER");
    // The menu command says the same instead of starting nothing in silence.
    EXPECT_EQ(StartCompanion(config, messages), 0);
    EXPECT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.last().text, messages.entries[0].text);
}

TEST_F(Companion, TheMenuCommandStartsTheProgramWithoutArgumentFromAPathWithBackslashes) {
    tellmark::testing::ChangeDir here(dir.path());
    config.companionProgram = "tmonline\\tmonline.sh";
    EXPECT_EQ(StartCompanion(config, messages), 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(awaitRecord(record()), dir.file("tmonline") + "|0|");
    EXPECT_EQ(CompanionDirectory("C:\\Programme\\tmonline\\tmonline.exe"), "C:/Programme/tmonline");
    EXPECT_EQ(CompanionDirectory("tmonline.exe"), "");
}

TEST_F(Companion, FailuresAreReported) {
    // No transfer file (the period had none, or it was removed): the copy's message.
    handOver.transferPath = dir.file("001-0999.u09");
    EXPECT_EQ(CopyTransferFile(config, handOver, messages), 0);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, cp<"Die Textdatei konnte nicht geöffnet \nbzw. angelegt werden !">());
    // No import directory.
    handOver.transferPath = dir.file("001-0942.u09");
    config.companionImport = dir.file("missing");
    EXPECT_EQ(CopyTransferFile(config, handOver, messages), 0);
    EXPECT_EQ(messages.entries.size(), 2u);
    // A program that is not there.
    config.companionProgram = dir.file("tmonline/gone.sh");
    EXPECT_EQ(StartCompanion(config, messages), 0);
    EXPECT_EQ(messages.last().text, "Tellmark Online konnte nicht gestartet werden:\n" + dir.file("tmonline/gone.sh"));
}

TEST(CompanionTransfer, TheHandOverTakesTheCompleteTransferFileOfTheReturn) {
    reports::VatReturnOptions options;
    options.fromMonth = 4;
    options.toMonth = 6;
    options.circleNumber = 1;
    reports::BookingYear year;
    year.year = 2009;
    year.firstYear = year.secondYear = 2009;
    const VatHandOver handOver = VatHandOverOf(options, year);
    EXPECT_EQ(handOver.transferPath, "BK000001/001-0942.u09");
    EXPECT_EQ(handOver.transferYear, 9);
    options.toMonth = 5;
    EXPECT_EQ(VatHandOverOf(options, year).transferPath, "");
}

}  // namespace
}  // namespace tellmark::exports
