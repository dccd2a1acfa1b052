// The checks of the edit fields, each line of the input typed into every kind of field with the caret
// anywhere. Whatever was typed, the field ends up holding only what the field allows, the caret stays
// inside the text, and a text accepted as typed is left exactly as it was.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/field_checks.h"
#include "fuzz_support.h"
#include "ui/messages.h"

namespace tellmark::fuzzing::field_checks {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool only(std::string_view text, std::string_view allowed, bool digits) {
    for (char c : text)
        if (!(digits && isDigit(c)) && allowed.find(c) == std::string_view::npos) return false;
    return true;
}

bool caretInside(const std::string& text, int caret) {
    return caret >= 0 && static_cast<std::size_t>(caret) <= text.size();
}

// An amount field afterwards: signs, digits and at most one '.', with at most two decimals.
bool isAmountText(const std::string& text) {
    if (!only(text, "+-.", true)) return false;
    std::size_t dot = text.find('.');
    if (dot == std::string::npos) return true;
    if (text.find('.', dot + 1) != std::string::npos) return false;
    std::size_t decimals = 0;
    for (std::size_t i = dot + 1; i < text.size(); ++i) decimals += isDigit(text[i]) ? 1 : 0;
    return decimals <= 2;
}

// Each check on a copy of the line. A text accepted as typed is left as it was, apart from the decimal
// comma that the number fields take for a point.
template <typename Check>
void typed(std::string_view line, int caret, bool commaIsPoint, Check check) {
    std::string text(line);
    int at = caret;
    const int accepted = check(text, at);
    FUZZ_CHECK(accepted == 0 || accepted == 1);
    FUZZ_CHECK(caretInside(text, at));
    if (accepted == 1) {
        std::string expected(line);
        for (char& c : expected)
            if (commaIsPoint && c == ',') c = '.';
        FUZZ_CHECK(text == expected);
    }
}

// Whether a text holds a character that is no part of a number; typing one is answered with a message.
bool holdsNonNumber(std::string_view text) { return !only(text, "+-.,", true); }

void run(std::string_view input) {
    ui::RecordingMessages messages;
    std::size_t n = 0;
    for (std::string_view line : lines(input, 128)) {
        const int caret = static_cast<int>(byteSum(line) % (line.size() + 3)) - 1;  // also before and past the text
        ++n;

        typed(line, caret, false, [](std::string& t, int& c) {
            const int r = config::checkDigitsInRange(t, c, 1, 29999);
            FUZZ_CHECK(only(t, "", true));
            return r;
        });
        typed(line, caret, false, [](std::string& t, int& c) {
            const int r = config::checkDigitsOnly(t, c);
            FUZZ_CHECK(only(t, "", true));
            return r;
        });
        for (bool withYear : {false, true}) {
            typed(line, caret, true, [withYear](std::string& t, int& c) {
                const int r = config::checkDateTyping(t, c, withYear);
                FUZZ_CHECK(only(t, ".", true));
                std::size_t dots = 0;
                for (char ch : t) dots += ch == '.' ? 1 : 0;
                FUZZ_CHECK(dots <= (withYear ? 2u : 1u));
                return r;
            });
        }
        for (double maximum : {99999999.99, 999.99, 0.0}) {
            typed(line, caret, true, [&](std::string& t, int& c) {
                const std::size_t shown = messages.entries.size();
                const int r = config::checkAmount(t, c, maximum, messages);
                FUZZ_CHECK(isAmountText(t));
                FUZZ_CHECK(std::fabs(std::strtod(t.c_str(), nullptr)) <= maximum);
                if (holdsNonNumber(line)) FUZZ_CHECK(messages.entries.size() > shown);
                return r;
            });
        }

        std::string rate(line);
        int at = caret;
        config::checkVatRate(rate, at, true, messages);
        FUZZ_CHECK(caretInside(rate, at));
        const double rateValue = std::strtod(rate.c_str(), nullptr);
        FUZZ_CHECK(rateValue >= 0.0 && rateValue <= 99.99);
        FUZZ_CHECK(isAmountText(rate) && rate.find('.') == rate.size() - 3);

        typed(line, caret, true, [&](std::string& t, int& c) {
            const int r = config::checkVatRate(t, c, false, messages);
            FUZZ_CHECK(isAmountText(t));
            return r;
        });

        for (double maximum : {999.0, 999999.0}) {
            std::string number(line);
            at = caret;
            config::checkIntegerWithMaximum(number, at, maximum, messages);
            FUZZ_CHECK(caretInside(number, at) && !number.empty() && only(number, "", true));
            FUZZ_CHECK(std::strtod(number.c_str(), nullptr) <= maximum);
        }

        for (bool searchMode : {false, true}) {
            std::string account(line);
            at = caret;
            const std::size_t shown = messages.entries.size();
            const bool reportInvalid = n % 2 == 0;
            const int valid = config::checkAccountNumber(account, at, searchMode, reportInvalid, messages);
            FUZZ_CHECK(caretInside(account, at));
            FUZZ_CHECK(messages.entries.size() == shown + (valid == 0 && reportInvalid ? 1 : 0));
            if (valid == 1) {
                FUZZ_CHECK(account.size() == 5);
                if (searchMode) {
                    FUZZ_CHECK(only(account, " ?", true));
                } else {
                    const long long value = std::atoll(account.c_str());
                    FUZZ_CHECK(value >= 1 && value <= 29999 && only(account, " ", true));
                }
            }
        }

        typed(line, caret, false, [&](std::string& t, int& c) {
            const std::size_t shown = messages.entries.size();
            const int r = config::checkFileName(t, c, messages);
            FUZZ_CHECK(messages.entries.size() == shown + (r == 0 ? 1 : 0));
            FUZZ_CHECK(only(t, "-_~\\/.:abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", true));
            const std::size_t colon = t.find(':');
            FUZZ_CHECK(colon == std::string::npos || colon == 1);
            return r;
        });

        std::string yesNo(line);
        at = caret;
        const int yes = config::checkYesNo(yesNo, at);
        FUZZ_CHECK(yesNo == (yes == 1 ? "J" : "N") && caretInside(yesNo, at));
    }
}

}  // namespace
}  // namespace tellmark::fuzzing::field_checks

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::field_checks::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
