#pragma once
// Texts of the journal, its index and the journal cache ("Beschleunigungsspeicher").

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Journal file.
inline constexpr std::string_view kJournalReopenFailed =
    cp<"Fehler beim Öffnen der Journaldatei nach vorherigem Speichern !">();
inline constexpr std::string_view kJournalNoBookings = cp<"Es konnten keine Buchungssätze gefunden werden !">();

// Memory for the accelerated processing (removing bookings, journal cache).
inline constexpr std::string_view kJournalMemoryShort =
    cp<"Nicht genügend freier Hauptspeicher für\nbeschleunigte Verarbeitung vorhanden!\n"
       "Normale Verarbeitung gestartet !">();
inline constexpr std::string_view kJournalMemoryShortPart2 =
    cp<"Nicht genügend freier Hauptspeicher für\nbeschleunigte Verarbeitung (Teil 2) vorhanden!\n"
       "Normale Verarbeitung gestartet!">();
inline constexpr std::string_view kJournalCacheReadFailed =
    cp<"Fehler beim Einlesen des Journals in den Cache.\nNormale Verarbeitung gestartet!">();
inline constexpr std::string_view kJournalCacheEmpty = cp<"Keine Buchungssätze gefunden !">();

// Journal index.
inline constexpr std::string_view kJournalIndexReadFailed = cp<"Fehler beim Lesen des Journal-Index !">();
inline constexpr std::string_view kJournalIndexCreateFailed =
    cp<"Journal-Indexdatei konnte nicht angelegt werden !">();
inline constexpr std::string_view kJournalIndexOpenFailed =
    cp<"In Journal-Indexdatei konnte nicht geschrieben werden !">();
inline constexpr std::string_view kJournalIndexWriteFailed = cp<"Fehler beim Schreiben des Journal-Index !">();

// Progress window while the journal index is built.
inline constexpr std::string_view kJournalIndexProgressCaption = cp<"Index zum Journal">();
inline constexpr std::string_view kJournalIndexProgressLine =
    cp<"Der Index für die Buchungssätze wird aktualisiert.">();
inline constexpr std::string_view kJournalIndexProgressLabel = cp<"Buchungsätze...">();

}  // namespace tellmark::text
