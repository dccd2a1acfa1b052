#include "config/dates.h"

#include <climits>
#include <cstddef>

#include "resources/format.h"

namespace tellmark::config {

namespace {

// Decimal value at the start of a text: blanks skipped, optional sign, digits; saturates instead of
// overflowing. A text without digits reads as 0, as the date fields expect.
int leadingInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < INT_MAX) value = value * 10 + (text[i] - '0');
    }
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(negative ? -value : value);
}

// A half of a four-character year text: blanks then digits only ("%4i" pads with blanks).
bool readHalf(std::string_view half, int& value) {
    std::size_t i = 0;
    while (i < half.size() && half[i] == ' ') ++i;
    value = 0;
    for (; i < half.size(); ++i) {
        if (half[i] < '0' || half[i] > '9') return false;
        value = value * 10 + (half[i] - '0');
    }
    return true;
}

// A year whose first half is 20 is a calendar year of this century, never the business year 2020/2021.
bool halvesFormSpan(int first, int second) {
    if (first == 20) return false;
    return second == first + 1 || (first == 99 && second == 0);
}

bool textIsSpan(std::string_view fourChars, int& first, int& second) {
    if (fourChars.size() != 4) return false;
    if (!readHalf(fourChars.substr(0, 2), first) || !readHalf(fourChars.substr(2, 2), second)) return false;
    return halvesFormSpan(first, second);
}

// Halves of a stored year as "%4i" prints it: 809 -> " 809" -> 8 and 9.
bool storedYearIsSpan(int year, int& first, int& second) {
    return textIsSpan(format("%4i", year), first, second);
}

int lastTwoDigits(int year) {
    return ((year % 100) + 100) % 100;
}

bool isShortMonth(int month) {
    return month == 4 || month == 6 || month == 9 || month == 11;
}

int clampWithFebruaryEnd(int& day, int& month, bool allowMonthZero, int februaryEnd) {
    int corrected = 0;
    if (day <= 0) {
        day = 1;
        corrected = 1;
    }
    if (month > 13) {
        month = 12;
        corrected = 1;
    } else if (month < 0 || (month == 0 && !allowMonthZero)) {
        month = 1;
        corrected = 1;
    }
    int last = month == 2 ? februaryEnd : isShortMonth(month) ? 30 : 31;
    if (day > last) {
        day = last;
        corrected = 1;
    }
    return corrected;
}

// February's end in a booking year; a year that is neither two-digit nor a valid four-digit year or span
// gives the 28th.
int februaryEnd(int year) {
    if (year < 0) return 28;
    int normalised = year;
    if (normaliseYear(normalised, true) != 0 && year >= 100) return 28;
    return isLeapYear(normalised) ? 29 : 28;
}

std::string twoDigits(int value) {
    return format("%02i", value);
}

}  // namespace

int isSpan(std::string_view fourChars) {
    int first = 0, second = 0;
    return textIsSpan(fourChars, first, second) ? 1 : 0;
}

int isSpanYear(int year) {
    return isSpan(format("%04i", year));
}

int splitYear(int year, std::string& first, std::string& second, bool fourDigit) {
    int a = 0, b = 0;
    if (storedYearIsSpan(year, a, b)) {
        if (fourDigit) {
            const char* century = a < 50 ? "20" : "19";
            first = format("%s%02i", century, a);
            second = format("%s%02i", a == 99 ? "20" : century, b);
        } else {
            first = twoDigits(a);
            second = twoDigits(b);
        }
        return 1;
    }
    if (fourDigit) {
        first = format("%04i", year);
    } else {
        first = twoDigits(lastTwoDigits(year));
    }
    second = first;
    return 0;
}

int previousYear(int year) {
    int a = 0, b = 0;
    // A damaged value as low as an int goes has no year before it; it stays as it is.
    if (!storedYearIsSpan(year, a, b)) return year == INT_MIN ? year : year - 1;
    a = a == 0 ? 99 : a - 1;
    b = b == 0 ? 99 : b - 1;
    return a * 100 + b;
}

int normaliseYear(int& year, bool fourDigit) {
    if (year < 0) {
        year = 0;
        return 1;
    }
    if (fourDigit) {
        if (year <= 49) {
            year += 2000;
            return 1;
        }
        if (year <= 99) {
            year += 1900;
            return 1;
        }
        if ((year >= 2050 || year <= 1950) && !isSpanYear(year)) return 1;
        return 0;
    }
    std::string text = format("%4i", year);
    int twoDigit = leadingInt(std::string_view(text).substr(text.size() - 2));
    if (twoDigit == year) return 0;
    year = twoDigit;
    return 1;
}

int isLeapYear(int year) {
    // Same cycle as (year - 1952) % 4, without the overflow of the subtraction for the lowest ints.
    return ((year % 4) + 4) % 4 == 0 ? 1 : 0;
}

int fourDigitYear(int twoDigitYear) {
    if (twoDigitYear >= 0 && twoDigitYear <= 49) return twoDigitYear + 2000;
    if (twoDigitYear >= 50 && twoDigitYear <= 99) return twoDigitYear + 1900;
    return twoDigitYear;
}

int lastDayOfMonth(int month, int year) {
    if (month == 2) return isLeapYear(year) ? 29 : 28;
    return isShortMonth(month) ? 30 : 31;
}

int clampDayMonth(int& day, int& month) {
    return clampWithFebruaryEnd(day, month, false, 29);
}

int clampDayMonth(int& day, int& month, bool allowMonthZero) {
    return clampWithFebruaryEnd(day, month, allowMonthZero, 29);
}

int clampDayMonthWithYear(int& day, int& month, bool allowMonthZero, int year) {
    return clampWithFebruaryEnd(day, month, allowMonthZero, februaryEnd(year));
}

int isValidDayMonth(int day, int month, bool allowMonthZero, int year) {
    return clampDayMonthWithYear(day, month, allowMonthZero, year) == 0 ? 1 : 0;
}

int monthToPeriod(int month, int firstMonth, int flag) {
    if ((firstMonth == 1 && flag != 1) || firstMonth < 1 || firstMonth > 12) return month;
    if (month >= firstMonth && month < 13) return month - firstMonth + 1;
    if (month < firstMonth && month > 0) return month - firstMonth + 13;
    return month;
}

int periodToMonth(int period, int firstMonth, int flag) {
    if ((firstMonth == 1 && flag != 1) || firstMonth < 1 || firstMonth > 12) return period;
    if (period > 13 - firstMonth && period < 13) return period + firstMonth - 13;
    if (period > 0 && period < 13) return period + firstMonth - 1;
    return period;
}

int periodInRange(int month, int year, int fromMonth, int fromYear, int toMonth, int toYear) {
    if (fromYear == toYear) return year == fromYear && fromMonth <= month && month <= toMonth ? 1 : 0;
    // A range that wraps from 99 to 00 continues the from year's century: years up to the to year
    // count as the following century.
    bool wraps = fromYear > toYear;
    auto key = [&](int y) { return wraps && y <= toYear ? y + 100 : y; };
    int y = key(year), to = key(toYear);
    bool afterStart = y > fromYear || (y == fromYear && month >= fromMonth);
    bool beforeEnd = y < to || (y == to && month <= toMonth);
    return afterStart && beforeEnd ? 1 : 0;
}

int parseDayMonth(std::string_view input, std::string& previous, std::string& result) {
    if (input.empty()) {
        // A previous "DD.MM.YY" keeps its day and month only: this field holds "DD.MM".
        result = previous.empty() ? std::string("01.01") : previous.substr(0, 5);
        previous = result;
        return 0;
    }
    std::string_view dayText, monthText;
    std::size_t dot = input.find('.');
    if (dot != std::string_view::npos) {
        dayText = dot == 0 ? std::string_view("01") : input.substr(0, dot);
        monthText = input.substr(dot + 1);
    } else if (input.size() <= 2) {
        dayText = input;
        if (previous.empty()) {
            monthText = "01";
        } else if (previous.size() < 6) {
            monthText = std::string_view(previous).substr(previous.size() >= 2 ? previous.size() - 2 : 0);
        } else {
            monthText = std::string_view(previous).substr(3, 2);
        }
    } else {
        result.clear();
        return 1;
    }
    int day = leadingInt(dayText);
    int month = leadingInt(monthText);
    if (day <= 0) {
        result = "     ";
        return 1;
    }
    int corrected = clampDayMonth(day, month);
    result = format("%02i.%02i", day, month);
    if (corrected == 0) previous = result;
    return corrected;
}

int parseDayMonthYear(std::string_view input, std::string& previous, std::string& result) {
    if (input.empty()) {
        result = previous.empty() ? std::string("01.01.08") : previous;
        previous = result;
        return 0;
    }
    const std::string_view prev(previous);
    const std::string_view previousMonth = prev.size() >= 5 ? prev.substr(3, 2) : std::string_view("01");
    const std::string_view previousYearPart = prev.size() > 6 ? prev.substr(6) : std::string_view("96");

    std::string_view dayText, monthText, yearText;
    std::size_t firstDot = input.find('.');
    if (firstDot == std::string_view::npos) {
        if (input.size() > 2) {
            result.clear();
            return 1;
        }
        dayText = input;
        monthText = previousMonth;
        yearText = previousYearPart;
    } else {
        dayText = firstDot == 0 ? std::string_view("01") : input.substr(0, firstDot);
        std::size_t secondDot = input.find('.', firstDot + 1);
        if (secondDot == std::string_view::npos) {
            monthText = input.substr(firstDot + 1);
            yearText = previousYearPart;
        } else {
            monthText = input.substr(firstDot + 1, secondDot - firstDot - 1);
            yearText = input.substr(secondDot + 1);
            if (yearText.empty()) yearText = previousYearPart;
        }
    }
    int day = leadingInt(dayText);
    int month = leadingInt(monthText);
    // The year keeps its last two digits so that the text stays "DD.MM.YY".
    int year = lastTwoDigits(leadingInt(yearText));
    int corrected = clampDayMonth(day, month);
    result = format("%02i.%02i.%02i", day, month, year);
    if (corrected == 0) previous = result;
    return corrected;
}

int parseStoredDayMonth(std::string_view text, int& day, int& month) {
    std::size_t dot = text.find('.');
    if (text.size() != 5 || dot == std::string_view::npos) return 1;
    day = leadingInt(text.substr(0, dot));
    month = leadingInt(text.substr(dot + 1));
    return 0;
}

int parseMonth(std::string& text, int maximum, int currentMonth) {
    int month = text.empty() ? currentMonth : leadingInt(text);
    int bounded = 0;
    if (month < 0) {
        month = 0;
        bounded = 1;
    } else if (month > maximum) {
        month = maximum;
        bounded = 1;
    }
    text = format("%02i", month);
    return bounded;
}

int monthOfDateText(std::string_view text, int maximum) {
    std::size_t dot = text.find('.');
    std::string_view part = dot == std::string_view::npos ? text : text.substr(dot + 1);
    std::size_t start = 0;
    while (start < part.size() && part[start] == ' ') ++start;
    part = part.substr(start);
    std::size_t end = part.find('.');
    if (end == std::string_view::npos) end = part.size();
    int month = leadingInt(part.substr(0, end < 2 ? end : 2));
    if (month > maximum) month = maximum;
    if (month < 0) month = 0;
    return month;
}

int normaliseTypedDate(std::string& text, int year, bool& changed) {
    changed = false;
    // "dd.mm" of a day that exists is already what the rest would make of it (it runs for every booking
    // read back by reorganisation).
    const auto digit = [&text](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
    if (text.size() == 5 && text[2] == '.' && digit(0) && digit(1) && digit(3) && digit(4)) {
        int day = (text[0] - '0') * 10 + (text[1] - '0');
        int month = (text[3] - '0') * 10 + (text[4] - '0');
        if (clampDayMonthWithYear(day, month, false, year) == 0) return 1;
    }
    std::string work = text;
    if (work.find('.') == std::string::npos) {
        static constexpr std::string_view kSeparators = ",;:-_#'+*~!\xA7$%&/()=?";
        std::size_t at = work.find_first_of(kSeparators);
        if (at != std::string::npos) work[at] = '.';
    }
    std::string kept;
    for (char c : work) {
        if ((c >= '0' && c <= '9') || c == '.') kept += c;
    }
    int day = 0, month = 0;
    std::size_t dot = kept.find('.');
    if (dot == std::string::npos) {
        if (kept.size() != 4) return 0;
        day = leadingInt(std::string_view(kept).substr(0, 2));
        month = leadingInt(std::string_view(kept).substr(2, 2));
    } else {
        day = leadingInt(std::string_view(kept).substr(0, dot));
        month = leadingInt(std::string_view(kept).substr(dot + 1));
    }
    clampDayMonthWithYear(day, month, false, year);
    std::string normalised = format("%02i.%02i", day, month);
    if (normalised != text) {
        text = normalised;
        changed = true;
    }
    return 1;
}

std::string appendYear(std::string_view dayMonth, int bookingYear, int firstMonth) {
    std::string first, second;
    int span = splitYear(bookingYear, first, second, false);
    int month = dayMonth.size() > 3 ? leadingInt(dayMonth.substr(3, 2)) : 0;
    bool inFirstYear = !span || (month >= firstMonth && month <= 12);
    return std::string(dayMonth) + format(".%2s", (inFirstYear ? first : second).c_str());
}

Today today(const std::tm& now) {
    int year = now.tm_year + 1900;
    int month = now.tm_mon + 1;
    int day = now.tm_mday;
    int previousMonth = month == 1 ? 12 : month - 1;
    // The month before January lies in the year before.
    int yearOfPreviousMonth = month == 1 ? year - 1 : year;
    int lastOfPrevious = lastDayOfMonth(previousMonth, yearOfPreviousMonth);

    Today t;
    t.year = format("%04i", year);
    t.date = format("%02i.%02i.%02s", day, month, twoDigits(lastTwoDigits(year)).c_str());
    t.dayMonth = format("%02i.%02i", day, month);
    t.month = twoDigits(month);
    t.firstOfMonth = format("%02i.%02i", 1, month);
    t.lastOfMonth = format("%02i.%02i", lastDayOfMonth(month, year), month);
    t.lastOfPreviousMonth = format("%02i.%02i", lastOfPrevious, previousMonth);
    t.lastOfPreviousMonthCompact =
        format("%02i%02i%02i", lastOfPrevious, previousMonth, lastTwoDigits(yearOfPreviousMonth));
    return t;
}

Today today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return today(local);
}

}  // namespace tellmark::config
