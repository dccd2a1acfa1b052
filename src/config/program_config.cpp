#include "config/program_config.h"

#include "config/ini_numbers.h"
#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_config.h"

namespace tellmark::config {

namespace {

using Config = ProgramConfig;

// How one key moves between the file and the record.
struct Setting {
    std::string_view key;
    std::string_view defaultValue;
    void (*read)(Config&, const std::string&);  // null: not in the record ("Version")
    std::string (*write)(const Config&);
};

std::string cut(const std::string& value, std::size_t width) { return value.substr(0, width); }
bool readFlag(const std::string& value) { return !value.empty() && (value[0] == 'J' || value[0] == 'j'); }
std::string writeFlag(bool on) { return on ? "J" : "N"; }
std::string writeInt(int value) { return format("%i", value); }

template <std::string Config::*Field, std::size_t Width>
void readText(Config& c, const std::string& v) { c.*Field = cut(v, Width); }
template <std::string Config::*Field>
std::string writeText(const Config& c) { return c.*Field; }

template <int Config::*Field>
void readInt(Config& c, const std::string& v) { c.*Field = parseIniInt(v); }
template <int Config::*Field>
std::string writeIntField(const Config& c) { return writeInt(c.*Field); }

template <bool Config::*Field>
void readFlagField(Config& c, const std::string& v) { c.*Field = readFlag(v); }
template <bool Config::*Field>
std::string writeFlagField(const Config& c) { return writeFlag(c.*Field); }

template <FontDescription Config::*Field>
void readFont(Config& c, const std::string& v) { c.*Field = parseFontDescription(v); }
template <FontDescription Config::*Field>
std::string writeFont(const Config& c) { return formatFontDescription(c.*Field); }

template <std::size_t I>
void readKeyText(Config& c, const std::string& v) { c.keyTexts[I] = cut(v, kKeyTextChars); }
template <std::size_t I>
std::string writeKeyText(const Config& c) { return c.keyTexts[I]; }

void readCell(Config& c, const std::string& v) { c.screenCell = parseScreenCell(v); }
std::string writeCell(const Config& c) { return formatScreenCell(c.screenCell); }
void readEuro(Config& c, const std::string& v) { c.euroFactor = parseIniDecimal(v); }
std::string writeEuro(const Config& c) { return formatIniFixed(c.euroFactor, 6); }  // "%f"

#define TEXT(field, width) &readText<&Config::field, width>, &writeText<&Config::field>
#define INT(field) &readInt<&Config::field>, &writeIntField<&Config::field>
#define FLAG(field) &readFlagField<&Config::field>, &writeFlagField<&Config::field>
#define FONT(field) &readFont<&Config::field>, &writeFont<&Config::field>
#define KEYTEXT(i) &readKeyText<i>, &writeKeyText<i>

constexpr std::string_view kDefaultScreenFont = "25,08,0400,Courier New";
constexpr std::string_view kDefaultDialogFont = "16,06,0700,Arial";

constexpr Setting kSettings[] = {
    {kKeyVersion, kProgramConfigVersion, nullptr, nullptr},
    {"Daten", "", TEXT(dataDirectory, kPathChars)},
    {"Sicherung", "A:          ", TEXT(backupDirectory, kPathChars)},
    {"Import", "", TEXT(importDirectory, kPathChars)},
    {"Export", "", TEXT(exportDirectory, kPathChars)},
    {"Passwort", "", TEXT(password, kPasswordChars)},
    {"Drucker", "", TEXT(printer, kPrinterChars)},
    {"Zeilen pro Seite", "68", INT(linesPerPage)},
    {"Rand oben", "0", INT(topMargin)},
    {"Rand links", "9", INT(leftMargin)},
    {"Farbe", "", INT(colour)},
    {kKeyScreenCell, "25,08", &readCell, &writeCell},
    {"Font Scr normal", "", TEXT(fontScreenNormal, kFontTextChars)},
    {"Font Scr fett", "", TEXT(fontScreenBold, kFontTextChars)},
    {"Font Prn normal", "240", TEXT(fontPrintNormal, kFontTextChars)},
    {"Font Prn schmal", "144", TEXT(fontPrintNarrow, kFontTextChars)},
    {"MwSt F7", " 7.00", TEXT(vatPresetF7, kVatPresetChars)},
    {"MwSt F8", "19.00", TEXT(vatPresetF8, kVatPresetChars)},
    {cp<"Änderung">(), "J", FLAG(changesAllowed)},
    {"13.Monat", "J", FLAG(thirteenthMonth)},
    {"Signalton", "J", FLAG(signalTone)},
    {"Euro-Faktor", "1.95583", &readEuro, &writeEuro},
    {"TmKasse", "", FLAG(companionCash)},
    {"TmLohn", "", FLAG(companionPayroll)},
    {"TmAnlagen", "", FLAG(companionAssets)},
    {"Texte zentral", "J", FLAG(centralTexts)},
    {"Text F01", "", KEYTEXT(0)},
    {"Text F02", "", KEYTEXT(1)},
    {"Text F03", "", KEYTEXT(2)},
    {"Text F04", "", KEYTEXT(3)},
    {"Text F05", "", KEYTEXT(4)},
    {"Text F06", "", KEYTEXT(5)},
    {"Text F07", "", KEYTEXT(6)},
    {"Text F08", "", KEYTEXT(7)},
    {"Text F09", "", KEYTEXT(8)},
    {"Text F10", "", KEYTEXT(9)},
    {"Text F11", "", KEYTEXT(10)},
    {"Text F12", "", KEYTEXT(11)},
    {"Font Buchung", kDefaultScreenFont, FONT(fontBooking)},
    {"Font Bildschirm", kDefaultScreenFont, FONT(fontScreen)},
    {"Font Dialog", kDefaultDialogFont, FONT(fontDialog)},
    {"Font Nutzung", kDefaultDialogFont, FONT(fontUsage)},
    {kKeyCompanionProgram, "C:\\Programme\\tmonline\\tmonline.exe", TEXT(companionProgram, kPathChars)},
    {kKeyCompanionImport, "C:\\Programme\\tmonline\\import", TEXT(companionImport, kPathChars)},
};

#undef TEXT
#undef INT
#undef FLAG
#undef FONT
#undef KEYTEXT

constexpr std::size_t kSettingCount = std::size(kSettings);

const Setting* findSetting(std::string_view key) {
    for (const Setting& s : kSettings)
        if (s.key == key) return &s;
    return nullptr;
}

// Keys an older file may lack; added with their defaults on upgrade.
constexpr std::string_view kUpgradeFontKeys[] = {"Font Buchung", "Font Bildschirm", "Font Dialog", "Font Nutzung"};

std::array<ProgramConfigKey, kSettingCount> makeKeyList() {
    std::array<ProgramConfigKey, kSettingCount> keys{};
    for (std::size_t i = 0; i < kSettingCount; ++i) keys[i] = {kSettings[i].key, kSettings[i].defaultValue};
    return keys;
}

}  // namespace

const ProgramConfigKey* programConfigKeys(std::size_t& count) {
    static const auto keys = makeKeyList();
    count = keys.size();
    return keys.data();
}

std::string_view programConfigDefault(std::string_view key) {
    const Setting* s = findSetting(key);
    return s ? s->defaultValue : std::string_view();
}

CIniSB::CIniSB(ui::Messages& messages, const std::string& startDirectory)
    : CIniDatei(messages),
      fileName_(startDirectory.empty() ? std::string(kProgramConfigFileName)
                                       : startDirectory + "/" + std::string(kProgramConfigFileName)) {
    setPath(fileName_);
}

std::string CIniSB::getValue(std::string_view key) const {
    std::string value;
    get(kProgramConfigSection, key, value);
    return value;
}

int CIniSB::createDefaults() {
    setPath(fileName_);
    int opened = open();
    if (opened != 1) return opened;
    for (const Setting& s : kSettings) set(kProgramConfigSection, s.key, s.defaultValue);
    int saved = save();
    close();
    return saved;
}

int CIniSB::ensureCompanionKeys() {
    bool added = false;
    std::string value;
    for (std::string_view key : {kKeyCompanionProgram, kKeyCompanionImport}) {
        if (get(kProgramConfigSection, key, value) == 1) continue;
        set(kProgramConfigSection, key, programConfigDefault(key));
        findSetting(key)->read(config_, getValue(key));
        added = true;
    }
    return added ? save() : 1;
}

int CIniSB::readAllSettings() {
    bool openedHere = false;
    if (!isOpen()) {
        int opened = open();
        if (opened != 1) return opened;
        openedHere = true;
    }
    for (const Setting& s : kSettings)
        if (s.read) s.read(config_, getValue(s.key));
    int result = ensureCompanionKeys();
    if (openedHere) close();
    return result;
}

int CIniSB::writeAllSettings() {
    setPath(fileName_);
    int opened = open();
    if (opened != 1) return opened;
    for (const Setting& s : kSettings)
        if (s.write) set(kProgramConfigSection, s.key, s.write(config_));
    int saved = save();
    close();
    return saved;
}

int CIniSB::upgrade() {
    setPath(fileName_);
    int opened = open();
    if (opened != 1) return opened;
    int result = readAllSettings();
    if (result == 1) {
        std::string version = getValue(kKeyVersion);
        int number = parseIniInt(version.empty() ? std::string_view() : std::string_view(version).substr(1));
        std::string value;
        if (number < parseIniInt(kProgramConfigVersion.substr(1))) {
            if (get(kProgramConfigSection, kKeyScreenCell, value) == 0 || value.size() < 5)
                set(kProgramConfigSection, kKeyScreenCell, programConfigDefault(kKeyScreenCell));
            for (std::string_view key : kUpgradeFontKeys)
                if (get(kProgramConfigSection, key, value) == 0)
                    set(kProgramConfigSection, key, programConfigDefault(key));
            set(kProgramConfigSection, kKeyVersion, kProgramConfigVersion);
            result = save();
            // The record follows the file.
            if (result == 1) result = readAllSettings();
        }
        if (result == 1) result = ensureCompanionKeys();
    }
    close();
    return result;
}

int CIniSB::open(bool exclusive) {
    const int opened = CIniDatei::open(exclusive);
    const int probe = lastProbe();
    if (opened != 1 &&
        (probe == platform::kProbeLocked || probe == platform::kProbeDiskFull || probe == platform::kProbeOther)) {
        std::string_view templ = probe == platform::kProbeLocked     ? text::kConfigLocked
                                 : probe == platform::kProbeDiskFull ? text::kConfigDiskFull
                                                                     : text::kConfigUnusable;
        messages_.show(format(templ, path().c_str()), text::kCaptionError, ui::kIconStop);
        return probe;
    }
    return opened;
}

void CIniSB::deriveScreenCell() {
    config_.screenCell = config::deriveScreenCell(config_.fontBooking, config_.fontScreen);
}

}  // namespace tellmark::config
