#include "config/ini_numbers.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace tellmark::config {

namespace {

std::string_view skipBlanks(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t\r\n\f\v");
    return i == std::string_view::npos ? std::string_view() : text.substr(i);
}

}  // namespace

int parseIniInt(std::string_view text) {
    text = skipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

double parseIniDecimal(std::string_view text) {
    text = skipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    // Only a plain decimal number; "inf", "nan" and hexadecimal forms read as 0.
    if (text.empty() || !((text[0] >= '0' && text[0] <= '9') || text[0] == '.')) return 0.0;
    double value = 0.0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) value = HUGE_VAL;
    else if (ec != std::errc()) value = 0.0;
    return negative ? -value : value;
}

std::string formatIniFixed(double value, int precision, int width) {
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    std::string out = ec == std::errc() ? std::string(buffer, end) : std::string("0");
    if (static_cast<int>(out.size()) < width) out.insert(0, static_cast<std::size_t>(width) - out.size(), ' ');
    return out;
}

}  // namespace tellmark::config
