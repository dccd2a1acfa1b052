#pragma once
// The VAT preset an account may carry at the end of its 25-character name: the name ends in '%' and
// the characters before it, back to the next blank, are the rate ("ERLOESE 19%", "PORTO 7.5%"). The
// entry form proposes it as the rate of a line; the account maintenance writes it.

#include <optional>
#include <string>
#include <string_view>

namespace tellmark::posting {

// The preset of a name as "%5.2f" (" 7.00"), or nothing. A name qualifies when its 25th character is
// '%' and the one before it is not blank; up to six of "0123456789+-,." before the '%' are read back to
// a blank, a ',' counting as the decimal point.
std::optional<std::string> presetRateOfName(std::string_view name);

// The rate proposed for a line whose rate field is blank: the debit account's preset, else the credit
// account's; empty when neither has one.
std::string defaultVatRate(std::string_view debitName, std::string_view creditName);

// Whether a VAT preset may be set for the account: chart 03 1-499, 2900-4999, 8000-8999; chart 04 1-699,
// 4000-6999 (any chart but 3 counts as chart 04).
bool vatPresetAllowed(int number, int chart);

// The name (cut or padded to 25 characters) with its preset replaced: a preset already there is blanked
// out, then " <rate>%" is written so that it ends in the 25th character. The rate is used as typed, a ','
// turned into '.'. An empty rate only normalises a preset already there.
std::string withVatPreset(std::string_view name, std::string_view rate);

// The name with its preset blanked out (25 characters).
std::string withoutVatPreset(std::string_view name);

}  // namespace tellmark::posting
