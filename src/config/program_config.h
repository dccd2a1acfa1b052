#pragma once
// CIniSB: the program configuration "tellmark.ini" in the start directory, section "[TELLMARK]", and
// its configuration record. Each object holds one record; the document of the open booking circle
// keeps one, dialogs and start-up use short-lived ones.

#include <array>
#include <string>
#include <string_view>

#include "config/ini_file.h"
#include "config/program_config_fonts.h"
#include "resources/cp1252_literal.h"

namespace tellmark::config {

inline constexpr std::string_view kProgramConfigFileName = "tellmark.ini";
inline constexpr std::string_view kProgramConfigSection = "[TELLMARK]";
inline constexpr std::string_view kProgramConfigVersion = "W001002";

// Keys that code outside this class reads or sets one by one.
inline constexpr std::string_view kKeyVersion = "Version";
inline constexpr std::string_view kKeyScreenCell = cp<"Auflösung">();
inline constexpr std::string_view kKeyCompanionProgram = "TmonlineProgramm";
inline constexpr std::string_view kKeyCompanionImport = "TmonlineImport";

// Characters a record field holds; longer values are cut when read.
inline constexpr std::size_t kPathChars = 259;
inline constexpr std::size_t kPasswordChars = 31;
inline constexpr std::size_t kPrinterChars = 127;
inline constexpr std::size_t kFontTextChars = 127;
inline constexpr std::size_t kVatPresetChars = 6;
inline constexpr std::size_t kKeyTextChars = 25;

struct ProgramConfig {
    std::string dataDirectory;    // "Daten"; empty: program and data in one directory
    std::string backupDirectory;  // "Sicherung"
    std::string importDirectory;  // "Import"
    std::string exportDirectory;  // "Export"
    std::string password;         // "Passwort", plain; empty: no password
    std::string printer;          // "Drucker"
    int linesPerPage = 0;         // "Zeilen pro Seite"
    int topMargin = 0;            // "Rand oben"
    int leftMargin = 0;           // "Rand links"
    int colour = 0;               // "Farbe"
    ScreenCell screenCell;        // "Auflösung"
    std::string fontScreenNormal;  // "Font Scr normal"
    std::string fontScreenBold;    // "Font Scr fett"
    std::string fontPrintNormal;   // "Font Prn normal"
    std::string fontPrintNarrow;   // "Font Prn schmal"
    std::string vatPresetF7;       // "MwSt F7"
    std::string vatPresetF8;       // "MwSt F8"
    bool changesAllowed = false;   // "Änderung"
    bool thirteenthMonth = false;  // "13.Monat"
    bool signalTone = false;       // "Signalton"
    double euroFactor = 0.0;       // "Euro-Faktor"
    bool companionCash = false;     // "TmKasse"
    bool companionPayroll = false;  // "TmLohn"
    bool companionAssets = false;   // "TmAnlagen"
    bool centralTexts = false;      // "Texte zentral"
    std::array<std::string, 12> keyTexts;  // "Text F01" ... "Text F12"
    FontDescription fontBooking;   // "Font Buchung"
    FontDescription fontDialog;    // "Font Dialog"
    FontDescription fontUsage;     // "Font Nutzung"
    FontDescription fontScreen;    // "Font Bildschirm"
    std::string companionProgram;  // "TmonlineProgramm"
    std::string companionImport;   // "TmonlineImport"
};

// One key of "[TELLMARK]" in the order of a fresh file, with its default.
struct ProgramConfigKey {
    std::string_view key;
    std::string_view defaultValue;
};
// Every key, in file order.
const ProgramConfigKey* programConfigKeys(std::size_t& count);
// The default of a key; empty for an unknown key.
std::string_view programConfigDefault(std::string_view key);

class CIniSB : public CIniDatei {
public:
    // The file is "tellmark.ini" in startDirectory, or in the current directory when that is empty.
    explicit CIniSB(ui::Messages& messages, const std::string& startDirectory = {});

    ProgramConfig& config() { return config_; }
    const ProgramConfig& config() const { return config_; }

    // Opens (creating the file), sets every key to its default in file order, saves, closes.
    // The result of save; the result of open when the file cannot be opened.
    int createDefaults();
    // Reads every key into the record, opening the file for the time being unless it is open.
    // A missing "TmonlineProgramm" or "TmonlineImport" is set to its default and only then saved.
    // 1, or the result of the open or save that failed.
    int readAllSettings();
    // Opens, sets every key from the record in file order, saves, closes. The result of save.
    int writeAllSettings();
    // Brings an older file to "W001002": adds the screen cell and the four screen and dialog fonts
    // where missing (a cell shorter than five characters counts as missing), then ensures the two
    // companion-program keys. 1, or the result of the open or save that failed.
    int upgrade();
    // Sets the record's screen cell from its two screen fonts.
    void deriveScreenCell();

    // CIniDatei::open, and a file that is there but cannot be had (probe code 4, 16 or 0) is reported
    // with what to do about it: nothing works without the configuration, so its failure is never silent.
    int open(bool exclusive = false);

private:
    std::string getValue(std::string_view key) const;
    // Sets the two companion-program keys where missing and saves only then.
    int ensureCompanionKeys();

    std::string fileName_;
    ProgramConfig config_;
};

}  // namespace tellmark::config
