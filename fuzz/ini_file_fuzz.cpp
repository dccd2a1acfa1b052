// The settings-file class on any file: the input is the file. It must open and read whole, give back what
// was set (passwords unscrambled), keep every other key it could read while keys are set (in a file of
// proper lines and sections), and save exactly the text it holds, so that reading the file again finds
// the same.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/ini_file.h"
#include "config/ini_scramble.h"
#include "fuzz_support.h"
#include "ui/messages.h"

namespace tellmark::fuzzing::ini_file {
namespace {

constexpr std::array<std::string_view, 2> kSections = {"[TELLMARK]", "[BUCHUNGSKREIS]"};
// Plain keys, both password keys, and keys that share a beginning.
constexpr std::array<std::string_view, 9> kKeys = {"Version", "Daten", "Passwort", "BK-Passwort", "Name",
                                                   "Text F1", "Text F12", "Jahr", "1.Monat"};
constexpr std::size_t kPairs = kSections.size() * kKeys.size();

std::string_view sectionOf(std::size_t pair) { return kSections[pair / kKeys.size()]; }
std::string_view keyOf(std::size_t pair) { return kKeys[pair % kKeys.size()]; }

// What get must give back after set: one line of the value, passwords without the characters that
// cannot be typed, at most the length a value is read to.
std::string expectedValue(std::string_view key, std::string_view value) {
    std::size_t end = value.find_first_of(std::string_view("\r\n\0", 3));
    std::string line(value.substr(0, end == std::string_view::npos ? value.size() : end));
    if (config::isPasswordKey(key)) {
        std::string typed;
        for (char c : line)
            if (static_cast<unsigned char>(c) >= 32) typed += c;
        line = typed;
    }
    return line.substr(0, config::kIniMaxValue);
}

bool sectionsOnOwnLines(std::string_view text) {
    for (std::string_view section : kSections)
        if (!sectionOnOwnLines(text, section)) return false;
    return true;
}

using Values = std::array<std::optional<std::string>, kPairs>;

Values readAll(const config::CIniDatei& ini) {
    Values values;
    for (std::size_t p = 0; p < kPairs; ++p) {
        std::string value;
        if (ini.get(sectionOf(p), keyOf(p), value) == 1) values[p] = value;
        else FUZZ_CHECK(value.empty());
    }
    return values;
}

// Bare LF and CR line ends are read as CR LF.
std::string withCrLf(std::string_view input) {
    std::string out;
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n') {
            out += "\r\n";
            ++i;
        } else if (input[i] == '\r' || input[i] == '\n') {
            out += "\r\n";
        } else {
            out += input[i];
        }
    }
    return out;
}

void run(std::string_view input) {
    const std::string path = scratchDir("ini_file") + "/settings.ini";
    writeBytes(path, input);

    ui::RecordingMessages messages;
    config::CIniDatei ini(messages);
    ini.setPath(path);
    FUZZ_CHECK(ini.open() == 1);
    FUZZ_CHECK(ini.text() == withCrLf(input));  // whole, however long, every line end read as CR LF

    Values values = readAll(ini);
    const bool properLines = onlyCrLfLineEnds(input);

    // Sets chosen and filled by the input itself: pair and value from slices of it.
    const unsigned sum = byteSum(input);
    for (std::size_t round = 0; round < 4; ++round) {
        const std::size_t pair = (sum + round * 7 + input.size()) % kPairs;
        const std::size_t from = input.empty() ? 0 : (sum * (round + 1)) % input.size();
        const std::string_view value = input.substr(from, (sum >> round) % 160);

        const bool ownLinesBefore = sectionsOnOwnLines(ini.text());
        FUZZ_CHECK(ini.set(sectionOf(pair), keyOf(pair), value) == config::kIniSetDone);
        std::string got;
        FUZZ_CHECK(ini.get(sectionOf(pair), keyOf(pair), got) == 1);
        FUZZ_CHECK(got == expectedValue(keyOf(pair), value));

        // Every other key that could be read still reads the same, as long as lines and sections are
        // proper ones. The same key in the other section may find the line just set, as keys are searched
        // on into later sections.
        Values now = readAll(ini);
        const bool proper = properLines && ownLinesBefore && sectionsOnOwnLines(ini.text());
        for (std::size_t p = 0; p < kPairs && proper; ++p) {
            if (keyOf(p) == keyOf(pair)) continue;
            if (values[p]) FUZZ_CHECK(now[p] == values[p]);
        }
        values = now;
    }

    FUZZ_CHECK(ini.set("", "Daten", "x") == 0);
    FUZZ_CHECK(ini.set("[TELLMARK]", "", "x") == 0);

    const std::string held = ini.text();
    FUZZ_CHECK(ini.save() == 1);
    ini.close();
    FUZZ_CHECK(readBytes(path) == held);

    config::CIniDatei again(messages);
    again.setPath(path);
    FUZZ_CHECK(again.open() == 1);
    FUZZ_CHECK(again.text() == held);
    FUZZ_CHECK(readAll(again) == values);
    // A closed file is not saved, and the one message says so.
    again.close();
    FUZZ_CHECK(again.save() == config::kIniNotOpen);
    FUZZ_CHECK(messages.entries.size() == 1);

    // Scrambling gives back the typed password, and never a byte that would end or split the line.
    const std::string typed = expectedValue("Passwort", input.substr(0, 64));
    const std::string stored = config::scramblePassword(typed);
    FUZZ_CHECK(stored.size() == typed.size());
    FUZZ_CHECK(stored.find_first_of(std::string_view("\r\n\0\xFC", 4)) == std::string::npos);
    FUZZ_CHECK(config::unscramblePassword(stored) == typed);
}

}  // namespace
}  // namespace tellmark::fuzzing::ini_file

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::ini_file::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
