// Keeping books from the command line: accounts, postings, changes, deletions and the bytes they leave.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "platform/file.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

namespace tellmark::testing {
namespace {

// A balance record: number text, name, status and the fourteen slots.
std::string record(const std::string& number, const std::string& name, char status,
                   const std::vector<std::pair<int, std::string>>& slots) {
    std::string r = number + name + std::string(25 - name.size(), ' ') + status;
    std::vector<std::string> texts(14, "        0.00");
    for (const auto& [slot, text] : slots) texts[slot] = std::string(12 - text.size(), ' ') + text;
    for (const auto& t : texts) r += t;
    return r + "*\r\n";
}

// A journal record: fields padded to their widths, amount "%11.2f" and rate "%5.2f" as given.
std::string jou(const std::string& date, const std::string& doc, const std::string& debit, const std::string& credit,
                const std::string& text, const std::string& amount, const std::string& rate) {
    auto left = [](const std::string& v, std::size_t w) { return v + std::string(w - v.size(), ' '); };
    auto right = [](const std::string& v, std::size_t w) { return std::string(w - v.size(), ' ') + v; };
    return date + left(doc, 6) + right(debit, 5) + right(credit, 5) + left(text, 25) + right(amount, 11) +
           right(rate, 5) + "\r\n";
}

class CliLedger : public ::testing::Test {
protected:
    CliResult cli(const std::vector<std::string>& args) { return runCli(dir.path(), args); }
    void ok(const std::vector<std::string>& args) {
        auto r = cli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    std::string file(const std::string& name) { return readFile(dir.file("BK000001/" + name)); }
    void createBooks(const std::string& year = "2009", const std::vector<std::string>& extra = {}) {
        std::vector<std::string> args{"circle", "create", "1", "--name", "Test", "--year", year, "--chart", "03"};
        args.insert(args.end(), extra.begin(), extra.end());
        ok(args);
        for (auto [number, name] : std::vector<std::pair<std::string, std::string>>{
                 {"1000", "KASSE"}, {"1200", "BANK"}, {"4930", "BUEROBEDARF"}, {"8400", "ERLOESE"},
                 {"9000", "SALDENVORTRAEGE"}, {"10001", "MUELLER"}, {"3425", "EU-ERWERB"}})
            ok({"account", "create", "-k", "1", number, "--name", name});
    }
    TempDir dir;
};

TEST_F(CliLedger, PostingsLeaveExactlyTheseBytes) {
    createBooks();
    ok({"account", "create", "-k", "1", "1579", "--name", "VORSTEUER EU"});
    ok({"account", "create", "-k", "1", "1779", "--name", "MWST EU"});
    ok({"post", "-k", "1", "--date", "15.01", "--doc", "R1", "--debit", "12", "--credit", "84", "--text", "Umsatz",
        "--amount", "119", "--rate", "19"});
    ok({"post", "-k", "1", "--date", "16.01", "--debit", "4930", "--credit", "1000", "--amount", "107.00", "--rate", "7"});
    ok({"post", "-k", "1", "--date", "17.01", "--debit", "1579", "--credit", "1779", "--amount", "10", "--rate", "19"});
    ok({"post", "-k", "1", "--date", "02.01", "--debit", "1200", "--credit", "9000", "--amount", "5000", "--text", "EB"});
    ok({"post", "-k", "1", "--date", "03.02", "--debit", "1200", "--credit", "9000", "--amount", "100"});

    EXPECT_EQ(file("B2009001.jou"), jou("15.01", "R1", "1200", "8400", "Umsatz", "119.00", "19.00") +
                                        jou("16.01", "", "4930", "1000", "", "107.00", "7.00") +
                                        jou("17.01", "", "1579", "1779", "", "10.00", "19.00") +
                                        jou("02.01", "", "1200", "9000", "EB", "5000.00", "0.00") +
                                        jou("03.02", "", "1200", "9000", "", "100.00", "0.00"));

    std::string sal = file("B2009001.sal");
    ASSERT_EQ(sal.size() % 202, 0u);
    auto rec = [&](int i) { return sal.substr(static_cast<std::size_t>(i) * 202, 202); };
    // Records in creation order; the EU pair takes the full amount on both sides and no VAT.
    EXPECT_EQ(rec(0), record(" 1570", "VORSTEUER", '1', {{1, "7.00"}}));
    EXPECT_EQ(rec(1), record(" 1770", "MEHRWERTSTEUER", '1', {{1, "-19.00"}}));
    EXPECT_EQ(rec(2), record(" 1000", "KASSE", '1', {{1, "-107.00"}}));
    EXPECT_EQ(rec(3), record(" 1200", "BANK", '9', {{0, "5000.00"}, {1, "119.00"}, {2, "100.00"}}));
    EXPECT_EQ(rec(4), record(" 4930", "BUEROBEDARF", '1', {{1, "100.00"}}));
    EXPECT_EQ(rec(5), record(" 8400", "ERLOESE", '1', {{1, "-100.00"}}));
    EXPECT_EQ(rec(6), record(" 9000", "SALDENVORTRAEGE", '9', {{0, "-5000.00"}, {2, "-100.00"}}));
    EXPECT_EQ(rec(9), record(" 1579", "VORSTEUER EU", '1', {{1, "10.00"}}));
    EXPECT_EQ(rec(10), record(" 1779", "MWST EU", '1', {{1, "-10.00"}}));

    // The journal index: January bookings 1-4, February booking 5.
    std::string jdx = file("B2009001.jdx");
    ASSERT_EQ(jdx.size(), 112u);
    EXPECT_EQ(jdx.substr(0, 8), std::string("W001001\0", 8));
    auto pair = [&](int month) {
        int first = 0, last = 0;
        std::memcpy(&first, jdx.data() + 8 + 8 * (month - 1), 4);
        std::memcpy(&last, jdx.data() + 12 + 8 * (month - 1), 4);
        return std::make_pair(first, last);
    };
    EXPECT_EQ(pair(1), std::make_pair(1, 4));
    EXPECT_EQ(pair(2), std::make_pair(5, 5));
    EXPECT_EQ(pair(13), std::make_pair(0, 0));
    EXPECT_EQ(pair(3), std::make_pair(0, 0));

    auto journal = cli({"journal", "-k", "1", "--from", "3", "--to", "3"});
    EXPECT_EQ(journal.out, "     3 17.01         1579  1779                                 10.00 19.00        0.00\n");
}

TEST_F(CliLedger, DeletingAndChangingKeepBalancesAndJournalInStep) {
    createBooks();
    std::string before = file("B2009001.sal");
    ok({"post", "-k", "1", "--date", "15.01", "--debit", "1200", "--credit", "8400", "--amount", "119", "--rate", "19"});
    ok({"post", "-k", "1", "--date", "16.02", "--debit", "4930", "--credit", "1000", "--amount", "107", "--rate", "7"});
    ok({"post", "-k", "1", "--date", "17.03", "--debit", "1000", "--credit", "1200", "--amount", "50"});

    // Changing booking 2 to another amount and month reverses it and posts the new line in its place.
    ok({"change", "-k", "1", "2", "--amount", "214", "--date", "20.03"});
    auto listed = cli({"journal", "-k", "1", "--from", "2", "--to", "2"});
    EXPECT_EQ(listed.out, "     2 20.03         4930  1000                                214.00  7.00       14.00\n");

    ok({"delete", "-k", "1", "1"});
    ok({"delete", "-k", "1", "1"});
    ok({"delete", "-k", "1", "1"});
    EXPECT_EQ(file("B2009001.jou"), "");
    // Every amount is back where it was; only the status characters remember the postings.
    std::string after = file("B2009001.sal");
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); i += 202) {
        EXPECT_EQ(after.substr(i, 30), before.substr(i, 30));
        EXPECT_EQ(after.substr(i + 31, 171), before.substr(i + 31, 171)) << "record " << i / 202;
    }
}

TEST_F(CliLedger, DiscountAndEuBookingsWriteTwoLinesAndCreateTheirAccounts) {
    createBooks();
    auto r = cli({"post", "-k", "1", "--date", "10.04", "--doc", "Z7", "--debit", "1200", "--credit", "10001",
                  "--text", "Zahlung Mueller", "--kind", "skonto", "--paid", "97", "--discount", "3", "--rate", "19"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = cli({"post", "-k", "1", "--date", "11.04", "--debit", "3425", "--credit", "1200", "--text", "Erwerb",
             "--kind", "eu", "--amount", "1000", "--rate", "19"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(file("B2009001.jou"), jou("10.04", "Z7", "1200", "10001", "Zahlung Mueller", "97.00", "0.00") +
                                        jou("10.04", "Z7", "8730", "10001", "Zahlung Mueller", "3.00", "19.00") +
                                        jou("11.04", "", "3425", "1200", "Erwerb", "1000.00", "0.00") +
                                        jou("11.04", "", "1579", "1779", "Erwerb", "190.00", "19.00"));
    auto accounts = cli({"account", "list", "-k", "1"});
    EXPECT_NE(accounts.out.find(" 1579 Vorsteuer EU-Lieferungen  1       190.00\n"), std::string::npos) << accounts.out;
    EXPECT_NE(accounts.out.find(" 1779 Mwst. EU-Lieferungen      1      -190.00\n"), std::string::npos);
    EXPECT_NE(accounts.out.find(" 8730 GEWÄHRTE SKONTI           1         2.52\n"), std::string::npos);
    EXPECT_NE(accounts.out.find(" 1770 MEHRWERTSTEUER            1         0.48\n"), std::string::npos);
    EXPECT_NE(accounts.out.find("10001 MUELLER                   1      -100.00\n"), std::string::npos);
}

TEST_F(CliLedger, ABusinessYearFromJulyMapsMonthsToItsSlots) {
    createBooks("0809", {"--first-month", "7"});
    ok({"post", "-k", "1", "--date", "05.03", "--debit", "1200", "--credit", "1000", "--amount", "10"});
    ok({"post", "-k", "1", "--date", "05.07", "--debit", "1200", "--credit", "1000", "--amount", "20"});
    std::string sal = readFile(dir.file("BK000001/B0809001.sal"));
    EXPECT_EQ(sal.substr(2 * 202, 202), record(" 1000", "KASSE", '1', {{1, "-20.00"}, {9, "-10.00"}}));
}

TEST_F(CliLedger, RefusedLinesShowTheirMessageAndWriteNothing) {
    createBooks();
    ok({"post", "-k", "1", "--date", "01.05", "--debit", "1200", "--credit", "8400", "--amount", "1"});
    std::string jou = file("B2009001.jou"), sal = file("B2009001.sal");
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    std::vector<Case> cases = {
        {{"--debit", "1200", "--credit", "1200", "--amount", "5"}, "FEHLER: Gleiche Kontonummer in Soll und Haben!\n"},
        {{"--debit", "1200", "--credit", "8400", "--amount", "0"},
         "FEHLER: Nullbuchungen sind nicht zulässig!\nBitte geben Sie einen Betrag ungleich 0 ein !\n"},
        {{"--debit", "1200", "--credit", "8400", "--amount", "100000000.00"},
         "FEHLER: Der eingegebene Betrag  100000000.00 ist unzulässig.\nDer Betrag ist zu gross !\n"},
        {{"--debit", "1200", "--credit", "8400", "--amount", "-10000000.00"},
         "FEHLER: Der eingegebene Betrag  -10000000.00 ist unzulässig.\nDer Betrag ist zu klein !\n"},
        {{"--debit", "1000", "--credit", "1200", "--amount", "5", "--rate", "19"},
         "FEHLER: Bei dieser Kontenkombination ist keine\nMehrwertsteuereingabe zulässig !\n"},
        {{"--debit", "1200", "--credit", "10001", "--kind", "skonto", "--paid", "90", "--discount", "10", "--rate",
          "19"},
         "FEHLER: Skonto von 0.00% bis 9.99% zulässig !\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"post", "-k", "1", "--date", "02.05"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        auto r = cli(args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(file("B2009001.jou"), jou);
    EXPECT_EQ(file("B2009001.sal"), sal);
}

TEST_F(CliLedger, LostOrForeignIndexFilesAreRebuiltAsTheyWereKept) {
    createBooks();
    ok({"post", "-k", "1", "--date", "15.03", "--debit", "1200", "--credit", "8400", "--amount", "119"});
    ok({"post", "-k", "1", "--date", "15.01", "--debit", "4930", "--credit", "1000", "--amount", "10"});
    ok({"account", "create", "-k", "1", "4711", "--name", "AAA ERSTES KONTO"});
    ok({"post", "-k", "1", "--date", "15.02", "--debit", "4711", "--credit", "1000", "--amount", "10"});
    // (Deletions are left out: the kept ranges are never narrowed, a rebuilt index is exact.)
    std::string sdx = file("B2009001.sdx"), jdx = file("B2009001.jdx");

    std::remove(dir.file("BK000001/B2009001.sdx").c_str());
    std::string foreign = jdx;
    foreign.replace(0, 7, "W001000");
    writeFile(dir.file("BK000001/B2009001.jdx"), foreign);
    ok({"journal", "-k", "1"});
    EXPECT_EQ(file("B2009001.sdx"), sdx);
    EXPECT_EQ(file("B2009001.jdx"), jdx);

    // The same on demand.
    ok({"reindex", "-k", "1"});
    EXPECT_EQ(file("B2009001.sdx"), sdx);
    EXPECT_EQ(file("B2009001.jdx"), jdx);
}

TEST_F(CliLedger, AnIndexLeftBehindByAnInterruptedChangeIsBuiltAnew) {
    createBooks();
    // The balance file got an account its index never heard of, and another account's name changed.
    std::string sal = file("B2009001.sal");
    sal += record(" 4711", "NACHGETRAGEN", ' ', {});
    sal.replace(2 * 202 + 5, 5, "BARGE");  // KASSE -> BARGE
    writeFile(dir.file("BK000001/B2009001.sal"), sal);

    auto list = cli({"account", "list", "-k", "1"});
    EXPECT_NE(list.out.find(" 4711 NACHGETRAGEN"), std::string::npos) << list.out;
    auto r = cli({"post", "-k", "1", "--date", "01.06", "--debit", "BARG", "--credit", "4711", "--amount", "1"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(cli({"account", "create", "-k", "1", "4711", "--name", "DOPPELT"}).exitCode, 1);
}

TEST_F(CliLedger, ALineThatWouldOverflowAMonthSlotIsRefusedBeforeAnythingIsWritten) {
    createBooks();
    ok({"post", "-k", "1", "--date", "01.05", "--debit", "1200", "--credit", "8400", "--amount", "99999999.99"});
    std::string jou = file("B2009001.jou"), sal = file("B2009001.sal");
    // Twice the largest amount on the credit side no longer fits "%12.2f" in twelve characters.
    auto r = cli({"post", "-k", "1", "--date", "02.05", "--debit", "1200", "--credit", "8400", "--amount", "99999999.99"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "FEHLER: Der Monatssaldo eines Kontos würde den Platz in der Saldendatei überschreiten\n"
                     "(höchstens 999999999.99 bzw. -99999999.99).\nDer Buchungssatz wurde nicht gespeichert !\n");
    EXPECT_EQ(file("B2009001.jou"), jou);
    EXPECT_EQ(file("B2009001.sal"), sal);
    // Another month still takes it.
    ok({"post", "-k", "1", "--date", "02.06", "--debit", "1200", "--credit", "8400", "--amount", "99999999.99"});
}

TEST_F(CliLedger, ASecondCopyFindsTheCircleLockedAndChangesNothing) {
    createBooks();
    platform::File held;
    ASSERT_TRUE(held.open(dir.file("BK000001/B2009001.sal"), platform::Share::DenyWrite));
    auto r = cli({"post", "-k", "1", "--date", "01.05", "--debit", "1200", "--credit", "8400", "--amount", "1"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err,
              "FEHLER: Der gewählte Buchungskreis wird schon bearbeitet\noder die Dateien sind schreibgeschützt\n"
              "(z.B. nach Kopieren von einer CD) !\n");
    EXPECT_EQ(file("B2009001.jou"), "");
}

}  // namespace
}  // namespace tellmark::testing
