#pragma once
// The booking kinds of the entry form and the amounts each makes of what the user typed: "Netto" (a net
// amount), "Reisekosten" (travel costs: the rate is raised so that the VAT is about a plain percentage
// of the gross amount), "Kosten §13b" (posted like a normal line), and the two kinds that produce a
// second line, "Skonto" (cash discount) and "EU-Buchung" (intra-EU acquisition).

#include <string>
#include <string_view>

#include "ledger/journal_record.h"
#include "ui/messages.h"

namespace tellmark::posting {

enum class BookingKind { Normal = 0, Net = 1, TravelCosts = 2, Discount = 3, Eu = 4, ReverseCharge = 5 };

// The kind's name as the entry form shows it; empty for a normal line.
std::string_view bookingKindName(BookingKind kind);

// Amount, rate and VAT of a line as its fields show them.
struct LineAmounts {
    bool ok = false;
    double amount = 0.0;
    double rate = 0.0;
    double vat = 0.0;
    std::string amountField;  // "%11.2f"
    std::string rateField;    // "%5.2f"
    std::string vatField;     // "%11.2f"
};

// "Netto": gross = net + net * rate / 100, rounded to cents. The VAT is the one the journal derives from
// that gross amount (net * rate / 100 but for a half cent), so the balances and every later reading of
// the line agree. A gross amount outside the amount limits is refused with the amount messages.
LineAmounts applyNet(double net, double rate, int debitNumber, int creditNumber, int chart, ui::Messages& messages);

// "Reisekosten": the rate becomes rate * 100 / (100 - rate), rounded to two decimals, and the VAT is
// taken from the gross amount at that rate. A raised rate above 99.99 is refused with the rate message.
LineAmounts applyTravelCosts(double gross, double rate, int debitNumber, int creditNumber, int chart,
                             ui::Messages& messages);

// Cash discount.
inline constexpr int kNoDiscount = 0;
inline constexpr int kDiscountGranted = 1;   // a customer paid less
inline constexpr int kDiscountReceived = 2;  // a supplier was paid less

// The discount kind of an account pair (chart 03, any other chart as 04):
//   chart 03: granted D 1000-1299, C 1400-1499 or 10000-19999; received D 1600-1699 or 20000-29999,
//             C 1000-1299
//   chart 04: granted D 1600-1899, C 1200-1239 or 10000-19999; received D 3300-3799 or 20000-29999,
//             C 1600-1899
int discountKindOf(int debitNumber, int creditNumber, int chart);
// As discountKindOf; for a pair that allows no discount "Bei dieser Kontenkombination ist \nkeine
// Skonto-Verarbeitung zulässig !".
int checkDiscountCombination(int debitNumber, int creditNumber, int chart, ui::Messages& messages);

// The discount as a percentage of the full amount, discount * 100 / (discount + paid), as "%.2f".
std::string discountPercentText(double paid, double discount);
// The percentage must lie from 0.00 up to 9.99 as shown; otherwise "Skonto von 0.00% bis 9.99% zulässig
// !" and the dialog stays open. A zero full amount has no percentage and is refused the same way.
bool checkDiscountPercent(double paid, double discount, ui::Messages& messages);

// The special accounts of the second lines (chart 03 / any other chart as 04).
int discountGrantedAccount(int chart);   // 8730 / 4730
int discountReceivedAccount(int chart);  // 3730 / 5730

// A booking that is saved as two lines; the VAT fields are what the entry form shows.
struct TwoLines {
    ledger::BookingTexts first;
    std::string firstVat;
    ledger::BookingTexts second;
    std::string secondVat;
};

// First line: date, document, accounts and text as entered, the amount paid, rate and VAT 0. Second
// line: the discount at the rate, granted: discount account against the customer (the first line's
// credit), received: the supplier (the first line's debit) against the discount account.
TwoLines makeDiscountLines(const ledger::BookingTexts& entered, int discountKind, double paid, double discount,
                           double rate, int chart);

// First line: the net amount without VAT. Second line: EU input VAT against EU output VAT with the
// amount net * rate / 100 at the rate, its VAT field blank.
TwoLines makeEuLines(const ledger::BookingTexts& entered, double net, double rate, int chart);

}  // namespace tellmark::posting
