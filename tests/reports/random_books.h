#pragma once
// A booking year of random bookings posted through the posting engine, for the tests that check a
// report from the journal against the balance file: financial accounts, customers, suppliers, net-booked
// accounts and accounts of every other kind, both standard VAT accounts and the EU pair, rates 0, 7 and
// 19, carry-forward openings in the first month, reversals (negative amounts) and closing entries.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "posting/open_books.h"
#include "posting/posting_batch.h"
#include "posting/posting_engine.h"

namespace tellmark::testing {

inline std::int64_t CentsOf(double value) { return std::llround(value * 100.0); }

// The accounts of the random year besides the two standard VAT accounts.
inline std::vector<int> RandomYearAccounts(int chart) {
    if (chart == 3)
        return {400,  800,  1000, 1200, 1210, 1576, 1579, 1779, 1800,  2000,  2900,  3400,
                4210, 4930, 8125, 8300, 8400, 9000, 10000, 10001, 10002, 20000, 20001};
    return {500,  900,  1000, 1409, 1600, 1800, 1810, 1900,  2100,  3809,  4125,  4300,
            4400, 5400, 6310, 6815, 7000, 9000, 10000, 10001, 10002, 20000, 20001};
}

// Creates the accounts and posts the bookings in blocks of 250.
inline void PostRandomYear(posting::testing::OpenBooks& b, int chart, int firstMonth, int bookings, unsigned seed) {
    std::vector<int> numbers = RandomYearAccounts(chart);
    for (int number : numbers) {
        char name[32];
        std::snprintf(name, sizeof name, "KONTO %05i", number);
        b.addAccount(number, name);
    }
    numbers.push_back(chart == 3 ? 1570 : 1400);
    numbers.push_back(chart == 3 ? 1770 : 3800);

    std::mt19937 random(seed);
    auto pick = [&] { return numbers[random() % numbers.size()]; };
    const double rates[] = {0.0, 7.0, 19.0};
    posting::PostingBatch batch(b.books);
    for (int n = 0; n < bookings;) {
        ASSERT_TRUE(batch.begin());
        for (int k = 0; k < 250 && n < bookings; ++k, ++n) {
            int month = static_cast<int>(random() % 12) + 1;
            if (random() % 40 == 0) month = 13;
            int debit = pick();
            int credit = pick();
            if (n % 25 == 0) {  // a carry-forward opening
                month = firstMonth;
                (random() % 2 ? debit : credit) = 9000;
            }
            double value = static_cast<double>(random() % 500000 + 1) / 100.0;
            if (random() % 20 == 0) value = -value;
            char date[8];
            std::snprintf(date, sizeof date, "%02i.%02i", static_cast<int>(random() % 28) + 1, month);
            ASSERT_EQ(posting::postNewLine(batch.books(),
                                           posting::testing::line(date, std::to_string(n),
                                                                  posting::testing::numberField(debit),
                                                                  posting::testing::numberField(credit), "Zufall",
                                                                  value, rates[random() % 3])),
                      1)
                << date << " " << debit << " " << credit;
        }
        ASSERT_EQ(batch.commit(), posting::BatchCommit::Done);
    }
}

// Every account's balance in the balance file up to the end of a month, in the business year's order.
inline std::map<int, std::int64_t> FileBalances(posting::testing::OpenBooks& b, int toMonth) {
    std::map<int, std::int64_t> balances;
    for (int record = 0; record < b.report.count(); ++record) {
        b.report.read(record);
        std::int64_t sum = 0;
        for (int slot = 0; slot <= b.report.slotOfMonth(toMonth); ++slot) sum += CentsOf(b.report.slotValue(slot));
        balances[b.report.numberValue()] = sum;
    }
    return balances;
}

}  // namespace tellmark::testing
