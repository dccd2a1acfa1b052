#pragma once
// The settings of the DATEV export: their checks in the order of the dialog "Datev-Export", the period
// as dates of the booking year, and storing them in the booking circle's settings file.

#include <string_view>

#include "circles/circle_settings_file.h"
#include "config/circle_settings.h"
#include "ui/messages.h"

namespace tellmark::exports {

// The fields of the dialog, in tab order.
enum class DatevField { None, Adviser, Client, Dfv, Password, Carrier, Accounting, From, To, Currency, Path };

struct DatevCheck {
    DatevField field = DatevField::None;  // None: everything is fine
    std::string_view message;             // caption "FEHLER"
};

// The first field that fails, in the order of the checks.
DatevCheck checkDatevSettings(const config::DatevData& data);

// The period of the export, calendar months 1-12 or 13 for the closing entries.
struct DatevPeriod {
    int fromDay = 0;
    int fromMonth = 0;
    int toDay = 0;
    int toMonth = 0;
};
// "DatevVon" and "DatevBis" as dates "DD.MM" (or "D.M") of the booking year; an end that lies before
// the start in the business year fails as the end.
DatevCheck checkDatevPeriod(const config::DatevData& data, const config::CircleSettings& settings,
                            DatevPeriod& period);

// Whether the period begins on the first day of the business year: then the opening balances may go
// out as opening bookings.
bool periodOpensBusinessYear(const DatevPeriod& period, const config::CircleSettings& settings);

// Position of a day in the business year, for comparing dates; the closing month comes last.
int businessDayKey(int day, int month, const config::CircleSettings& settings);

// Stores the ten keys (each cut to its capacity) and reads the settings record again. 1 saved; 0 after
// the message.
int saveDatevData(circles::CIniBK& settingsFile, const config::DatevData& data, ui::Messages& messages);

// Shows the check's message (caption "FEHLER"); false when there was one.
bool reportDatevCheck(const DatevCheck& check, ui::Messages& messages);

}  // namespace tellmark::exports
