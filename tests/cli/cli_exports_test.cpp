// export gdpdu and export companion on the command line: a circle built with the program's own commands,
// the export directory read back, the hand-over with a stand-in for the companion program.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sys/stat.h>
#include <thread>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

class CliExports : public ::testing::Test {
protected:
    void SetUp() override {
        ok({"circle", "create", "1", "--name", "Muster GmbH", "--year", "2009", "--chart-from", "skr03"});
        ok({"post", "-k", "1", "--date", "15.04", "--debit", "1000", "--credit", "8400", "--amount", "119", "--rate",
            "19", "--text", "Barverkauf Müller"});
        ok({"post", "-k", "1", "--date", "20.05", "--debit", "4930", "--credit", "1000", "--amount", "1234.50",
            "--rate", "19", "--text", "Drucker"});
        ok({"post", "-k", "1", "--date", "02.05", "--debit", "1200", "--credit", "1000", "--amount", "50"});
    }
    CliResult ok(const std::vector<std::string>& args) {
        auto r = runCli(dir.path(), args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r;
    }
    std::string exported(const std::string& name) const { return readFile(dir.file("BK000001/GDPdU/2009/" + name)); }
    TempDir dir;
};

std::size_t lineCount(const std::string& text) {
    std::size_t n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

TEST_F(CliExports, GdpduWritesTheTablesAndTheirValidDescription) {
    auto r = ok({"export", "gdpdu", "-k", "1", "--name", "Müller & Söhne", "--place", "Köln", "--cash", "10"});
    EXPECT_EQ(r.out, "Abschluss der Datenerstellung zur GDPdU\n" + dir.file("BK000001/GDPdU/2009") + "\n");

    const std::string cmd = "cd '" + dir.file("BK000001/GDPdU/2009") + "' && xmllint --noout --valid index.xml";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_NE(exported("index.xml").find("<Name>M&#x00FC;ller &#x0026; S&#x00F6;hne</Name>"), std::string::npos);
    // The journal month by month; the text in the Windows code page, as the journal holds it.
    const std::string journal = exported("2009-jou.txt");
    ASSERT_EQ(journal.size(), 3u * 109);
    EXPECT_EQ(journal.substr(0, 21), "          115.04.2009");
    // Within a month in booking order.
    EXPECT_EQ(journal.substr(109, 21), "          220.05.2009");
    EXPECT_NE(journal.find("Barverkauf M\xFCller"), std::string::npos);
    // The cash book: every booking of 1000, day by day, the last balance what the balance list ends with.
    const std::string cash = exported("2009-kas.txt");
    ASSERT_EQ(cash.size(), 3u * 132);
    EXPECT_EQ(cash.substr(2 * 132 + 116, 14), "     -1.165,50");
    // One balance-list row per account of the chart.
    const std::string accounts = ok({"account", "list", "-k", "1"}).out;
    EXPECT_EQ(exported("2009-sal.txt").size(), lineCount(accounts) * 78);
}

TEST_F(CliExports, GdpduChecksItsOptions) {
    EXPECT_EQ(runCli(dir.path(), {"export", "gdpdu", "-k", "1", "--place", "Köln"}).exitCode, 2);
    EXPECT_EQ(runCli(dir.path(), {"export", "gdpdu", "-k", "1", "--name", "A\tB", "--place", "K"}).exitCode, 2);
    EXPECT_EQ(runCli(dir.path(), {"export", "unknown", "-k", "1"}).exitCode, 2);
    auto bad = runCli(dir.path(), {"export", "gdpdu", "-k", "1", "--name", "A", "--place", "K", "--cash", "1001"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, "FEHLER: Kontonummer nicht zulässig oder nicht korrekt!\n");
    EXPECT_FALSE(fileExists(dir.file("BK000001/GDPdU/2009/2009-jou.txt")));
}

// The stand-in companion program records its directory and its argument.
class CliCompanion : public CliExports {
protected:
    void SetUp() override {
        CliExports::SetUp();
        ::mkdir(dir.file("tmo").c_str(), 0755);
        ::mkdir(dir.file("tmo/import").c_str(), 0755);
        writeFile(dir.file("tmo/tmonline.sh"), "#!/bin/sh\nprintf '%s|%s' \"$(pwd)\" \"$*\" > '" +
                                                   dir.file("record.txt") + "'\ntouch '" + dir.file("record.done") +
                                                   "'\n");
        ::chmod(dir.file("tmo/tmonline.sh").c_str(), 0755);
        ok({"config", "set", "TmonlineProgramm", dir.file("tmo/tmonline.sh")});
        ok({"config", "set", "TmonlineImport", dir.file("tmo/import")});
    }
    std::string record() {
        for (int i = 0; i < 500 && !fileExists(dir.file("record.done")); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return fileExists(dir.file("record.done")) ? readFile(dir.file("record.txt")) : "(not started)";
    }
};

TEST_F(CliCompanion, TheTransferFileOfAQuarterIsHandedOverAndTheProgramStarted) {
    // Not before the VAT pre-return of the period was made.
    auto early = runCli(dir.path(), {"export", "companion", "-k", "1", "--from-month", "4", "--to-month", "6"});
    EXPECT_EQ(early.exitCode, 1);
    EXPECT_NE(early.err.find("report vat-return"), std::string::npos) << early.err;

    ok({"report", "-k", "1", "vat-return", "--from-month", "4", "--to-month", "6"});
    auto r = ok({"export", "companion", "-k", "1", "--from-month", "4", "--to-month", "6", "--start"});
    EXPECT_EQ(r.err,
              "INFORMATION: Die Daten wurden im Importpfad von Tellmark Online \nunter dem Namen '001-0942.u09' "
              "gespeichert.\nINFORMATION: Tellmark Online wird jetzt gestartet.\n");
    EXPECT_EQ(readFile(dir.file("tmo/import/001-0942.u09")), readFile(dir.file("BK000001/001-0942.u09")));
    EXPECT_FALSE(fileExists(dir.file("BK000001/~ustva~.tmp")));
    EXPECT_EQ(record(), dir.file("tmo") + "|" + dir.file("tmo/import/001-0942.u09"));

    // Months 4 to 5 have no transfer file.
    EXPECT_EQ(runCli(dir.path(), {"export", "companion", "-k", "1", "--from-month", "4", "--to-month", "5"}).exitCode,
              1);
}

TEST_F(CliCompanion, TheMenuCommandStartsTheProgramWithoutArgument) {
    auto r = ok({"export", "companion", "-k", "1"});
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(record(), dir.file("tmo") + "|");
    ok({"config", "set", "TmonlineProgramm", ""});
    auto none = runCli(dir.path(), {"export", "companion", "-k", "1"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find("Kein Pfad für Programmaufruf"), std::string::npos) << none.err;
}

}  // namespace
}  // namespace tellmark::testing
