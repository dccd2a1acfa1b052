#pragma once
// How balance reports place an amount: in the debit ("Soll") or the credit ("Haben") column, or as an
// absolute value with the side letter "S" or "H" behind it.

#include <string>

namespace tellmark::reports {

// The value rounded to cents, without a negative zero: sums of many slots carry binary noise that must
// neither print as "-0.00" nor decide a column.
double Cents(double value);

// "%12.2f" of a value >= 0 in the debit column, of the absolute value of a negative one in the credit
// column; the other column is a single blank.
struct DebitCredit {
    std::string debit;
    std::string credit;
};
DebitCredit DebitCreditColumns(double value);

// "%12.2f%1s": the absolute value and "S" when positive, "H" when negative, a blank when zero.
std::string SideAmount(double value);
// The same for totals: "S" for zero too.
std::string SideTotal(double value);

}  // namespace tellmark::reports
