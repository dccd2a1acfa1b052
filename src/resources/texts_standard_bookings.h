#pragma once
// Texts of the standard bookings: their dialogs, the correction of a faulty line, the run that posts the
// marked ones, the printed list and the failures of the standard-bookings file.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Dialogs.
inline constexpr std::string_view kStandardEditTitle = cp<"Standardbuchungen anlegen/ändern">();
inline constexpr std::string_view kStandardPrintTitle = cp<"Standardbuchungen ausgeben">();
inline constexpr std::string_view kStandardPrintDateLabel = cp<"&Druckdatum:">();
inline constexpr std::string_view kStandardMarkTitle = cp<"Standardbuchungen markieren">();
inline constexpr std::string_view kStandardPostTitle = cp<"Standardbuchungen verbuchen">();
inline constexpr std::string_view kStandardChooseTitle = cp<"Einzelne Standardbuchung zum Verbuchen auswählen">();
inline constexpr std::string_view kStandardEditHeading =
    cp<"Nr.    Beleg  Soll Haben Text                           Betrag  MwSt%       MwSt">();
inline constexpr std::string_view kStandardMarkHeading =
    cp<" Mark. Beleg  Soll Haben Text                           Betrag  MwSt%       MwSt">();
inline constexpr std::string_view kStandardChooseHeading =
    cp<"Nr.   Beleg   Soll Haben Text                           Betrag  MwSt%       MwSt">();
inline constexpr std::string_view kStandardEditEnd = cp<"&Beenden (F11)">();
inline constexpr std::string_view kStandardMarkHelp1 =
    cp<"Die mit 'X' markierten Buchungszeilen werden bei der automatischen Verbuchung verwendet.">();
inline constexpr std::string_view kStandardMarkHelp2 = cp<"Einfügen einer Markierung mit 'X'- oder 'Enter'-Taste.">();
inline constexpr std::string_view kStandardMarkHelp3 = cp<"Löschen einer Markierung mit 'Leer'- oder 'ESC'-Taste.">();
inline constexpr std::string_view kStandardChooseKeys = cp<"Pfeil-, Bild-, Pos1- und Ende-Tasten">();
inline constexpr std::string_view kStandardChooseNumber = cp<"Nummer:">();
inline constexpr std::string_view kStandardChooseTake = cp<"&Übernehmen">();
inline constexpr std::string_view kStandardPostDateQuestion = cp<"Bitte &Buchungstag und Monat\neingeben (TT.MM) :">();
inline constexpr std::string_view kStandardPostCancel = cp<"&Abbruch">();
// Record number of the editing dialog's first column.
inline constexpr std::string_view kStandardRecordNumber = cp<"%03i">();

// The first record at the end of editing whose accounts do not hold (record number as "%.0f").
inline constexpr std::string_view kStandardAccountFault =
    cp<"Kontofehler in Buchungssatz Nummer: %.0f\nKontonummer eingeben bzw. korrigieren \noder Buchungssatz löschen "
       "(Strg+Y)">();

// The correction dialog.
inline constexpr std::string_view kCorrectionTitle = cp<"Fehlerhaften Buchungssatz ergänzen/überprüfen">();
inline constexpr std::string_view kCorrectionHeading =
    cp<"Datum  Beleg  Soll Haben Text                           Betrag  MwSt%       MwSt">();
inline constexpr std::string_view kCorrectionPost = cp<"Satz &verbuchen (F11)">();
inline constexpr std::string_view kCorrectionSkip = cp<"&Überspringen (Strg+Y)">();
inline constexpr std::string_view kCorrectionCancel = cp<"Verbuchen &abbrechen (F9)">();
inline constexpr std::string_view kCorrectionNewAccount = cp<"&Konto anlegen (F8)">();
inline constexpr std::string_view kCorrectionDateFault = cp<"Fehler im Datumsfeld">();
inline constexpr std::string_view kCorrectionAccountFault = cp<"Kontonummer falsch oder noch nicht angelegt!">();
inline constexpr std::string_view kCorrectionMarkerFault = cp<"Eingabe an der Text-Markierung  '.#'  fehlt.">();
inline constexpr std::string_view kCorrectionAmountFault = cp<"Betrag nicht zulässig; bitte Betrag korrigieren">();
inline constexpr std::string_view kCorrectionVatFault = cp<"Eingegebene Mehrwertsteuer nicht zulässig.">();

// The posting run.
inline constexpr std::string_view kStandardNoneYet = cp<"Es sind noch keine Standardbuchungen angelegt !">();
inline constexpr std::string_view kStandardPosted = cp<"Es wurden %i Standardbuchungen erfolgreich verbucht">();

// The file and its cache.
inline constexpr std::string_view kStandardNoMemory =
    cp<"Nicht genügend freier Hauptspeicher für\nbeschleunigte Verarbeitung vorhanden!\nNormale Verarbeitung gestartet !">();
inline constexpr std::string_view kStandardReadFailed =
    cp<"Fehler beim Einlesen der Standardbuchungen in den Cache.\nNormale Verarbeitung gestartet !">();
inline constexpr std::string_view kStandardWriteFailed =
    cp<"Fehler beim Speichern der Standardbuchungen in den Cache.\nNormale Verarbeitung gestartet !">();

// The printed list.
inline constexpr std::string_view kStandardListTitle = cp<"STANDARDBUCHUNGEN">();
// Currency code twice.
inline constexpr std::string_view kStandardListColumns =
    cp<"Nr.   Mark.    BELEG         S       H      BUCHUNGSTEXT                   BETRAG %3s   MWST.(%%)     MWST. %3s">();
// Record number, mark, document number, debit, credit, text, amount, rate and VAT amount.
inline constexpr std::string_view kStandardListLine =
    cp<"%03.0f     %1s      %6s     %5s   %5s     %-25s     %11s      %5s   %11s">();

}  // namespace tellmark::text
