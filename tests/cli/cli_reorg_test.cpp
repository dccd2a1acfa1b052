// Reposting from the command line: damaged balances come back from the journal; bookings that need a
// decision stop the run untouched unless --drop-bad says what to do with them.

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

class CliReorg : public ::testing::Test {
protected:
    CliResult cli(const std::vector<std::string>& args) { return runCli(dir.path(), args); }
    void ok(const std::vector<std::string>& args) {
        auto r = cli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    std::string file(const std::string& name) { return readFile(dir.file("BK000001/B2009001." + name)); }
    void put(const std::string& name, const std::string& bytes) { writeFile(dir.file("BK000001/B2009001." + name), bytes); }
    void createBooks() {
        ok({"circle", "create", "1", "--name", "Test", "--year", "2009", "--chart", "03"});
        for (auto [number, name] : std::vector<std::pair<std::string, std::string>>{
                 {"1000", "KASSE"}, {"1200", "BANK"}, {"4930", "BUEROBEDARF"}, {"8400", "ERLOESE"}, {"9000", "SALDENVORTRAEGE"}})
            ok({"account", "create", "-k", "1", number, "--name", name});
        ok({"post", "-k", "1", "--date", "02.01", "--debit", "1200", "--credit", "9000", "--amount", "5000"});
        ok({"post", "-k", "1", "--date", "15.01", "--debit", "1200", "--credit", "8400", "--amount", "119", "--rate", "19"});
        ok({"post", "-k", "1", "--date", "16.02", "--debit", "4930", "--credit", "1000", "--amount", "107", "--rate", "7"});
    }
    TempDir dir;
};

TEST_F(CliReorg, AnEmptyJournalIsSaidAndNothingChanges) {
    ok({"circle", "create", "1", "--name", "Test", "--year", "2009", "--chart", "03"});
    ok({"account", "create", "-k", "1", "1200", "--name", "BANK"});
    const std::string sal = file("sal");
    auto r = cli({"reorg", "-k", "1", "--yes"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Keine Buchungss\xC3\xA4tze gefunden !"), std::string::npos) << r.err;
    EXPECT_EQ(file("sal"), sal);
}

TEST_F(CliReorg, RebuildsADamagedSlotFromTheJournal) {
    createBooks();
    const std::string sal = file("sal"), jou = file("jou");
    std::string damaged = sal;
    damaged.replace(3 * 202 + 31, 12, "     1234.00");  // 1200's opening balance
    damaged.replace(3 * 202 + 31 + 24, 12, "      -77.77");
    put("sal", damaged);

    auto refused = cli({"reorg", "-k", "1"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(file("sal"), damaged);

    auto r = cli({"reorg", "-k", "1", "--yes"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(file("sal"), sal);
    EXPECT_EQ(file("jou"), jou);
}

TEST_F(CliReorg, ABookingToAnUnknownAccountStopsTheRunUnlessDropped) {
    createBooks();
    const std::string sal = file("sal"), jou = file("jou");
    // A booking to 4711 that no balance record holds.
    std::string extra = jou.substr(64, 64);
    extra.replace(11, 5, " 4711");
    put("jou", jou + extra);
    std::string damaged = sal;
    damaged.replace(2 * 202 + 31 + 24, 12, "       -1.00");
    put("sal", damaged);

    auto r = cli({"reorg", "-k", "1", "--yes"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("4 missing account ' 4711': 15.01         4711  8400"), std::string::npos) << r.err;
    EXPECT_EQ(file("sal"), damaged);
    EXPECT_EQ(file("jou"), jou + extra);

    r = cli({"reorg", "-k", "1", "--yes", "--drop-bad"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(file("jou"), jou);
    EXPECT_EQ(file("sal"), sal);
}

TEST_F(CliReorg, ADamagedStandardVatAccountComesBackAndItsBookingsArePostedAgain) {
    createBooks();
    const std::string sal = file("sal"), jou = file("jou");
    // One byte of the output VAT account 1770 (record 1) damaged: the record is removed as broken, then
    // created anew at the end and the VAT postings find it there.
    std::string damaged = sal;
    damaged[202 + 199] = '#';
    put("sal", damaged);
    auto r = cli({"reorg", "-k", "1", "--yes"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(file("jou"), jou);
    const std::string now = file("sal");
    ASSERT_EQ(now.size(), sal.size());
    // Same accounts; 1770 moved to the end with the same slots.
    EXPECT_EQ(now.substr(0, 202), sal.substr(0, 202));
    EXPECT_EQ(now.substr(202, now.size() - 404), sal.substr(404));
    EXPECT_EQ(now.substr(now.size() - 202), sal.substr(202, 202));
}

TEST_F(CliReorg, MissingAccountsAreCreatedWithCreateMissing) {
    createBooks();
    const std::string jou = file("jou");
    std::string extra = jou.substr(64, 64);
    extra.replace(11, 5, " 4711");
    put("jou", jou + extra);

    auto stopped = cli({"reorg", "-k", "1", "--yes"});
    EXPECT_EQ(stopped.exitCode, 1);
    auto r = cli({"reorg", "-k", "1", "--yes", "--create-missing"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // No booking dropped; the one rewritten for its new account keeps no rate where the accounts allow none.
    std::string rewritten = extra;
    rewritten.replace(57, 5, " 0.00");
    EXPECT_EQ(file("jou"), jou + rewritten);
    const std::string sal = file("sal");
    const std::string created = sal.substr(sal.size() - 202);
    EXPECT_EQ(created.substr(0, 31), " 4711Angelegt (Reorganisation)1");
    auto list = cli({"account", "list", "-k", "1"});
    EXPECT_NE(list.out.find(" 4711 Angelegt (Reorganisation) 1       119.00"), std::string::npos) << list.out;
}

TEST_F(CliReorg, AnAmountThatIsNoNumberIsNeverPostedAsZero) {
    createBooks();
    const std::string sal = file("sal"), jou = file("jou");
    std::string bad = jou;
    bad.replace(64 + 46, 11, "        abc");
    put("jou", bad);
    auto r = cli({"reorg", "-k", "1", "--yes"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("2 amount or rate is no number '        abc'"), std::string::npos) << r.err;
    EXPECT_EQ(file("jou"), bad);
    EXPECT_EQ(file("sal"), sal);

    r = cli({"reorg", "-k", "1", "--yes", "--drop-bad"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(file("jou"), jou.substr(0, 64) + jou.substr(128));
}

}  // namespace
}  // namespace tellmark::testing
