#pragma once
// Posting booking lines: each line is written to the journal, its month widened in the journal index,
// and its amounts - split into net amount and VAT by its posting type - added to the month slots of the
// debit account, the credit account and, where the type calls for it, a standard VAT account. Deleting
// and changing a booking post its amounts with the opposite sign.
//
// The accounts of a line are looked up by their texts when it is posted, so the cursors of the books
// always stand on the accounts of the line last posted. The VAT of a line is the one derived from its
// journal record (amount and rate as stored), exactly what every later reading of the journal derives:
// deleting or changing a booking, and rebuilding the balances from the journal, reverse it to the cent.

#include <string>

#include "ledger/journal_record.h"
#include "ledger/salden.h"
#include "posting/books.h"

namespace tellmark::posting {

// Writes the line as booking count + 1 and posts it. The line's date must be "DD.MM" of month 1-13 and
// both account texts must find an account (the checks of the entry form make sure of that); the record
// takes the account numbers as the balance file writes them. Not posted, with nothing written: a date or
// account that does not hold (no message), a standard VAT account the line needs that is missing, or a
// journal that refused the record. 1 posted, 0 not.
int postNewLine(Books& books, const ledger::BookingTexts& line);

// The second line of a cash discount or an EU booking, posted right after the first. Its special
// account (the EU pair, or the discount account) is created when the balance file lacks it, with the
// name the program gives it; then the account index is built anew and both accounts looked up again.
// An account still missing: "Fehler in der Saldendatei.\n..." (EU or discount text, once per missing
// account) and the line is not written. 1 posted, 0 not.
enum class SecondLine { Eu, DiscountGranted, DiscountReceived };
int postSecondLine(Books& books, const ledger::BookingTexts& line, SecondLine kind);

// Saves an entered booking: the first line, then the second one when there is one. The number of lines
// posted (0, 1 or 2); the second is not tried when the first was not posted.
int saveBooking(Books& books, const ledger::BookingTexts& first);
int saveBooking(Books& books, const ledger::BookingTexts& first, const ledger::BookingTexts& second, SecondLine kind);

// Deletes booking n (1 to count): reverses its posting, narrows the journal index and removes the record
// (later bookings move up by one). When an account of the booking - or the standard VAT account it
// needs - is missing, "Eine der Kontonummern in der Buchungszeile war fehlerhaft!\n..." (caption
// "INFORMATION") and the booking is removed without reversal. 1 removed, 0 not (balances unchanged).
int deleteBooking(Books& books, long n);

// Changes booking n (1 to count) to the new line: reverses the old posting and posts the new line in its
// place; never a second line, never a new document number. An account of the old booking missing: the
// INFORMATION message and no reversal, the new line is still posted. An account of the new line missing:
// "Eine der Kontonummern im neuen Buchungssatz war fehlerhaft!\n..." (caption "FEHLER"), the journal
// keeps the old record and the old posting is put back, so balances and journal still agree.
// 1 when the new line was posted, 0 when the old booking stands.
int changeBooking(Books& books, long n, const ledger::BookingTexts& line);

// The balances debit and credit account will have after posting a line with this gross amount and VAT
// (cursors standing on the two accounts).
struct BalancePreview {
    int postingType = 0;
    double debitBalance = 0.0;
    double creditBalance = 0.0;
    std::string debitText;   // "%12.2f"
    std::string creditText;
};
BalancePreview previewBalances(const ledger::CSalden& debit, const ledger::CSalden& credit, double amount,
                               double vat);

}  // namespace tellmark::posting
