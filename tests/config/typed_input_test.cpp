// Amounts, rates and dates are read only when the whole text has their form.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "config/typed_dates.h"
#include "config/typed_numbers.h"

namespace tellmark::config {
namespace {

TEST(TypedNumbers, GermanAndPlainFormsRead) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c : std::vector<Case>{{"1234,56", 1234.56}, {"1234.56", 1234.56}, {"-12,5", -12.5},
                                           {"  +7  ", 7.0},       {"5.", 5.0},          {",5", 0.5},
                                           {"", 0.0},             {"   ", 0.0},         {"0012", 12.0}}) {
        const TypedNumber n = readTypedNumber(c.text);
        EXPECT_TRUE(n.ok()) << c.text;
        EXPECT_DOUBLE_EQ(n.value, c.value) << c.text;
    }
    // "-0" would print as "-0.00" in a rate field.
    EXPECT_FALSE(std::signbit(readTypedNumber("-0").value));
}

TEST(TypedNumbers, AnythingElseIsRefused) {
    for (const char* text : {"1e9", "1E2", "1.234,56", "1,234.56", "12abc", "5-", "+-5", "- 5", "NaN", "nan", "inf",
                             "-inf", "0x10", "-", ".", ",", "1 000", "12\t", "\xC2\xBD"})
        EXPECT_EQ(readTypedNumber(text).error, TypedNumberError::NotANumber) << text;
    // "1.000" is a thousand to a German reader and one to the files: neither is guessed.
    for (const char* text : {"12.345", "1.000", "0,001"})
        EXPECT_EQ(readTypedNumber(text).error, TypedNumberError::TooManyDecimals) << text;
}

TEST(TypedDates, FormsOfTheDateField) {
    struct Case {
        const char* text;
        TypedDateForm form;
        int day, month, year;
    };
    for (const Case& c : std::vector<Case>{
             {"5", TypedDateForm::DayOnly, 5, 0, 0},
             {" 15.01 ", TypedDateForm::DayMonth, 15, 1, 0},
             {"3.1.", TypedDateForm::DayMonth, 3, 1, 0},
             {".05", TypedDateForm::DayMonth, 1, 5, 0},
             {"15.01.2010", TypedDateForm::DayMonthYear, 15, 1, 2010},
             {"15.01.09", TypedDateForm::DayMonthYear, 15, 1, 2009},
             {"15.01.50", TypedDateForm::DayMonthYear, 15, 1, 1950},
             {"", TypedDateForm::Empty, 0, 0, 0},
             {"  ", TypedDateForm::Empty, 0, 0, 0},
         }) {
        const TypedDate d = readTypedDate(c.text);
        EXPECT_EQ(d.form, c.form) << c.text;
        EXPECT_EQ(d.day, c.day) << c.text;
        EXPECT_EQ(d.month, c.month) << c.text;
        EXPECT_EQ(d.year, c.year) << c.text;
    }
    for (const char* text : {"123", "15.011", "15.01.200", "15.01.20100", "15.01.2009.", "1x.02", "15-01", "15,01",
                             "15.", "15..01", "15.01.+9", "15. 01"})
        EXPECT_EQ(readTypedDate(text).form, TypedDateForm::Malformed) << text;
}

}  // namespace
}  // namespace tellmark::config
