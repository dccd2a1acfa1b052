#pragma once
// The hand-over to the companion online filing program "Tellmark Online": its messages and the choice
// dialog offered after a VAT pre-return went to the printer.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kCompanionYearNotSupported =
    cp<"Für dieses Buchungsjahr können leider keine Daten an Tellmark Online übergeben werden.">();
inline constexpr std::string_view kCompanionCopied =
    cp<"Die Daten wurden im Importpfad von Tellmark Online \nunter dem Namen '%s' gespeichert.">();
inline constexpr std::string_view kCompanionNoProgram =
    cp<"Kein Pfad für Programmaufruf unter 'Einstellungen\\Programmverwaltung'eingetragen.\n"
       "Programm kann nicht gestartet werden.">();
inline constexpr std::string_view kCompanionStarting = cp<"Tellmark Online wird jetzt gestartet.">();
// The system refused the start (no such program, not executable, its directory missing).
inline constexpr std::string_view kCompanionStartFailed =
    cp<"Tellmark Online konnte nicht gestartet werden:\n%s">();

// The choice dialog.
inline constexpr std::string_view kCompanionDialogTitle = cp<"Umsatzsteuerdaten an Tellmark Online übergeben">();
inline constexpr std::string_view kCompanionDialogProposal =
    cp<"Die ermittelten Umsatzsteuerdaten können als Vorschlag nach Tellmark Online exportiert werden.">();
inline constexpr std::string_view kCompanionDialogWarning = cp<"Achtung: Diese Daten sind nur Vorschlagswerte !">();
inline constexpr std::string_view kCompanionDialogSpecialCases =
    cp<"Bei Sonderfällen (z.B. §13b) müssen die USTVA-Werte in Tellmark Online manuell angepaßt werden. "
       "Vergleichen Sie hierzu die Werte mit dem Ausdruck.">();
inline constexpr std::string_view kCompanionDialogExportAndStart = cp<" &Exportieren und Tellmark Online starten">();
inline constexpr std::string_view kCompanionDialogExportOnly = cp<" &Nur exportieren">();

}  // namespace tellmark::text
