#pragma once
// The checks a booking line passes before it is posted. The entry form runs them field by field; each
// shows its message (caption "FEHLER" unless said otherwise) and tells the form whether the field is
// accepted and what the field reads now - reformatted when accepted, corrected when not.

#include <string>
#include <string_view>

#include "posting/books.h"
#include "ui/messages.h"

namespace tellmark::posting {

inline constexpr double kLargestAmount = 99999999.99;
// One digit fewer than the largest: "%11.2f" has room for the minus sign only this way.
inline constexpr double kSmallestAmount = -9999999.99;
inline constexpr double kLargestVatRate = 99.99;

// Debit or credit as typed: digits alone are an account number of 1 to 29999 ("12" stands for 1200, five
// digits for themselves), anything that starts otherwise is the beginning of a name. False for digits
// with anything behind them ("1200x"), a number out of range and a control character.
bool accountTextHolds(std::string_view typed);

// Debit and credit as typed (number or beginning of a name). A text that is neither is refused with
// "Ungültige Kontonummer bzw. Kontenauswahl !". Each must find an account; a text that finds none is
// refused without a message. Equal account numbers: "Gleiche Kontonummer in Soll und Haben!". Both
// found: the line is classified and the posting type kept in the books.
struct AccountsCheck {
    bool ok = false;
    bool debitFound = false;
    bool creditFound = false;
    bool invalidText = false;  // refused before any look-up, with its message
    // Of the accounts found: number text (" 1200"), name and balance ("%12.2f").
    std::string debitNumber, debitName, debitBalance;
    std::string creditNumber, creditName, creditBalance;
    int postingType = 0;
};
AccountsCheck checkAccounts(Books& books, std::string_view debitText, std::string_view creditText);

// The amount text, taken only when the whole text is a number (config/typed_numbers.h); otherwise
// "Der eingegebene Betrag ist keine gültige Zahl !" or the message about a third decimal, and the field
// keeps what was typed. Accepted amounts come back as "%11.2f"; above 99999999.99, below -9999999.99 and
// exactly 0 are refused with their message and the field set to the limit or to 0.
struct AmountCheck {
    bool ok = false;
    double value = 0.0;
    std::string field;  // "%11.2f", or the text as typed when it is no number
};
AmountCheck checkAmount(std::string_view text, ui::Messages& messages);

// A rate may be entered for a line whose posting type is not 1000 when the booking circle handles VAT,
// and always for the EU VAT pair.
bool vatRateAllowed(int postingType, bool vatOn, int debitNumber, int creditNumber, int chart);

// The rate text, a number as for amounts (otherwise refused with its own message, the field as typed):
// where no rate is allowed anything but 0 is refused ("Bei dieser Kontenkombination ist
// keine\nMehrwertsteuereingabe zulässig !") and the rate becomes 0; otherwise above 99.99 and below 0
// are refused and the rate set to the limit. The field comes back as "%5.2f".
struct RateCheck {
    bool ok = false;
    double value = 0.0;
    std::string field;  // "%5.2f"
};
RateCheck checkVatRate(std::string_view text, bool rateAllowed, ui::Messages& messages);

// The VAT contained in a gross amount, "%11.2f": amount * rate / (100 + rate) rounded to cents, 0 for
// the EU VAT pair. It is the VAT every later reading of the journal derives for the line.
double vatOfGross(double amount, double rate, int debitNumber, int creditNumber, int chart);
std::string vatText(double vat);

// The save question: only "J" saves; anything else shows "Der Buchungssatz wurde nicht gespeichert !"
// (caption "INFORMATION").
bool confirmSave(std::string_view answer, ui::Messages& messages);

// The decimal value of an amount or rate that passed its check: leading blanks ignored, ',' read as '.'.
double typedValue(std::string_view text);

}  // namespace tellmark::posting
