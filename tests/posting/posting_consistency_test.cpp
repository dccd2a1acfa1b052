// Many random bookings, some deleted and some changed: afterwards every month slot of every account must
// equal what the journal alone says, summed in whole cents, and the journal index must cover every
// booking. This is what the reorganisation relies on and what deleting and changing must never break.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <vector>

#include "config/amounts.h"
#include "ledger/journal_record.h"
#include "posting/balance_rebuild.h"
#include "posting/line_checks.h"
#include "posting/posting_engine.h"
#include "posting/posting_types.h"
#include "chart/account_classes.h"
#include "open_books.h"

namespace tellmark::posting {
namespace {

using testing::OpenBooks;

struct Account {
    int number;
    double opening;
};

// The split of a line by the kinds of its accounts, written out once more for checking:
// which side is the money side, which kinds on the other side take VAT, and where the VAT goes.
struct Expected {
    long long debit, credit, vat;
    int vatAccount;  // 0 none
};

Expected expectedSplit(int d, int c, long long a, long long v, int chart) {
    auto money = [](int k) { return k == 4 || k == 12 || k == 13; };
    const int input = chart == 3 ? 1570 : 1400;
    const int output = chart == 3 ? 1770 : 3800;
    if (money(d) && (c == 2 || c == 7 || c == 8)) return {a, v - a, -v, input};
    if (money(c) && (d == 2 || d == 6 || d == 7 || d == 8)) return {a - v, -a, v, input};
    if (money(d) && (c == 9 || c == 6 || c == 10)) return {a, v - a, -v, output};
    if (money(c) && (d == 9 || d == 10)) return {a - v, -a, v, output};
    return {a, -a, 0, 0};
}

long long cents(double value) { return std::llround(value * 100.0); }

void runRandomBooks(int chart, int firstMonth, const std::vector<Account>& accounts, unsigned seed) {
    OpenBooks b(chart, firstMonth);
    for (const Account& a : accounts) b.addAccount(a.number, "KONTO " + std::to_string(a.number), a.opening);
    const int euDebit = chart == 3 ? 1579 : 1409;
    const int euCredit = chart == 3 ? 1779 : 3809;

    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto randomLine = [&]() {
        int d = accounts[static_cast<std::size_t>(pick(static_cast<int>(accounts.size())))].number;
        int c = d;
        while (c == d) c = accounts[static_cast<std::size_t>(pick(static_cast<int>(accounts.size())))].number;
        if (pick(10) == 0) {
            d = euDebit;
            c = euCredit;
        }
        long long amount = 0;
        while (amount == 0) amount = pick(2000001) - 1000000;
        const Classification kinds = classify(d, c, chart);
        const double rates[] = {0.0, 5.5, 7.0, 16.0, 19.0};
        const double rate = vatRateAllowed(kinds.postingType, true, d, c, chart) ? rates[pick(5)] : 0.0;
        return testing::line(format("%02i.%02i", 1 + pick(28), 1 + pick(13)), format("%i", pick(1000)),
                             testing::numberField(d), testing::numberField(c), "zufall",
                             static_cast<double>(amount) / 100.0, rate);
    };

    for (int step = 0; step < 2500; ++step) {
        const long count = b.journal.count();
        const int what = pick(20);
        if (what == 0 && count > 0) {
            ASSERT_EQ(deleteBooking(b.books, 1 + pick(static_cast<int>(count))), 1);
        } else if (what == 1 && count > 0) {
            ASSERT_EQ(changeBooking(b.books, 1 + pick(static_cast<int>(count)), randomLine()), 1);
        } else {
            ASSERT_EQ(postNewLine(b.books, randomLine()), 1);
        }
    }
    ASSERT_TRUE(b.messages.empty());

    std::map<int, std::array<long long, 14>> slots;
    for (const Account& a : accounts) slots[a.number][0] = cents(a.opening);
    slots[chart == 3 ? 1570 : 1400];
    slots[chart == 3 ? 1770 : 3800];
    const std::string jou = b.jou();
    const long count = static_cast<long>(jou.size() / 64);
    ASSERT_GT(count, 1500);
    for (long n = 1; n <= count; ++n) {
        const ledger::ParsedBooking p = ledger::parseJournalRecord(jou.data() + (n - 1) * 64, chart);
        const int dk = chart::code(chart::AccountKindOf(p.debitNumber, chart));
        const int ck = chart::code(chart::AccountKindOf(p.creditNumber, chart));
        int slot = p.month == 13 ? 13 : (p.month >= firstMonth ? p.month - firstMonth + 1 : p.month - firstMonth + 13);
        if (p.month == firstMonth && (dk == 11 || ck == 11)) slot = 0;
        const long long vat = ledger::isEuVatPair(p.debitNumber, p.creditNumber, chart)
                                  ? 0
                                  : cents(config::roundToCents(p.amountValue * p.rateValue / (100.0 + p.rateValue)));
        const Expected e = expectedSplit(dk, ck, cents(p.amountValue), vat, chart);
        slots[p.debitNumber][static_cast<std::size_t>(slot)] += e.debit;
        slots[p.creditNumber][static_cast<std::size_t>(slot)] += e.credit;
        if (e.vatAccount != 0) slots[e.vatAccount][static_cast<std::size_t>(slot)] += e.vat;

        EXPECT_LE(b.journalIndex.first(p.month), n);
        EXPECT_GE(b.journalIndex.last(p.month), n);
    }
    for (const auto& [number, values] : slots) {
        for (int s = 0; s < 14; ++s) {
            EXPECT_EQ(b.slot(number, s), format("%12.2f", static_cast<double>(values[static_cast<std::size_t>(s)]) / 100.0))
                << "account " << number << " slot " << s;
        }
    }

    // Reposting the journal in memory gives every slot posting gave, byte for byte (a hand-entered opening
    // balance of an account that then took carry-forward postings goes, as reposting always drops it).
    std::vector<ledger::AccountRecord> records;
    ASSERT_TRUE(readAccountRecords(b.balanceFile, records));
    const RebuiltBalances rebuilt = repostInMemory(records, b.journal, b.accountIndex, b.settings);
    ASSERT_TRUE(rebuilt.ok());
    ASSERT_EQ(rebuilt.records.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const bool droppedOpening = records[i].status() == ledger::kStatusCarriedForward;
        const std::size_t from = droppedOpening ? 43 : 31;
        EXPECT_EQ(rebuilt.records[i].bytes().substr(from, 199 - from), records[i].bytes().substr(from, 199 - from))
            << "account " << records[i].numberValue();
    }
}

TEST(PostingConsistency, RandomBookingsChart03) {
    runRandomBooks(3, 1,
                   {{1000, 150.0}, {1200, -20.5}, {200, 0.0}, {2900, 0.0}, {3400, 0.0}, {4930, 0.0}, {8400, 0.0},
                    {8125, 0.0}, {9000, 0.0}, {10001, 75.25}, {20001, 0.0}, {1579, 0.0}, {1779, 0.0}},
                   20090101u);
}

TEST(PostingConsistency, RandomBookingsChart04SpanYear) {
    runRandomBooks(4, 7,
                   {{1600, 0.0}, {1800, 12.0}, {200, 0.0}, {5400, 0.0}, {6300, 0.0}, {4400, 0.0}, {4125, 0.0},
                    {9000, 0.0}, {10001, 0.0}, {20001, 0.0}, {1409, 0.0}, {3809, 0.0}},
                   8090701u);
}

}  // namespace
}  // namespace tellmark::posting
