// Typed values on the command line are taken only when the whole text is valid; anything else is refused
// with the program's message and leaves every file as it was.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

class CliInput : public ::testing::Test {
protected:
    CliResult cli(const std::vector<std::string>& args) { return runCli(dir.path(), args); }
    void ok(const std::vector<std::string>& args) {
        auto r = cli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    void createBooks(const std::string& year, const std::string& firstMonth = "1") {
        ok({"circle", "create", "1", "--name", "Test", "--year", year, "--first-month", firstMonth, "--chart", "03"});
        ok({"account", "create", "-k", "1", "1200", "--name", "BANK"});
        ok({"account", "create", "-k", "1", "8400", "--name", "ERLOESE"});
        ok({"post", "-k", "1", "--date", "01.05", "--debit", "1200", "--credit", "8400", "--amount", "1"});
    }
    // Every file below the start directory with its bytes.
    std::map<std::string, std::string> files() {
        std::map<std::string, std::string> all;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path()))
            if (entry.is_regular_file()) all[entry.path().string()] = readFile(entry.path().string());
        return all;
    }
    std::string journal(const std::string& year) { return readFile(dir.file("BK000001/B" + year + "001.jou")); }

    struct Refusal {
        std::vector<std::string> args;  // after "post -k 1"
        std::string err;
    };
    void expectRefused(const std::vector<Refusal>& cases) {
        const auto before = files();
        for (const Refusal& c : cases) {
            std::vector<std::string> args{"post", "-k", "1"};
            args.insert(args.end(), c.args.begin(), c.args.end());
            auto r = cli(args);
            EXPECT_EQ(r.exitCode, 1) << c.args[1] << " " << c.args.back();
            EXPECT_EQ(r.err, c.err);
            EXPECT_EQ(r.out, "");
        }
        EXPECT_EQ(files(), before);
    }
    TempDir dir;
};

std::vector<std::string> line(const std::string& date, const std::string& amount,
                              std::vector<std::string> more = {}) {
    std::vector<std::string> args{"--date", date, "--debit", "1200", "--credit", "8400", "--amount", amount};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

const std::string kNotANumber =
    "FEHLER: Der eingegebene Betrag ist keine gültige Zahl !\n"
    "Bitte z.B. 1234,56 oder -12,5 eingeben (ohne Tausenderpunkte).\n";

TEST_F(CliInput, AmountsAndRatesThatAreNoWholeNumberAreRefused) {
    createBooks("2009");
    expectRefused({
        {line("02.05", "1e9"), kNotANumber},
        {line("02.05", "1.234,56"), kNotANumber},
        {line("02.05", "12abc"), kNotANumber},
        {line("02.05", "5-"), kNotANumber},
        {line("02.05", "12.345"), "FEHLER: Der eingegebene Betrag hat mehr als zwei Nachkommastellen !\n"},
        {line("02.05", "119", {"--rate", "NaN"}),
         "FEHLER: Die eingegebene Mehrwertsteuer ist keine gültige Zahl !\nBitte z.B. 19 oder 7,5 eingeben.\n"},
    });
}

TEST_F(CliInput, AccountAmountsWithAThirdDecimalAreRefusedWithTheirMessage) {
    createBooks("2009");
    const auto before = files();
    const std::string tooMany = "FEHLER: Der eingegebene Betrag hat mehr als zwei Nachkommastellen !\n";
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"account", "create", "-k", "1", "4711", "--name", "X", "--opening", "123,456"}, tooMany},
        {{"account", "opening", "-k", "1", "1200", "1.234"}, tooMany},
        {{"account", "create", "-k", "1", "4712", "--name", "Y", "--vat-rate", "7.555"},
         "FEHLER: Die eingegebene Mehrwertsteuer ist keine gültige Zahl !\nBitte z.B. 19 oder 7,5 eingeben.\n"},
    };
    for (const auto& c : cases) {
        auto r = cli(c.args);
        EXPECT_EQ(r.exitCode, 1) << c.args.back();
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(files(), before);
}

TEST_F(CliInput, DatesOutsideTheBookingYearOrTheCalendarAreRefused) {
    createBooks("2009");
    const std::string malformed =
        "FEHLER: Das eingegebene Datum ist ungültig !\n"
        "Bitte als TT.MM, TT.MM.JJ, TT.MM.JJJJ oder nur den Tag eingeben.\n";
    expectRefused({
        {line("15.01.2010", "5"), "FEHLER: Das Datum 15.01.2010 liegt nicht im Buchungsjahr !\n"},
        {line("", "5"), "FEHLER: Bitte geben Sie ein Datum ein !\n"},
        {line("29.02", "5"), "FEHLER: Den 29.02. gibt es im Buchungsjahr nicht !\n"},
        {line("31.04", "5"), "FEHLER: Den 31.04. gibt es im Buchungsjahr nicht !\n"},
        {line("15/01", "5"), malformed},
    });
}

TEST_F(CliInput, TextsTheRecordsCannotHoldAreRefused) {
    createBooks("2009");
    auto control = [](int code) {
        return "FEHLER: Der Buchungstext enthält ein Steuerzeichen (Code " + std::to_string(code) +
               ") !\nZeilenumbrüche und andere Steuerzeichen sind nicht zulässig.\n";
    };
    expectRefused({
        {line("02.05", "5", {"--text", "Zeile\r"}), control(13)},
        {line("02.05", "5", {"--text", "zwei\nZeilen"}), control(10)},
        {line("02.05", "5", {"--text", "\x1b[2J"}), control(27)},
        {line("02.05", "5", {"--doc", "R\n1"}),
         "FEHLER: Die Belegnummer enthält ein Steuerzeichen (Code 10) !\n"
         "Zeilenumbrüche und andere Steuerzeichen sind nicht zulässig.\n"},
        {line("02.05", "5", {"--text", std::string(26, 'x')}), "FEHLER: Der Buchungstext ist länger als 25 Zeichen !\n"},
        {line("02.05", "5", {"--text", "Kaffee \xE2\x98\x95 und \xF0\x9F\x98\x80 \xE2\x98\x95"}),
         "FEHLER: Nicht speicherbare Zeichen: U+2615, U+1F600\n"
         "In den Dateien sind nur Zeichen des Windows-Zeichensatzes 1252 möglich !\n"},
        {line("02.05", "5", {"--doc", "R\xFF"}),
         "FEHLER: Nicht speicherbare Zeichen: Byte 0xFF\n"
         "In den Dateien sind nur Zeichen des Windows-Zeichensatzes 1252 möglich !\n"},
        {{"--date", "02.05", "--debit", "1200x", "--credit", "8400", "--amount", "5"},
         "FEHLER: Ungültige Kontonummer bzw. Kontenauswahl !\n"},
    });
}

TEST_F(CliInput, TheAcceptedFormsBookWhatWasTyped) {
    createBooks("0809", "7");
    ok({"post", "-k", "1", "--date", "15.08.2008", "--debit", "12", "--credit", "84", "--amount", " 1234,56 ",
        "--text", "Caf\xC3\xA9 \xE2\x82\xAC"});
    ok({"post", "-k", "1", "--date", "15.01.09", "--debit", "12", "--credit", "84", "--amount", "-12,5"});
    ok({"post", "-k", "1", "--date", "7", "--debit", "12", "--credit", "84", "--amount", "+3.5"});
    const std::string jou = journal("0809");
    ASSERT_EQ(jou.size(), 4u * 64);
    // Date, document, debit, credit, text padded to 25, amount "%11.2f", rate "%5.2f".
    auto record = [](const std::string& date, const std::string& text, const std::string& amount) {
        return date + "       1200 8400" + text + std::string(25 - text.size(), ' ') +
               std::string(11 - amount.size(), ' ') + amount + " 0.00\r\n";
    };
    EXPECT_EQ(jou.substr(64, 64), record("15.08", "Caf\xE9 \x80", "1234.56"));
    EXPECT_EQ(jou.substr(128, 64), record("15.01", "", "-12.50"));
    EXPECT_EQ(jou.substr(192, 64), record("07.01", "", "3.50"));
    expectRefused({{line("15.08.2009", "5"), "FEHLER: Das Datum 15.08.2009 liegt nicht im Buchungsjahr !\n"}});
}

TEST_F(CliInput, AChangeWithABadValueLeavesTheBookingAsItWas) {
    createBooks("2009");
    const auto before = files();
    for (const auto& [option, value] : std::vector<std::pair<std::string, std::string>>{
             {"--amount", "1.234,56"}, {"--date", "31.04"}, {"--rate", "inf"}, {"--text", "a\nb"}}) {
        auto r = cli({"change", "-k", "1", "1", option, value});
        EXPECT_EQ(r.exitCode, 1) << option;
        EXPECT_NE(r.err.find("FEHLER: "), std::string::npos) << r.err;
    }
    EXPECT_EQ(files(), before);
}

}  // namespace
}  // namespace tellmark::testing
