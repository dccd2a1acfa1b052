#pragma once
// Selecting, opening and closing a booking circle.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kMsgCircleNumberRange = cp<"Nur Buchungskreisnummern von 1-%i zulässig !">();
inline constexpr std::string_view kMsgCircleLocked = cp<
    "Der gewählte Buchungskreis wird schon bearbeitet\noder die Dateien sind schreibgeschützt\n"
    "(z.B. nach Kopieren von einer CD) !">();
inline constexpr std::string_view kMsgCircleUnknownError =
    cp<"Bei der Auswahl des Buchungskreises ist\n ein unbekannter Fehler aufgetreten !">();
inline constexpr std::string_view kMsgCircleCreated = cp<"Buchungskreis ist angelegt und wird neu eingelesen !">();
inline constexpr std::string_view kMsgDataFileOpenFailed = cp<"Unerwarteter Fehler beim Öffnen der Datei:\n%s">();
inline constexpr std::string_view kMsgAccountIndexProblem = cp<"Probleme mit Salden-Index !">();
inline constexpr std::string_view kMsgJournalIndexProblem = cp<"Probleme mit Journal-Index !">();
inline constexpr std::string_view kMsgNoCirclesFound =
    cp<"Es konnten keine bislang angelegten Buchungskreise\ngefunden werden!">();
inline constexpr std::string_view kBalanceFileMissingTitle = cp<"Saldendatei noch nicht angelegt">();

// Taking over the chart of accounts of another circle.
inline constexpr std::string_view kMsgTakeOverLocked =
    cp<"Der gewählte Buchungskreis ist schreibgeschützt\noder geöffnet.">();
inline constexpr std::string_view kMsgTakeOverNoBalanceFile =
    cp<"Die Saldendatei des zu übernehmenden\nBuchungskreises konnte nicht gefunden werden.">();
inline constexpr std::string_view kMsgTakeOverOtherChart = cp<"Der gewählte Buchungskreis hat einen \nanderen Kontenrahmen.">();

}  // namespace tellmark::text
