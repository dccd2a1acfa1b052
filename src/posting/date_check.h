#pragma once
// The date field of a booking line, taken only when the whole text is a date of the booking year.

#include <string>
#include <string_view>

#include "config/circle_settings.h"
#include "ui/messages.h"

namespace tellmark::posting {

// The calendar year a month of the booking year lies in: in a span year the months from the first month
// on lie in the first year, the others in the second; the closing month 13 ends the business year.
int calendarYearOfMonth(int month, const config::CircleSettings& settings);

// A day alone takes the month of the previous date (January without one); day and month, or day, month
// and year when the year is the one the month lies in. Month 1-12, 13 where the closing month is in use;
// the day must exist (no 31.04, no 29.02 outside a leap year). An empty field repeats the previous
// date and is refused without one. Refusals show their message (caption "FEHLER"); field: "DD.MM".
struct DateCheck {
    bool ok = false;
    std::string field;
};
DateCheck checkDate(std::string_view typed, std::string_view previous, const config::CircleSettings& settings,
                    bool thirteenthMonth, ui::Messages& messages);

}  // namespace tellmark::posting
