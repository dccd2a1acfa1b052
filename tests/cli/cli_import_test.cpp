// "import": the books come out as posting the same lines with "post"; with nobody to ask a faulty line
// stops the run before anything is posted, unless --skip-faulty decides; the file goes only when asked.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/format.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

std::string record(const char* date, const char* document, const char* debit, const char* credit, const char* text,
                   const char* amount, const char* rate) {
    return format("%-5s%-6s%5s%5s%-25s%11s%5s\r\n", date, document, debit, credit, text, amount, rate);
}

class CliImport : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* circle : {"1", "2"}) {
            ok({"circle", "create", circle, "--name", "Test", "--year", "2009", "--chart", "03", "--auto-doc", "7"});
            for (auto [number, name] : std::vector<std::pair<std::string, std::string>>{
                     {"1200", "BANK"}, {"4930", "BÜROBEDARF"}, {"8400", "ERLÖSE"}, {"10001", "MÜLLER GMBH"}})
                ok({"account", "create", "-k", circle, number, "--name", name});
        }
    }
    CliResult cli(const std::vector<std::string>& args, const std::string& input = "") {
        return runCli(dir.path(), args, input);
    }
    void ok(const std::vector<std::string>& args, const std::string& input = "") {
        auto r = cli(args, input);
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    std::string file(const std::string& name) { return readFile(dir.file(name)); }
    std::string ledger(int circle, const char* suffix) {
        return file(format("BK%06i/B2009%03i%s", circle, circle, suffix));
    }
    void expectSameBooks() {
        for (const char* suffix : {".jou", ".sal", ".jdx", ".sdx"}) EXPECT_EQ(ledger(1, suffix), ledger(2, suffix)) << suffix;
    }
    static std::string status(const std::string& name, int posted) {
        return "Dateiname: " + name + "\nAnzahl der Buchungssätze, die verbucht wurden: " + std::to_string(posted) + "\n";
    }

    TempDir dir;
};

TEST_F(CliImport, RecordsAndSemicolonLinesPostWhatPostWouldPost) {
    writeFile(dir.file("satz.txt"), record("05.03", "R1", " 1200", " 8400", "Verkauf", "119.00", "19.00") +
                                        record("06.03", "", " 4930", " 1200", "B\xFC" "ro", "-10.50", " 7.00") +
                                        record("07.03", "", "10001", " 8400", "Kunde", "1000.00", "19.00"));
    const CliResult imported = cli({"import", "-k", "1", "satz.txt"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.out, status("satz.txt", 3));
    EXPECT_EQ(imported.err, "");
    EXPECT_TRUE(fileExists(dir.file("satz.txt")));
    ok({"post", "-k", "2", "--stdin"},
       "05.03;R1;1200;8400;Verkauf;119.00;19\n06.03;;4930;1200;Büro;-10.50;7\n07.03;;10001;8400;Kunde;1000;19\n");
    expectSameBooks();

    writeFile(dir.file("tabelle.csv"), "Datum;Beleg;Soll;Haben;Text;Betrag;MwSt\r\n"
                                       "08.03.2009;;1200;8400;\"Müller; Rest\";12,34;19\r\n");
    const CliResult columns = cli({"import", "-k", "1", "tabelle.csv", "--delete-file"});
    ASSERT_EQ(columns.exitCode, 0) << columns.err;
    EXPECT_EQ(columns.out, status("tabelle.csv", 1));
    EXPECT_FALSE(fileExists(dir.file("tabelle.csv")));
    ok({"post", "-k", "2", "--date", "08.03", "--debit", "1200", "--credit", "8400", "--text", "Müller; Rest",
        "--amount", "12.34", "--rate", "19"});
    expectSameBooks();
}

TEST_F(CliImport, AFaultyLineStopsTheRunBeforeAnythingIsPostedUnlessSkipped) {
    const std::string lines = record("05.03", "", " 1200", " 8400", "gut", "10.00", "19.00") +
                              record("31.04", "", " 1200", " 8400", "Datum", "10.00", "19.00") +
                              record("05.03", "", " 1200", " 9999", "Konto", "10.00", "19.00") +
                              record("05.03", "", " 1200", " 8400", "Betrag", "zehn", "19.00") +
                              record("06.03", "", " 1200", " 8400", "auch gut", "20.00", "19.00");
    writeFile(dir.file("import.txt"), lines);
    const std::string journal = ledger(1, ".jou");
    const std::string balances = ledger(1, ".sal");

    const CliResult stopped = cli({"import", "-k", "1", "import.txt", "--delete-file"});
    EXPECT_EQ(stopped.exitCode, 1);
    EXPECT_EQ(stopped.out, "");
    EXPECT_EQ(stopped.err,
              "tellmark-cli: line 2: Fehler im Datumsfeld\n"
              "tellmark-cli: line 3: Kontonummer falsch oder noch nicht angelegt!\n"
              "tellmark-cli: line 4: Betrag nicht zulässig; bitte Betrag korrigieren\n"
              "tellmark-cli: nothing was posted: correct these lines, or pass --skip-faulty to post the other lines\n");
    EXPECT_EQ(ledger(1, ".jou"), journal);
    EXPECT_EQ(ledger(1, ".sal"), balances);
    EXPECT_EQ(file("import.txt"), lines);

    const CliResult skipped = cli({"import", "-k", "1", "import.txt", "--skip-faulty", "--delete-file"});
    EXPECT_EQ(skipped.exitCode, 0) << skipped.err;
    EXPECT_EQ(skipped.out, status("import.txt", 2));
    EXPECT_EQ(skipped.err,
              "tellmark-cli: line 2 skipped: Fehler im Datumsfeld\n"
              "tellmark-cli: line 3 skipped: Kontonummer falsch oder noch nicht angelegt!\n"
              "tellmark-cli: line 4 skipped: Betrag nicht zulässig; bitte Betrag korrigieren\n"
              "tellmark-cli: the import file is kept: 3 lines were not posted\n");
    EXPECT_EQ(file("import.txt"), lines);
    ok({"post", "-k", "2", "--stdin"}, "05.03;;1200;8400;gut;10;19\n06.03;;1200;8400;auch gut;20;19\n");
    expectSameBooks();
}

TEST_F(CliImport, ADamagedFilePostsNothing) {
    std::string damaged = record("05.03", "", " 1200", " 8400", "a", "1.00", "0.00") +
                          record("05.03", "", " 1200", " 8400", "b", "1.00", "0.00");
    damaged.erase(70, 1);
    damaged += " ";
    writeFile(dir.file("kaputt.txt"), damaged);
    writeFile(dir.file("spalten.csv"), "05.03;;1200;8400;a;1;19\n05.03;;1200;8400;\"b;1;19\n");
    const std::string journal = ledger(1, ".jou");

    const CliResult records = cli({"import", "-k", "1", "kaputt.txt", "--delete-file"});
    EXPECT_EQ(records.exitCode, 1);
    EXPECT_EQ(records.err,
              "Fehler in der Importdatei in Buchungszeile Nr. 2 .: Die Länge der Zeile ist nicht korrekt (nicht 64 "
              "Byte)!\nDie automatische Verbuchung wird abgebrochen.\nBitte überprüfen Sie nochmals Ihre Importdatei.\n");
    const CliResult columns = cli({"import", "-k", "1", "spalten.csv", "--skip-faulty"});
    EXPECT_EQ(columns.exitCode, 1);
    EXPECT_NE(columns.err.find("Buchungszeile Nr. 2 .: Die Zeile kann nicht gelesen werden: ein Feld in "
                               "Anführungszeichen ist nicht geschlossen."),
              std::string::npos)
        << columns.err;
    EXPECT_EQ(cli({"import", "-k", "1", "fehlt.txt"}).exitCode, 1);
    EXPECT_EQ(ledger(1, ".jou"), journal);
    EXPECT_TRUE(fileExists(dir.file("kaputt.txt")));
}

}  // namespace
}  // namespace tellmark::testing
