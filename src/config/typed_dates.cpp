#include "config/typed_dates.h"

#include <vector>

#include "config/dates.h"

namespace tellmark::config {

namespace {

// 1 to maxDigits digits; -1 for anything else.
int digitsValue(std::string_view part, std::size_t maxDigits) {
    if (part.empty() || part.size() > maxDigits) return -1;
    int value = 0;
    for (char c : part) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::vector<std::string_view> partsAtDots(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t dot = text.find('.', start);
        parts.push_back(text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
        if (dot == std::string_view::npos) return parts;
        start = dot + 1;
    }
}

}  // namespace

TypedDate readTypedDate(std::string_view text) {
    TypedDate date;
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        date.form = TypedDateForm::Empty;
        return date;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::vector<std::string_view> parts = partsAtDots(text);
    // "15.01." is day and month with the dot of German writing behind them.
    if (parts.size() == 3 && parts[2].empty()) parts.pop_back();
    if (parts.size() > 3) return date;

    // ".05" keeps the short form of the day field: the first of the month.
    const int day = parts.size() >= 2 && parts[0].empty() ? 1 : digitsValue(parts[0], 2);
    if (day < 0) return date;
    date.day = day;
    if (parts.size() == 1) {
        date.form = TypedDateForm::DayOnly;
        return date;
    }
    const int month = digitsValue(parts[1], 2);
    if (month < 0) return date;
    date.month = month;
    if (parts.size() == 2) {
        date.form = TypedDateForm::DayMonth;
        return date;
    }
    if (parts[2].size() != 2 && parts[2].size() != 4) return date;
    const int year = digitsValue(parts[2], 4);
    if (year < 0) return date;
    date.year = parts[2].size() == 2 ? fourDigitYear(year) : year;
    date.form = TypedDateForm::DayMonthYear;
    return date;
}

}  // namespace tellmark::config
