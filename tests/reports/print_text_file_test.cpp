#include "reports/text_file_output.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "reports/print_file.h"
#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"
#include "ui/messages.h"

namespace tellmark::reports {
namespace {

using testing::fileExists;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

const std::string kBadNameMessage(
    cp<"Bitte Dateinamen in dem Format 8.3 eventuell mit \nLaufwerksbuchstaben eingeben.\n"
       " (z.B. \"A:TM.TXT\" oder \"KTO-PLAN.TXT\")">());

// Bytes unlike a text, so that a block copied twice or dropped shows.
std::string printBytes(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return s;
}

TEST(PrintTextFileTest, NameCheck) {
    for (const char* good : {"tm.txt", "A:TM.TXT", "KTO-PLAN.TXT", "my_list~1.txt", ".\\liste.txt", "\\tmp\\x.txt",
                             "/tmp/x.txt", "c:\\buch\\x.txt"}) {
        EXPECT_TRUE(IsValidTextFileName(good)) << good;
    }
    for (const char* bad : {"ab:c.txt", "1:x.txt", ":x.txt", "a::b", "a b.txt", "x*.txt", "", "x;rm"}) {
        EXPECT_FALSE(IsValidTextFileName(bad)) << bad;
    }
    EXPECT_FALSE(IsValidTextFileName(cp<"Übersicht.txt">()));

    ui::RecordingMessages messages;
    EXPECT_FALSE(CheckTextFileName("tm:txt", messages));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, kBadNameMessage);
    EXPECT_EQ(messages.last().caption, "FEHLER");
    EXPECT_TRUE(CheckTextFileName("tm.txt", messages));
    EXPECT_EQ(messages.entries.size(), 1u);
}

TEST(PrintTextFileTest, NameResolution) {
    EXPECT_EQ(ResolveTextFileName("A:TM.TXT", "/daten", 5), "A:TM.TXT");
    EXPECT_EQ(ResolveTextFileName("tm.txt", "/daten", 5), "/daten/BK000005/tm.txt");
    EXPECT_EQ(ResolveTextFileName("tm.txt", "", 5), "BK000005/tm.txt");
    EXPECT_EQ(ResolveTextFileName(".\\liste.txt", "/daten", 5), "/daten/liste.txt");
    EXPECT_EQ(ResolveTextFileName(".\\liste.txt", "", 5), "liste.txt");
    EXPECT_EQ(ResolveTextFileName("\\export\\liste.txt", "/daten", 5), "/export/liste.txt");
    EXPECT_EQ(ResolveTextFileName("/export/liste.txt", "/daten", 5), "/export/liste.txt");
    EXPECT_EQ(ResolveTextFileName("sub\\liste.txt", "/daten", 12), "/daten/BK000012/sub/liste.txt");
}

TEST(PrintTextFileTest, CopiesIntoTheCircleDirectoryAndAsGiven) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("BK000001"));
    const std::string printFile = dir.file("BK000001/~print~.tmp");
    // Two full blocks, then a short one; and exactly two blocks, where the last read comes back empty.
    for (std::size_t size : {std::size_t{2 * 32768 + 1000}, std::size_t{2 * 32768}, std::size_t{0}}) {
        const std::string content = printBytes(size);
        writeFile(printFile, content);
        ui::RecordingMessages messages;
        EXPECT_EQ(WriteTextFile("tm.txt", printFile, dir.path(), 1, messages), 1);
        EXPECT_EQ(readFile(dir.file("BK000001/tm.txt")), content);
        EXPECT_EQ(CopyPrintFileToTextFile(printFile, dir.file("ausgabe.txt"), messages), 1);
        EXPECT_EQ(readFile(dir.file("ausgabe.txt")), content);
        EXPECT_TRUE(messages.empty());
    }
    // A shorter report truncates what an earlier one left in the file.
    writeFile(printFile, "neu\r\n");
    ui::RecordingMessages messages;
    EXPECT_EQ(WriteTextFile("tm.txt", printFile, dir.path(), 1, messages), 1);
    EXPECT_EQ(readFile(dir.file("BK000001/tm.txt")), "neu\r\n");
}

TEST(PrintTextFileTest, RefusedAndFailedTargets) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("BK000001"));
    const std::string printFile = dir.file("BK000001/~print~.tmp");
    writeFile(printFile, "Bericht\r\n");

    ui::RecordingMessages messages;
    EXPECT_EQ(WriteTextFile("tm:txt", printFile, dir.path(), 1, messages), 2);
    EXPECT_FALSE(fileExists(dir.file("BK000001/tm:txt")));
    EXPECT_EQ(messages.last().text, kBadNameMessage);

    EXPECT_EQ(WriteTextFile("fehlt\\tm.txt", printFile, dir.path(), 1, messages), 0);
    EXPECT_EQ(messages.last().text, cp<"Die Textdatei konnte nicht geöffnet \nbzw. angelegt werden !">());
    EXPECT_EQ(messages.last().caption, "FEHLER");

    // The print file's own name would empty the report it is meant to save.
    EXPECT_EQ(WriteTextFile("~print~.tmp", printFile, dir.path(), 1, messages), 0);
    EXPECT_EQ(messages.last().text, cp<"Die Textdatei konnte nicht geöffnet \nbzw. angelegt werden !">());
    EXPECT_EQ(readFile(printFile), "Bericht\r\n");
}

TEST(PrintTextFileTest, FinishedReportCopiedForTheCommandLine) {
    TempDir dir;
    ui::RecordingMessages messages;
    PrintFile print(dir.file("~print~.tmp"), messages);
    ReportRequest request;
    ASSERT_TRUE(print.BeginReport(request, kLayoutJournal));
    for (int i = 0; i < 2000; ++i) ASSERT_TRUE(print.WriteLine("Buchung " + std::to_string(i)));
    ASSERT_TRUE(print.EndReport(request));
    const std::string report = readFile(print.path());
    EXPECT_EQ(report.size(), 2000u * 112);
    EXPECT_EQ(report.substr(1999 * 112, 12), "Buchung 1999");
    EXPECT_EQ(print.CopyPrintFileTo(dir.file("out.txt")), 1);
    EXPECT_EQ(readFile(dir.file("out.txt")), report);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace tellmark::reports
