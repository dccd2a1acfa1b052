#pragma once
// One booking of the journal: the 64-byte record on disk, the parsed booking the program works with,
// and the 80-character display line of lists and searches.
//
// JournalRecord (64 bytes of CP1252 text, every field padded with blanks, no terminators):
//   0 date "DD.MM" (5) | 5 document (6) | 11 debit (5) | 16 credit (5) | 21 text (25)
//   46 amount "%11.2f" (11) | 57 VAT rate "%5.2f" (5) | 62 CR LF
// The VAT amount is never stored; it is derived from amount and rate on every read.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tellmark::ledger {

inline constexpr std::size_t kJournalRecordSize = 64;
using JournalRecord = std::array<char, kJournalRecordSize>;

// Field widths of the record.
inline constexpr std::size_t kDateWidth = 5;
inline constexpr std::size_t kDocumentWidth = 6;
inline constexpr std::size_t kAccountWidth = 5;
inline constexpr std::size_t kTextWidth = 25;
inline constexpr std::size_t kAmountWidth = 11;
inline constexpr std::size_t kRateWidth = 5;

// Field offsets in the record.
inline constexpr std::size_t kDateOffset = 0;
inline constexpr std::size_t kDocumentOffset = 5;
inline constexpr std::size_t kDebitOffset = 11;
inline constexpr std::size_t kCreditOffset = 16;
inline constexpr std::size_t kTextOffset = 21;
inline constexpr std::size_t kAmountOffset = 46;
inline constexpr std::size_t kRateOffset = 57;
inline constexpr std::size_t kLineEndOffset = 62;

// The texts of a booking as the entry form, the import or the posting engine hand them over for writing.
// Each is cut to its field width; a shorter one is padded with blanks on the right.
struct BookingTexts {
    std::string date;      // "DD.MM"
    std::string document;  // as typed
    std::string debit;     // account number text as in the balance file (" 1200")
    std::string credit;
    std::string text;
    std::string amount;    // "%11.2f"
    std::string rate;      // "%5.2f"
};

// The in-memory form of a booking: the field texts as stored, each NUL-terminated, followed by the
// numbers derived from them. The texts lie back to back, so their positions are those of the display
// line: 0 date, 6 document, 13 debit, 19 credit, 25 text, 51 amount, 63 rate, 69 VAT amount; 80 wide.
struct ParsedBooking {
    char date[kDateWidth + 1];
    char document[kDocumentWidth + 1];
    char debit[kAccountWidth + 1];
    char credit[kAccountWidth + 1];
    char text[kTextWidth + 1];
    char amount[kAmountWidth + 1];
    char rate[kRateWidth + 1];
    char vatAmount[kAmountWidth + 1];  // "%11.2f" of vatValue
    std::int16_t day;                  // 0 when the date is no "DD.MM"
    std::int16_t month;                // 1-12, 13 for the closing entries; 0 when the date is no "DD.MM"
    std::int32_t debitNumber;
    std::int32_t creditNumber;
    double amountValue;
    double rateValue;
    double vatValue;
};

inline constexpr std::size_t kDisplayLineWidth = 80;

// The 64 bytes of a booking, ending in CR LF.
JournalRecord makeJournalRecord(const BookingTexts& texts);

// Splits a 64-byte record and derives day, month, account numbers, amount, rate and VAT amount.
// chart is the booking circle's chart of accounts (3 or 4); it decides the EU pair.
ParsedBooking parseJournalRecord(const char* record, int chart);

// "%11.2f" (width 11) or "%12.2f" (width 12) of the value, fast where it is a whole number of cents.
std::string centsText(double value, int width);

// The texts of a parsed booking, for writing it back.
BookingTexts textsOf(const ParsedBooking& booking);

// The 80-character display line: the parsed texts at their positions, blanks in between and behind.
std::string displayLine(const ParsedBooking& booking);

// The pair of EU VAT accounts whose bookings carry no VAT of their own: debit 1579 with credit 1779 in
// chart 03, debit 1409 with credit 3809 in chart 04.
bool isEuVatPair(long debit, long credit, int chart);

// VAT contained in a gross amount: amount * rate / (rate + 100), rounded to cents; 0 for the EU pair.
double derivedVat(double amount, double rate, long debit, long credit, int chart);

}  // namespace tellmark::ledger
