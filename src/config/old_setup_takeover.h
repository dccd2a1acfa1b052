#pragma once
// First start after the earlier DOS generation: when tellmark.ini is missing but the old setup files
// "KWSETUP.INI" or "install.buc" lie in the start directory, a complete tellmark.ini is made from them -
// every key of "[TELLMARK]" in file order, with its default unless an old value is taken over.
//
// Both old files are text in code page 850, lines ending in CR LF (a lone LF or CR ends a line too).
//
// install.buc, written by the old installer:
//   line 1  data directory                 -> "Daten"
//   line 2  backup drive or directory      -> "Sicherung"
//   further lines are not read. Surrounding blanks are dropped; an empty line takes over nothing.
//
// KWSETUP.INI, the old program's settings: lines "KEY=VALUE"; lines without '=' and lines starting
// with ';' or '[' are skipped, keys compare without regard to letter case, the value is the rest of the
// line; blanks around key and value are dropped. Its values win over those of install.buc.
//   DATEN      -> "Daten"               SICHERUNG -> "Sicherung"       IMPORT -> "Import"
//   EXPORT     -> "Export"              DRUCKER   -> "Drucker"
//   PASSWORT   -> "Passwort" (plain in the old file, stored scrambled; at most 16 of a-z A-Z 0-9 - .)
//   ZEILEN     -> "Zeilen pro Seite" (35-90)   RANDOBEN -> "Rand oben" (0-3)   RANDLINKS -> "Rand links" (0-40)
//   MWST1      -> "MwSt F7"  MWST2 -> "MwSt F8" (0-99.99, point or comma, stored "%5.2f")
//   AENDERUNG  -> "Änderung"  MONAT13 -> "13.Monat"  SIGNAL -> "Signalton" (J or N)
//   TEXT1 ... TEXT8 -> "Text F01" ... "Text F08" (cut to 25 characters)
// Unknown keys are skipped. A value that breaks its rule keeps the default and is named in a message.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::config {

inline constexpr std::string_view kOldSetupFileName = "KWSETUP.INI";
inline constexpr std::string_view kOldInstallFileName = "install.buc";

// Values for tellmark.ini keys (CP1252), in the order they were found, and the old values refused.
struct OldSetupValues {
    std::vector<std::pair<std::string, std::string>> values;    // tellmark.ini key, value as stored
    std::vector<std::pair<std::string, std::string>> rejected;  // old key, old value (CP1252)
};

// Both texts as the files hold them (CP850); an empty view for a file that is not there.
OldSetupValues readOldSetup(std::string_view kwsetup, std::string_view install);

// Whether either old setup file lies in the start directory (empty: the current directory).
bool oldSetupPresent(const std::string& startDirectory);

// Makes tellmark.ini from the old setup files: written beside and renamed into place when complete, so a
// crash leaves no half-made configuration that would keep the take-over from running again. 1 when it
// is in place; 0 after a message (then there is no tellmark.ini).
int takeOverOldSetup(const std::string& startDirectory, ui::Messages& messages, ui::Progress& progress);

// What start-up does when tellmark.ini is missing: the take-over when an old setup file is there, else a
// fresh file with the defaults. 1 when tellmark.ini is in place.
int createProgramConfigFile(const std::string& startDirectory, ui::Messages& messages, ui::Progress& progress);

}  // namespace tellmark::config
