// Creating a booking circle with the chart-of-accounts template of its chart.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "circles/chart_template.h"
#include "platform/codepage.h"
#include "resources/format.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

std::vector<std::string> linesOf(const std::string& out) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < out.size()) {
        std::size_t end = out.find('\n', pos);
        if (end == std::string::npos) end = out.size();
        lines.push_back(out.substr(pos, end - pos));
        pos = end + 1;
    }
    return lines;
}

// "account list" line of an account without postings: number, name, status blank, balance 0.00.
std::string listLine(const std::string& numberText, const std::string& nameCp1252) {
    return platform::cp1252ToUtf8(format("%5s %-25s %c %12s", numberText.c_str(), nameCp1252.c_str(), ' ', "0.00"));
}

std::string numberText(int number) { return number <= 9999 ? format(" %04i", number) : format("%05i", number); }

class CliTemplates : public ::testing::Test {
protected:
    CliResult cli(const std::vector<std::string>& args) { return runCli(dir.path(), args); }
    CliResult create(const std::string& chart, const std::string& from) {
        return cli({"circle", "create", "1", "--name", "Vorlage", "--year", "2009", "--chart", chart, "--chart-from",
                    from});
    }
    bool circleExists() { return fileExists(dir.file("BK000001")) || !cli({"circle", "list"}).out.empty(); }
    void expectWholeChart(int chart);
    TempDir dir;
};

// The listing of a circle made from the template of the source tree: the template's accounts and the
// circle's own two VAT accounts, all in number order, as whole lines.
void CliTemplates::expectWholeChart(int chart) {
    CliResult list = cli({"account", "list", "-k", "1"});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    const std::vector<std::string> lines = linesOf(list.out);

    const auto parsed = circles::parseChartTemplate(
        readFile(std::string(TELLMARK_SOURCE_DIR) + "/progdata/" + circles::chartTemplateFileName(chart)), chart);
    ASSERT_EQ(parsed.status, circles::TemplateStatus::Sound);
    std::vector<std::pair<int, std::string>> accounts;
    for (const auto& account : parsed.accounts) accounts.emplace_back(account.number, account.name);
    accounts.emplace_back(chart == 3 ? 1570 : 1400, "VORSTEUER");
    accounts.emplace_back(chart == 3 ? 1770 : 3800, "MEHRWERTSTEUER");
    std::sort(accounts.begin(), accounts.end());
    ASSERT_EQ(lines.size(), accounts.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], listLine(numberText(accounts[i].first), accounts[i].second));
    EXPECT_EQ(lines.back(), listLine("20000", "Diverse Lieferanten"));
}

TEST_F(CliTemplates, Chart03FromItsTemplate) {
    CliResult made = create("03", "skr03");
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_EQ(made.err, "");
    expectWholeChart(3);
    const std::vector<std::string> lines = linesOf(cli({"account", "list", "-k", "1"}).out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), " 0010 Konzessionen und Rechte             0.00");
    const auto has = [&lines](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    EXPECT_TRUE(has(" 8400 Erlöse 19% USt        19%           0.00"));
    EXPECT_TRUE(has(" 8300 Erlöse 7% USt          7%           0.00"));
    EXPECT_TRUE(has(" 3730 ERHALTENE SKONTI                    0.00"));
    EXPECT_TRUE(has(" 8730 GEWÄHRTE SKONTI                     0.00"));
    EXPECT_TRUE(has(" 1570 VORSTEUER                           0.00"));
    EXPECT_TRUE(has(" 1579 Vorsteuer EU-Buchung                0.00"));
    EXPECT_TRUE(has(" 1779 Umsatzsteuer EU-Buchung             0.00"));
}

TEST_F(CliTemplates, Chart04FromItsTemplate) {
    CliResult made = create("04", "SKR04");
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_EQ(made.err, "");
    expectWholeChart(4);
    const std::vector<std::string> lines = linesOf(cli({"account", "list", "-k", "1"}).out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), " 0100 Konzessionen und Rechte             0.00");
    const auto has = [&lines](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    EXPECT_TRUE(has(" 4400 Erlöse 19% USt        19%           0.00"));
    EXPECT_TRUE(has(" 5730 ERHALTENE SKONTI                    0.00"));
    EXPECT_TRUE(has(" 4730 GEWÄHRTE SKONTI                     0.00"));
    EXPECT_TRUE(has(" 3800 MEHRWERTSTEUER                      0.00"));
    EXPECT_TRUE(has(" 1409 Vorsteuer EU-Buchung                0.00"));
    EXPECT_TRUE(has(" 3809 Umsatzsteuer EU-Buchung             0.00"));
}

TEST_F(CliTemplates, TheTemplateOfTheOtherChartIsRefusedBeforeAnythingIsCreated) {
    CliResult made = create("04", "skr03");
    EXPECT_EQ(made.exitCode, 1);
    EXPECT_EQ(made.err, "INFORMATION: Der gewählte Buchungskreis hat einen \nanderen Kontenrahmen.\n");
    EXPECT_FALSE(circleExists());

    made = create("03", "skr04");
    EXPECT_EQ(made.exitCode, 1);
    EXPECT_EQ(made.err, "INFORMATION: Der gewählte Buchungskreis hat einen \nanderen Kontenrahmen.\n");
    EXPECT_FALSE(circleExists());

    // Neither a circle number nor a template name: wrong usage.
    EXPECT_EQ(create("03", "skr05").exitCode, 2);
}

TEST_F(CliTemplates, ATemplateInTheStartDirectoryComesFirst) {
    ASSERT_EQ(::mkdir(dir.file("progdata").c_str(), 0755), 0);
    writeFile(dir.file("progdata/skr03.txt"), "; eigene Vorlage\r\nKONTENRAHMEN 03\r\n1000 Kasse\r\n"
                                              "8300 Erl\xF6se erm\xE4\xDFigt|7\r\n");
    CliResult made = create("03", "skr03");
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_EQ(cli({"account", "list", "-k", "1"}).out,
              " 1000 Kasse                               0.00\n"
              " 1570 VORSTEUER                           0.00\n"
              " 1770 MEHRWERTSTEUER                      0.00\n"
              " 8300 Erlöse ermäßigt        7%           0.00\n");
}

TEST_F(CliTemplates, ADamagedTemplateCreatesNoCircle) {
    ASSERT_EQ(::mkdir(dir.file("progdata").c_str(), 0755), 0);
    writeFile(dir.file("progdata/skr04.txt"), "KONTENRAHMEN 04\n1600 Kasse\n8400 Erloese\n");
    CliResult made = create("04", "skr04");
    EXPECT_EQ(made.exitCode, 1);
    EXPECT_EQ(made.err, "FEHLER: Die Kontenrahmen-Vorlage\nprogdata/skr04.txt\nist in Zeile 3 fehlerhaft;\n"
                        "es wurden keine Konten angelegt.\n");
    EXPECT_FALSE(circleExists());
}

}  // namespace
}  // namespace tellmark::testing
