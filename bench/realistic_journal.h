#pragma once
// The chart and the bookings of one realistic booking year (2009, chart 03, VAT on): cash, eleven banks,
// customers 10000-10249 and suppliers 20000-20119, revenue 8xxx and purchases 3xxx whose names carry
// their VAT rate, expenses 4xxx, and the bookings of real books in the order they are entered: sales on
// account, payments of those invoices, purchases (some intra-EU, two lines), payments to suppliers,
// expenses paid from a bank or the till, the till's takings and its deposits into the bank, at 19, 7 and
// 0 %, dated through the year roughly in order. All texts and amounts come from one seeded generator, so
// every run builds the same books and no booking repeats another.

#include <string>
#include <vector>

namespace tellmark::bench {

struct RealisticAccount {
    int number;
    std::string name;  // CP1252
};

// The accounts besides the two standard VAT accounts, which the program creates itself.
std::vector<RealisticAccount> realisticChart();

struct RealisticJournal {
    std::string records;          // count * 64 bytes, ready for the journal file
    long count = 0;
    long nextDocumentNumber = 1;  // the automatic number after the last one given
};

RealisticJournal realisticJournal(long bookings);

}  // namespace tellmark::bench
