// Bookings fed to "post --stdin", one per line: the books come out exactly as posting each with "post",
// a line that is not posted stops the run with its number and nothing after it is posted.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

class CliBatchPost : public ::testing::Test {
protected:
    CliBatchPost() {
        for (const char* circle : {"1", "2"}) {
            ok({"circle", "create", circle, "--name", "Test", "--year", "2009", "--chart", "03", "--auto-doc", "7"});
            for (auto [number, name] : std::vector<std::pair<std::string, std::string>>{
                     {"1200", "BANK"}, {"3425", "INNERG. ERWERB"}, {"4930", "BÜROBEDARF"}, {"8400", "ERLÖSE"},
                     {"10001", "MÜLLER GMBH"}})
                ok({"account", "create", "-k", circle, number, "--name", name});
        }
        ok({"account", "rename", "-k", "1", "8400", "--name", "ERLÖSE", "--vat-rate", "19"});
        ok({"account", "rename", "-k", "2", "8400", "--name", "ERLÖSE", "--vat-rate", "19"});
    }
    CliResult cli(const std::vector<std::string>& args, const std::string& input = "") {
        return runCli(dir.path(), args, input);
    }
    void ok(const std::vector<std::string>& args) {
        auto r = cli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    std::string file(const std::string& name) { return readFile(dir.file(name)); }
    std::string journal(int circle) {
        return file("BK00000" + std::to_string(circle) + "/B200900" + std::to_string(circle) + ".jou");
    }

    TempDir dir;
};

TEST_F(CliBatchPost, TheBooksAreThoseOfOnePostPerBooking) {
    const std::string lines =
        "Datum;Beleg;Soll;Haben;Text;Betrag;Satz;Art;Zahlung;Skonto\r\n"
        "02.03;;1200;8400;\"Rechnung; Nr. \"\"4711\"\"\";119,00;19\r\n"
        "3,3;R-17;12;ERL;Barverkauf;50.5\r\n"
        "\r\n"
        "04.03;;4930;1200;Büro;10;7;netto\r\n"
        "05.03;;1200;10001;Zahlung;;19;skonto;97;3\r\n"
        "06.03;;3425;1200;EU-Erwerb;100;19;eu\n"
        "07.03;;1200;8400;ohne Zeilenende;1";
    const CliResult batch = cli({"post", "-k", "1", "--stdin"}, lines);
    ASSERT_EQ(batch.exitCode, 0) << batch.err;

    const std::vector<std::vector<std::string>> posts = {
        {"--date", "02.03", "--debit", "1200", "--credit", "8400", "--text", "Rechnung; Nr. \"4711\"", "--amount",
         "119,00", "--rate", "19"},
        {"--date", "3,3", "--doc", "R-17", "--debit", "12", "--credit", "ERL", "--text", "Barverkauf", "--amount",
         "50.5"},
        {"--date", "04.03", "--debit", "4930", "--credit", "1200", "--text", "Büro", "--amount", "10", "--rate", "7",
         "--kind", "netto"},
        {"--date", "05.03", "--debit", "1200", "--credit", "10001", "--text", "Zahlung", "--rate", "19", "--kind",
         "skonto", "--paid", "97", "--discount", "3"},
        {"--date", "06.03", "--debit", "3425", "--credit", "1200", "--text", "EU-Erwerb", "--amount", "100", "--rate",
         "19", "--kind", "eu"},
        {"--date", "07.03", "--debit", "1200", "--credit", "8400", "--text", "ohne Zeilenende", "--amount", "1"}};
    std::string out;
    for (const auto& options : posts) {
        std::vector<std::string> args{"post", "-k", "2"};
        args.insert(args.end(), options.begin(), options.end());
        const CliResult one = cli(args);
        ASSERT_EQ(one.exitCode, 0) << one.err;
        out += one.out;
    }
    EXPECT_EQ(batch.out, out);
    EXPECT_EQ(journal(1).size(), 8u * 64);  // the cash discount and the EU booking have two lines each
    EXPECT_EQ(journal(1), journal(2));
    for (const char* suffix : {".sal", ".jdx", ".sdx"})
        EXPECT_EQ(file(std::string("BK000001/B2009001") + suffix), file(std::string("BK000002/B2009002") + suffix))
            << suffix;
    // The counter went on from the same number.
    const CliResult one = cli({"circle", "show", "-k", "1"});
    const CliResult two = cli({"circle", "show", "-k", "2"});
    EXPECT_EQ(one.out.substr(one.out.find('\n')), two.out.substr(two.out.find('\n')));
}

TEST_F(CliBatchPost, ARefusedLineStopsTheRunAndNothingAfterItIsPosted) {
    const struct {
        const char* what;
        std::string third;  // the line that is refused
        std::string message;
    } cases[] = {
        {"unknown account", "03.03;;1200;9999;x;10", "tellmark-cli: no account found for '9999'\n"},
        {"amount no number", "03.03;;1200;8400;x;zehn", ""},
        {"no amount", "03.03;;1200;8400;x", ""},
        {"open quote", "03.03;;1200;8400;\"x;10", ""},
        {"eleven columns", "03.03;;1200;8400;x;10;19;;;;", ""},
        {"unknown kind", "03.03;;1200;8400;x;10;19;brutto", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string before = journal(1);
        const std::string lines = "01.03;;1200;8400;eins;10\n02.03;;1200;8400;zwei;20\n" + c.third +
                                  "\n04.03;;1200;8400;vier;40\n";
        const CliResult r = cli({"post", "-k", "1", "--stdin"}, lines);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.err.find("line 3"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("not posted, nor any line after it"), std::string::npos) << r.err;
        if (!c.message.empty()) {
            EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        }
        const std::string after = journal(1);
        ASSERT_EQ(after.size(), before.size() + 2 * 64);
        EXPECT_NE(after.find("eins"), std::string::npos);
        EXPECT_NE(after.find("zwei"), std::string::npos);
        EXPECT_EQ(after.find("vier"), std::string::npos);
        // The two posted bookings are confirmed as "post" confirms them.
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;
    }
    EXPECT_EQ(cli({"post", "-k", "1", "--stdin", "--date", "01.03"}).exitCode, 2);
    const CliResult empty = cli({"post", "-k", "1", "--stdin"});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "");
}

}  // namespace
}  // namespace tellmark::testing
