#include "config/old_setup_takeover.h"

#include <cstdlib>

#include "config/file_names.h"
#include "config/ini_file.h"
#include "config/program_config.h"
#include "platform/codepage.h"
#include "platform/directory.h"
#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_config.h"
#include "resources/texts_setup_takeover.h"

namespace tellmark::config {

namespace {

enum class Rule { Path, Text, Password, Lines, TopMargin, LeftMargin, Rate, Flag, KeyText };

struct OldKey {
    std::string_view oldKey;
    std::string_view newKey;
    Rule rule;
};

constexpr OldKey kOldKeys[] = {
    {"DATEN", "Daten", Rule::Path},
    {"SICHERUNG", "Sicherung", Rule::Path},
    {"IMPORT", "Import", Rule::Path},
    {"EXPORT", "Export", Rule::Path},
    {"DRUCKER", "Drucker", Rule::Text},
    {"PASSWORT", "Passwort", Rule::Password},
    {"ZEILEN", "Zeilen pro Seite", Rule::Lines},
    {"RANDOBEN", "Rand oben", Rule::TopMargin},
    {"RANDLINKS", "Rand links", Rule::LeftMargin},
    {"MWST1", "MwSt F7", Rule::Rate},
    {"MWST2", "MwSt F8", Rule::Rate},
    {"AENDERUNG", cp<"Änderung">(), Rule::Flag},
    {"MONAT13", "13.Monat", Rule::Flag},
    {"SIGNAL", "Signalton", Rule::Flag},
    {"TEXT1", "Text F01", Rule::KeyText},
    {"TEXT2", "Text F02", Rule::KeyText},
    {"TEXT3", "Text F03", Rule::KeyText},
    {"TEXT4", "Text F04", Rule::KeyText},
    {"TEXT5", "Text F05", Rule::KeyText},
    {"TEXT6", "Text F06", Rule::KeyText},
    {"TEXT7", "Text F07", Rule::KeyText},
    {"TEXT8", "Text F08", Rule::KeyText},
};

constexpr std::string_view kPasswordCharacters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-.";
constexpr std::size_t kPasswordMaxChars = 16;

std::string trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// CR LF, a lone LF and a lone CR each end a line: no value may carry a line end into tellmark.ini.
std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

bool allDigits(std::string_view text) {
    if (text.empty() || text.size() > 3) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

bool wholeNumberIn(std::string_view text, int low, int high, std::string& out) {
    if (!allDigits(text)) return false;
    const int value = std::atoi(std::string(text).c_str());
    if (value < low || value > high) return false;
    out = format("%i", value);
    return true;
}

// 0 to 99.99 with at most two decimals, point or comma.
bool rateText(std::string_view text, std::string& out) {
    std::string digits(text);
    const auto mark = digits.find_first_of(".,");
    std::string whole = digits.substr(0, mark);
    std::string cents = mark == std::string::npos ? std::string() : digits.substr(mark + 1);
    if (whole.empty() || whole.size() > 2 || cents.size() > 2) return false;
    for (const std::string* part : {&whole, &cents})
        for (char c : *part)
            if (c < '0' || c > '9') return false;
    cents.resize(2, '0');
    out = format("%5.2f", std::atoi(whole.c_str()) + std::atoi(cents.c_str()) / 100.0);
    return true;
}

// The value as tellmark.ini stores it, or false when the old value breaks the key's rule.
bool ruleValue(Rule rule, const std::string& value, std::string& out) {
    switch (rule) {
    case Rule::Path:
        if (value.size() > kPathChars) return false;
        out = value;
        return true;
    case Rule::Text:
        if (value.size() > kPrinterChars) return false;
        out = value;
        return true;
    case Rule::Password:
        if (value.size() > kPasswordMaxChars || value.find_first_not_of(kPasswordCharacters) != std::string::npos)
            return false;
        out = value;
        return true;
    case Rule::Lines: return wholeNumberIn(value, 35, 90, out);
    case Rule::TopMargin: return wholeNumberIn(value, 0, 3, out);
    case Rule::LeftMargin: return wholeNumberIn(value, 0, 40, out);
    case Rule::Rate: return rateText(value, out);
    case Rule::Flag:
        if (value != "J" && value != "j" && value != "N" && value != "n") return false;
        out.assign(1, value == "J" || value == "j" ? 'J' : 'N');
        return true;
    case Rule::KeyText:
        out = value.substr(0, kKeyTextChars);
        return true;
    }
    return false;
}

void takeValue(const OldKey& key, const std::string& value, OldSetupValues& out) {
    std::string stored;
    if (ruleValue(key.rule, value, stored))
        out.values.emplace_back(std::string(key.newKey), stored);
    else
        out.rejected.emplace_back(std::string(key.oldKey), value);
}

const OldKey* findOldKey(std::string_view name) {
    for (const OldKey& key : kOldKeys)
        if (key.oldKey == name) return &key;
    return nullptr;
}

std::string inStart(const std::string& startDirectory, std::string_view name) {
    return joinPath(startDirectory, std::string(name));
}

}  // namespace

OldSetupValues readOldSetup(std::string_view kwsetup, std::string_view install) {
    OldSetupValues out;
    const std::vector<std::string> installLines = linesOf(platform::cp850ToCp1252(install));
    const std::string_view installKeys[] = {"DATEN", "SICHERUNG"};
    for (std::size_t i = 0; i < std::size(installKeys) && i < installLines.size(); ++i) {
        const std::string value = trim(installLines[i]);
        if (!value.empty()) takeValue(*findOldKey(installKeys[i]), value, out);
    }
    for (const std::string& line : linesOf(platform::cp850ToCp1252(kwsetup))) {
        const auto equals = line.find('=');
        if (line.empty() || line[0] == ';' || line[0] == '[' || equals == std::string::npos) continue;
        const OldKey* key = findOldKey(upperAscii(trim(std::string_view(line).substr(0, equals))));
        if (key) takeValue(*key, trim(std::string_view(line).substr(equals + 1)), out);
    }
    return out;
}

bool oldSetupPresent(const std::string& startDirectory) {
    return platform::fileExists(inStart(startDirectory, kOldSetupFileName)) ||
           platform::fileExists(inStart(startDirectory, kOldInstallFileName));
}

int takeOverOldSetup(const std::string& startDirectory, ui::Messages& messages, ui::Progress& progress) {
    const std::string kwsetupPath = inStart(startDirectory, kOldSetupFileName);
    const std::string installPath = inStart(startDirectory, kOldInstallFileName);
    const bool haveKwsetup = platform::fileExists(kwsetupPath);
    const bool haveInstall = platform::fileExists(installPath);
    if (!haveKwsetup && !haveInstall) {
        messages.show(text::kMsgSetupTakeOverNoOldFile, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    progress.start(text::kProgressSetupTakeOverCaption, "", text::kProgressSetupTakeOverText, "", 3, ui::kBarEndless);
    auto fail = [&](std::string_view message) {
        if (!message.empty()) messages.show(message, text::kCaptionError, ui::kIconStop);
        progress.end();
        return 0;
    };
    std::string kwsetup, install;
    if (haveKwsetup && !platform::readWholeFile(kwsetupPath, kwsetup)) return fail(text::kMsgSetupTakeOverKwsetupUnopenable);
    if (haveInstall && !platform::readWholeFile(installPath, install)) return fail(text::kMsgSetupTakeOverInstallUnopenable);
    progress.step(1);
    const OldSetupValues old = readOldSetup(kwsetup, install);

    // Made complete under another name, then renamed into place.
    const std::string iniPath = inStart(startDirectory, kProgramConfigFileName);
    const std::string making = iniPath + ".neu";
    platform::removeFile(making);
    CIniDatei ini(messages);
    ini.setPath(making);
    if (ini.open() != 1) return fail({});
    std::size_t count = 0;
    const ProgramConfigKey* keys = programConfigKeys(count);
    for (std::size_t i = 0; i < count; ++i) ini.set(kProgramConfigSection, keys[i].key, keys[i].defaultValue);
    for (const auto& [key, value] : old.values) ini.set(kProgramConfigSection, key, value);
    const int saved = ini.save();
    ini.close();
    progress.step(1);
    if (saved != 1) {
        platform::removeFile(making);
        return fail({});
    }
    if (!platform::replaceFile(making, iniPath)) {
        platform::removeFile(making);
        return fail(format(text::kIniCannotCreate, iniPath.c_str()));
    }
    progress.step(1);
    progress.end();
    for (const auto& [key, value] : old.rejected)
        messages.show(format(text::kMsgSetupTakeOverValueRejected, value.c_str(), key.c_str()), text::kCaptionInformation,
                      ui::kIconInformation);
    return 1;
}

int createProgramConfigFile(const std::string& startDirectory, ui::Messages& messages, ui::Progress& progress) {
    if (oldSetupPresent(startDirectory)) return takeOverOldSetup(startDirectory, messages, progress);
    CIniSB ini(messages, startDirectory);
    return ini.createDefaults();
}

}  // namespace tellmark::config
