// Amounts and numbers, each line of the input read as a settings number, a decimal and a report amount.
// Rounding to cents is final after one pass, written numbers read back to what was written, and the
// German form of an amount keeps its digits with a comma and groups of three.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/amounts.h"
#include "config/ini_numbers.h"
#include "fuzz_support.h"
#include "resources/format.h"
#include "ui/messages.h"

namespace tellmark::fuzzing::amounts {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "1.234.567,89": at most three digits in the first group, exactly three in the others.
bool groupedInThrees(std::string_view integerPart) {
    std::size_t digitsInGroup = 0;
    bool firstGroup = true;
    for (char c : integerPart) {
        if (c == '.') {
            if (digitsInGroup == 0 || (!firstGroup && digitsInGroup != 3) || digitsInGroup > 3) return false;
            firstGroup = false;
            digitsInGroup = 0;
        } else if (isDigit(c)) {
            ++digitsInGroup;
        }
    }
    return firstGroup || digitsInGroup == 3;
}

void germanForms(std::string_view line) {
    for (int width : {0, 12, 15}) {
        const std::string amount = config::germanAmount(line, width);
        FUZZ_CHECK(amount.size() >= static_cast<std::size_t>(width) && amount.size() >= 3);
        FUZZ_CHECK(amount[amount.size() - 3] == ',' && isDigit(amount[amount.size() - 2]) && isDigit(amount.back()));
        const std::string integer = config::germanInteger(line, width);
        FUZZ_CHECK(integer.size() >= static_cast<std::size_t>(width));
    }
}

// An amount as the files hold it, in the German form of the reports: the same digits and sign. Only
// amounts that leave a blank in front in "%12.2f", as every balance slot does: a text that starts with
// its first digit gets no '.' in front of that digit.
void reportAmount(double value) {
    if (!(std::fabs(value) < 1e9)) return;
    const std::string stored = format("%12.2f", value);
    if (stored[0] != ' ') return;
    const std::string german = config::germanAmount(stored, 16);
    FUZZ_CHECK(german.size() >= 16);
    std::string back;
    for (char c : german) {
        if (c == ',') back += '.';
        else if (c != '.' && c != ' ') back += c;
    }
    FUZZ_CHECK(back == stored.substr(stored.find_first_not_of(' ')));
    const std::size_t start = german.find_first_not_of(" -");
    FUZZ_CHECK(groupedInThrees(std::string_view(german).substr(start, german.size() - 3 - start)));
}

void numbers(std::string_view line) {
    const int whole = config::parseIniInt(line);
    FUZZ_CHECK(config::parseIniInt(config::formatIniFixed(whole, 0)) == whole);

    const double value = config::parseIniDecimal(line);
    FUZZ_CHECK(!std::isnan(value));
    if (std::isfinite(value)) {
        // Written with six decimals ("Euro-Faktor"), read back and written again: the same text.
        const std::string written = config::formatIniFixed(value, 6);
        const double back = config::parseIniDecimal(written);
        FUZZ_CHECK(config::formatIniFixed(back, 6) == written);
        FUZZ_CHECK(std::fabs(back - value) <= 5e-7 + std::fabs(value) * 1e-15);
        FUZZ_CHECK(config::formatIniFixed(value, 2, 12).size() >= 12);

        // Rounding is exact as long as the cents fit the mantissa.
        const double cents = config::roundToCents(value);
        if (std::fabs(value) < 1e12) {
            FUZZ_CHECK(config::roundToCents(cents) == cents);
            FUZZ_CHECK(std::fabs(cents - value) <= 0.005 + std::fabs(value) * 1e-14 + 1e-12);
        }
        reportAmount(value);
        reportAmount(cents);
        FUZZ_CHECK(config::integerPart(value) == std::trunc(value));
        (void)config::roundByText(value);
    }

    ui::RecordingMessages messages;
    for (int code = config::kFormatAmount; code <= config::kFormatTwoDigits; ++code) {
        (void)config::formatByCode(value, code, messages);
        (void)config::formatTextByCode(line, code, messages);
    }
    FUZZ_CHECK(messages.empty());
    FUZZ_CHECK(config::formatByCode(value, config::kFormatAmount - 1, messages).empty());
    FUZZ_CHECK(messages.entries.size() == 1);

    const std::string ratio = config::ratioInPercent(value, whole);
    FUZZ_CHECK(ratio == "-----" ? whole == 0 : ratio.size() == 9);
}

void run(std::string_view input) {
    for (std::string_view line : lines(input, 128)) {
        germanForms(line);
        numbers(line);
    }
}

}  // namespace
}  // namespace tellmark::fuzzing::amounts

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::amounts::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
