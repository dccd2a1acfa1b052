#include "ledger/account_record.h"

#include "ledger/journal_record.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>

#include "resources/format.h"

namespace tellmark::ledger {

namespace {

constexpr std::string_view kAmount12 = "%12.2f";

std::size_t slotOffset(int slot) {
    return AccountRecord::kSlotOffset + static_cast<std::size_t>(slot) * kAccountSlotWidth;
}

bool validSlot(int slot) { return slot >= 0 && slot < kAccountSlotCount; }

}  // namespace

AccountRecord::AccountRecord() {
    bytes_.fill(' ');
    bytes_[kEndMarkOffset] = '*';
    bytes_[kLineEndOffset] = '\r';
    bytes_[kLineEndOffset + 1] = '\n';
}

bool AccountRecord::makeNew(std::string_view numberText, std::string_view name, double opening, AccountRecord& out) {
    AccountRecord record;
    record.setNumberText(numberText);
    record.setName(name);
    record.setStatus(kStatusUnposted);
    if (!record.setSlot(0, opening)) return false;
    for (int slot = 1; slot < kAccountSlotCount; ++slot) record.setSlot(slot, 0.0);
    out = record;
    return true;
}

std::string_view AccountRecord::slotText(int slot) const {
    if (!validSlot(slot)) return {};
    return field(slotOffset(slot), kAccountSlotWidth);
}

void AccountRecord::setNumberText(std::string_view text) {
    if (text.size() > kAccountNumberWidth) text = text.substr(0, kAccountNumberWidth);
    std::size_t pad = kAccountNumberWidth - text.size();
    std::memset(bytes_.data() + kNumberOffset, ' ', pad);
    std::memcpy(bytes_.data() + kNumberOffset + pad, text.data(), text.size());
}

void AccountRecord::setName(std::string_view text) {
    if (text.size() > kAccountNameWidth) text = text.substr(0, kAccountNameWidth);
    std::memcpy(bytes_.data() + kNameOffset, text.data(), text.size());
    std::memset(bytes_.data() + kNameOffset + text.size(), ' ', kAccountNameWidth - text.size());
}

bool AccountRecord::setSlot(int slot, double value) {
    if (!validSlot(slot) || !std::isfinite(value)) return false;
    std::string text = amountText12(value);
    if (text.size() != kAccountSlotWidth) return false;
    std::memcpy(bytes_.data() + slotOffset(slot), text.data(), kAccountSlotWidth);
    return true;
}

int AccountRecord::numberValue() const { return parseLeadingInt(numberText()); }

double AccountRecord::slotValue(int slot) const { return parseDecimalText(slotText(slot)); }

bool AccountRecord::slotBlank(int slot) const { return validSlot(slot) && isAllBlanks(slotText(slot)); }

bool AccountRecord::isSound() const {
    return endMark() == '*' && hasLineEnd() && !isAllBlanks(numberText()) && !isAllBlanks(name());
}

std::string amountText12(double value) {
    std::string text = centsText(value, 12);
    // A sum that cancels out can land a hair below zero; it still is nothing.
    std::size_t first = text.find_first_not_of(' ');
    if (first != std::string::npos && text.compare(first, std::string::npos, "-0.00") == 0) {
        text = format(kAmount12, 0.0);
    }
    return text;
}

double parseDecimalText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    std::size_t intDigits = i - start;
    std::size_t fracDigits = 0;
    if (i < text.size() && text[i] == '.') {
        std::size_t fracStart = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        fracDigits = i - fracStart;
    }
    if (intDigits == 0 && fracDigits == 0) return 0.0;
    if (intDigits + fracDigits <= 15) {
        // The digits as a whole number, exact in a double, divided by an exact power of ten: the one
        // rounding of the division gives the double nearest the decimal, as the full conversion would.
        static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        long long whole = 0;
        for (std::size_t k = start; k < i; ++k)
            if (text[k] != '.') whole = whole * 10 + (text[k] - '0');
        const double value = static_cast<double>(whole) / kPowers[fracDigits];
        return negative ? -value : value;
    }
    std::string digits(text.substr(start, i - start));
    if (intDigits == 0) digits.insert(digits.begin(), '0');
    double value = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
    return negative ? -value : value;
}

int parseLeadingInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
        ++i;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return static_cast<int>(value);
}

bool isAllBlanks(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

}  // namespace tellmark::ledger
