#include "ledger/journal_cache.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "journal_test_helpers.h"
#include "ledger/journal.h"
#include "resources/texts_common.h"
#include "resources/texts_ledger_journal.h"

namespace tellmark::ledger {
namespace {

using journal_testing::booking;
using journal_testing::OpenJournal;

// Everything a reader can see of a booking: the display line carries all texts, then the numbers.
void expectSameBooking(const ParsedBooking& a, const ParsedBooking& b, long n) {
    SCOPED_TRACE("booking " + std::to_string(n));
    EXPECT_EQ(displayLine(a), displayLine(b));
    EXPECT_EQ(a.day, b.day);
    EXPECT_EQ(a.month, b.month);
    EXPECT_EQ(a.debitNumber, b.debitNumber);
    EXPECT_EQ(a.creditNumber, b.creditNumber);
    EXPECT_DOUBLE_EQ(a.amountValue, b.amountValue);
    EXPECT_DOUBLE_EQ(a.rateValue, b.rateValue);
    EXPECT_DOUBLE_EQ(a.vatValue, b.vatValue);
}

// A few hundred bookings of every sort: months 1-13, both signs, the usual rates and the EU pair.
void fillRandomly(OpenJournal& j, int count, unsigned seed) {
    std::mt19937 rng(seed);
    const char* accounts[] = {" 1000", " 1200", " 1579", " 1779", " 4930", " 8400", "10001", "20002"};
    const double rates[] = {0.0, 7.0, 16.0, 19.0};
    for (int k = 0; k < count; ++k) {
        int day = 1 + static_cast<int>(rng() % 31);
        int month = 1 + static_cast<int>(rng() % 13);
        bool eu = rng() % 8 == 0;
        double amount = static_cast<double>(static_cast<long>(rng() % 2000000) - 500000) / 100.0;
        j.append(booking(format("%02i.%02i", day, month), std::to_string(rng() % 1000000),
                         eu ? " 1579" : accounts[rng() % 8], eu ? " 1779" : accounts[rng() % 8],
                         "Buchung " + std::to_string(k), amount, rates[rng() % 4]));
    }
}

TEST(JournalCacheTest, CachedBookingsEqualTheFileReads) {
    OpenJournal j;
    fillRandomly(j, 400, 7);
    std::vector<ParsedBooking> fromFile;
    for (long n = 1; n <= 400; ++n) {
        ASSERT_TRUE(j.journal.readBooking(n));
        fromFile.push_back(j.journal.current());
    }

    JournalCache cache(j.journal, j.messages);
    ASSERT_TRUE(cache.load());
    EXPECT_TRUE(cache.active());
    EXPECT_EQ(cache.size(), 400);
    testing::writeFile(j.path, std::string(400 * 64, 'x'));  // reads must now come from memory alone
    for (long n = 1; n <= 400; ++n) {
        const ParsedBooking* b = j.journal.readParsed(n);
        ASSERT_NE(b, nullptr);
        expectSameBooking(*b, fromFile[static_cast<std::size_t>(n - 1)], n);
    }
    EXPECT_EQ(j.journal.readParsed(401), nullptr);
    EXPECT_EQ(j.journal.readParsed(0), nullptr);
    EXPECT_TRUE(j.messages.empty());
}

TEST(JournalCacheTest, EuPairReadsWithoutVatFromTheCacheToo) {
    OpenJournal j;
    j.append(booking("10.04", "1", " 1579", " 1779", "EU-Erwerb", 190.00, 19.00));
    j.append(booking("10.04", "1", " 4930", " 1200", "Kauf", 1000.00, 19.00));
    JournalCache cache(j.journal, j.messages);
    ASSERT_TRUE(cache.load());
    const ParsedBooking* eu = j.journal.readParsed(1);
    ASSERT_NE(eu, nullptr);
    EXPECT_DOUBLE_EQ(eu->vatValue, 0.0);
    EXPECT_STREQ(eu->vatAmount, "       0.00");
    EXPECT_STREQ(j.journal.readParsed(2)->vatAmount, "     159.66");
}

TEST(JournalCacheTest, FailuresAreToldAndReadsGoToTheFile) {
    OpenJournal j;
    {
        JournalCache cache(j.journal, j.messages);
        EXPECT_FALSE(cache.load());
        EXPECT_FALSE(cache.active());
        ASSERT_EQ(j.messages.entries.size(), 1u);
        EXPECT_EQ(j.messages.last().text, text::kJournalCacheEmpty);
        EXPECT_EQ(j.messages.last().caption, text::kCaptionError);
    }

    fillRandomly(j, 100, 11);
    ASSERT_TRUE(j.journal.readBooking(37));
    const ParsedBooking expected = j.journal.current();

    JournalCache cache(j.journal, j.messages);
    cache.setMemoryLimit(100 * 64 - 1);  // not even the raw journal fits
    EXPECT_FALSE(cache.load());
    EXPECT_FALSE(cache.active());
    EXPECT_EQ(j.messages.last().text, text::kJournalMemoryShort);
    EXPECT_EQ(j.messages.last().caption, text::kCaptionInformation);

    cache.setMemoryLimit(100 * 64 + 10 * sizeof(ParsedBooking));  // the raw journal, not the parsed one
    EXPECT_FALSE(cache.load());
    EXPECT_FALSE(cache.active());
    EXPECT_EQ(j.messages.last().text, text::kJournalMemoryShortPart2);
    EXPECT_EQ(j.messages.last().caption, text::kCaptionInformation);

    const ParsedBooking* fallback = j.journal.readParsed(37);
    ASSERT_NE(fallback, nullptr);
    expectSameBooking(*fallback, expected, 37);

    cache.setMemoryLimit(100 * 64 + 100 * sizeof(ParsedBooking));
    EXPECT_TRUE(cache.load());
    cache.release();
    EXPECT_FALSE(cache.active());
    EXPECT_EQ(cache.size(), 0);
}

TEST(JournalCacheTest, WritesAndRemovalsKeepTheCacheInStep) {
    OpenJournal j;
    fillRandomly(j, 300, 23);
    JournalCache cache(j.journal, j.messages);
    ASSERT_TRUE(cache.load());

    ASSERT_TRUE(j.journal.writeBooking(9, booking("31.12", "X", " 1579", " 1779", "geaendert", 50.00, 19.00)));
    ASSERT_TRUE(j.journal.writeBooking(300, booking("01.01", "Y", " 1000", " 8400", "neu", 11.90, 19.00)));
    ASSERT_TRUE(j.journal.removeBookings(5, 4));
    ASSERT_TRUE(j.journal.removeBookings(300, 299));
    ASSERT_TRUE(j.journal.removeBookings(101, 100));
    ASSERT_TRUE(cache.active());
    EXPECT_EQ(cache.size(), j.journal.count());

    Journal plain(j.messages);  // a second view of the same file, without the cache
    j.journal.close();
    ASSERT_TRUE(plain.open(j.path));
    for (long n = 1; n <= cache.size(); ++n) {
        ASSERT_TRUE(plain.readBooking(n));
        expectSameBooking(*cache.find(n), plain.current(), n);
    }
}

}  // namespace
}  // namespace tellmark::ledger
