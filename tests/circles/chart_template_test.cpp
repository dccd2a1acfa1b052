// Chart-of-accounts templates: the shipped files, the rules a template must keep, appending its accounts
// to a balance file, and where the templates are looked for.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "circles/chart_template.h"
#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "platform/file.h"
#include "posting/vat_preset.h"
#include "chart/account_classes.h"
#include "resources/cp1252_literal.h"
#include "resources/format.h"
#include "support/temp_dir.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::testing {
namespace {

using circles::ChartTemplate;
using circles::TemplateStatus;

std::string shippedTemplate(int chart) {
    return readFile(std::string(TELLMARK_SOURCE_DIR) + "/progdata/" + circles::chartTemplateFileName(chart));
}

std::string padded(std::string_view name) { return std::string(name) + std::string(25 - name.size(), ' '); }

// A balance record with opening balance and status; all other slots 0.00.
std::string record(const std::string& number, std::string_view name, char status = ' ',
                   const std::string& opening = "0.00") {
    std::string r = number + padded(name) + status + std::string(12 - opening.size(), ' ') + opening;
    for (int slot = 1; slot < 14; ++slot) r += "        0.00";
    return r + "*\r\n";
}

const circles::TemplateAccount* accountOf(const ChartTemplate& t, int number) {
    for (const auto& account : t.accounts)
        if (account.number == number) return &account;
    return nullptr;
}

// The account lines of a template text, as written (comments, blanks and the chart line left out).
std::vector<std::string> accountLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    bool header = false;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        if (!header) {
            header = true;
            continue;
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(ShippedChartTemplates, EveryAccountKeepsTheRulesOfItsChart) {
    for (int chart : {3, 4}) {
        SCOPED_TRACE(chart);
        const std::string text = shippedTemplate(chart);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text[0], ';');  // the description of the format comes first
        EXPECT_NE(text.find(cp<"Erlöse">()), std::string::npos);  // CP1252, not UTF-8
        EXPECT_EQ(text.find("\xC3"), std::string::npos);

        const ChartTemplate t = circles::parseChartTemplate(text, chart);
        ASSERT_EQ(t.status, TemplateStatus::Sound) << "line " << t.faultLine;
        EXPECT_GE(t.accounts.size(), 250u);
        EXPECT_LE(t.accounts.size(), 400u);

        const std::vector<std::string> lines = accountLines(text);
        ASSERT_EQ(lines.size(), t.accounts.size());
        int previous = 0;
        for (std::size_t i = 0; i < t.accounts.size(); ++i) {
            const auto& account = t.accounts[i];
            SCOPED_TRACE(lines[i]);
            EXPECT_GT(account.number, previous);
            previous = account.number;
            EXPECT_NE(chart::AccountKindOf(account.number, chart), chart::AccountKind::Other);
            EXPECT_EQ(account.name.size(), 25u);
            const std::size_t bar = lines[i].find('|');
            const auto preset = posting::presetRateOfName(account.name);
            if (bar == std::string::npos) {
                EXPECT_FALSE(preset.has_value());
            } else {
                ASSERT_TRUE(preset.has_value());
                EXPECT_EQ(*preset, format("%5.2f", std::stod(lines[i].substr(bar + 1))));
                EXPECT_TRUE(posting::vatPresetAllowed(account.number, chart));
            }
        }

        // The two VAT accounts every balance file has stay out; the EU pair is in.
        const int inputVat = chart == 3 ? 1570 : 1400, outputVat = chart == 3 ? 1770 : 3800;
        EXPECT_EQ(accountOf(t, inputVat), nullptr);
        EXPECT_EQ(accountOf(t, outputVat), nullptr);
        const int euInput = chart == 3 ? 1579 : 1409, euOutput = chart == 3 ? 1779 : 3809;
        ASSERT_NE(accountOf(t, euInput), nullptr);
        ASSERT_NE(accountOf(t, euOutput), nullptr);
        EXPECT_EQ(chart::AccountKindOf(euInput, chart), chart::AccountKind::EuInputVat);
        EXPECT_EQ(chart::AccountKindOf(euOutput, chart), chart::AccountKind::EuOutputVat);
        for (int vat : chart == 3 ? std::vector<int>{1571, 1575, 1576, 1771, 1775, 1776}
                                  : std::vector<int>{1401, 1405, 1406, 3801, 3805, 3806})
            EXPECT_NE(accountOf(t, vat), nullptr) << vat;
        for (int carry : {9000, 9008, 9009}) EXPECT_NE(accountOf(t, carry), nullptr) << carry;

        const int received = chart == 3 ? 3730 : 5730, granted = chart == 3 ? 8730 : 4730;
        ASSERT_NE(accountOf(t, received), nullptr);
        ASSERT_NE(accountOf(t, granted), nullptr);
        EXPECT_EQ(accountOf(t, received)->name, padded(cp<"ERHALTENE SKONTI">()));
        EXPECT_EQ(accountOf(t, granted)->name, padded(cp<"GEWÄHRTE SKONTI">()));

        const int revenue19 = chart == 3 ? 8400 : 4400, revenue7 = chart == 3 ? 8300 : 4300;
        ASSERT_NE(accountOf(t, revenue19), nullptr);
        ASSERT_NE(accountOf(t, revenue7), nullptr);
        EXPECT_EQ(accountOf(t, revenue19)->name, std::string(cp<"Erlöse 19% USt">()) + std::string(8, ' ') + "19%");
        EXPECT_EQ(accountOf(t, revenue7)->name, std::string(cp<"Erlöse 7% USt">()) + std::string(10, ' ') + "7%");
    }
}

TEST(ChartTemplateParser, ReadsCommentsPresetsAndBothLineEnds) {
    const std::string text = std::string(cp<"; Vorlage für 03\r\n\r\n  \nKONTENRAHMEN 03\r\n">()) +
                             "0027 EDV-Programme  \r\n" +  // trailing blanks dropped
                             "1200   Bank\n" +             // more than one blank before the name
                             "3730 Irgendwas\n" +          // discount account: its fixed name
                             std::string(cp<"8300 Erlöse|7,5\n">()) +  // ',' as decimal point
                             std::string(cp<"8400 Erlöse 19% USt|19\n">()) +
                             std::string(cp<"8401 Fünfundzwanzig Zeichen!!!\n">()) +
                             "29999 Letzter Lieferant";  // no line end at the end
    const ChartTemplate t = circles::parseChartTemplate(text, 3);
    ASSERT_EQ(t.status, TemplateStatus::Sound) << "line " << t.faultLine;
    ASSERT_EQ(t.accounts.size(), 7u);
    EXPECT_EQ(t.accounts[0].number, 27);
    EXPECT_EQ(t.accounts[0].name, padded("EDV-Programme"));
    EXPECT_EQ(t.accounts[1].number, 1200);
    EXPECT_EQ(t.accounts[1].name, padded("Bank"));
    EXPECT_EQ(t.accounts[2].name, padded(cp<"ERHALTENE SKONTI">()));
    EXPECT_EQ(t.accounts[3].name, std::string(cp<"Erlöse">()) + std::string(15, ' ') + "7.5%");
    EXPECT_EQ(t.accounts[4].name, std::string(cp<"Erlöse 19% USt">()) + std::string(8, ' ') + "19%");
    EXPECT_EQ(t.accounts[5].name, std::string(cp<"Fünfundzwanzig Zeichen!!!">()));
    EXPECT_EQ(t.accounts[6].number, 29999);
    EXPECT_EQ(t.accounts[6].name, padded("Letzter Lieferant"));

    // Chart 04 reads its own header; the template of the other chart is told apart from a damaged one.
    EXPECT_EQ(circles::parseChartTemplate("KONTENRAHMEN 04\n4400 Erlöse|19\n", 4).status, TemplateStatus::Sound);
    const ChartTemplate other = circles::parseChartTemplate("; 04\nKONTENRAHMEN 04\n4400 Erlöse\n", 3);
    EXPECT_EQ(other.status, TemplateStatus::OtherChart);
    EXPECT_EQ(other.faultLine, 2);
    EXPECT_TRUE(other.accounts.empty());
}

TEST(ChartTemplateParser, RefusesEveryBrokenLineAndNamesIt) {
    struct Case {
        std::string text;
        int line;
    };
    const std::string head = "; Kopf\nKONTENRAHMEN 03\n";
    const std::vector<Case> cases = {
        {"1000 Kasse\n", 1},                                   // no chart line
        {"KONTENRAHMEN 3\n1000 Kasse\n", 1},                   // chart line misspelt
        {head, 3},                                             // no accounts at all
        {head + "1000 Kasse\n1000 Kasse 2\n", 4},              // number twice
        {head + "1200 Bank\n1000 Kasse\n", 4},                 // numbers not ascending
        {head + "1000 Kasse\n5000 Irgendwas\n", 4},            // no such account in chart 03
        {head + "30000 Zu gross\n", 3},                        // beyond the supplier accounts
        {head + "012345 Sechs Ziffern\n", 3},
        {head + "1000Kasse\n", 3},                             // no blank after the number
        {head + "K1000 Kasse\n", 3},
        {head + "1000 \n", 3},                                 // no name
        {head + "1000 Sechsundzwanzig Zeichen!!!\n", 3},       // 26 characters
        {head + "1000 Kasse\tHaupt\n", 3},                     // control character
        {head + "1200 Bank|19\n", 3},                          // no preset outside its ranges
        {head + "8400 Erlöse|100\n", 3},                       // rate above 99.99
        {head + "8400 Erlöse|\n", 3},
        {head + "8400 Erlöse|1.2.3\n", 3},
        {head + "8400 Erlöse|19a\n", 3},
        {head + "8400 Einundzwanzig Zeichen!|19\n", 3},        // the preset would cover the name
        {head + "8400 Diese Bezeichnung hat 19%\n", 3},        // 25 characters that read as a preset
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ChartTemplate t = circles::parseChartTemplate(c.text, 3);
        EXPECT_EQ(t.status, TemplateStatus::Damaged);
        EXPECT_EQ(t.faultLine, c.line);
        EXPECT_TRUE(t.accounts.empty());
    }
    // The longest name a 19% preset leaves room for.
    EXPECT_EQ(circles::parseChartTemplate(head + "8400 Einundzwanzig Zeichen|19\n", 3).status, TemplateStatus::Sound);
    // 8000-8999 belong to chart 03 only.
    EXPECT_EQ(circles::parseChartTemplate("KONTENRAHMEN 04\n8400 Erlöse\n", 4).status, TemplateStatus::Damaged);
}

TEST(ChartTemplateNames, TemplateNamesAndFiles) {
    EXPECT_EQ(circles::chartOfTemplateName("skr03"), 3);
    EXPECT_EQ(circles::chartOfTemplateName("SKR04"), 4);
    EXPECT_EQ(circles::chartOfTemplateName("skr05"), 0);
    EXPECT_EQ(circles::chartOfTemplateName("3"), 0);
    EXPECT_EQ(circles::chartTemplateFileName(3), "skr03.txt");
    EXPECT_EQ(circles::chartTemplateFileName(4), "skr04.txt");
}

TEST(ChartTemplateSearch, StartDirectoryFirstThenTheProgramAndItsParents) {
    const auto relative = circles::chartTemplateSearchDirectories("");
    ASSERT_FALSE(relative.empty());
    EXPECT_EQ(relative[0], "progdata");
    const auto dirs = circles::chartTemplateSearchDirectories("/opt/tm");
    ASSERT_GE(dirs.size(), 2u);
    EXPECT_LE(dirs.size(), 6u);
    EXPECT_EQ(dirs[0], "/opt/tm/progdata");

    std::string exe(PATH_MAX, '\0');
    exe.resize(static_cast<std::size_t>(::readlink("/proc/self/exe", exe.data(), exe.size())));
    std::string programDir = exe.substr(0, exe.rfind('/'));
    EXPECT_EQ(dirs[1], programDir + "/progdata");
    std::string parent = programDir.substr(0, programDir.rfind('/'));
    if (dirs.size() > 3) {
        EXPECT_EQ(dirs[2], parent + "/progdata");
        // Installed under <prefix>/bin: the data in <prefix>/share/tellmark.
        EXPECT_EQ(dirs[3], parent + "/share/tellmark");
    }
    for (std::size_t i = 0; i < dirs.size(); ++i)
        for (std::size_t j = i + 1; j < dirs.size(); ++j) EXPECT_NE(dirs[i], dirs[j]);
}

TEST(ChartTemplateSearch, TheFirstDirectoryHoldingTheTemplateWins) {
    TempDir dir;
    const std::string a = dir.file("a"), b = dir.file("b"), c = dir.file("c");
    for (const auto& d : {a, b, c}) ASSERT_EQ(::mkdir(d.c_str(), 0755), 0);
    writeFile(b + "/skr04.txt", "x");
    writeFile(c + "/skr04.txt", "x");
    ASSERT_EQ(::mkdir((a + "/skr03.txt").c_str(), 0755), 0);  // a directory is no template
    EXPECT_EQ(circles::chartTemplatePath(4, {a, b, c}), b + "/skr04.txt");
    // None there: the place where the template is expected first, for the message.
    EXPECT_EQ(circles::chartTemplatePath(3, {a, b, c}), a + "/skr03.txt");
    EXPECT_EQ(circles::chartTemplatePath(3, {}), "skr03.txt");
}

// A balance file with its two VAT accounts, a cursor and the account index, as an open circle has them.
class ChartTemplateApply : public ::testing::Test {
protected:
    void open(int chart) {
        chart_ = chart;
        writeFile(salPath, "");
        ASSERT_TRUE(balanceFile.open(salPath, platform::Share::DenyWrite));
        cursor.attach(balanceFile, 0, 1, chart);
        cursor.useIndex(index);
        ASSERT_EQ(cursor.ensureVatAccounts(), 1);
        index.attach(sdxPath, balanceFile);
        ASSERT_EQ(index.open(), 1);
    }
    int apply(const std::string& path) { return circles::applyChartTemplate(path, cursor, index, chart_, messages); }
    std::vector<int> numbersInIndexOrder() {
        std::vector<int> numbers;
        for (int r = index.rangeStart(1, 29999); r >= 0; r = index.nextByNumber(29999))
            numbers.push_back(cursor.read(r));
        return numbers;
    }

    TempDir dir;
    std::string salPath = dir.file("B2009001.sal");
    std::string sdxPath = dir.file("B2009001.sdx");
    std::string templatePath = dir.file("vorlage.txt");
    ui::RecordingMessages messages;
    ui::NoProgress progress;
    platform::File balanceFile;
    ledger::CSalden cursor{messages};
    ledger::CSIndex index{messages, progress};
    int chart_ = 3;
};

TEST_F(ChartTemplateApply, AppendsWhatIsMissingOnceAndLeavesTheRestAlone) {
    open(3);
    // An account the user made before keeps its name and opening balance.
    ASSERT_EQ(cursor.createAccount(" 1200", "Hausbank", 250.0), 1);
    ASSERT_EQ(index.rebuild(), 1);
    writeFile(templatePath, std::string("KONTENRAHMEN 03\n") + "1000 Kasse\n1200 Bank\n1570 Vorsteuer\n" +
                                std::string(cp<"8400 Erlöse 19% USt|19\n8730 Skonto\n">()) + "10000 Diverse Kunden\n");

    ASSERT_EQ(apply(templatePath), 1);
    EXPECT_TRUE(messages.empty());
    const std::string expected = record(" 1570", "VORSTEUER") + record(" 1770", "MEHRWERTSTEUER") +
                                 record(" 1200", "Hausbank", ' ', "250.00") + record(" 1000", "Kasse") +
                                 record(" 8400", std::string(cp<"Erlöse 19% USt">()) + "        19%") +
                                 record(" 8730", cp<"GEWÄHRTE SKONTI">()) + record("10000", "Diverse Kunden");
    EXPECT_EQ(readFile(salPath), expected);
    // The index was rebuilt over the new records: number order and lookups by number and name.
    EXPECT_EQ(index.count(), 7);
    EXPECT_EQ(numbersInIndexOrder(), (std::vector<int>{1000, 1200, 1570, 1770, 8400, 8730, 10000}));
    int found = -1;
    EXPECT_EQ(index.findByNumber(" 8400", found), ledger::kIndexFound);
    EXPECT_EQ(found, 4);
    EXPECT_EQ(index.findByName("DIVERSE", found), ledger::kIndexFound);
    EXPECT_EQ(found, 6);

    // A second run finds everything there and changes nothing.
    ASSERT_EQ(apply(templatePath), 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(readFile(salPath), expected);
    EXPECT_EQ(index.count(), 7);
}

TEST_F(ChartTemplateApply, ShippedTemplatesFillAFreshBalanceFile) {
    for (int chart : {3, 4}) {
        SCOPED_TRACE(chart);
        balanceFile.close();
        index.close();
        open(chart);
        const std::string path = std::string(TELLMARK_SOURCE_DIR) + "/progdata/" + circles::chartTemplateFileName(chart);
        const ChartTemplate t = circles::parseChartTemplate(shippedTemplate(chart), chart);
        ASSERT_EQ(apply(path), 1);
        EXPECT_TRUE(messages.empty());
        ASSERT_EQ(cursor.count(), static_cast<int>(t.accounts.size()) + 2);
        EXPECT_EQ(index.count(), cursor.count());

        std::vector<int> expected;
        for (const auto& account : t.accounts) expected.push_back(account.number);
        expected.push_back(chart == 3 ? 1570 : 1400);
        expected.push_back(chart == 3 ? 1770 : 3800);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(numbersInIndexOrder(), expected);
        // Records after the VAT accounts in template order, names as parsed.
        for (std::size_t i = 0; i < t.accounts.size(); ++i) {
            ASSERT_EQ(cursor.read(static_cast<int>(i) + 2), t.accounts[i].number);
            ASSERT_EQ(cursor.name(), t.accounts[i].name);
            ASSERT_EQ(cursor.slotValue(0), 0.0);
        }
        ASSERT_EQ(apply(path), 1);
        EXPECT_EQ(cursor.count(), static_cast<int>(t.accounts.size()) + 2);
    }
}

TEST_F(ChartTemplateApply, MissingDamagedOrForeignTemplatesChangeNothing) {
    open(3);
    const std::string before = readFile(salPath);

    EXPECT_EQ(apply(dir.file("fehlt.txt")), 0);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, std::string(cp<"Die Kontenrahmen-Vorlage\n">()) + dir.file("fehlt.txt") +
                                        "\nkonnte nicht gelesen werden;\nes wurden keine Konten angelegt.");
    EXPECT_EQ(messages.last().caption, "FEHLER");
    EXPECT_EQ(messages.last().icon, ui::kIconStop);

    // A fault in the last line: the sound lines before it are not taken either.
    writeFile(templatePath, "; Kopf\nKONTENRAHMEN 03\n1000 Kasse\n1200 Bank\n5000 Falsch\n");
    EXPECT_EQ(apply(templatePath), 0);
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.last().text, std::string(cp<"Die Kontenrahmen-Vorlage\n">()) + templatePath +
                                        "\nist in Zeile 5 fehlerhaft;\nes wurden keine Konten angelegt.");
    EXPECT_EQ(messages.last().caption, "FEHLER");
    EXPECT_EQ(messages.last().icon, ui::kIconStop);

    writeFile(templatePath, "KONTENRAHMEN 04\n1600 Kasse\n");
    EXPECT_EQ(apply(templatePath), 0);
    ASSERT_EQ(messages.entries.size(), 3u);
    EXPECT_EQ(messages.last().text, cp<"Der gewählte Buchungskreis hat einen \nanderen Kontenrahmen.">());
    EXPECT_EQ(messages.last().caption, "INFORMATION");
    EXPECT_EQ(messages.last().icon, ui::kIconInformation);

    EXPECT_EQ(readFile(salPath), before);
    EXPECT_EQ(index.count(), 2);
}

}  // namespace
}  // namespace tellmark::testing
