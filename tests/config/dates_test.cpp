#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "config/dates.h"
#include "resources/format.h"

namespace tellmark::config {
namespace {

// "span first/second" as splitYear reports it.
std::string split(int year, bool fourDigit) {
    std::string first, second;
    int span = splitYear(year, first, second, fourDigit);
    return format("%i %s/%s", span, first.c_str(), second.c_str());
}

// "DD.MM r" after clamping, year 0 meaning the form without year.
std::string clamp(int day, int month, bool allowZero = false, int year = 0) {
    int r = year ? clampDayMonthWithYear(day, month, allowZero, year) : clampDayMonth(day, month, allowZero);
    return format("%02i.%02i %i", day, month, r);
}

TEST(BookingYear, SplitSpanAndPrevious) {
    EXPECT_EQ(split(809, true), "1 2008/2009");
    EXPECT_EQ(split(809, false), "1 08/09");
    EXPECT_EQ(split(2021, true), "0 2021/2021");  // 21 = 20 + 1, still the calendar year
    EXPECT_EQ(split(2009, false), "0 09/09");
    EXPECT_EQ(split(1920, true), "1 2019/2020");
    EXPECT_EQ(split(9900, true), "1 1999/2000");
    EXPECT_EQ(split(1, true), "1 2000/2001");
    EXPECT_EQ(isSpan("0809") + isSpan("9900"), 2);
    EXPECT_EQ(isSpan("0810") + isSpan("809") + isSpan("2021"), 0);
    EXPECT_EQ(isSpanYear(809), 1);
    EXPECT_EQ(isSpanYear(2021), 0);

    EXPECT_EQ(previousYear(2009), 2008);
    EXPECT_EQ(previousYear(809), 708);
    EXPECT_EQ(previousYear(9900), 9899);
    EXPECT_EQ(previousYear(1), 9900);
}

TEST(BookingYear, Normalise) {
    struct Case {
        int in, out, result;
    } cases[] = {{1951, 1951, 0}, {2049, 2049, 0}, {1950, 1950, 1}, {2050, 2050, 1}, {49, 2049, 1}, {50, 1950, 1},
                 {-3, 0, 1},      {809, 809, 0},   {1920, 1920, 0}, {500, 500, 1},   {9900, 9900, 0}};
    for (const Case& c : cases) {
        int year = c.in;
        EXPECT_EQ(normaliseYear(year, true), c.result) << c.in;
        EXPECT_EQ(year, c.out) << c.in;
    }
    int year = 2009;
    EXPECT_EQ(normaliseYear(year, false), 1);
    EXPECT_EQ(year, 9);
    year = 809;
    normaliseYear(year, false);
    EXPECT_EQ(year, 9);
}

TEST(DayMonth, Clamp) {
    EXPECT_EQ(clamp(31, 2), "29.02 1");
    EXPECT_EQ(clamp(31, 2, false, 2009), "28.02 1");
    EXPECT_EQ(clamp(31, 2, false, 2008), "29.02 1");
    // A span answers for February of its second year; a year that is no booking year ends on the 28th.
    EXPECT_EQ(clamp(30, 2, false, 708), "29.02 1");
    EXPECT_EQ(clamp(30, 2, false, 809), "28.02 1");
    EXPECT_EQ(clamp(30, 2, false, 3000), "28.02 1");
    EXPECT_EQ(clamp(31, 13), "31.13 0");
    EXPECT_EQ(clamp(31, 4), "30.04 1");
    EXPECT_EQ(clamp(0, 5), "01.05 1");
    EXPECT_EQ(clamp(40, 14), "31.12 1");
    EXPECT_EQ(clamp(15, 0, true), "15.00 0");
    EXPECT_EQ(clamp(15, 0, false), "15.01 1");
    EXPECT_EQ(isValidDayMonth(0, 0, false, 2009) + isValidDayMonth(29, 2, false, 2009), 0);
    EXPECT_EQ(isValidDayMonth(29, 2, false, 2008), 1);
}

TEST(Periods, BusinessYearPositionsAndRanges) {
    EXPECT_EQ(monthToPeriod(7, 7, 1), 1);
    EXPECT_EQ(monthToPeriod(6, 7, 1), 12);
    EXPECT_EQ(monthToPeriod(13, 7, 1), 13);
    EXPECT_EQ(monthToPeriod(5, 1, 0), 5);
    for (int first = 1; first <= 12; ++first) {
        for (int month = 0; month <= 13; ++month) {
            EXPECT_EQ(periodToMonth(monthToPeriod(month, first, 1), first, 1), month) << first << "/" << month;
        }
    }
    EXPECT_EQ(periodInRange(5, 9, 3, 9, 6, 9), 1);
    EXPECT_EQ(periodInRange(7, 9, 3, 9, 6, 9) + periodInRange(5, 8, 3, 9, 6, 9), 0);
    EXPECT_EQ(periodInRange(12, 8, 7, 8, 6, 9), 1);
    EXPECT_EQ(periodInRange(6, 8, 7, 8, 6, 9), 0);
    // October 1999 to March 2000.
    EXPECT_EQ(periodInRange(12, 99, 10, 99, 3, 0) + periodInRange(2, 0, 10, 99, 3, 0), 2);
    EXPECT_EQ(periodInRange(4, 0, 10, 99, 3, 0) + periodInRange(9, 99, 10, 99, 3, 0), 0);
    EXPECT_EQ(periodInRange(5, 50, 10, 99, 3, 0), 0);
}

TEST(DateTexts, DayMonthAndDayMonthYear) {
    // "result text|previous afterwards|code"
    auto dm = [](const char* in, std::string previous) {
        std::string result;
        int r = parseDayMonth(in, previous, result);
        return result + "|" + previous + "|" + std::to_string(r);
    };
    EXPECT_EQ(dm("5", "12.03"), "05.03|05.03|0");
    EXPECT_EQ(dm("", ""), "01.01|01.01|0");
    EXPECT_EQ(dm("7", "12.04.09"), "07.04|07.04|0");
    EXPECT_EQ(dm(".5", "12.03"), "01.05|01.05|0");
    EXPECT_EQ(dm("123", "12.03"), "|12.03|1");
    EXPECT_EQ(dm("0.5", "12.03"), "     |12.03|1");
    EXPECT_EQ(dm("31.2", "12.03"), "29.02|12.03|1");

    auto dmy = [](const char* in, std::string previous) {
        std::string result;
        int r = parseDayMonthYear(in, previous, result);
        return result + "|" + previous + "|" + std::to_string(r);
    };
    EXPECT_EQ(dmy("", ""), "01.01.08|01.01.08|0");
    EXPECT_EQ(dmy("5", ""), "05.01.96|05.01.96|0");
    EXPECT_EQ(dmy("5.3", "12.04.09"), "05.03.09|05.03.09|0");
    EXPECT_EQ(dmy("6.7.", "12.04.09"), "06.07.09|06.07.09|0");
    EXPECT_EQ(dmy("6.7.10", "12.04.09"), "06.07.10|06.07.10|0");
    EXPECT_EQ(dmy("0.3.10", "12.04.09"), "01.03.10|12.04.09|1");
    EXPECT_EQ(dmy("123", "12.04.09"), "|12.04.09|1");
}

TEST(DateTexts, StoredDatesMonthsAndYears) {
    int day = 0, month = 0;
    EXPECT_EQ(parseStoredDayMonth("05.13", day, month), 0);
    EXPECT_EQ(day * 100 + month, 513);
    EXPECT_EQ(parseStoredDayMonth("5.3", day, month) + parseStoredDayMonth("05-03", day, month), 2);

    std::string text;
    EXPECT_EQ(parseMonth(text, 12, 4), 0);
    EXPECT_EQ(text, "04");
    text = "15";
    EXPECT_EQ(parseMonth(text, 12, 4), 1);
    EXPECT_EQ(text, "12");
    text = "-1";
    EXPECT_EQ(parseMonth(text, 13, 4), 1);
    EXPECT_EQ(text, "00");

    EXPECT_EQ(monthOfDateText("05.11", 12), 11);
    EXPECT_EQ(monthOfDateText("11", 12), 11);
    EXPECT_EQ(monthOfDateText("05.13", 12), 12);
    EXPECT_EQ(monthOfDateText("05.1.08", 13), 1);

    EXPECT_EQ(appendYear("12.03", 809, 7), "12.03.09");
    EXPECT_EQ(appendYear("12.08", 809, 7), "12.08.08");
    EXPECT_EQ(appendYear("31.13", 809, 7), "31.13.09");
    EXPECT_EQ(appendYear("12.03", 2009, 1), "12.03.09");
    EXPECT_EQ(appendYear("12.03", 9900, 4), "12.03.00");
}

TEST(DateTexts, NormaliseTypedDates) {
    struct Case {
        const char* in;
        const char* out;
        int result;
        bool changed;
    } cases[] = {{"3,5", "03.05", 1, true},   {"0305", "03.05", 1, true},  {"31.02", "28.02", 1, true},
                 {"03.05", "03.05", 1, false}, {"12 - 4", "12.04", 1, true}, {"1\xA7" "5", "01.05", 1, true},
                 {"031", "031", 0, false},     {"abc", "abc", 0, false},     {"5.0", "05.01", 1, true}};
    for (const Case& c : cases) {
        std::string text = c.in;
        bool changed = !c.changed;
        EXPECT_EQ(normaliseTypedDate(text, 2009, changed), c.result) << c.in;
        EXPECT_EQ(text, c.out) << c.in;
        EXPECT_EQ(changed, c.changed) << c.in;
    }
}

TEST(Today, EveryFormFromTheClock) {
    auto on = [](int day, int month, int year) {
        std::tm t{};
        t.tm_mday = day;
        t.tm_mon = month - 1;
        t.tm_year = year - 1900;
        Today d = today(t);
        return d.year + " " + d.date + " " + d.dayMonth + " " + d.month + " " + d.firstOfMonth + " " +
               d.lastOfMonth + " " + d.lastOfPreviousMonth + " " + d.lastOfPreviousMonthCompact;
    };
    EXPECT_EQ(on(15, 1, 2024), "2024 15.01.24 15.01 01 01.01 31.01 31.12 311223");
    EXPECT_EQ(on(10, 3, 2024), "2024 10.03.24 10.03 03 01.03 31.03 29.02 290224");
    EXPECT_EQ(on(1, 2, 2009), "2009 01.02.09 01.02 02 01.02 28.02 31.01 310109");
    EXPECT_EQ(today().year.size(), 4u);
}

}  // namespace
}  // namespace tellmark::config
