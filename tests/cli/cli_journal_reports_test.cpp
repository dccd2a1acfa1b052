// The reports from the journal on the command line: the options of their dialogs, the dialogs' checks as
// usage errors, the transfer file of the VAT pre-return where --transfer-dir says.

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

class CliJournalReports : public ::testing::Test {
protected:
    void SetUp() override {
        ok({"circle", "create", "1", "--name", "Muster GmbH", "--year", "2024", "--chart-from", "skr03"});
        ok({"post", "-k", "1", "--date", "15.04", "--debit", "1000", "--credit", "8400", "--amount", "119", "--rate",
            "19", "--text", "Barverkauf"});
        ok({"post", "-k", "1", "--date", "20.05", "--debit", "4930", "--credit", "1000", "--amount", "23.80",
            "--rate", "19", "--text", "Papier"});
    }
    CliResult ok(const std::vector<std::string>& args) {
        auto r = runCli(dir.path(), args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r;
    }
    int status(const std::vector<std::string>& args) { return runCli(dir.path(), args).exitCode; }
    TempDir dir;
};

TEST_F(CliJournalReports, DialogChecksAreUsageErrors) {
    EXPECT_EQ(status({"report", "-k", "1", "journal", "--from", "32.03", "--to", "31.03"}), 2);
    EXPECT_EQ(status({"report", "-k", "1", "journal", "--from", "01.03", "--to", "01.14"}), 2);
    EXPECT_EQ(status({"report", "-k", "1", "cash-book", "--from", "01.03", "--to", "31.03"}), 2);  // no account
    EXPECT_EQ(status({"report", "-k", "1", "collective", "--from", "01.03", "--to", "31.03"}), 2);  // no group
    EXPECT_EQ(status({"report", "-k", "1", "vat-return", "--from-month", "4"}), 2);
    EXPECT_EQ(status({"report", "-k", "1", "month-eval"}), 2);
    // An account outside 1-29999 gets the dialog's message.
    auto bad = runCli(dir.path(), {"report", "-k", "1", "cash-book", "--account", "30000"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("Kontonummer"), std::string::npos) << bad.err;
}

TEST_F(CliJournalReports, DefaultsAndNothingFound) {
    // Without dates the window is the dialog's preset; the journal of the whole year by --from/--to.
    auto journal = ok({"report", "-k", "1", "journal", "--from", "01.01", "--to", "31.12"});
    EXPECT_NE(journal.out.find("Barverkauf"), std::string::npos);
    EXPECT_NE(journal.out.find("Papier"), std::string::npos);
    auto april = ok({"report", "-k", "1", "journal", "--from", "1.4", "--to", "30.04"});
    EXPECT_NE(april.out.find("Barverkauf"), std::string::npos);
    EXPECT_EQ(april.out.find("Papier"), std::string::npos);

    auto none = runCli(dir.path(), {"report", "-k", "1", "account-sheets", "--from", "01.01", "--to", "31.12",
                                    "--from-account", "4000", "--to-account", "4100", "--skip-unbooked"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find("Keine Buchungen"), std::string::npos) << none.err;
    EXPECT_EQ(none.out, "");
}

TEST_F(CliJournalReports, TransferFileOfAQuarter) {
    TempDir target;
    ok({"report", "-k", "1", "vat-return", "--from-month", "4", "--to-month", "6", "--transfer-dir", target.path()});
    // Kept in the circle's folder as the program writes it, and copied where asked.
    const std::string name = "001-2442.u24";
    ASSERT_TRUE(fileExists(dir.file("BK000001/" + name)));
    EXPECT_EQ(readFile(target.file(name)), readFile(dir.file("BK000001/" + name)));
    EXPECT_NE(readFile(target.file(name)).find("81=100.00"), std::string::npos) << readFile(target.file(name));
    // Two months are no period of the form: no transfer file.
    auto two = ok({"report", "-k", "1", "vat-return", "--from-month", "4", "--to-month", "5", "--transfer-dir",
                   target.path()});
    EXPECT_NE(two.err.find("no transfer file"), std::string::npos);
}

}  // namespace
}  // namespace tellmark::testing
