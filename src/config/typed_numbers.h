#pragma once
// Amounts and rates as the user types them, read only when the whole text is a number: blanks around it,
// a sign in front, digits with at most one decimal separator ('.' or ',') and at most two decimals.
// "1.234,56" is refused rather than guessed at: a German reader takes the point for thousands, the
// files for a decimal point. Exponents, a sign behind the digits, "NaN" and "inf" are no amounts either.

#include <string_view>

namespace tellmark::config {

enum class TypedNumberError {
    None,
    NotANumber,       // anything but blanks, one sign, digits and one separator, or no digit at all
    TooManyDecimals,  // a third decimal: a cent amount has two ("1.000" is no thousand here either)
};

struct TypedNumber {
    TypedNumberError error = TypedNumberError::None;
    double value = 0.0;
    bool ok() const { return error == TypedNumberError::None; }
};

// A blank text reads as 0 (an empty rate field is no rate; an empty amount is a zero booking).
TypedNumber readTypedNumber(std::string_view text);

}  // namespace tellmark::config
