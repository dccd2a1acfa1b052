#pragma once
// Texts of the booking entry form: its labels, the save question and the dialogs the form asks for
// (deleting a booking, the automatic cash-discount booking).

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// The form.
inline constexpr std::string_view kEntryColumnHeading =
    cp<"Datum  Beleg  Soll Haben Text                           Betrag  MwSt%       MwSt">();
inline constexpr std::string_view kEntryRecordNumberLabel = cp<"Satz-Nr.:">();
inline constexpr std::string_view kEntryChangeService = cp<"Änderungsdienst">();
inline constexpr std::string_view kEntrySavePrompt = cp<"Speichern(J/N):">();
inline constexpr std::string_view kEntryOverwriteMode = cp<"ÜB">();

// Deleting a booking (the question itself is the posting engine's kDeleteBookingQuestion).
inline constexpr std::string_view kDeleteBookingTitle = cp<"Buchungssatz löschen">();
inline constexpr std::string_view kEntryButtonOk = cp<"&OK">();
inline constexpr std::string_view kEntryButtonCancel = cp<"&Abbruch">();

// The cash-discount dialog.
inline constexpr std::string_view kDiscountDialogTitle = cp<"Automatische Skonto-Verbuchung">();
inline constexpr std::string_view kDiscountPaidLabel = cp<"&Gezahlter bzw. \nerhaltener Betrag :">();
inline constexpr std::string_view kDiscountAmountLabel = cp<"&Skonto-Betrag :">();
inline constexpr std::string_view kDiscountPercentLabel = cp<"Entspricht ca. (%):">();
inline constexpr std::string_view kDiscountRateLabel = cp<"&MwSt-Satz :">();

// The journal search.
inline constexpr std::string_view kSearchNoMoreHits = cp<"Kein weiterer Suchbegriff mehr gefunden !">();

}  // namespace tellmark::text
