// Files of the earlier DOS generation from any bytes: the first byte picks the balance file, the journal,
// the standard bookings or the setup files. A conversion either refuses the bytes and gives nothing, or
// gives whole records of the new layout with their end marks; the setup take-over gives values that fit
// on one line of tellmark.ini.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "circles/old_format_conversion.h"
#include "config/old_setup_takeover.h"
#include "fuzz_support.h"
#include "ui/progress.h"

namespace tellmark::fuzzing::old_data {
namespace {

bool wholeRecords(const std::string& bytes, std::size_t size, std::string_view end) {
    if (bytes.size() % size != 0) return false;
    for (std::size_t pos = 0; pos < bytes.size(); pos += size)
        if (bytes.compare(pos + size - end.size(), end.size(), end) != 0) return false;
    return true;
}

void run(std::string_view input) {
    if (input.empty()) return;
    const char pick = input[0];
    input.remove_prefix(1);
    ui::NoProgress progress;
    std::string out;
    switch (static_cast<unsigned char>(pick) % 4) {
    case 0: {
        const circles::OldBalanceForm form = circles::detectOldBalanceForm(input);
        if (!circles::convertOldBalanceFile(input, form, out, progress)) {
            FUZZ_CHECK(out.empty());
            return;
        }
        FUZZ_CHECK(wholeRecords(out, 202, "*\r\n"));
        const std::size_t oldSize = form == circles::OldBalanceForm::Short ? 190 : 202;
        FUZZ_CHECK(out.size() / 202 <= input.size() / oldSize);
        for (std::size_t pos = 0; pos < out.size(); pos += 202) FUZZ_CHECK(out.compare(pos, 5, "     ") != 0);
        return;
    }
    case 1:
        if (!circles::convertOldJournal(input, out, progress)) {
            FUZZ_CHECK(out.empty());
            return;
        }
        FUZZ_CHECK(wholeRecords(out, 64, "\r\n") && out.size() <= input.size());
        for (std::size_t pos = 0; pos < out.size(); pos += 64) FUZZ_CHECK(out.compare(pos, 5, "     ") != 0);
        return;
    case 2:
        if (!circles::convertOldStandardBookings(input, out, progress)) {
            FUZZ_CHECK(out.empty());
            return;
        }
        FUZZ_CHECK(out.size() == input.size());
        for (std::size_t pos = 0; pos < out.size(); pos += 64) FUZZ_CHECK(out[pos] == 'X' || out[pos] == ' ');
        return;
    default: {
        const std::size_t half = input.size() / 2;
        const config::OldSetupValues values = config::readOldSetup(input.substr(0, half), input.substr(half));
        for (const auto& [key, value] : values.values) {
            FUZZ_CHECK(!key.empty());
            FUZZ_CHECK(value.find_first_of("\r\n") == std::string::npos);
        }
        return;
    }
    }
}

}  // namespace
}  // namespace tellmark::fuzzing::old_data

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::old_data::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
