#pragma once
// The booking year change ("Buchungsjahrwechsel"): the open booking circle moves to another booking year.
// A year whose balance file exists is opened as it is. Otherwise its files are made first - with the chart
// of the open year and the closing balances of the accounts the carry-forward rule keeps, or empty - and
// only once they are complete does the settings file name the new year; then the document is opened on
// it. The old year's files are only read, so an interruption at any point leaves the old year whole and
// the settings naming either the old year or a new year whose files are complete.

#include <string>
#include <string_view>

#include "circles/document.h"
#include "config/circle_settings.h"
#include "ui/messages.h"

namespace tellmark::yearend {

// The year as typed: four digits, a calendar year (1951-2049) or a business-year span ("0809"). With
// sameKindAs (a year > 0) the year must be of the same kind as that one: a circle whose business year
// starts in another month than January keeps doing so. -1 after "Ungültiges Buchungsjahr !".
int parseBookingYear(std::string_view typed, int sameKindAs, ui::Messages& messages);

enum class NewYearState {
    Present,    // its balance file exists: the year is opened as it is
    Missing,    // nothing there yet: the chart take-over decides what the new files hold
    OldFormat,  // only the old-format balance file and journal: the opening converts them
    Locked,     // a file of the year is held by another copy or write-protected
};
NewYearState probeNewYear(circles::CVt36Doc& doc, int year);

// The choices of "Buchungsjahr wechseln / Kontenplan übernehmen".
struct YearChangeChoices {
    bool takeChart = true;
    bool takeBalances = true;
    bool resetPrivate = true;  // counts only where the choice is shown
};
// The private accounts choice is offered to a chart 03 circle with a cash-basis result only.
bool privateChoiceShown(const config::CircleSettings& settings);
// The dialog's first line for the chart of the circle, with the old year.
std::string chartTakeOverIntro(const config::CircleSettings& settings);

enum class YearChangeEnd {
    Changed,   // the document is open on the new year
    Refused,   // nothing changed, the old year is still open (after its message)
    Restored,  // the new year could not be opened: the settings name the old year again and it is open
    Closed,    // neither year could be opened (after the messages)
};

// The document must be open. Choices count only when the new year has to be made.
YearChangeEnd changeBookingYear(circles::CVt36Doc& doc, int year, const YearChangeChoices& choices);

}  // namespace tellmark::yearend
