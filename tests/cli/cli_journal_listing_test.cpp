// The journal listing builds its lines straight from the records; these tests hold it to the bytes of the
// parsed booking's display line, record by record, on journals with records the program would not write.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ledger/journal.h"
#include "ledger/journal_record.h"
#include "platform/codepage.h"
#include "resources/format.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"
#include "ui/messages.h"

namespace tellmark::testing {
namespace {

// 64 bytes from the raw field texts (nothing aligned or formatted, so damaged fields stay damaged).
std::string raw(const std::string& date, const std::string& doc, const std::string& debit, const std::string& credit,
                const std::string& text, const std::string& amount, const std::string& rate) {
    auto r = ledger::makeJournalRecord({date, doc, debit, credit, text, amount, rate});
    return std::string(r.data(), r.size());
}

// A record with one byte put in afterwards (the record maker ends a text at a NUL).
std::string withByte(std::string record, std::size_t at, char byte) {
    record[at] = byte;
    return record;
}

class CliJournalListing : public ::testing::Test {
protected:
    void createBooks(const std::string& chart) {
        auto r = runCli(dir.path(), {"circle", "create", "1", "--name", "Liste", "--year", "2009", "--chart", chart});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        r = runCli(dir.path(), {"account", "create", "-k", "1", "1200", "--name", "BANK"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        journalName = chart == "04" ? "A2009001.jou" : "B2009001.jou";
    }
    std::string journalPath() const { return dir.file("BK000001/" + journalName); }

    // What the listing printed before it read records itself: "%6i " and displayLine of readParsed.
    std::string parsedListing(int chart, long from, long to) {
        ui::SilentMessages messages;
        ledger::Journal journal(messages);
        EXPECT_TRUE(journal.open(journalPath()));
        journal.setChart(chart);
        if (to > journal.count()) to = journal.count();
        std::string out;
        for (long n = std::max(from, 1L); n <= to; ++n) {
            const ledger::ParsedBooking* b = journal.readParsed(n);
            if (b) out += platform::cp1252ToUtf8(format("%6i ", static_cast<int>(n)) + ledger::displayLine(*b)) + "\n";
        }
        return out;
    }

    void expectSameListing(int chart, const std::vector<std::string>& range, long from, long to) {
        std::vector<std::string> args{"journal", "-k", "1"};
        args.insert(args.end(), range.begin(), range.end());
        CliResult r = runCli(dir.path(), args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const std::string expected = parsedListing(chart, from, to);
        ASSERT_EQ(r.out.size(), expected.size());
        // Line by line, so a difference names its booking.
        std::size_t at = 0;
        while (at < expected.size()) {
            std::size_t end = expected.find('\n', at) + 1;
            ASSERT_EQ(r.out.substr(at, end - at), expected.substr(at, end - at));
            at = end;
        }
    }

    TempDir dir;
    std::string journalName;
};

// Chart 03 with the records the fast path must hand on or get right itself.
TEST_F(CliJournalListing, AwkwardRecordsListAsTheirParsedDisplayLines) {
    createBooks("03");
    const std::string journal =
        raw("15.01", "R1", " 1200", " 8400", "Umsatz", "     119.00", "19.00") +
        raw("16.01", "", " 4930", " 1000", "short amount", "119", " 7.00") +           // amount left-aligned
        raw("17.01", "", " 1200", " 8400", "blank rate", "     119.00", "") +
        raw("18.01", "", " 1200", " 8400", "short rate", "     107.00", "7") +
        raw("31.13", "000042", " 1200", " 9000", "13. Monat", "    5000.00", " 0.00") +
        raw("17.02", "", " 1579", " 1779", "EU-Paar", "      19.00", "19.00") +
        raw("18.02", "", " 1409", " 3809", "kein EU-Paar in 03", "      19.00", "19.00") +
        raw("19.02", "", " 8400", " 1200", "Gutschrift", "    -119.00", "19.00") +
        raw("20.02", "", " 1000", " 1200", "negativ ohne Satz", "     -50.00", " 0.00") +
        raw("21.02", "", " 1000", " 1200", "negativ Satz leer", "     -50.00", "") +
        raw("22.02", "", " 4930", " 1000", "ein Cent", "      -0.01", "19.00") +
        raw("23.02", "", " 4930", " 1000", "Halber Cent", "       0.07", " 7.00") +
        raw("24.02", "B\xFC" "ro", " 4930", " 1000", "M\xFCller \xC4rger \xD6l \xDF \x80 \x81", "      12.34", "19.00") +
        raw("25.02", "", " 1200", " 8400", "Betrag M\xFCll", "12abc", "19.00") +
        raw("26.02", "", " 1200", " 8400", "Exponent", "        1e5", "19.00") +
        raw("27.02", "", " 1200", " 8400", "unendlich", "        inf", "19.00") +
        raw("28.02", "", " 1200", " 8400", "keine Zahl", "        nan", "19.00") +
        raw("01.03", "", " 1200", " 8400", "riesig", "      1e300", "19.00") +
        raw("02.03", "", " 1200", " 8400", "Satz -100", "     100.00", "-100") +
        raw("03.03", "", " 1200", " 8400", "Grenze", "99999999.99", "99.99") +
        raw("04.03", "", " 1200", " 8400", "Grenze negativ", "-9999999.99", "99.99") +
        raw("05.03", "", " 1200", " 8400", "Vorzeichen", "    +119.00", "+19.0") +
        raw("06.03", "", "1200x", "  +84", "Konten schief", "     119.00", "19.00") +
        raw("xx.yy", "", "     ", "     ", "", "           ", "     ") +
        withByte(raw("07.03", "", " 1200", " 8400", "NUL im Text", "     119.00", "19.00"), 24, '\0') +
        withByte(raw("08.03", "", " 1200", " 8400", "NUL im Betrag", "     119.00", "19.00"), 50, '\0') +
        withByte(raw("09.03", "", " 1200", " 8400", "NUL im Konto", "     119.00", "19.00"), 13, '\0');
    // A record cut short at the end is no booking and is not listed.
    writeFile(journalPath(), journal + journal.substr(0, 40));

    expectSameListing(3, {}, 1, 1000);
    expectSameListing(3, {"--from", "5", "--to", "7"}, 5, 7);
    expectSameListing(3, {"--from", "0", "--to", "999"}, 0, 999);
    EXPECT_EQ(runCli(dir.path(), {"journal", "-k", "1", "--from", "9", "--to", "8"}).out, "");
}

// In chart 04 the EU pair is 1409/3809; 1579/1779 carries VAT like any other booking.
TEST_F(CliJournalListing, ChartFourHasItsOwnEuPair) {
    createBooks("04");
    writeFile(journalPath(), raw("17.02", "", " 1579", " 1779", "EU 03", "      19.00", "19.00") +
                                 raw("18.02", "", " 1409", " 3809", "EU 04", "      19.00", "19.00"));
    expectSameListing(4, {}, 1, 2);
    const std::string listed = runCli(dir.path(), {"journal", "-k", "1"}).out;
    EXPECT_NE(listed.find("19.00        3.03\n"), std::string::npos);
    EXPECT_NE(listed.find("19.00        0.00\n"), std::string::npos);
}

// Enough bookings that the listing reads more than one block, with amounts and rates of every width.
TEST_F(CliJournalListing, ListingsAcrossReadBlocksMatch) {
    createBooks("03");
    const char* rates[] = {"19.00", " 7.00", " 0.00", "16.00", " 5.50"};
    std::string journal;
    std::uint32_t seed = 12345;
    for (long i = 0; i < 40000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const long cents = static_cast<long>(seed >> 8) % 900000000L - 100000000L;
        journal += raw(format("%02i.%02i", static_cast<int>(i % 28) + 1, static_cast<int>(i % 13) + 1),
                       format("%06li", i), i % 7 == 0 ? " 1579" : " 1200", i % 7 == 0 ? " 1779" : " 8400",
                       format("Buchung %li \xE4", i), format("%11.2f", static_cast<double>(cents) / 100.0),
                       rates[i % 5]);
    }
    writeFile(journalPath(), journal);
    expectSameListing(3, {}, 1, 40000);
    expectSameListing(3, {"--from", "16000", "--to", "16500"}, 16000, 16500);
}

}  // namespace
}  // namespace tellmark::testing
