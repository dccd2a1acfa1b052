#include "posting/date_check.h"

#include "config/dates.h"
#include "config/typed_dates.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_input.h"

namespace tellmark::posting {

namespace {

constexpr int kClosingMonth = 13;

DateCheck refused(ui::Messages& messages, std::string_view text) {
    messages.show(text, text::kCaptionError, ui::kIconStop);
    return {};
}

int monthOfPrevious(std::string_view previous) {
    const config::TypedDate date = config::readTypedDate(previous);
    return date.form == config::TypedDateForm::DayMonth ? date.month : 1;
}

}  // namespace

int calendarYearOfMonth(int month, const config::CircleSettings& settings) {
    if (!settings.spanYear) return settings.firstYear4;
    return month >= settings.firstMonth && month <= 12 ? settings.firstYear4 : settings.secondYear4;
}

DateCheck checkDate(std::string_view typed, std::string_view previous, const config::CircleSettings& settings,
                    bool thirteenthMonth, ui::Messages& messages) {
    config::TypedDate date = config::readTypedDate(typed);
    if (date.form == config::TypedDateForm::Empty) {
        if (config::readTypedDate(previous).form == config::TypedDateForm::Empty)
            return refused(messages, text::kDateMissing);
        return checkDate(previous, {}, settings, thirteenthMonth, messages);
    }
    if (date.form == config::TypedDateForm::Malformed) return refused(messages, text::kDateMalformed);
    if (date.form == config::TypedDateForm::DayOnly) date.month = monthOfPrevious(previous);

    const int lastMonth = thirteenthMonth ? kClosingMonth : 12;
    if (date.month < 1 || date.month > lastMonth || date.day < 1)
        return refused(messages, format(text::kDateNotInCalendar, date.day, date.month));
    const int year = calendarYearOfMonth(date.month, settings);
    if (date.form == config::TypedDateForm::DayMonthYear && date.year != year)
        return refused(messages, format(text::kDateOutsideBookingYear, date.day, date.month, date.year));
    const int lastDay = date.month == kClosingMonth ? 31 : config::lastDayOfMonth(date.month, year);
    if (date.day > lastDay) return refused(messages, format(text::kDateNotInCalendar, date.day, date.month));
    return {true, format("%02i.%02i", date.day, date.month)};
}

}  // namespace tellmark::posting
