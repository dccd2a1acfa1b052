#include "ledger/journal_record.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "config/amounts.h"
#include "config/dates.h"
#include "resources/format.h"

namespace tellmark::ledger {

// The display line is the parsed texts laid side by side; these positions are what lists rely on.
static_assert(offsetof(ParsedBooking, date) == 0);
static_assert(offsetof(ParsedBooking, document) == 6);
static_assert(offsetof(ParsedBooking, debit) == 13);
static_assert(offsetof(ParsedBooking, credit) == 19);
static_assert(offsetof(ParsedBooking, text) == 25);
static_assert(offsetof(ParsedBooking, amount) == 51);
static_assert(offsetof(ParsedBooking, rate) == 63);
static_assert(offsetof(ParsedBooking, vatAmount) == 69);
static_assert(offsetof(ParsedBooking, vatAmount) + kAmountWidth == kDisplayLineWidth);

namespace {

// Copies a text into a blank field: cut to the width, and a text with a NUL in it ends there.
void putField(char* field, std::size_t width, std::string_view text) {
    std::size_t n = std::min(width, text.size());
    std::size_t nul = text.substr(0, n).find('\0');
    if (nul != std::string_view::npos) n = nul;
    std::memcpy(field, text.data(), n);
}

template <std::size_t N>
void takeField(char (&out)[N], const char* record, std::size_t offset) {
    std::memcpy(out, record + offset, N - 1);
    out[N - 1] = '\0';
}

// The standard decimal conversion of the field texts; something that is no finite number reads as 0,
// so a damaged record cannot carry infinities into the sums.
double decimalValue(const char* text) {
    double value = std::strtod(text, nullptr);
    return std::isfinite(value) ? value : 0.0;
}

long integerValue(const char* text) { return std::strtol(text, nullptr, 10); }

template <std::size_t N>
std::string_view textOf(const char (&field)[N]) {
    return std::string_view(field, strnlen(field, N));
}

}  // namespace

JournalRecord makeJournalRecord(const BookingTexts& texts) {
    JournalRecord record;
    record.fill(' ');
    putField(record.data() + kDateOffset, kDateWidth, texts.date);
    putField(record.data() + kDocumentOffset, kDocumentWidth, texts.document);
    putField(record.data() + kDebitOffset, kAccountWidth, texts.debit);
    putField(record.data() + kCreditOffset, kAccountWidth, texts.credit);
    putField(record.data() + kTextOffset, kTextWidth, texts.text);
    putField(record.data() + kAmountOffset, kAmountWidth, texts.amount);
    putField(record.data() + kRateOffset, kRateWidth, texts.rate);
    record[kLineEndOffset] = '\r';
    record[kLineEndOffset + 1] = '\n';
    return record;
}

bool isEuVatPair(long debit, long credit, int chart) {
    if (chart == 4) return debit == 1409 && credit == 3809;
    return debit == 1579 && credit == 1779;
}

double derivedVat(double amount, double rate, long debit, long credit, int chart) {
    if (isEuVatPair(debit, credit, chart)) return 0.0;
    if (rate + 100.0 == 0.0) return 0.0;  // a damaged rate of -100 must not divide by zero
    double vat = config::roundToCents(amount * rate / (rate + 100.0));
    return std::isfinite(vat) ? vat : 0.0;
}

std::string centsText(double value, int width) {
    // A value that is a whole number of cents prints as its digits: no printf needed, the same text.
    const double scaled = value * 100.0;
    if (std::isfinite(value) && std::fabs(scaled) < 1e15) {
        const double whole = std::nearbyint(scaled);
        if (whole == scaled || std::fabs(whole / 100.0 - value) == 0.0) {
            long long cents = static_cast<long long>(whole);
            const bool negative = std::signbit(value);
            if (cents < 0) cents = -cents;
            char digits[32];
            int n = 0;
            long long rest = cents;
            do {
                digits[n++] = static_cast<char>('0' + rest % 10);
                rest /= 10;
                if (n == 2) digits[n++] = '.';
            } while (rest > 0 || n < 4);
            if (negative) digits[n++] = '-';
            std::string text;
            if (n < width) text.assign(static_cast<std::size_t>(width - n), ' ');
            for (int i = n - 1; i >= 0; --i) text.push_back(digits[i]);
            return text;
        }
    }
    return format(width == 11 ? "%11.2f" : "%12.2f", value);
}

ParsedBooking parseJournalRecord(const char* record, int chart) {
    ParsedBooking b{};
    takeField(b.date, record, kDateOffset);
    takeField(b.document, record, kDocumentOffset);
    takeField(b.debit, record, kDebitOffset);
    takeField(b.credit, record, kCreditOffset);
    takeField(b.text, record, kTextOffset);
    takeField(b.amount, record, kAmountOffset);
    takeField(b.rate, record, kRateOffset);

    int day = 0;
    int month = 0;
    if (config::parseStoredDayMonth(std::string_view(record + kDateOffset, kDateWidth), day, month) == 0) {
        b.day = static_cast<std::int16_t>(day);
        b.month = static_cast<std::int16_t>(month);
    }
    b.debitNumber = static_cast<std::int32_t>(integerValue(b.debit));
    b.creditNumber = static_cast<std::int32_t>(integerValue(b.credit));
    b.amountValue = decimalValue(b.amount);
    b.rateValue = decimalValue(b.rate);
    b.vatValue = derivedVat(b.amountValue, b.rateValue, b.debitNumber, b.creditNumber, chart);

    // An amount too large for the field would not fit "%11.2f"; the text keeps its first 11 characters.
    std::string vat = centsText(b.vatValue, 11);
    std::size_t n = std::min(vat.size(), kAmountWidth);
    std::memcpy(b.vatAmount, vat.data(), n);
    b.vatAmount[n] = '\0';
    return b;
}

BookingTexts textsOf(const ParsedBooking& b) {
    return BookingTexts{std::string(textOf(b.date)),   std::string(textOf(b.document)),
                        std::string(textOf(b.debit)),  std::string(textOf(b.credit)),
                        std::string(textOf(b.text)),   std::string(textOf(b.amount)),
                        std::string(textOf(b.rate))};
}

std::string displayLine(const ParsedBooking& b) {
    std::string line(kDisplayLineWidth, ' ');
    auto put = [&line](std::size_t at, std::string_view text) { line.replace(at, text.size(), text); };
    put(offsetof(ParsedBooking, date), textOf(b.date));
    put(offsetof(ParsedBooking, document), textOf(b.document));
    put(offsetof(ParsedBooking, debit), textOf(b.debit));
    put(offsetof(ParsedBooking, credit), textOf(b.credit));
    put(offsetof(ParsedBooking, text), textOf(b.text));
    put(offsetof(ParsedBooking, amount), textOf(b.amount));
    put(offsetof(ParsedBooking, rate), textOf(b.rate));
    put(offsetof(ParsedBooking, vatAmount), textOf(b.vatAmount));
    return line;
}

}  // namespace tellmark::ledger
