// Date texts and booking years, each line of the input typed into every date field: a valid answer is
// always a real date in its fixed form, the remembered previous date stays valid, repairing a stored date
// is final after one pass, and years read from a settings value go through the year helpers safely.

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/dates.h"
#include "config/ini_numbers.h"
#include "fuzz_support.h"

namespace tellmark::fuzzing::dates {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int twoDigitsAt(std::string_view text, std::size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); }

// "DD.MM" of a day that exists in the month (month 13 holds the closing entries, February the 29th).
bool isDayMonth(std::string_view text) {
    if (text.size() != 5 || text[2] != '.' || !isDigit(text[0]) || !isDigit(text[1]) || !isDigit(text[3]) ||
        !isDigit(text[4]))
        return false;
    int day = twoDigitsAt(text, 0);
    int month = twoDigitsAt(text, 3);
    return month >= 1 && month <= 13 && config::clampDayMonth(day, month) == 0;
}

bool isDayMonthYear(std::string_view text) {
    return text.size() == 8 && isDayMonth(text.substr(0, 5)) && text[5] == '.' && isDigit(text[6]) &&
           isDigit(text[7]);
}

void typedDates(std::string_view line, std::string& previousDayMonth, std::string& previousDate) {
    std::string result = "unchanged";
    const std::string keptDayMonth = previousDayMonth;
    const int dayMonth = config::parseDayMonth(line, previousDayMonth, result);
    if (dayMonth == 0) {
        FUZZ_CHECK(isDayMonth(result) && previousDayMonth == result);
    } else {
        FUZZ_CHECK(dayMonth == 1);
        FUZZ_CHECK(result.empty() || result == "     " || isDayMonth(result));
        FUZZ_CHECK(previousDayMonth == keptDayMonth);
    }

    const std::string keptDate = previousDate;
    const int date = config::parseDayMonthYear(line, previousDate, result);
    if (date == 0) {
        FUZZ_CHECK(isDayMonthYear(result) && previousDate == result);
    } else {
        FUZZ_CHECK(date == 1);
        FUZZ_CHECK(result.empty() || isDayMonthYear(result));
        FUZZ_CHECK(previousDate == keptDate);
    }

    int day = -1, month = -1;
    const int stored = config::parseStoredDayMonth(line, day, month);
    FUZZ_CHECK(stored == (line.size() == 5 && line.find('.') != std::string_view::npos ? 0 : 1));

    std::string monthText(line);
    const int bounded = config::parseMonth(monthText, 13, 5);
    FUZZ_CHECK(bounded == 0 || bounded == 1);
    FUZZ_CHECK(monthText.size() == 2 && isDigit(monthText[0]) && isDigit(monthText[1]) &&
               twoDigitsAt(monthText, 0) <= 13);
    const int monthOfText = config::monthOfDateText(line, 12);
    FUZZ_CHECK(monthOfText >= 0 && monthOfText <= 12);
}

void storedDate(std::string_view line, int year) {
    std::string text(line);
    bool changed = true;
    if (config::normaliseTypedDate(text, year, changed) == 0) {
        FUZZ_CHECK(text == line && !changed);
        return;
    }
    FUZZ_CHECK(changed == (text != line));
    FUZZ_CHECK(text.size() == 5 && text[2] == '.');
    // Repaired for the booking year: a day of the month in that year.
    const int day = twoDigitsAt(text, 0);
    const int month = twoDigitsAt(text, 3);
    FUZZ_CHECK(config::isValidDayMonth(day, month, false, year) == 1);
    std::string again = text;
    FUZZ_CHECK(config::normaliseTypedDate(again, year, changed) == 1 && !changed && again == text);
}

// A year as a settings value holds it: any int.
void years(int year, std::string_view dayMonth) {
    std::string first, second;
    const int span = config::splitYear(year, first, second, false);
    FUZZ_CHECK(span == config::isSpanYear(year));
    FUZZ_CHECK(first.size() == 2 && second.size() == 2);
    if (span == 1) {
        FUZZ_CHECK(config::splitYear(year, first, second, true) == 1);
        FUZZ_CHECK(first.size() == 4 && second.size() == 4);
    }
    int normalised = year;
    config::normaliseYear(normalised, false);
    FUZZ_CHECK(normalised >= 0);
    normalised = year;
    config::normaliseYear(normalised, true);
    FUZZ_CHECK(normalised >= 0);
    (void)config::fourDigitYear(year);

    // The lowest int has no year before it and keeps its value.
    if (span == 0) FUZZ_CHECK(config::previousYear(year) == (year == INT_MIN ? year : year - 1));
    for (int month = 0; month <= 14; ++month) {
        const int last = config::lastDayOfMonth(month, year);
        FUZZ_CHECK(last >= 28 && last <= 31);
    }

    const int firstMonth = 1 + static_cast<int>(static_cast<unsigned>(year) % 12);
    const std::string withYear = config::appendYear(dayMonth, year, firstMonth);
    FUZZ_CHECK(withYear.size() == dayMonth.size() + 3);
    FUZZ_CHECK(withYear.compare(0, dayMonth.size(), dayMonth) == 0);
}

void periods(int value) {
    for (int firstMonth = 1; firstMonth <= 12; ++firstMonth) {
        for (int flag = 0; flag <= 1; ++flag) {
            for (int month = 0; month <= 13; ++month) {
                const int period = config::monthToPeriod(month, firstMonth, flag);
                FUZZ_CHECK(period >= 0 && period <= 13);
                FUZZ_CHECK(config::periodToMonth(period, firstMonth, flag) == month);
            }
            (void)config::monthToPeriod(value, firstMonth, flag);
            (void)config::periodToMonth(value, firstMonth, flag);
        }
    }
    // Two-digit years, as the period dialogs give them.
    const int year = static_cast<int>(static_cast<unsigned>(value) % 100);
    const int month = static_cast<int>(static_cast<unsigned>(value) % 13);
    FUZZ_CHECK(config::periodInRange(month, year, 1, year, 12, year) == (month >= 1 ? 1 : 0));
    (void)config::periodInRange(month, year, 7, (year + 99) % 100, 6, year);
}

void run(std::string_view input) {
    std::string previousDayMonth;
    std::string previousDate;
    for (std::string_view line : lines(input, 128)) {
        typedDates(line, previousDayMonth, previousDate);
        const int year = config::parseIniInt(line);
        for (int bookingYear : {2009, 809, 9900, 2008, 0, 49, -1, INT_MIN, INT_MAX, year})
            storedDate(line, bookingYear);
        years(year, previousDayMonth.empty() ? std::string_view("01.01") : std::string_view(previousDayMonth));
        for (int y : {2009, 809, 9900, 0, -809, INT_MAX}) years(y, line.substr(0, 5));
        periods(year);

        // Repaired once, a day and month need no second repair.
        int day = year, month = static_cast<int>(line.size()) - 3;
        config::clampDayMonthWithYear(day, month, true, year);
        FUZZ_CHECK(config::isValidDayMonth(day, month, true, year) == 1);
        FUZZ_CHECK(config::isSpan(line) == 0 || line.size() == 4);
    }
}

}  // namespace
}  // namespace tellmark::fuzzing::dates

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::dates::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
