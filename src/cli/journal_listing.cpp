#include "cli/journal_listing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "ledger/journal_record.h"
#include "platform/codepage.h"
#include "resources/format.h"

namespace tellmark::cli {

namespace {

using namespace ledger;

// Where each field of the record stands in the display line: the fields in record order, one blank after
// each, so a display line is the record with blanks put in and the VAT amount behind.
struct FieldPlace {
    std::size_t record;
    std::size_t width;
    std::size_t line;
};
constexpr FieldPlace kPlaces[] = {
    {kDateOffset, kDateWidth, offsetof(ParsedBooking, date)},
    {kDocumentOffset, kDocumentWidth, offsetof(ParsedBooking, document)},
    {kDebitOffset, kAccountWidth, offsetof(ParsedBooking, debit)},
    {kCreditOffset, kAccountWidth, offsetof(ParsedBooking, credit)},
    {kTextOffset, kTextWidth, offsetof(ParsedBooking, text)},
    {kAmountOffset, kAmountWidth, offsetof(ParsedBooking, amount)},
    {kRateOffset, kRateWidth, offsetof(ParsedBooking, rate)},
};
constexpr std::size_t kVatPlace = offsetof(ParsedBooking, vatAmount);

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// An amount field as the program writes it: blanks, an optional '-', one to nine digits, '.', two digits,
// filling the field. Its value is then cents / 100, which is exactly what the decimal conversion of the
// parsed booking gives (both are the double nearest to the decimal). A blank field is 0 when allowed.
bool plainAmount(const char* field, std::size_t width, bool blankIsZero, double& value) {
    std::size_t i = 0;
    while (i < width && field[i] == ' ') ++i;
    if (i == width) {
        value = 0.0;
        return blankIsZero;
    }
    const bool negative = field[i] == '-';
    if (negative) ++i;
    const std::size_t first = i;
    long long cents = 0;
    while (i < width && isDigit(field[i])) cents = cents * 10 + (field[i++] - '0');
    if (i == first || i - first > 9 || i + 3 != width || field[i] != '.' || !isDigit(field[i + 1]) ||
        !isDigit(field[i + 2]))
        return false;
    cents = cents * 100 + (field[i + 1] - '0') * 10 + (field[i + 2] - '0');
    value = static_cast<double>(cents) / 100.0;
    if (negative) value = -value;
    return true;
}

// The account number as the parsed booking reads it: leading white space, a sign, digits.
long accountValue(const char* field) {
    std::size_t i = 0;
    while (i < kAccountWidth && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < kAccountWidth && (field[i] == '-' || field[i] == '+')) negative = field[i++] == '-';
    long value = 0;
    while (i < kAccountWidth && isDigit(field[i])) value = value * 10 + (field[i++] - '0');
    return negative ? -value : value;
}

// "%11.2f" of a VAT amount rounded to cents, as the parsed booking holds it (cut to eleven characters).
void putVat(double vat, char* out) {
    if (!(std::fabs(vat) < 1e7)) {
        const std::string text = format("%11.2f", vat);
        std::memset(out, ' ', kAmountWidth);
        std::memcpy(out, text.data(), std::min(text.size(), kAmountWidth));
        return;
    }
    // The value is the double nearest to a whole number of cents, so this is what "%.2f" prints.
    long long cents = std::llround(std::fabs(vat) * 100.0);
    char digits[24];
    std::size_t n = 0;
    digits[n++] = static_cast<char>('0' + cents % 10);
    cents /= 10;
    digits[n++] = static_cast<char>('0' + cents % 10);
    cents /= 10;
    digits[n++] = '.';
    do {
        digits[n++] = static_cast<char>('0' + cents % 10);
        cents /= 10;
    } while (cents > 0);
    if (std::signbit(vat)) digits[n++] = '-';  // "-0.00" too, as printf writes a negative zero
    n = std::min(n, kAmountWidth);  // below 1e7 there are at most eleven characters
    std::memset(out, ' ', kAmountWidth - n);
    for (std::size_t i = 0; i < n; ++i) out[kAmountWidth - 1 - i] = digits[i];
}

// "%6i " of the booking number.
std::size_t putNumber(long number, char* out) {
    char digits[24];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, static_cast<int>(number));
    std::size_t n = static_cast<std::size_t>(end - digits);
    std::size_t pad = n < 6 ? 6 - n : 0;
    std::memset(out, ' ', pad);
    std::memcpy(out + pad, digits, n);
    out[pad + n] = ' ';
    return pad + n + 1;
}

}  // namespace

JournalLineBuilder::JournalLineBuilder(int chart) : chart_(chart) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string utf8 = platform::cp1252ToUtf8(std::string(1, static_cast<char>(b)));
        Sequence& s = high_[b - 0x80];
        s.size = static_cast<unsigned char>(std::min<std::size_t>(utf8.size(), sizeof s.bytes));
        std::memcpy(s.bytes, utf8.data(), s.size);
    }
}

void JournalLineBuilder::append(long number, const char* record, std::string& out) const {
    char line[32 + kDisplayLineWidth];
    const std::size_t start = putNumber(number, line);
    char* display = line + start;

    double amount = 0.0;
    double rate = 0.0;
    const bool plain = std::memchr(record, '\0', kLineEndOffset) == nullptr &&
                       plainAmount(record + kAmountOffset, kAmountWidth, false, amount) &&
                       plainAmount(record + kRateOffset, kRateWidth, true, rate);
    if (plain) {
        std::memset(display, ' ', kDisplayLineWidth);
        for (const FieldPlace& p : kPlaces) std::memcpy(display + p.line, record + p.record, p.width);
        const double vat = derivedVat(amount, rate, accountValue(record + kDebitOffset),
                                      accountValue(record + kCreditOffset), chart_);
        putVat(vat, display + kVatPlace);
    } else {
        const std::string text = displayLine(parseJournalRecord(record, chart_));
        std::memcpy(display, text.data(), kDisplayLineWidth);
    }
    display[kDisplayLineWidth] = '\n';
    appendUtf8(line, start + kDisplayLineWidth + 1, out);
}

void JournalLineBuilder::appendUtf8(const char* line, std::size_t size, std::string& out) const {
    unsigned char high = 0;
    for (std::size_t i = 0; i < size; ++i) high |= static_cast<unsigned char>(line[i]);
    if (high < 0x80) {
        out.append(line, size);
        return;
    }
    for (std::size_t i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(line[i]);
        if (b < 0x80) {
            out += line[i];
        } else {
            const Sequence& s = high_[b - 0x80];
            out.append(s.bytes, s.size);
        }
    }
}

bool listJournal(ledger::Journal& journal, long from, long to, std::FILE* out) {
    constexpr long kBlockRecords = 16384;  // 1 MiB of records per read
    std::vector<char> records(static_cast<std::size_t>(kBlockRecords) * kJournalRecordSize);
    std::string text;
    text.reserve(static_cast<std::size_t>(kBlockRecords) * 2 * (kDisplayLineWidth + 8));
    const JournalLineBuilder builder(journal.chart());
    for (long n = from; n <= to;) {
        const long got = journal.readRecords(n - 1, std::min(kBlockRecords, to - n + 1), records.data());
        if (got < 0) return false;
        if (got == 0) break;  // the journal ends in a short record, which is no booking
        for (long i = 0; i < got; ++i) builder.append(n + i, records.data() + i * kJournalRecordSize, text);
        n += got;
        if (std::fwrite(text.data(), 1, text.size(), out) != text.size()) return false;
        text.clear();
    }
    return std::fflush(out) == 0;
}

}  // namespace tellmark::cli
