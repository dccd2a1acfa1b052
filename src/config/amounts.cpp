#include "config/amounts.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "resources/format.h"
#include "resources/texts_checks.h"
#include "resources/texts_common.h"

namespace tellmark::config {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Integer codes truncate; values beyond any account or amount field are held at the range's edge
// rather than converted with undefined results.
long long truncated(double value) {
    if (std::isnan(value)) return 0;
    double t = std::trunc(value);
    if (t >= 9.2e18) return 9200000000000000000LL;
    if (t <= -9.2e18) return -9200000000000000000LL;
    return static_cast<long long>(t);
}

std::string padLeft(std::string text, int width) {
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string germanText(std::string_view in, int width, bool withDecimals) {
    std::size_t dot = in.find('.');
    std::size_t integerEnd = dot == std::string_view::npos ? in.size() : dot;

    // Walk the integer digits from the decimal point leftwards, a '.' after every third digit when
    // another digit follows on the left that is not the input's first character.
    std::string reversed;
    int digits = 0;
    for (std::size_t i = integerEnd; i-- > 0;) {
        reversed += in[i];
        if (!isDigit(in[i])) continue;
        ++digits;
        if (digits % 3 == 0 && i >= 2 && isDigit(in[i - 1])) reversed += '.';
    }
    std::string out(reversed.rbegin(), reversed.rend());
    std::size_t firstNonBlank = out.find_first_not_of(' ');
    out.erase(0, firstNonBlank == std::string::npos ? out.size() : firstNonBlank);

    if (withDecimals) {
        out += ',';
        std::size_t taken = 0;
        if (dot != std::string_view::npos) {
            for (std::size_t i = dot + 1; i < in.size() && taken < 2 && isDigit(in[i]); ++i, ++taken) out += in[i];
        }
        out.append(2 - taken, '0');
    }
    return padLeft(std::move(out), width);
}

}  // namespace

double roundToCents(double value) {
    double integer = 0.0;
    double fraction = std::modf(value * 100.0, &integer);
    if (fraction >= 0.5) {
        integer += 1.0;
    } else if (fraction <= -0.5) {
        integer -= 1.0;
    }
    // Dividing gives the double nearest to the cent value, so rounded amounts compare and add cleanly.
    return integer / 100.0;
}

double roundByText(double value) {
    std::string text = format("%.2f", value);
    return std::strtod(text.c_str(), nullptr);
}

double integerPart(double value) {
    return std::trunc(value);
}

std::string formatByCode(double value, int code, ui::Messages& messages) {
    switch (code) {
    case kFormatAmount: return format("%11.2f", value);
    case kFormatRate: return format("%5.2f", value);
    case kFormatBalance: return format("%12.2f", value);
    case kFormatPlain: return format("%.2f", value);
    case kFormatInteger: return format("%lli", truncated(value));
    case kFormatOneDigit: return format("%1lli", truncated(value));
    case kFormatTwoDigits: return format("%2lli", truncated(value));
    default:
        messages.show(text::kFormatUnknown, text::kCaptionError, ui::kIconStop);
        return {};
    }
}

std::string formatTextByCode(std::string_view text, int code, ui::Messages& messages) {
    std::string copy(text);
    return formatByCode(std::strtod(copy.c_str(), nullptr), code, messages);
}

std::string germanAmount(std::string_view decimalText, int width) {
    return germanText(decimalText, width, true);
}

std::string germanInteger(std::string_view decimalText, int width) {
    return germanText(decimalText, width, false);
}

std::string ratioInPercent(double a, double b) {
    if (b == 0.0) return "-----";
    double ratio = a * 100.0 / b;
    if (ratio > 999999.99) ratio = 999999.99;
    if (ratio < -99999.99) ratio = -99999.99;
    return format("%9.2f", ratio);
}

}  // namespace tellmark::config
