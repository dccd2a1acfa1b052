#include "entry/journal_search.h"

#include <gtest/gtest.h>

#include <string>

#include "posting/open_books.h"
#include "resources/cp1252_literal.h"

namespace tellmark::entry {
namespace {

using posting::testing::line;
using posting::testing::OpenBooks;

struct Searched : ::testing::Test {
    void SetUp() override {
        std::string journal;
        const ledger::BookingTexts lines[] = {
            line("02.01", "R-1", " 1200", " 8400", "Rechnung Meier", 119.0, 19.0),
            line("03.01", "", " 4930", " 1000", std::string(cp<"BÜROBEDARF">()), 11.9, 19.0),
            line("04.01", "", " 1000", " 1200", "Bareinzahlung", 500.0, 0.0),
            line("05.01", "R-2", " 1200", " 8400", "rechnung schulz", 238.0, 19.0),
            line("06.01", "", " 1800", " 1000", "Privat", 50.0, 0.0),
        };
        for (const auto& l : lines) {
            const ledger::JournalRecord r = ledger::makeJournalRecord(l);
            journal.append(r.data(), r.size());
        }
        tellmark::testing::writeFile(b.jouPath, journal);
    }
    OpenBooks b;
};

TEST_F(Searched, ForwardAndBackwardFromTheMiddleWithoutCase) {
    const SearchQuery query{"RECHNUNG", false};
    EXPECT_EQ(searchForward(b.journal, query, 0), 1);
    EXPECT_EQ(searchForward(b.journal, query, 1), 4);
    EXPECT_EQ(searchForward(b.journal, query, 4), 0);  // none after the last hit
    EXPECT_EQ(searchBackward(b.journal, query, 6), 4);
    EXPECT_EQ(searchBackward(b.journal, query, 4), 1);
    EXPECT_EQ(searchBackward(b.journal, query, 1), 0);
    // Umlauts count in both cases.
    EXPECT_EQ(searchForward(b.journal, {std::string(cp<"büro">()), false}, 0), 2);
}

TEST_F(Searched, CaseRulesAccountsAndNoHit) {
    EXPECT_EQ(searchForward(b.journal, {"rechnung", true}, 0), 4);
    EXPECT_EQ(searchBackward(b.journal, {"Rechnung", true}, 6), 1);
    // A blank and an account number: the bookings with that account on either side.
    EXPECT_EQ(searchForward(b.journal, {" 1000", false}, 0), 2);
    EXPECT_EQ(searchForward(b.journal, {" 1000", false}, 2), 3);
    EXPECT_EQ(searchForward(b.journal, {" 1000", false}, 3), 5);
    EXPECT_EQ(searchForward(b.journal, {"Mahnung", false}, 0), 0);
    // The amount and the VAT amount of the display line are searched too.
    EXPECT_EQ(searchForward(b.journal, {"38.00", false}, 0), 4);
}

TEST(JournalSearch, EmptyJournalHasNoHit) {
    OpenBooks b;
    EXPECT_EQ(searchForward(b.journal, {"x", false}, 0), 0);
    EXPECT_EQ(searchBackward(b.journal, {"x", false}, 1), 0);
}

// The search builds its lines without allocating and leaves out the VAT amount where the text cannot reach
// it; every hit must still be the one the display line gives, for words, numbers, blanks and damaged
// records alike.
TEST(JournalSearch, HitsAreThoseOfTheDisplayLine) {
    OpenBooks b;
    std::string journal;
    std::vector<ledger::ParsedBooking> parsed;
    unsigned seed = 7;
    auto next = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    const char* texts[] = {"Miete", "rechnung 19", "\xC4rger", "Porto  ", "1200 Bank"};
    for (int i = 0; i < 300; ++i) {
        ledger::BookingTexts t = line(std::to_string(10 + next(18)) + ".0" + std::to_string(1 + next(9)), "",
                                      next(2) ? " 1200" : " 8400", next(2) ? " 1000" : " 4930",
                                      texts[next(5)], static_cast<double>(next(50000)) / 100.0,
                                      next(3) == 0 ? 0.0 : (next(2) ? 7.0 : 19.0));
        ledger::JournalRecord r = ledger::makeJournalRecord(t);
        if (i % 37 == 0) r[ledger::kTextOffset + 3] = '\0';  // a damaged text field
        journal.append(r.data(), r.size());
        parsed.push_back(ledger::parseJournalRecord(r.data(), 3));
    }
    tellmark::testing::writeFile(b.jouPath, journal);
    for (const char* text : {"MIETE", "19.00", " 1200", "  ", "\xE4rger", ".5", "0  ", "por", "9 "}) {
        for (bool caseSensitive : {false, true}) {
            const SearchQuery query{text, caseSensitive};
            long expected = 0;
            for (long n = 1; n <= 300 && expected == 0; ++n)
                if (bookingMatches(parsed[static_cast<std::size_t>(n - 1)], query)) expected = n;
            EXPECT_EQ(searchForward(b.journal, query, 0), expected) << text << " " << caseSensitive;
            long last = 0;
            for (long n = 300; n >= 1 && last == 0; --n)
                if (bookingMatches(parsed[static_cast<std::size_t>(n - 1)], query)) last = n;
            EXPECT_EQ(searchBackward(b.journal, query, 301), last) << text << " " << caseSensitive;
        }
    }
}

}  // namespace
}  // namespace tellmark::entry
