// Standard bookings from the command line: editing the ".stn" file and posting runs that stop before
// anything is posted when a line would need a person to correct it.

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

std::string stn(char mark, const std::string& doc, const std::string& debit, const std::string& credit,
                const std::string& text, const std::string& amount, const std::string& rate) {
    auto left = [](const std::string& v, std::size_t w) { return v + std::string(w - v.size(), ' '); };
    auto right = [](const std::string& v, std::size_t w) { return std::string(w - v.size(), ' ') + v; };
    return std::string(1, mark) + "    " + left(doc, 6) + right(debit, 5) + right(credit, 5) + left(text, 25) +
           right(amount, 11) + right(rate, 5) + "\r\n";
}

class CliStandard : public ::testing::Test {
protected:
    void SetUp() override {
        ok({"circle", "create", "1", "--name", "Test", "--year", "2009", "--chart", "03", "--vat", "J"});
        for (auto [number, name] : std::vector<std::pair<std::string, std::string>>{
                 {"1000", "KASSE"}, {"1200", "BANK"}, {"4930", "BUEROBEDARF           19%"}, {"8400", "ERLOESE"}})
            ok({"account", "create", "-k", "1", number, "--name", name});
    }
    CliResult cli(const std::vector<std::string>& args) { return runCli(dir.path(), args); }
    std::string ok(const std::vector<std::string>& args) {
        auto r = cli(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r.out;
    }
    std::string file(const std::string& name) { return readFile(dir.file("BK000001/" + name)); }
    TempDir dir;
};

TEST_F(CliStandard, EditsLeaveExactlyTheseBytes) {
    EXPECT_EQ(ok({"standard", "add", "-k", "1", "--doc", "R1", "--debit", "12", "--credit", "84", "--text",
                  "Miete .#", "--amount", "1190", "--rate", "19"}),
              "001 X R1      1200  8400 Miete .#                      1190.00 19.00      190.00\n");
    ok({"standard", "add", "-k", "1", "--debit", "4930", "--credit", "KASSE", "--text", "Porto", "--unmarked"});
    ok({"standard", "add", "-k", "1", "--at", "1", "--debit", "1000", "--credit", "1200", "--amount", "50"});
    EXPECT_EQ(file("B001.stn"), stn('X', "", "1000", "1200", "", "50.00", "0.00") +
                                    stn('X', "R1", "1200", "8400", "Miete .#", "1190.00", "19.00") +
                                    stn(' ', "", "4930", "1000", "Porto", "0.00", "19.00"));

    ok({"standard", "change", "-k", "1", "2", "--text", "Miete", "--amount", "1309"});
    ok({"standard", "mark", "-k", "1", "3"});
    ok({"standard", "unmark", "-k", "1", "1"});
    ok({"standard", "delete", "-k", "1", "1"});
    EXPECT_EQ(file("B001.stn"), stn('X', "R1", "1200", "8400", "Miete", "1309.00", "19.00") +
                                    stn('X', "", "4930", "1000", "Porto", "0.00", "19.00"));
    EXPECT_EQ(ok({"standard", "list", "-k", "1"}),
              "001 X R1      1200  8400 Miete                         1309.00 19.00      209.00\n"
              "002 X         4930  1000 Porto                            0.00 19.00        0.00\n");

    const std::string before = file("B001.stn");
    for (const std::vector<std::string>& refused :
         {std::vector<std::string>{"standard", "add", "-k", "1", "--debit", "1200", "--credit", "7777"},
          {"standard", "add", "-k", "1", "--debit", "1200", "--credit", "1200", "--amount", "1"},
          {"standard", "change", "-k", "1", "3", "--text", "x"},
          {"standard", "delete", "-k", "1", "3"}})
        EXPECT_EQ(cli(refused).exitCode, 1);
    EXPECT_EQ(cli({"standard", "add", "-k", "1", "--debit", "1200"}).exitCode, 2);
    EXPECT_EQ(cli({"standard", "post", "-k", "1", "--marked"}).exitCode, 2);
    EXPECT_EQ(cli({"standard", "mark", "-k", "1", "1", "--text", "x"}).exitCode, 2);
    EXPECT_EQ(file("B001.stn"), before);

    // The 999th record is the last.
    std::string full;
    for (int i = 0; i < 999; ++i) full += stn(' ', "", "1200", "8400", "", "1.00", "0.00");
    writeFile(dir.file("BK000001/B001.stn"), full);
    auto r = cli({"standard", "add", "-k", "1", "--debit", "1200", "--credit", "8400"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("999 standard bookings"), std::string::npos) << r.err;
    EXPECT_EQ(file("B001.stn"), full);
}

TEST_F(CliStandard, APostingRunStopsBeforeAnythingIsPostedUnlessFaultyLinesAreSkipped) {
    ok({"standard", "add", "-k", "1", "--debit", "1200", "--credit", "8400", "--text", "Miete", "--amount", "100"});
    ok({"standard", "add", "-k", "1", "--debit", "1200", "--credit", "8400", "--text", "Zins .#", "--amount", "5"});
    ok({"standard", "add", "-k", "1", "--debit", "4930", "--credit", "1000", "--text", "Porto"});
    const std::string sal = file("B2009001.sal");

    auto r = cli({"standard", "post", "-k", "1", "--date", "05.03", "--marked"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "tellmark-cli: standard booking 002 needs correcting: Eingabe an der Text-Markierung  '.#'  fehlt.\n"
              "tellmark-cli: standard booking 003 needs correcting: Betrag nicht zulässig; bitte Betrag korrigieren\n"
              "tellmark-cli: nothing posted; correct these standard bookings, give the missing fields or pass "
              "--skip-faulty\n");
    EXPECT_EQ(file("B2009001.jou"), "");
    EXPECT_EQ(file("B2009001.sal"), sal);

    EXPECT_EQ(cli({"standard", "post", "-k", "1", "--date", "31.02", "--marked"}).exitCode, 1);
    EXPECT_EQ(file("B2009001.jou"), "");

    r = cli({"standard", "post", "-k", "1", "--date", "5.3", "--marked", "--skip-faulty"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "     1 05.03         1200  8400 Miete                          100.00  0.00        0.00\n");
    EXPECT_NE(r.err.find("INFORMATION: Es wurden 1 Standardbuchungen erfolgreich verbucht"), std::string::npos);

    // One by number, completed by the options as the person completes it in the entry form.
    EXPECT_EQ(cli({"standard", "post", "-k", "1", "--date", "06.03", "3"}).exitCode, 1);
    EXPECT_EQ(ok({"standard", "post", "-k", "1", "--date", "06.03", "3", "--amount", "11.90", "--doc", "K9"}),
              "     2 06.03 K9      4930  1000 Porto                           11.90 19.00        1.90\n");
    EXPECT_EQ(ok({"standard", "post", "-k", "1", "--date", "07.03", "2", "--text", "Zins März"}),
              "     3 07.03         1200  8400 Zins März                        5.00  0.00        0.00\n");
    // The records stay as they were.
    EXPECT_EQ(file("B001.stn"), stn('X', "", "1200", "8400", "Miete", "100.00", "0.00") +
                                    stn('X', "", "1200", "8400", "Zins .#", "5.00", "0.00") +
                                    stn('X', "", "4930", "1000", "Porto", "0.00", "19.00"));
}

}  // namespace
}  // namespace tellmark::testing
