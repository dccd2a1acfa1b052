#pragma once
// Booking years, business-year periods and date texts. Dates are held as text "DD.MM" or "DD.MM.YY" and
// as day/month integers; there is no date type. A booking year is either a calendar year (2009) or the
// span code YYZZ of a business year that does not start in January, stored as its integer (0809 -> 809).

#include <ctime>
#include <string>
#include <string_view>

namespace tellmark::config {

// --- Booking year value -------------------------------------------------------------------------------

// 1 when the four characters AABB hold a span: BB = AA + 1, or AA = 99 and BB = 00; never when AA is 20.
int isSpan(std::string_view fourChars);
// 1 when the year printed "%04i" is a span (809 -> "0809" -> 1; 2021 -> 0).
int isSpanYear(int year);
// Halves of a year: 1 for a span (four-digit halves by the pivot 50), 0 for a calendar year.
int splitYear(int year, std::string& first, std::string& second, bool fourDigit);
// The year before: calendar year - 1; a span moves both halves back (0809 -> 0708, 0001 -> 9900).
int previousYear(int year);
// Repairs a typed year; 1 when the value was corrected (two-digit -> four-digit, negative) or is invalid.
int normaliseYear(int& year, bool fourDigit);
// 1 in a leap year; a span answers for its second year (0708 -> 2008).
int isLeapYear(int year);
// Two-digit year to four digits with the pivot 50 (00-49 -> 20xx, 50-99 -> 19xx); others unchanged.
int fourDigitYear(int twoDigitYear);

// --- Day and month ----------------------------------------------------------------------------------

// Last day of a month (1-12; 13 and anything else have 31); February by the year's leap rule.
int lastDayOfMonth(int month, int year);
// Repairs day and month into a valid pair (month 13 allowed, February ends on the 29th); 1 when corrected.
int clampDayMonth(int& day, int& month);
// As above; with allowMonthZero the empty month 0 is kept instead of becoming 1.
int clampDayMonth(int& day, int& month, bool allowMonthZero);
// As above with February by the booking year (28 when the year is no usable year).
int clampDayMonthWithYear(int& day, int& month, bool allowMonthZero, int year);
// 1 when day and month form a date of the booking year that needs no repair.
int isValidDayMonth(int day, int month, bool allowMonthZero, int year);

// --- Business-year periods ------------------------------------------------------------------------------

// Calendar month -> position in the business year (identity for a calendar year); 0 and 13 unchanged.
int monthToPeriod(int month, int firstMonth, int flag);
// Position in the business year -> calendar month; inverse of monthToPeriod.
int periodToMonth(int period, int firstMonth, int flag);
// 1 when month/two-digit year lies in the range from..to inclusive; the years may wrap from 99 to 00.
int periodInRange(int month, int year, int fromMonth, int fromYear, int toMonth, int toYear);

// --- Date texts -------------------------------------------------------------------------------------------

// Typed "DD.MM" (or just "DD") -> "%02i.%02i" in result; 0 valid (previous takes the result), 1 not.
int parseDayMonth(std::string_view input, std::string& previous, std::string& result);
// Typed "DD.MM.YY" (or parts of it) -> "%02i.%02i.%02i" in result; 0 valid (previous takes it), 1 not.
int parseDayMonthYear(std::string_view input, std::string& previous, std::string& result);
// Exactly "DD.MM" as stored in a record -> day and month; 0 read, 1 not a five-character date.
int parseStoredDayMonth(std::string_view text, int& day, int& month);
// Month field: empty -> current month, bounded to 0..maximum, written "%02i"; 1 when bounded.
int parseMonth(std::string& text, int maximum, int currentMonth);
// Month part of "DD.MM" or "MM" (at most two digits), bounded to 0..maximum.
int monthOfDateText(std::string_view text, int maximum);
// Repairs a stored booking date ("3,5" -> "03.05"); 0 when it is no date; changed tells about a rewrite.
int normaliseTypedDate(std::string& text, int year, bool& changed);
// "DD.MM" -> "DD.MM.YY" with the calendar year of the month in the booking year.
std::string appendYear(std::string_view dayMonth, int bookingYear, int firstMonth);

// --- Today ------------------------------------------------------------------------------------------------

// Every form of the current date the dialogs preset.
struct Today {
    std::string year;                        // "%04i"
    std::string date;                        // "DD.MM.YY"
    std::string dayMonth;                    // "DD.MM"
    std::string month;                       // "MM"
    std::string firstOfMonth;                // "01.MM"
    std::string lastOfMonth;                 // "DD.MM", last day of the current month
    std::string lastOfPreviousMonth;         // "DD.MM", last day of the month before
    std::string lastOfPreviousMonthCompact;  // "DDMMYY", the same with its own year
};

// The forms of the date in now (fields tm_mday, tm_mon, tm_year as std::localtime fills them).
Today today(const std::tm& now);
// The forms of the local date of this moment.
Today today();

}  // namespace tellmark::config
