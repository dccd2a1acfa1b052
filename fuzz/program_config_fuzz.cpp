// The program configuration "tellmark.ini" from any file: the input is the file. Reading fills a record
// within its field widths and adds only the missing companion-program keys; the upgrade adds what an
// older file lacks and keeps every other value; writing the record and reading it back settles at once.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini_file.h"
#include "config/ini_numbers.h"
#include "config/program_config.h"
#include "fuzz_support.h"
#include "ui/messages.h"

namespace tellmark::fuzzing::program_config {
namespace {

using config::CIniSB;
using config::kProgramConfigSection;

std::vector<std::optional<std::string>> readKeys(const std::string& path) {
    ui::RecordingMessages messages;
    config::CIniDatei ini(messages);
    ini.setPath(path);
    FUZZ_CHECK(ini.open() == 1);
    std::size_t count = 0;
    const config::ProgramConfigKey* keys = config::programConfigKeys(count);
    std::vector<std::optional<std::string>> values(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string value;
        if (ini.get(kProgramConfigSection, keys[i].key, value) == 1) values[i] = value;
    }
    return values;
}

bool fontInRange(const config::FontDescription& f) {
    return f.height >= 10 && f.height <= 60 && f.width >= 4 && f.width <= 20 && f.weight >= 100 && f.weight <= 900 &&
           !f.face.empty();
}

void checkRecord(const config::ProgramConfig& c) {
    FUZZ_CHECK(c.dataDirectory.size() <= config::kPathChars);
    FUZZ_CHECK(c.password.size() <= config::kPasswordChars);
    FUZZ_CHECK(c.printer.size() <= config::kPrinterChars);
    FUZZ_CHECK(c.fontScreenNormal.size() <= config::kFontTextChars);
    FUZZ_CHECK(c.vatPresetF7.size() <= config::kVatPresetChars);
    FUZZ_CHECK(c.vatPresetF8.size() <= config::kVatPresetChars);
    for (const std::string& text : c.keyTexts) FUZZ_CHECK(text.size() <= config::kKeyTextChars);
    FUZZ_CHECK(c.screenCell.height >= 10 && c.screenCell.height <= 60);
    FUZZ_CHECK(c.screenCell.width >= 4 && c.screenCell.width <= 20);
    FUZZ_CHECK(fontInRange(c.fontBooking) && fontInRange(c.fontDialog));
    FUZZ_CHECK(fontInRange(c.fontUsage) && fontInRange(c.fontScreen));
}

bool isUpgradeKey(std::string_view key) {
    return key == config::kKeyVersion || key == config::kKeyScreenCell || key == "Font Buchung" ||
           key == "Font Bildschirm" || key == "Font Dialog" || key == "Font Nutzung" ||
           key == config::kKeyCompanionProgram || key == config::kKeyCompanionImport;
}

void run(std::string_view input) {
    const std::string& dir = scratchDir("program_config");
    const std::string path = dir + "/" + std::string(config::kProgramConfigFileName);
    writeBytes(path, input);
    ui::RecordingMessages messages;
    std::size_t count = 0;
    const config::ProgramConfigKey* keys = config::programConfigKeys(count);

    const auto before = readKeys(path);
    const bool companionKeysThere = before[count - 2].has_value() && before[count - 1].has_value();

    // Reading saves only to add the missing companion-program keys.
    {
        CIniSB sb(messages, dir);
        FUZZ_CHECK(sb.readAllSettings() == 1);
        FUZZ_CHECK(!sb.isOpen());
        checkRecord(sb.config());
    }
    const auto afterRead = readKeys(path);
    if (companionKeysThere) FUZZ_CHECK(readBytes(path) == input);
    FUZZ_CHECK(afterRead[count - 2].has_value() && afterRead[count - 1].has_value());
    for (std::size_t i = 0; i + 2 < count; ++i) FUZZ_CHECK(afterRead[i] == before[i]);

    // The upgrade of an older file adds the screen cell (where missing or too short) and the fonts (where
    // missing) and sets the version; a current file keeps them as they are. Nothing else changes.
    const std::string oldVersion = afterRead[0].value_or("");
    const std::string_view digits = oldVersion.empty() ? std::string_view() : std::string_view(oldVersion).substr(1);
    const bool older = config::parseIniInt(digits) < 1002;
    {
        CIniSB sb(messages, dir);
        FUZZ_CHECK(sb.upgrade() == 1);
        checkRecord(sb.config());
    }
    const auto upgraded = readKeys(path);
    const bool properLines = onlyCrLfLineEnds(input) && sectionOnOwnLines(input, kProgramConfigSection);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view key = keys[i].key;
        if (key == config::kKeyVersion) {
            const std::optional<std::string> version(config::kProgramConfigVersion);
            FUZZ_CHECK(upgraded[i] == (older ? version : afterRead[i]));
        } else if (key == config::kKeyScreenCell && older) {
            FUZZ_CHECK(upgraded[i].has_value() && upgraded[i]->size() >= 5);
            if (afterRead[i] && afterRead[i]->size() >= 5 && properLines) FUZZ_CHECK(upgraded[i] == afterRead[i]);
        } else if (isUpgradeKey(key) && older) {
            FUZZ_CHECK(upgraded[i].has_value());
            if (afterRead[i] && properLines) FUZZ_CHECK(upgraded[i] == afterRead[i]);
        } else if (properLines) {
            FUZZ_CHECK(upgraded[i] == afterRead[i]);
        }
    }

    // Writing the record settles: what is written reads back to the same record. One round may still
    // change a face name that starts with a NUL: it is written empty and reads back as "Courier New".
    std::string written;
    for (int round = 0; round < 3; ++round) {
        CIniSB sb(messages, dir);
        FUZZ_CHECK(sb.readAllSettings() == 1);
        FUZZ_CHECK(sb.writeAllSettings() == 1);
        std::string bytes = readBytes(path);
        if (round == 2) FUZZ_CHECK(bytes == written);
        written = bytes;
    }
    FUZZ_CHECK(messages.empty());
}

}  // namespace
}  // namespace tellmark::fuzzing::program_config

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::program_config::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
