#include "posting/vat_preset.h"

#include <algorithm>

#include "ledger/account_record.h"
#include "resources/format.h"

namespace tellmark::posting {

namespace {

constexpr std::size_t kNameWidth = ledger::kAccountNameWidth;
constexpr std::size_t kMostRateCharacters = 6;

bool isRateCharacter(char c) { return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == ',' || c == '.'; }

std::string padded(std::string_view name) {
    std::string out(name.substr(0, std::min(name.size(), kNameWidth)));
    out.resize(kNameWidth, ' ');
    return out;
}

bool hasPreset(const std::string& name) { return name[kNameWidth - 1] == '%' && name[kNameWidth - 2] != ' '; }

// Start of the rate in a name that has a preset: back over the rate characters, at most six.
std::size_t rateStart(const std::string& name) {
    std::size_t start = kNameWidth - 1;
    while (start > 0 && kNameWidth - 1 - start < kMostRateCharacters && isRateCharacter(name[start - 1])) --start;
    return start;
}

}  // namespace

std::optional<std::string> presetRateOfName(std::string_view raw) {
    if (raw.size() < kNameWidth) return std::nullopt;
    const std::string name(raw.substr(0, kNameWidth));
    if (!hasPreset(name)) return std::nullopt;
    const std::size_t start = rateStart(name);
    std::string rate = name.substr(start, kNameWidth - 1 - start);
    std::replace(rate.begin(), rate.end(), ',', '.');
    return format("%5.2f", ledger::parseDecimalText(rate));
}

std::string defaultVatRate(std::string_view debitName, std::string_view creditName) {
    if (auto rate = presetRateOfName(debitName)) return *rate;
    if (auto rate = presetRateOfName(creditName)) return *rate;
    return {};
}

bool vatPresetAllowed(int n, int chart) {
    auto in = [n](int lower, int upper) { return n >= lower && n <= upper; };
    if (chart == 3) return in(1, 499) || in(2900, 4999) || in(8000, 8999);
    return in(1, 699) || in(4000, 6999);
}

std::string withoutVatPreset(std::string_view raw) {
    std::string name = padded(raw);
    if (hasPreset(name)) std::fill(name.begin() + static_cast<long>(rateStart(name)), name.end(), ' ');
    return name;
}

std::string withVatPreset(std::string_view raw, std::string_view rate) {
    std::string name = padded(raw);
    std::string typed(rate);
    typed.erase(0, typed.find_first_not_of(' '));
    typed.erase(typed.find_last_not_of(' ') + 1);
    if (typed.empty()) {
        // Only normalise the preset already there.
        if (hasPreset(name)) std::replace(name.begin() + static_cast<long>(rateStart(name)), name.end(), ',', '.');
        return name;
    }
    std::replace(typed.begin(), typed.end(), ',', '.');
    name = withoutVatPreset(name);
    const std::string preset = " " + typed + "%";
    const std::size_t width = std::min(preset.size(), kNameWidth);
    name.replace(kNameWidth - width, width, preset.substr(preset.size() - width));
    return name;
}

}  // namespace tellmark::posting
