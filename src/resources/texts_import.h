#pragma once
// Import of bookings from external files: the dialogs, the messages and the correction of a faulty line.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kImportDialogTitle = cp<"Import (aus externen Dateien)">();
inline constexpr std::string_view kImportDialogPrompt =
    cp<"Bitte geben Sie den &Namen (und Pfad) der Datei an, die automatisch verbucht werden soll:">();

inline constexpr std::string_view kImportCaptionFileError = cp<"DATEIFEHLER">();
inline constexpr std::string_view kImportCannotOpen = cp<
    "Die angegebene Datei konnte nicht geöffnet werden.\nEventuell ist die Datei nicht vorhanden oder schon \nvon "
    "einem anderen Programm geöffnet.">();
// The record is 64 bytes long; the message says so.
inline constexpr std::string_view kImportIncompleteRecord = cp<
    "Die Import-Datei scheint mindestens einen nicht\nvollständigen Datensatz zu enthalten \n(Länge ist kein "
    "Vielfaches von 64 Byte).\nEs wird versucht die Daten trotzdem zu übernehmen.">();
inline constexpr std::string_view kImportCaptionLine = cp<"Fehler in der Importdatei in Buchungszeile Nr. %0.f .">();
inline constexpr std::string_view kImportWrongLineLength = cp<
    "Die Länge der Zeile ist nicht korrekt (nicht 64 Byte)!\nDie automatische Verbuchung wird abgebrochen.\nBitte "
    "überprüfen Sie nochmals Ihre Importdatei.">();
inline constexpr std::string_view kImportReadError = cp<
    "Beim Einlesen der Daten aus der Importdatei\nist ein Fehler aufgetreten.\n Die Datei kann nicht korrekt "
    "verarbeitet werden.">();
// A line of a semicolon-separated file that cannot be split into its columns; %s says why.
inline constexpr std::string_view kImportUnreadableLine = cp<
    "Die Zeile kann nicht gelesen werden: %s\nDie automatische Verbuchung wird abgebrochen.\nBitte überprüfen Sie "
    "nochmals Ihre Importdatei.">();
inline constexpr std::string_view kImportUnclosedQuote = cp<"ein Feld in Anführungszeichen ist nicht geschlossen.">();
inline constexpr std::string_view kImportTooManyColumns = cp<"sie hat mehr als 7 Spalten.">();
inline constexpr std::string_view kImportTooFewColumns = cp<"sie hat weniger als 6 Spalten.">();
inline constexpr std::string_view kImportUnmappable = cp<"sie enthält Zeichen, die nicht gespeichert werden können (%s).">();

inline constexpr std::string_view kImportProgressCaption = cp<"Import">();
inline constexpr std::string_view kImportProgressText =
    cp<"Die Buchungssätze werden einzeln\nkontrolliert und importiert.">();
inline constexpr std::string_view kImportProgressLabel = cp<"Buchungssätze...">();

inline constexpr std::string_view kImportCorrectionTitle = cp<"Fehlerhaften Buchungssatz ergänzen/überprüfen">();
inline constexpr std::string_view kImportCorrectionHeading =
    cp<"Datum  Beleg  Soll Haben Text                           Betrag  MwSt%       MwSt">();
inline constexpr std::string_view kImportFaultDate = cp<"Fehler im Datumsfeld">();
inline constexpr std::string_view kImportFaultAccount = cp<"Kontonummer falsch oder noch nicht angelegt!">();
inline constexpr std::string_view kImportFaultMarker = cp<"Eingabe an der Text-Markierung  '.#'  fehlt.">();
inline constexpr std::string_view kImportFaultAmount = cp<"Betrag nicht zulässig; bitte Betrag korrigieren">();
inline constexpr std::string_view kImportFaultRate = cp<"Eingegebene Mehrwertsteuer nicht zulässig.">();
inline constexpr std::string_view kImportAnswerPost = cp<"Satz &verbuchen (F11)">();
inline constexpr std::string_view kImportAnswerSkip = cp<"&Überspringen (Strg+Y)">();
inline constexpr std::string_view kImportAnswerCancel = cp<"Verbuchen &abbrechen (F9)">();
inline constexpr std::string_view kImportAnswerNewAccount = cp<"&Konto anlegen (F8)">();

inline constexpr std::string_view kImportCloseTitle = cp<"Importdatei löschen">();
inline constexpr std::string_view kImportCloseStatus = cp<"Status der importierten Datei">();
inline constexpr std::string_view kImportCloseFileName = cp<"Dateiname:">();
inline constexpr std::string_view kImportCloseCount = cp<"Anzahl der Buchungssätze, die verbucht wurden:">();
inline constexpr std::string_view kImportCloseCountFormat = cp<"%.0f">();
inline constexpr std::string_view kImportCloseQuestion = cp<"Soll die importierte Datei gelöscht werden ?">();
inline constexpr std::string_view kImportCloseYes = cp<"&Ja">();
inline constexpr std::string_view kImportCloseNo = cp<"&Nein">();
inline constexpr std::string_view kImportDeleteFailed = cp<
    "Beim Versuch die Import-Datei zu löschen\nist ein Fehler aufgetreten!\nEventuell ist die Datei noch in einem "
    "anderen\nProgramm geöffnet oder schreibgeschützt.">();

}  // namespace tellmark::text
