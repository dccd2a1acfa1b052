#pragma once
// The fields of the booking circle administration ("Buchungskreisverwaltung"): their limits, the rules
// applied while typing, how they are filled from an existing circle, and creating or re-saving the
// circle's settings from them.

#include <cstddef>
#include <string>
#include <string_view>

#include "config/circle_settings.h"
#include "ui/messages.h"

namespace tellmark::circles {

inline constexpr std::size_t kNumberFieldLength = 3;
inline constexpr std::size_t kYearFieldLength = 4;
inline constexpr std::size_t kMonthFieldLength = 2;
inline constexpr std::size_t kChartFieldLength = 2;
inline constexpr int kMonthFieldMaximum = 12;

// The dialog's fields as typed.
struct CircleCreateFields {
    std::string year;                // "2009", or "0809" for the business year 2008/2009
    std::string firstMonth = "01";   // used only in a span year
    std::string name;
    std::string chart = "03";
    bool cashBasis = true;
    bool vat = true;
    std::string currency = "EUR";
    bool automaticNumbering = false;
    std::string nextDocumentNumber;  // six digits at most
};

// Chart field: "3" becomes "03", "4" becomes "04"; anything but "03"/"04" gives the message and "03".
std::string chartFieldRule(std::string_view text, ui::Messages& messages);
// Currency field: typed letters in upper case (umlauts too), three characters.
std::string currencyFieldRule(std::string_view text);
// Name field: cut to 56 characters.
std::string nameFieldRule(std::string_view text);
// The start month and its labels are enabled only while the year field holds a four-character span.
bool startMonthEnabled(std::string_view yearText);

// The fields as the dialog shows an existing circle.
CircleCreateFields fieldsFromSettings(const config::CircleSettings& settings);
// Reads an existing circle's settings into the fields; 0 after "Unerwarteter Fehler beim Öffnen/Lesen
// der Buchungskreisdaten !".
int loadCircleFields(const std::string& dataDirectory, int number, CircleCreateFields& fields,
                     ui::Messages& messages);

// Creates the circle's directory and settings file, or re-saves an existing one, from the fields.
// 1 when saved (the dialog ends with OK); 0 after a message (the dialog stays open).
int createCircleSettings(const std::string& dataDirectory, int number, const CircleCreateFields& fields,
                         ui::Messages& messages);

// Re-saves an existing circle's settings from the fields while holding its files of the year before and
// after the change, so that no other copy has it open meanwhile. 1 when saved; 0 after a message (the
// circle is open in another copy, or its settings cannot be read or written).
int changeCircleSettings(const std::string& dataDirectory, int number, const CircleCreateFields& fields,
                         ui::Messages& messages);

}  // namespace tellmark::circles
