#pragma once
// The dialogs of the journal sort and the journal search.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kSortDialogTitle = cp<"Journalsortierung">();
inline constexpr std::string_view kSortDialogWarning =
    cp<"Achtung: Eine Sortierung der Buchungssätze kann nicht rückgängig gemacht werden. Führen Sie daher immer "
       "vorab eine Datensicherung durch.">();
inline constexpr std::string_view kSortDialogGroup = cp<"Art der Sortierung">();
inline constexpr std::string_view kSortDialogByMonths = cp<"Nur nach &Monaten (schneller)">();
inline constexpr std::string_view kSortDialogByDays = cp<"Nach &Tag und Monat (langsamer)">();
inline constexpr std::string_view kSortDialogNote =
    cp<"Die Journalsortierung erfolgt nach Buchungsdatum. Je nach Eingabe kann sich dadurch die Reihenfolge der "
       "Belegnummern verändern !">();

inline constexpr std::string_view kSearchForwardTitle = cp<"Vorwärts suchen">();
inline constexpr std::string_view kSearchBackwardTitle = cp<"Rückwärts suchen">();
inline constexpr std::string_view kSearchPrompt = cp<"&Bitte Suchbegriff eingeben:">();
inline constexpr std::string_view kSearchCase = cp<"&Groß-/Kleinschreibung unterscheiden">();
inline constexpr std::string_view kSearchStart = cp<"&Starten">();
inline constexpr std::string_view kSearchNext = cp<"&Weiter">();
inline constexpr std::string_view kSearchCancel = cp<"&Abbrechen">();

}  // namespace tellmark::text
