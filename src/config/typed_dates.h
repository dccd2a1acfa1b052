#pragma once
// A booking date as the user types it, read only when the whole text has one of the date forms: a day
// alone ("5"), day and month ("15.01", "15.1", "15.01."), or day, month and a two- or four-digit year
// ("15.01.09", "15.01.2009"). Blanks around it are allowed. Whether the day exists and the year is the
// booking year is the caller's question; this only says what was typed.

#include <string_view>

namespace tellmark::config {

enum class TypedDateForm {
    Empty,
    Malformed,
    DayOnly,
    DayMonth,
    DayMonthYear,
};

struct TypedDate {
    TypedDateForm form = TypedDateForm::Malformed;
    int day = 0;
    int month = 0;  // 0 for a day alone
    int year = 0;   // four digits (a two-digit year by the pivot 50); 0 without a year
};

TypedDate readTypedDate(std::string_view text);

}  // namespace tellmark::config
