// sort and search on the command line.

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

class CliJournalTools : public ::testing::Test {
protected:
    void SetUp() override {
        ok({"circle", "create", "1", "--name", "Muster GmbH", "--year", "2024", "--chart-from", "skr03"});
        for (const char* date : {"05.03", "01.03", "20.01"})
            ok({"post", "-k", "1", "--date", date, "--debit", "1200", "--credit", "8400", "--amount", "119",
                "--rate", "19", "--text", std::string("Rechnung ") + date});
    }
    CliResult ok(const std::vector<std::string>& args) {
        auto r = runCli(dir.path(), args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r;
    }
    std::string dates() {
        std::string out;
        const std::string journal = readFile(dir.file("BK000001/B2024001.jou"));
        for (std::size_t at = 0; at + 64 <= journal.size(); at += 64) out += journal.substr(at, 5) + " ";
        return out;
    }
    TempDir dir;
};

TEST_F(CliJournalTools, SortByMonthThenByDay) {
    const std::string balances = readFile(dir.file("BK000001/B2024001.sal"));
    ok({"sort", "-k", "1"});
    EXPECT_EQ(dates(), "20.01 05.03 01.03 ");
    ok({"sort", "-k", "1", "--by-day"});
    EXPECT_EQ(dates(), "20.01 01.03 05.03 ");
    EXPECT_EQ(readFile(dir.file("BK000001/B2024001.sal")), balances);
    // The journal listing numbers the bookings anew.
    EXPECT_NE(ok({"journal", "-k", "1"}).out.find("     1 20.01"), std::string::npos);
}

TEST_F(CliJournalTools, SearchListsTheHitsInTheirOrder) {
    EXPECT_EQ(ok({"search", "-k", "1", "rechnung"}).out, "1\n2\n3\n");
    EXPECT_EQ(ok({"search", "-k", "1", "rechnung", "--backward"}).out, "3\n2\n1\n");
    EXPECT_EQ(ok({"search", "-k", "1", "Rechnung 0", "--from", "1"}).out, "2\n");
    auto before = runCli(dir.path(), {"search", "-k", "1", "20.01", "--backward", "--from", "3"});
    EXPECT_EQ(before.exitCode, 1);
    EXPECT_NE(before.err.find("Kein weiterer Suchbegriff mehr gefunden !"), std::string::npos) << before.err;
    auto none = runCli(dir.path(), {"search", "-k", "1", "rechnung", "--case"});
    EXPECT_EQ(none.exitCode, 1);  // nothing found
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(runCli(dir.path(), {"search", "-k", "1", std::string(26, 'x')}).exitCode, 2);
}

}  // namespace
}  // namespace tellmark::testing
