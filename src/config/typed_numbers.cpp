#include "config/typed_numbers.h"

#include <charconv>
#include <string>

namespace tellmark::config {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

TypedNumber refused(TypedNumberError error) {
    TypedNumber number;
    number.error = error;
    return number;
}

}  // namespace

TypedNumber readTypedNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    std::string digits;  // with '.' for whichever separator was typed
    std::size_t integerDigits = 0, decimals = 0;
    bool separator = false;
    for (char c : text) {
        if (isDigit(c)) {
            digits += c;
            (separator ? decimals : integerDigits) += 1;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
            digits += '.';
        } else {
            return refused(TypedNumberError::NotANumber);
        }
    }
    if (integerDigits + decimals == 0) return refused(TypedNumberError::NotANumber);
    if (decimals > 2) return refused(TypedNumberError::TooManyDecimals);

    if (integerDigits == 0) digits.insert(digits.begin(), '0');
    if (decimals == 0 && separator) digits.pop_back();  // "5." is 5
    TypedNumber number;
    const auto [end, status] =
        std::from_chars(digits.data(), digits.data() + digits.size(), number.value, std::chars_format::fixed);
    if (status != std::errc() || end != digits.data() + digits.size()) return refused(TypedNumberError::NotANumber);
    // "-0" is no negative rate that would print as "-0.00".
    if (negative && number.value != 0.0) number.value = -number.value;
    return number;
}

}  // namespace tellmark::config
