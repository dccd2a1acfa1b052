// Reports from the command line: the text file holds exactly the print file's bytes, stdout its UTF-8.

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/pdf_tools.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

class CliReport : public ::testing::Test {
protected:
    void SetUp() override {
        run({"circle", "create", "1", "--name", "Müller KG", "--year", "0809", "--first-month", "7"});
        run({"account", "create", "-k", "1", "1200", "--name", "BANK"});
        run({"account", "create", "-k", "1", "8400", "--name", "ERLÖSE"});
        run({"post", "-k", "1", "--date", "15.03", "--debit", "1200", "--credit", "8400", "--amount", "119", "--rate", "19"});
    }
    CliResult run(const std::vector<std::string>& args) {
        auto r = runCli(dir.path(), args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r;
    }
    TempDir dir;
};

TEST_F(CliReport, TextFileAndStdoutCarryTheSameReport) {
    run({"report", "-k", "1", "trial-balance", "--month", "3", "--print-date", "08.12.2026", "--out",
         dir.file("saldenbilanz.txt")});
    std::string file = readFile(dir.file("saldenbilanz.txt"));
    EXPECT_EQ(file, readFile(dir.file("BK000001/~print~.tmp")));
    ASSERT_GT(file.size(), 67u * 10);
    EXPECT_EQ(file.size() % 67, 0u);
    EXPECT_EQ(file.substr(0, 67), "S A L D E N B I L A N Z  zum 31.03.2009                08.12.2026\r\n");
    EXPECT_EQ(file.substr(3 * 67, 67), "Buchungsjahr 07.2008-06.2009" + std::string(37, ' ') + "\r\n");
    EXPECT_EQ(file.substr(5 * 67, 67), "M\xFCller KG" + std::string(56, ' ') + "\r\n");

    auto out = run({"report", "-k", "1", "trial-balance", "--month", "3", "--print-date", "08.12.2026"});
    EXPECT_EQ(out.out.substr(0, 66), "S A L D E N B I L A N Z  zum 31.03.2009                08.12.2026\n");
    EXPECT_NE(out.out.find("\nMüller KG"), std::string::npos);
}

TEST_F(CliReport, EveryKindRunsAndBadOptionsAreUsageErrors) {
    for (std::vector<std::string> kind : {std::vector<std::string>{"balance-list", "--from-month", "0", "--to-month", "13"},
                                          {"balance-list", "--narrow", "--group", "8", "--alphabetical"},
                                          {"balance-list", "--from-account", "1000", "--to-account", "1999"},
                                          {"chart"},
                                          {"result", "--from-month", "7", "--to-month", "6"},
                                          {"balance-sheet", "--month", "13"},
                                          {"circles"}}) {
        std::vector<std::string> args{"report", "-k", "1"};
        args.insert(args.end(), kind.begin(), kind.end());
        auto r = run(args);
        EXPECT_FALSE(r.out.empty()) << kind[0];
    }
    auto circles = run({"report", "-k", "1", "circles", "--print-date", "01.02.2027"});
    EXPECT_EQ(circles.out.substr(0, circles.out.find('\n')),
              "ANGELEGTE BUCHUNGSKREISE                               01.02.2027");

    EXPECT_EQ(runCli(dir.path(), {"report", "-k", "1", "trial-balance"}).exitCode, 2);
    EXPECT_EQ(runCli(dir.path(), {"report", "-k", "1", "trial-balance", "--month", "14"}).exitCode, 2);
    EXPECT_EQ(runCli(dir.path(), {"report", "-k", "1", "nonsense"}).exitCode, 2);
    EXPECT_EQ(runCli(dir.path(), {"report", "-k", "1", "chart", "--print-date", "31.02.2027"}).exitCode, 2);
}

// --pdf writes the printed pages: one PDF page per page of the print file, each with the report's lines.
TEST_F(CliReport, PdfHasThePagesAndLinesOfThePrintFile) {
    auto r = run({"report", "-k", "1", "balance-list", "--from-month", "0", "--to-month", "12", "--print-date",
                  "08.12.2026", "--pdf", dir.file("salden.pdf"), "--out", dir.file("salden.txt")});
    EXPECT_EQ(r.out, "");
    const std::string printed = readFile(dir.file("salden.txt"));
    int footers = 0;
    for (std::size_t at = printed.find("Blatt 0"); at != std::string::npos; at = printed.find("Blatt 0", at + 1))
        if (printed[at + 8] == '+') ++footers;
    const std::string info = pdfInfo(dir.file("salden.pdf"));
    EXPECT_NE(info.find("Pages:           " + std::to_string(footers + 1) + "\n"), std::string::npos) << info;
    const std::string text = pdfText(dir.file("salden.pdf"));
    EXPECT_NE(text.find("SALDENLISTE"), std::string::npos) << text;
    EXPECT_NE(text.find("Müller KG"), std::string::npos);
    EXPECT_NE(text.find("Zeitraum: Anfangswerte-31.12.2008"), std::string::npos);

    auto refused = runCli(dir.path(), {"report", "-k", "1", "chart", "--pdf", dir.file("fehlt/plan.pdf")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("PDF-Datei"), std::string::npos) << refused.err;
}

// Years at the edge of the two-digit pivot print as typed: 2050 is not 1950, and the second half of the
// span 4950 lies in the century after its first.
TEST(CliReportYears, BookingYearsAtThePivotPrintAsTyped) {
    TempDir dir;
    auto ok = [&](const std::vector<std::string>& args) {
        auto r = runCli(dir.path(), args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r;
    };
    ok({"circle", "create", "1", "--name", "Zukunft", "--year", "2050"});
    ok({"circle", "create", "2", "--name", "Wende", "--year", "4950", "--first-month", "7"});
    for (const char* circle : {"1", "2"}) {
        ok({"account", "create", "-k", circle, "1200", "--name", "BANK"});
        ok({"account", "create", "-k", circle, "8400", "--name", "ERLOESE"});
        ok({"post", "-k", circle, "--date", "15.03", "--debit", "1200", "--credit", "8400", "--amount", "119"});
    }
    auto calendar = ok({"report", "-k", "1", "result", "--from-month", "1", "--to-month", "12", "--print-date", "08.12.2026"});
    EXPECT_NE(calendar.out.find("\nBuchungsjahr 2050" + std::string(17, ' ') + "Zeitraum: 01.01.2050-31.12.2050\n"),
              std::string::npos)
        << calendar.out;
    auto span = ok({"report", "-k", "2", "trial-balance", "--month", "3", "--print-date", "08.12.2026"});
    EXPECT_EQ(span.out.substr(0, 66), "S A L D E N B I L A N Z  zum 31.03.2050                08.12.2026\n");
    EXPECT_NE(span.out.find("\nBuchungsjahr 07.2049-06.2050"), std::string::npos) << span.out;
    EXPECT_EQ(span.out.find("1950"), std::string::npos);
}

}  // namespace
}  // namespace tellmark::testing
