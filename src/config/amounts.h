#pragma once
// Money amounts: binary doubles in the currency unit, rounded to cents where they are posted or summed,
// written with a decimal point in files and with a decimal comma in reports.

#include <string>
#include <string_view>

#include "ui/messages.h"

namespace tellmark::config {

// Type codes of formatByCode.
inline constexpr int kFormatAmount = 2100;        // "%11.2f", journal amounts
inline constexpr int kFormatRate = 2101;          // "%5.2f", VAT rates
inline constexpr int kFormatBalance = 2102;       // "%12.2f", balance slots
inline constexpr int kFormatPlain = 2103;         // "%.2f"
inline constexpr int kFormatInteger = 2104;       // "%i"
inline constexpr int kFormatOneDigit = 2105;      // "%1i"
inline constexpr int kFormatTwoDigits = 2106;     // "%2i"

// Cents, half away from zero, decided on the binary value times 100 (10.125 -> 10.13, 1.005 -> 1.00).
double roundToCents(double value);
// The value as "%.2f" prints it, read back (ties of the binary value go to even: 0.125 -> 0.12).
double roundByText(double value);
// The integer part, truncated toward zero.
double integerPart(double value);
// A value in the format of a type code; unknown code: message "Allgemeiner Fehler: Format unbekannt !", "".
std::string formatByCode(double value, int code, ui::Messages& messages);
// The same for a number given as text (read as a decimal value first).
std::string formatTextByCode(std::string_view text, int code, ui::Messages& messages);
// " 1234567.8" -> " 1.234.567,80" right-aligned in width (longer results are not cut). No '.' stands in
// front of the input's first character: "1234.5" -> "1234,50", as amounts come blank-padded from "%12.2f".
std::string germanAmount(std::string_view decimalText, int width);
// As germanAmount without decimals and comma: " 1234567.8" -> "1.234.567".
std::string germanInteger(std::string_view decimalText, int width);
// a * 100 / b as "%9.2f", limited to 999999.99 and -99999.99; "-----" when b is 0.
std::string ratioInPercent(double a, double b);

}  // namespace tellmark::config
