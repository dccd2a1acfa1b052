#include "config/field_checks.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

#include "resources/format.h"
#include "resources/texts_checks.h"
#include "resources/texts_common.h"

namespace tellmark::config {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

void clampCaret(const std::string& text, int& caret) {
    if (caret < 0) caret = 0;
    if (static_cast<std::size_t>(caret) > text.size()) caret = static_cast<int>(text.size());
}

void rewrite(std::string& text, int& caret, std::string value) {
    text = std::move(value);
    caret = static_cast<int>(text.size());
}

// Keeps the characters accept() takes (it sees the text kept so far) and moves the caret back over
// every removed character that stood in front of it. Returns the number removed.
template <typename Accept>
int filterText(std::string& text, int& caret, Accept accept) {
    std::string kept;
    kept.reserve(text.size());
    int removed = 0;
    int removedBeforeCaret = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (accept(text[i], kept)) {
            kept += text[i];
        } else {
            ++removed;
            if (static_cast<long long>(i) < caret) ++removedBeforeCaret;
        }
    }
    text = std::move(kept);
    caret -= removedBeforeCaret;
    clampCaret(text, caret);
    return removed;
}

void showError(ui::Messages& messages, std::string_view message) {
    messages.show(message, text::kCaptionError, ui::kIconStop);
}

// Digits with value saturating far above any field's limit.
long long digitValue(const std::string& text) {
    long long value = 0;
    for (char c : text) {
        if (!isDigit(c)) break;
        if (value < 1000000000000000LL) value = value * 10 + (c - '0');
    }
    return value;
}

struct DecimalFilter {
    bool rejectedCharacter = false;  // a key that is no part of a number
    bool trimmed = false;            // a surplus '.' or third decimal
};

// ',' becomes '.'; digits, signs and one '.' with at most two decimals stay.
DecimalFilter filterDecimal(std::string& text, int& caret) {
    for (char& c : text) {
        if (c == ',') c = '.';
    }
    DecimalFilter result;
    filterText(text, caret, [&](char c, const std::string& kept) {
        std::size_t dot = kept.find('.');
        if (isDigit(c)) {
            if (dot == std::string::npos) return true;
            std::size_t decimals = 0;
            for (std::size_t i = dot + 1; i < kept.size(); ++i) decimals += isDigit(kept[i]) ? 1 : 0;
            if (decimals < 2) return true;
            result.trimmed = true;
            return false;
        }
        if (c == '.') {
            if (dot == std::string::npos) return true;
            result.trimmed = true;
            return false;
        }
        if (c == '+' || c == '-') return true;
        result.rejectedCharacter = true;
        return false;
    });
    return result;
}

}  // namespace

int checkDigitsInRange(std::string& text, int& caret, long long minimum, long long maximum) {
    int removed = filterText(text, caret, [](char c, const std::string&) { return isDigit(c); });
    long long value = digitValue(text);
    return removed == 0 && value >= minimum && value <= maximum ? 1 : 0;
}

int checkDigitsOnly(std::string& text, int& caret) {
    return filterText(text, caret, [](char c, const std::string&) { return isDigit(c); }) == 0 ? 1 : 0;
}

int checkDateTyping(std::string& text, int& caret, bool withYear) {
    for (char& c : text) {
        if (c == ',') c = '.';
    }
    const int maximumDots = withYear ? 2 : 1;
    int dots = 0;
    int digitsInPart = 0;
    int removed = filterText(text, caret, [&](char c, const std::string&) {
        if (isDigit(c)) {
            if (digitsInPart >= 2) return false;
            ++digitsInPart;
            return true;
        }
        if (c == '.' && dots < maximumDots) {
            ++dots;
            digitsInPart = 0;
            return true;
        }
        return false;
    });
    return removed == 0 ? 1 : 0;
}

int checkAmount(std::string& text, int& caret, double maximum, ui::Messages& messages) {
    DecimalFilter filter = filterDecimal(text, caret);
    if (filter.rejectedCharacter) showError(messages, text::kOnlyNumericCharacters);
    // A negative amount beyond the limit would not fit its field either.
    if (std::fabs(std::strtod(text.c_str(), nullptr)) > maximum) {
        showError(messages, format(text::kMaximumAmount, maximum));
        rewrite(text, caret, "0.00");
        return 0;
    }
    return filter.rejectedCharacter || filter.trimmed ? 0 : 1;
}

int checkVatRate(std::string& text, int& caret, bool formatted, ui::Messages& messages) {
    DecimalFilter filter = filterDecimal(text, caret);
    if (filter.rejectedCharacter) showError(messages, text::kOnlyNumericCharacters);
    double rate = std::strtod(text.c_str(), nullptr);
    if (rate > 99.99 || rate < 0.0) {
        showError(messages, text::kVatRateNotAllowed);
        rewrite(text, caret, formatted ? "0.00" : "0");
        return 0;
    }
    if (formatted) rewrite(text, caret, format("%.2f", rate));
    return filter.rejectedCharacter || filter.trimmed ? 0 : 1;
}

int checkIntegerWithMaximum(std::string& text, int& caret, double maximum, ui::Messages& messages) {
    int removed = filterText(text, caret, [](char c, const std::string&) { return isDigit(c); });
    if (removed != 0) showError(messages, text::kOnlyNumericCharacters);
    double value = std::strtod(text.c_str(), nullptr);
    if (value > maximum) {
        showError(messages, format(text::kMaximumInteger, maximum));
        rewrite(text, caret, "0");
        return 0;
    }
    std::string normalised = format("%.0f", value);
    if (normalised != text) rewrite(text, caret, normalised);
    return removed == 0 ? 1 : 0;
}

int checkAccountNumber(std::string& text, int& caret, bool searchMode, bool reportInvalid,
                       ui::Messages& messages) {
    filterText(text, caret, [](char c, const std::string& kept) { return !(c == ' ' && kept.empty()); });
    bool rejected = false;
    filterText(text, caret, [&](char c, const std::string&) {
        if (isDigit(c) || (searchMode && (c == '!' || c == '?'))) return true;
        rejected = true;
        return false;
    });

    bool valid = false;
    if (!rejected && text.size() <= 5) {
        if (searchMode) {
            // '!' widens a pattern from the left: "1!" covers every customer 10000-19999.
            bool widened = text.find('!') != std::string::npos;
            for (char& c : text) {
                if (c == '!') c = '?';
            }
            if (text.empty()) {
                rewrite(text, caret, "?????");  // no group: every account
            } else if (text.size() == 5 || (widened && (text[0] == '1' || text[0] == '2'))) {
                rewrite(text, caret, text + std::string(5 - text.size(), '?'));
            } else {
                rewrite(text, caret, " " + text + std::string(4 - text.size(), '?'));
            }
            valid = true;
        } else if (!text.empty()) {
            std::string padded = text.size() == 5 ? text : " " + text + std::string(4 - text.size(), '0');
            long long value = std::atoll(padded.c_str());
            if (value >= 1 && value <= 29999) {
                if (padded != text) rewrite(text, caret, padded);
                valid = true;
            }
        }
    }
    if (!valid && reportInvalid) showError(messages, text::kInvalidAccountNumber);
    return valid ? 1 : 0;
}

int checkFileName(std::string& text, int& caret, ui::Messages& messages) {
    static constexpr std::string_view kMarks = "-_~\\/.";
    int removed = filterText(text, caret, [](char c, const std::string& kept) {
        if (isAsciiLetter(c) || isDigit(c) || kMarks.find(c) != std::string_view::npos) return true;
        return c == ':' && kept.size() == 1 && isAsciiLetter(kept[0]);
    });
    if (removed == 0) return 1;
    showError(messages, text::kFileNameFormat);
    return 0;
}

int checkYesNo(std::string& text, int& caret) {
    int yes = text == "J" || text == "j" ? 1 : 0;
    text = yes ? "J" : "N";
    clampCaret(text, caret);
    return yes;
}

}  // namespace tellmark::config
