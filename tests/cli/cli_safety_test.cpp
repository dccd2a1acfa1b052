// The books stay whole when their files are not: a damaged journal or balance file is named and never
// written to, an operation that did not finish is repaired on the next open and said so, and a missing
// ledger file is named for what it is.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

const std::string kJournal = "BK000001/B2009001.jou";
const std::string kBalance = "BK000001/B2009001.sal";
const std::string kRecord = "BK000001/B2009001.lauf";

class CliSafety : public ::testing::Test {
protected:
    CliSafety() {
        ok({"circle", "create", "1", "--name", "Test", "--year", "2009", "--chart", "03", "--auto-doc", "1"});
        for (auto [number, name] : std::vector<std::pair<std::string, std::string>>{
                 {"1200", "BANK"}, {"4930", "BUEROBEDARF"}, {"8400", "ERLOESE"}})
            ok({"account", "create", "-k", "1", number, "--name", name});
        for (int i = 1; i <= 3; ++i)
            ok({"post", "-k", "1", "--date", "1" + std::to_string(i) + ".03", "--debit", "1200", "--credit", "8400",
                "--amount", std::to_string(100 * i), "--rate", "19", "--text", "Rechnung " + std::to_string(i)});
    }
    CliResult cli(const std::vector<std::string>& args) { return runCli(dir.path(), args); }
    void ok(const std::vector<std::string>& args) {
        auto r = cli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    std::string file(const std::string& name) { return readFile(dir.file(name)); }
    void put(const std::string& name, const std::string& bytes) { writeFile(dir.file(name), bytes); }
    std::vector<std::string> post() {
        return {"post", "-k", "1", "--date", "20.03", "--debit", "4930", "--credit", "1200", "--amount", "10"};
    }

    TempDir dir;
};

TEST_F(CliSafety, DamagedFilesAreNamedAndNeverWrittenTo) {
    const std::string journal = file(kJournal);
    const std::string balance = file(kBalance);
    struct Case {
        const char* what;
        std::string damagedFile;
        std::string damagedBytes;
        std::string message;
    } cases[] = {
        {"balance file one byte short", kBalance, balance.substr(0, balance.size() - 1),
         "FEHLER: Die Datei BK000001/B2009001.sal ist beschädigt: sie endet mit einem unvollständigen Satz.\n"},
        {"journal cut in a record", kJournal, journal.substr(0, journal.size() - 30),
         "FEHLER: Die Datei BK000001/B2009001.jou ist beschädigt: sie endet mit einem unvollständigen Satz.\n"},
        {"account without its end mark", kBalance, balance.substr(0, 202 * 3 + 199) + "#" + balance.substr(202 * 3 + 200),
         "FEHLER: Die Datei BK000001/B2009001.sal ist beschädigt: dem Satz 4 fehlt das Satzende.\n"},
        {"booking without its line end", kJournal, journal.substr(0, 64 + 62) + "  " + journal.substr(64 + 64),
         "FEHLER: Die Datei BK000001/B2009001.jou ist beschädigt: dem Satz 2 fehlt das Satzende.\n"},
    };
    const std::string tail =
        "Bis zur Reparatur wird nichts in die Bücher geschrieben.\nBitte Neuverbuchung/Reorganisation durchführen !\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        put(kJournal, journal);
        put(kBalance, balance);
        put(c.damagedFile, c.damagedBytes);
        const std::string settings = file("BK000001/STAMM001.DAT");

        CliResult r = cli(post());
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, c.message + tail + "FEHLER: Die Bücher werden nicht verändert, weil die Datei " +
                             c.damagedFile + " beschädigt ist.\nBitte Neuverbuchung/Reorganisation durchführen !\n");
        EXPECT_EQ(file(c.damagedFile), c.damagedBytes);
        EXPECT_EQ(file(c.damagedFile == kJournal ? kBalance : kJournal), c.damagedFile == kJournal ? balance : journal);
        EXPECT_EQ(file("BK000001/STAMM001.DAT"), settings);

        // Reading goes on: the listing shows the whole records.
        r = cli({"journal", "-k", "1"});
        EXPECT_EQ(r.exitCode, 0);
    }
}

TEST_F(CliSafety, AnUnfinishedPostingIsRepairedOnTheNextOpenAndSaidSo) {
    const std::string journal = file(kJournal);
    const std::string balance = file(kBalance);
    // A posting killed halfway through its journal record: the record of the operation is there, half
    // the booking is in the journal, the counter was not advanced.
    put(kRecord, "Vorgang=Buchung\r\nJournal vorher=" + std::to_string(journal.size()) +
                     "\r\nJournal nachher=" + std::to_string(journal.size() + 64) +
                     "\r\nSalden vorher=" + std::to_string(balance.size()) + "\r\n");
    put(kJournal, journal + journal.substr(0, 40));

    CliResult r = cli({"journal", "-k", "1"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err,
              "INFORMATION: Die letzte Änderung der Bücher (Buchung) wurde nicht abgeschlossen.\n"
              "Salden, Indexdateien und Belegnummer wurden aus dem Journal neu aufgebaut.\n"
              "Das Journal enthält 3 Buchungssätze; bitte prüfen Sie die letzten Buchungen.\n"
              "Ein nicht vollständig geschriebener Buchungssatz wurde entfernt; er war nicht gespeichert.\n");
    EXPECT_EQ(file(kJournal), journal);
    EXPECT_EQ(file(kBalance), balance);
    EXPECT_FALSE(fileExists(dir.file(kRecord)));

    // Told once: the next command opens in silence, and books as before.
    r = cli(post());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(file(kJournal).substr(64 * 3 + 5, 6), "000004");
}

TEST_F(CliSafety, BalancesBehindTheJournalAreRebuiltAndTheCounterMovesPastTakenNumbers) {
    const std::string balance = file(kBalance);
    // Killed after the journal record was written: balances and the counter are behind.
    ok(post());
    const std::string journal = file(kJournal);
    const std::string settings = file("BK000001/STAMM001.DAT");
    const std::string posted = file(kBalance);
    put(kBalance, balance);
    std::string behind = settings;
    behind.replace(behind.find("Auto-Beleg=000005"), 17, "Auto-Beleg=000004");
    put("BK000001/STAMM001.DAT", behind);
    put(kRecord, "Vorgang=Buchung\r\nJournal vorher=" + std::to_string(journal.size() - 64) +
                     "\r\nJournal nachher=" + std::to_string(journal.size()) + "\r\nSalden vorher=" +
                     std::to_string(balance.size()) + "\r\n");

    CliResult r = cli({"account", "list", "-k", "1"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.err.find("Das Journal enthält 4 Buchungssätze"), std::string::npos) << r.err;
    EXPECT_EQ(file(kJournal), journal);
    EXPECT_EQ(file(kBalance), posted);
    EXPECT_EQ(file("BK000001/STAMM001.DAT"), settings);
}

TEST_F(CliSafety, AMissingLedgerFileIsNamed) {
    std::remove(dir.file(kJournal).c_str());
    CliResult r = cli({"journal", "-k", "1"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "FEHLER: Die Journaldatei des Buchungsjahres fehlt:\nBK000001/B2009001.jou\nDie Saldendatei ist "
                     "vorhanden. Bitte die Journaldatei aus der Datensicherung zurückholen; ohne sie wird nichts "
                     "angelegt.\n");
    EXPECT_FALSE(fileExists(dir.file(kJournal)));
}

}  // namespace
}  // namespace tellmark::testing
