#pragma once
// Messages of the checks that take a typed value only when the whole text is valid: amounts and rates,
// dates of the booking year, booking texts and document numbers, characters the files cannot hold, and
// the page settings.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kAmountNotANumber =
    cp<"Der eingegebene Betrag ist keine gültige Zahl !\n"
       "Bitte z.B. 1234,56 oder -12,5 eingeben (ohne Tausenderpunkte).">();
inline constexpr std::string_view kAmountTooManyDecimals =
    cp<"Der eingegebene Betrag hat mehr als zwei Nachkommastellen !">();
inline constexpr std::string_view kVatRateNotANumber =
    cp<"Die eingegebene Mehrwertsteuer ist keine gültige Zahl !\nBitte z.B. 19 oder 7,5 eingeben.">();
inline constexpr std::string_view kVatRateTooManyDecimals =
    cp<"Die eingegebene Mehrwertsteuer hat mehr als zwei Nachkommastellen !">();

inline constexpr std::string_view kDateMissing = cp<"Bitte geben Sie ein Datum ein !">();
inline constexpr std::string_view kDateMalformed =
    cp<"Das eingegebene Datum ist ungültig !\nBitte als TT.MM, TT.MM.JJ, TT.MM.JJJJ oder nur den Tag eingeben.">();
// Day and month.
inline constexpr std::string_view kDateNotInCalendar = cp<"Den %02i.%02i. gibt es im Buchungsjahr nicht !">();
// Day, month and the year typed, four digits.
inline constexpr std::string_view kDateOutsideBookingYear =
    cp<"Das Datum %02i.%02i.%04i liegt nicht im Buchungsjahr !">();

// The control character's code.
inline constexpr std::string_view kBookingTextControlCharacter =
    cp<"Der Buchungstext enthält ein Steuerzeichen (Code %i) !\n"
       "Zeilenumbrüche und andere Steuerzeichen sind nicht zulässig.">();
inline constexpr std::string_view kDocumentControlCharacter =
    cp<"Die Belegnummer enthält ein Steuerzeichen (Code %i) !\n"
       "Zeilenumbrüche und andere Steuerzeichen sind nicht zulässig.">();
inline constexpr std::string_view kBookingTextTooLong = cp<"Der Buchungstext ist länger als 25 Zeichen !">();
inline constexpr std::string_view kDocumentTooLong = cp<"Die Belegnummer ist länger als 6 Zeichen !">();

// The characters, as "U+20BF" (a byte that is no UTF-8 as "Byte 0xFF"), separated by ", ".
inline constexpr std::string_view kCharactersNotStorable =
    cp<"Nicht speicherbare Zeichen: %s\nIn den Dateien sind nur Zeichen des Windows-Zeichensatzes 1252 möglich !">();

// The key, the lowest and the highest value.
inline constexpr std::string_view kPageSettingOutOfRange =
    cp<"Der Wert für \"%s\" muss eine ganze Zahl von %i bis %i sein !">();

}  // namespace tellmark::text
