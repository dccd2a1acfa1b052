// year change, transfer and delete from the command line: the options answer the dialogs, and the
// take-over of closing balances changes nothing unless an option decides.

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"
#include "yearend/year_books.h"

namespace tellmark::testing {
namespace {

using yearend::testing::newRecord;

struct Circle {
    TempDir dir;
    Circle() {
        run({"circle", "create", "1", "--name", "Muster GmbH", "--year", "2009"});
        run({"account", "create", "-k", "1", "1000", "--name", "Kasse", "--opening", "100.00"});
        run({"account", "create", "-k", "1", "1900", "--name", "Privat"});
        run({"account", "create", "-k", "1", "8400", "--name", "Erlöse"});
        run({"post", "-k", "1", "--date", "15.01", "--debit", "1000", "--credit", "8400", "--amount", "119",
             "--rate", "19"});
        run({"post", "-k", "1", "--date", "16.01", "--debit", "1900", "--credit", "1000", "--amount", "10"});
    }
    CliResult run(const std::vector<std::string>& args, int exitCode = 0) {
        CliResult r = runCli(dir.path(), args);
        EXPECT_EQ(r.exitCode, exitCode) << r.err;
        return r;
    }
    std::string accounts() { return run({"account", "list", "-k", "1"}).out; }
};

TEST(CliYear, ChangeCarriesTheBalancesAndGoesBackToAnExistingYear) {
    Circle c;
    const std::string old2009 = readFile(c.dir.file("BK000001/B2009001.sal"));
    EXPECT_EQ(c.run({"year", "change", "-k", "1", "2010"}).out, "Nr: 1 - Muster GmbH - 2010\n");
    EXPECT_EQ(c.run({"circle", "show", "-k", "1"}).out.substr(0, 27), "Nr: 1 - Muster GmbH - 2010\n");
    // Cash 100 + 119 - 10 carried, the private account reset, revenue and VAT at 0.00.
    EXPECT_EQ(readFile(c.dir.file("BK000001/B2010001.sal")),
              newRecord(1570, "VORSTEUER", 0.0) + newRecord(1770, "MEHRWERTSTEUER", 0.0) +
                  newRecord(1000, "Kasse", 209.0) + newRecord(1900, "Privat", 0.0) + newRecord(8400, "Erl\xF6se", 0.0));
    EXPECT_EQ(c.run({"year", "change", "-k", "1", "2009"}).out, "Nr: 1 - Muster GmbH - 2009\n");
    EXPECT_EQ(readFile(c.dir.file("BK000001/B2009001.sal")), old2009);

    c.run({"year", "change", "-k", "1", "2011", "--keep-private", "--no-balances"}, 0);
    EXPECT_EQ(readFile(c.dir.file("BK000001/B2011001.sal")),
              newRecord(1570, "VORSTEUER", 0.0) + newRecord(1770, "MEHRWERTSTEUER", 0.0) +
                  newRecord(1000, "Kasse", 0.0) + newRecord(1900, "Privat", 0.0) + newRecord(8400, "Erl\xF6se", 0.0));
    c.run({"year", "change", "-k", "1", "2012", "--no-chart"}, 0);
    EXPECT_EQ(readFile(c.dir.file("BK000001/B2012001.sal")),
              newRecord(1570, "VORSTEUER", 0.0) + newRecord(1770, "MEHRWERTSTEUER", 0.0));
}

TEST(CliYear, WrongYearsAndUsage) {
    Circle c;
    const CliResult bad = c.run({"year", "change", "-k", "1", "0910"}, 1);
    EXPECT_EQ(bad.err, "FEHLER: Ungültiges Buchungsjahr !\n");
    EXPECT_EQ(c.run({"year", "change", "-k", "1", "10"}, 1).err, "FEHLER: Ungültiges Buchungsjahr !\n");
    EXPECT_FALSE(fileExists(c.dir.file("BK000001/B0910001.sal")));
    c.run({"year", "delete", "-k", "1", "2008"}, 2);
    c.run({"year", "change", "-k", "1", "2010", "--journal"}, 2);
    c.run({"year", "transfer", "-k", "1", "--account", "abc"}, 2);
    c.run({"year", "move", "-k", "1"}, 2);
}

TEST(CliYear, TransferListsWhatItWouldAskAndChangesOnlyWhenTold) {
    Circle c;
    c.run({"year", "change", "-k", "1", "2010"});
    c.run({"year", "change", "-k", "1", "2009"});
    c.run({"post", "-k", "1", "--date", "20.12", "--debit", "1000", "--credit", "1900", "--amount", "5"});
    c.run({"year", "change", "-k", "1", "2010"});
    const std::string before = readFile(c.dir.file("BK000001/B2010001.sal"));

    const CliResult listed = c.run({"year", "transfer", "-k", "1"}, 1);
    EXPECT_EQ(listed.err, " 1000 Kasse                           214.00       209.00\n"
                          "tellmark-cli: nothing was changed: pass --yes to take over these closing balances, or "
                          "--account NUMBER for single accounts\n");
    EXPECT_EQ(readFile(c.dir.file("BK000001/B2010001.sal")), before);

    const CliResult other = c.run({"year", "transfer", "-k", "1", "--account", "1200"});
    EXPECT_EQ(other.out, "");
    EXPECT_EQ(readFile(c.dir.file("BK000001/B2010001.sal")), before);

    const CliResult taken = c.run({"year", "transfer", "-k", "1", "--yes"});
    EXPECT_EQ(taken.out, " 1000\n");
    EXPECT_EQ(taken.err, "INFORMATION: Die Übernahme de Vorjahresendbestände ist beendet.\n");
    std::string expected = before;
    expected.replace(404 + 31, 12, "      214.00");
    EXPECT_EQ(readFile(c.dir.file("BK000001/B2010001.sal")), expected);
    EXPECT_EQ(c.run({"year", "transfer", "-k", "1"}).err,
              "INFORMATION: Die Übernahme de Vorjahresendbestände ist beendet.\n");
}

TEST(CliYear, DeleteRefusesTheOpenYearAndDeletesOnlyWhatIsChosen) {
    Circle c;
    c.run({"year", "change", "-k", "1", "2010"});
    EXPECT_EQ(c.run({"year", "delete", "-k", "1", "2010", "--balances", "--journal"}, 1).err,
              "FEHLER: Das aktuelle Buchungsjahr kann nicht gelöscht werden!\n");
    EXPECT_TRUE(fileExists(c.dir.file("BK000001/B2010001.sal")));
    const std::string journal = readFile(c.dir.file("BK000001/B2009001.jou"));
    const CliResult r = c.run({"year", "delete", "-k", "1", "2009", "--balances"});
    EXPECT_EQ(r.out,
              "Die folgenden markierten Dateien sind gelöscht worden:\n"
              "X Saldendatei            BK000001/B2009001.sal\n"
              "X Index zur Saldendatei  BK000001/B2009001.sdx\n"
              "  Journaldatei           BK000001/B2009001.jou\n"
              "  Index zur Journaldatei BK000001/B2009001.jdx\n");
    EXPECT_FALSE(fileExists(c.dir.file("BK000001/B2009001.sal")));
    EXPECT_FALSE(fileExists(c.dir.file("BK000001/B2009001.sdx")));
    EXPECT_EQ(readFile(c.dir.file("BK000001/B2009001.jou")), journal);
    EXPECT_TRUE(fileExists(c.dir.file("BK000001/B2009001.jdx")));
}

}  // namespace
}  // namespace tellmark::testing
