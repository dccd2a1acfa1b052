#pragma once
// How a booking becomes the fields of a DATEV booking record: amount in cents, document numbers and
// text through the character rules of the interface, the date without point and leading zero, the
// closing month as the last day of the business year, and the VAT key from posting type and rate.

#include <string>
#include <string_view>

#include "config/circle_settings.h"

namespace tellmark::exports {

// Cents of an amount, rounded half away from zero.
long long datevCents(double amount);
// "Umsatz": the amount in cents, "-12345" for -123.45, "50" for 0.50.
std::string datevAmountText(long long cents);
// "Belegfeld1"/"Belegfeld2": without surrounding blanks; every character outside letters, digits and
// "$%&*+-/" becomes '*'.
std::string datevDocumentText(std::string_view document);
// "Text": without surrounding blanks; control characters (line ends too: a record is one line) become '.'.
std::string datevBookingText(std::string_view text);

// Day and month of a date in the export: the closing month 13 is the last day of the business year.
struct DatevDay {
    int day;
    int month;
};
DatevDay datevDay(int day, int month, const config::CircleSettings& settings);
// "Datum": day and month without point and leading zero ("503" for 05.03).
std::string datevDateText(int day, int month, const config::CircleSettings& settings);

// "BU-Schluessel": empty when the booking gets none. The rate counts as 19, 16, 7 or 0 within 0.005;
// calendarYear is the year the booking's month lies in (19 % has a key from 2007 on).
std::string_view datevVatKey(int postingType, double rate, int calendarYear);

}  // namespace tellmark::exports
