#pragma once
// Messages of the date, amount and field checks.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kFormatUnknown = cp<"Allgemeiner Fehler: Format unbekannt !">();
inline constexpr std::string_view kMaximumAmount = cp<"Maximaler Betrag: %.2f">();
inline constexpr std::string_view kMaximumInteger = cp<"Maximaler Betrag: %.0f">();
inline constexpr std::string_view kOnlyNumericCharacters = cp<"Nur numerische Zeichen zulässig !">();
inline constexpr std::string_view kVatRateNotAllowed = cp<"Eingegebene Mehrwertsteuer nicht zulässig.">();
inline constexpr std::string_view kInvalidAccountNumber = cp<"Ungültige Kontonummer bzw. Kontenauswahl !">();
inline constexpr std::string_view kFileNameFormat =
    cp<"Bitte Dateinamen in dem Format 8.3 eventuell mit \nLaufwerksbuchstaben eingeben.\n"
       " (z.B. \"A:TM.TXT\" oder \"KTO-PLAN.TXT\")">();

}  // namespace tellmark::text
