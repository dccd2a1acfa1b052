#pragma once
// What the configuration dialogs store into the configuration record on "&OK". The dialogs themselves
// belong to the desktop program; the rules here are shared with the command line.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "config/program_config.h"
#include "ui/messages.h"

namespace tellmark::config {

// Screen fonts ("Schriftgrößen für Bildschirmanzeige"): ten cell sizes, shown as width " x " height.
struct ScreenFontSize {
    int width;
    int height;
};
inline constexpr std::array<ScreenFontSize, 10> kScreenFontSizes = {{
    {7, 20}, {8, 25}, {9, 28}, {10, 30}, {11, 31}, {12, 36}, {13, 36}, {14, 40}, {15, 46}, {16, 49},
}};
inline constexpr int kBoldWeight = 700;
inline constexpr int kNormalWeight = 400;

struct ScreenFontChoice {
    std::size_t sizeIndex = 1;
    bool bold = false;
};

// "8 x 25".
std::string screenFontSizeLabel(std::size_t sizeIndex);
// Widths above 13 are always bold.
bool boldForced(std::size_t sizeIndex);
// The default button: "8 x 25" on a desktop of at least 800 x 600 pixels, else "7 x 20"; not bold.
ScreenFontChoice defaultScreenFontChoice(int desktopWidth, int desktopHeight);
// The choice a stored font shows when the dialog opens: the size of equal width and height, else of
// equal width, else "8 x 25"; bold from weight 700.
ScreenFontChoice screenFontChoiceOf(const FontDescription& font);
// The font a choice stands for: always "Courier New", weight 700 when bold or forced bold.
FontDescription screenFontOf(const ScreenFontChoice& choice);
// OK: sets "Font Buchung" and "Font Bildschirm", the two dialog fonts to 16, 6, 700, "Arial", derives
// the screen cell, writes all settings and, when that worked, says the change takes effect at the next
// start. The result of writing.
int acceptScreenFonts(CIniSB& settings, const ScreenFontChoice& booking, const ScreenFontChoice& screen,
                      ui::Messages& messages);

// "Seiteneinstellungen": lines per page 35..90, top margin 0..3. Reports lay out their pages from these,
// so the dialog and "config set" take nothing else.
struct PageSettingLimits {
    std::string_view key;
    int lowest;
    int highest;
};
inline constexpr PageSettingLimits kLinesPerPageLimits = {"Zeilen pro Seite", 35, 90};
inline constexpr PageSettingLimits kTopMarginLimits = {"Rand oben", 0, 3};
// The limits of a key, or nullptr when it is no page setting.
const PageSettingLimits* pageSettingLimits(std::string_view key);
// The one check: the value within its limits, else "Der Wert für \"%s\" muss eine ganze Zahl von %i bis
// %i sein !" (caption "FEHLER").
bool pageSettingHolds(const PageSettingLimits& limits, long long value, ui::Messages& messages);
// A value as typed: digits only, blanks around them allowed, and within the limits.
bool pageSettingTextHolds(const PageSettingLimits& limits, std::string_view value, ui::Messages& messages);
// On OK: both values checked, then stored with the format codes 2106 "%2i" and 2105 "%1i". False, and
// nothing stored, when one is outside its limits.
bool storePageSettings(ProgramConfig& config, int linesPerPage, int topMargin, ui::Messages& messages);
// The same without a message.
bool storePageSettings(ProgramConfig& config, int linesPerPage, int topMargin);

// "Vorbelegung der Mehrwertsteuersätze": a rate 0..99.99 is stored as "%5.2f", at most six characters.
std::string vatPresetText(double rate);
// The stored preset as the dialog shows it, "%.2f".
std::string vatPresetDisplay(std::string_view stored);
// False, and nothing stored, when a rate is outside 0..99.99.
bool storeVatPresets(ProgramConfig& config, double rateF7, double rateF8);

// "Standardtexte Einrichten / Ändern": "Text F01" ... "Text F08", each cut to 25 characters.
void storeStandardTexts(ProgramConfig& config, const std::array<std::string, 8>& texts);

// The program password field: keeps only letters a-z, A-Z, digits, '-' and '.', at most 16 characters.
std::string filterPasswordTyping(std::string_view typed);
// "Konfiguration für Buchungstechnik": the password (empty without the check box) filtered and trimmed,
// and the 12/13-month choice.
void storeBookingTechnique(ProgramConfig& config, bool usePassword, std::string_view password,
                           bool thirteenMonths);

// "Programmverwaltung": an empty data directory when program and data share one directory.
void storeProgramManagement(ProgramConfig& config, bool separateDataDirectory, std::string_view dataDirectory,
                            std::string_view companionProgram, std::string_view companionImport);

}  // namespace tellmark::config
