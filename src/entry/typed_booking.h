#pragma once
// A whole booking line as typed, run through the entry form's checks in the form's order and saved:
// date, document number (the next automatic number for a blank field), debit and credit account (number,
// leading digits or beginning of a name), amount, VAT rate (a blank rate takes the accounts' preset),
// booking kind, then posting. Front ends without a form (the command line, imports of typed lines) use it;
// every check and message is the posting engine's own.

#include <optional>
#include <string>

#include "circles/document.h"
#include "posting/booking_kinds.h"
#include "posting/books.h"

namespace tellmark::entry {

struct TypedBooking {
    std::string date;      // "DD.MM", a day alone ("5", in January), or with the booking's year
    std::string document;  // blank: the next automatic number where the circle gives them
    std::string debit;
    std::string credit;
    std::string text;
    std::string amount;
    std::string rate;      // blank: the preset rate of the accounts, where a rate is allowed
    posting::BookingKind kind = posting::BookingKind::Normal;
    std::string paid;      // cash discount: the amount paid or received
    std::string discount;  // cash discount: the discount amount
};

enum class TypedResult {
    Saved,           // the line (and its second line) is booked
    Refused,         // a check failed; its message was shown, nothing was written
    AccountMissing,  // debit or credit finds no account (the form shows no message either)
    NotSaved,        // the posting engine did not write the line; its message was shown
};

struct TypedOutcome {
    TypedResult result = TypedResult::Refused;
    int linesPosted = 0;
    std::string missingAccount;  // the text that found no account
};

// Checks and posts a new booking at the end of the journal.
TypedOutcome postTypedBooking(circles::CVt36Doc& doc, const TypedBooking& typed);
// The same through the given bundle of the document's books (a batch's).
TypedOutcome postTypedBooking(circles::CVt36Doc& doc, posting::Books& books, const TypedBooking& typed);
// Checks and changes booking n to the typed line (a changed booking never gets a second line, so kinds
// Skonto and EU-Buchung are refused like the form refuses them on a booked line).
TypedOutcome changeTypedBooking(circles::CVt36Doc& doc, long n, const TypedBooking& typed);

}  // namespace tellmark::entry
