#include "reports/chart_list_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "reports/sample_ledgers.h"
#include "resources/cp1252_literal.h"

namespace tellmark::reports {
namespace {

using testing::readFile;
using testing::SampleLedger;

constexpr std::size_t kWidth = 65;

std::string pad(std::string_view text) {
    std::string line(text.substr(0, std::min(text.size(), kWidth)));
    line.resize(kWidth, ' ');
    return line;
}
std::string lr(std::string_view left, std::string_view right) {
    std::string line = pad(left);
    line.replace(kWidth - right.size(), right.size(), right);
    return line;
}
std::vector<std::string> fileLines(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const auto& line : lines) out.push_back(pad(line) + "\r\n");
    return out;
}
std::vector<std::string> printedLines(const std::string& bytes) {
    std::vector<std::string> out;
    for (std::size_t at = 0; at < bytes.size(); at += kWidth + 2) out.push_back(bytes.substr(at, kWidth + 2));
    return out;
}

// The name as the record holds it, 25 characters.
std::string field(std::string_view name) {
    std::string out(name);
    out.resize(25, ' ');
    return out;
}
// "%5s %25s   %5s %25s"; a missing second account leaves the right half blank.
std::string pair(std::string_view n1, std::string_view name1, std::string_view n2 = {}, std::string_view name2 = {}) {
    char line[128];
    std::snprintf(line, sizeof line, "%5s %25s   %5s %25s", std::string(n1).c_str(), field(name1).c_str(),
                  std::string(n2).c_str(), n2.empty() ? "" : field(name2).c_str());
    return line;
}

std::vector<std::string> header(int sheet, std::string_view yearLine = "Buchungsjahr 2009") {
    char blatt[16];
    std::snprintf(blatt, sizeof blatt, "Blatt %02i", sheet);
    return {lr("KONTENPLAN", "20.01.2010"), lr("----------", blatt), "", std::string(yearLine), "",
            std::string(testing::kSampleCircleName), "", std::string(kWidth, '\xAD')};
}

std::string run(SampleLedger& books, ReportRequest& request) {
    PrintFile print(books.dir.file("~print~.tmp"), books.messages);
    request.printDay = 20;
    request.printMonth = 1;
    request.printYear = 2010;
    EXPECT_EQ(GenerateChartOfAccountsList(print, request, books.cursor, books.index, books.settings, books.messages),
              1);
    return readFile(print.path());
}

TEST(ChartList, Chart03TwoAccountsPerLineInBlocksOfAThousand) {
    auto books = testing::makeSampleLedger(3);
    ReportRequest request;
    const std::string out = run(*books, request);

    std::vector<std::string> expected = header(1);
    const std::vector<std::string> body = {
        pair(" 0880", "KAPITAL"),
        "",
        pair(" 1000", "KASSE", " 1200", "BANK"),
        pair(" 1570", "VORSTEUER", " 1770", "MEHRWERTSTEUER"),
        pair(" 1800", "PRIVATENTNAHMEN"),
        "",
        pair(" 3400", "WARENEINGANG 19%"),
        "",
        pair(" 4210", "MIETE", " 4650", "BEWIRTUNG"),
        pair(" 4930", cp<"BÜROBEDARF">()),
        "",
        pair(" 8400", cp<"ERLÖSE 19%">()),
        "",
        pair(" 9000", cp<"SALDENVORTRÄGE SACHKONTEN">()),
        "",
        pair("10000", cp<"MÜLLER GMBH">(), "10001", "SCHMIDT KG"),
        pair("10002", "ALPHA AG"),
        "",
        // An even block ends without a half-empty line.
        pair("20000", cp<"BÜROMARKT MEIER">(), "20001", "GROSSHANDEL NORD"),
        "",
    };
    expected.insert(expected.end(), body.begin(), body.end());
    EXPECT_EQ(printedLines(out), fileLines(expected));
    EXPECT_EQ(request.pageCount, 1);
    EXPECT_TRUE(books->messages.empty());
}

TEST(ChartList, PageEndsAfterTheLineWrittenWithFewerThanFiveLinesFree) {
    SampleLedger books(testing::sampleSpanSettings(4, 2008, 7));
    std::vector<std::pair<int, std::string>> accounts;
    for (int n = 1000; n < 1050; ++n) accounts.emplace_back(n, "KONTO " + std::to_string(n));
    for (int n = 2000; n < 2022; ++n) accounts.emplace_back(n, "KONTO " + std::to_string(n));
    books.addAccounts(accounts);

    PrintFile print(books.dir.file("~print~.tmp"), books.messages);
    ReportRequest request;
    request.printDay = 20;
    request.printMonth = 1;
    request.printYear = 2010;
    request.linesPerPage = 35;  // 22 body lines: the 19th line ends the page
    ASSERT_EQ(GenerateChartOfAccountsList(print, request, books.cursor, books.index, books.settings, books.messages), 1);
    const std::string out = readFile(print.path());

    auto line = [](int a) {
        return pair(" " + std::to_string(a), "KONTO " + std::to_string(a), " " + std::to_string(a + 1),
                    "KONTO " + std::to_string(a + 1));
    };
    std::vector<std::string> expected = header(1, "Buchungsjahr 07.2008-06.2009");
    for (int a = 1000; a < 1038; a += 2) expected.push_back(line(a));
    expected.insert(expected.end(), {"", lr("", "Blatt 01+")});
    auto second = header(2, "Buchungsjahr 07.2008-06.2009");
    expected.insert(expected.end(), second.begin(), second.end());
    for (int a = 1038; a < 1050; a += 2) expected.push_back(line(a));
    expected.push_back("");
    for (int a = 2000; a < 2022; a += 2) expected.push_back(line(a));
    // The blank line after the block is the 19th line of the page: the page ends, the next one is headed.
    expected.insert(expected.end(), {"", "", lr("", "Blatt 02+")});
    auto third = header(3, "Buchungsjahr 07.2008-06.2009");
    expected.insert(expected.end(), third.begin(), third.end());

    EXPECT_EQ(printedLines(out), fileLines(expected));
    EXPECT_EQ(request.pageCount, 3);
    // The page table finds every page where its header begins.
    EXPECT_EQ(print.ReadPageLine(1, 28, kNarrowLine), lr("", "Blatt 01+"));
    EXPECT_EQ(print.ReadPageLine(1, 29, kNarrowLine), std::nullopt);
    EXPECT_EQ(print.ReadPageLine(2, 1, kNarrowLine), lr("----------", "Blatt 02"));
    EXPECT_EQ(print.ReadPageLine(3, 1, kNarrowLine), lr("----------", "Blatt 03"));
}

TEST(ChartList, FailedPrintFileNamesTheReorganisation) {
    auto books = testing::makeSampleLedger(4);
    PrintFile print(books->dir.file("missing/~print~.tmp"), books->messages);
    ReportRequest request;
    EXPECT_EQ(GenerateChartOfAccountsList(print, request, books->cursor, books->index, books->settings,
                                          books->messages),
              0);
    ASSERT_EQ(books->messages.entries.size(), 2u);
    EXPECT_EQ(books->messages.entries[0].text, std::string(cp<"Temporäre Datei konnte nicht angelegt werden !">()));
    EXPECT_EQ(books->messages.entries[1].text,
              std::string(cp<"Bei der Vorbereitung des Ausdrucks des Kontenplans\nist ein Fehler aufgetreten.\n"
                             "Bitte führen Sie eine Neuverbuchung/Reorganisation durch.">()));
    EXPECT_EQ(books->messages.entries[1].caption, "FEHLER");
    EXPECT_EQ(books->messages.entries[1].icon, ui::kIconStop);
    EXPECT_EQ(request.pageCount, 0);
}

}  // namespace
}  // namespace tellmark::reports
