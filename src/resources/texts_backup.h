#pragma once
// Data backup and its restore.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Backup dialog and overview.
inline constexpr std::string_view kBackupDialogTitle = cp<"Datensicherung">();
inline constexpr std::string_view kBackupDialogPrompt = cp<"Auf welches &Laufwerk (bzw. welchen Pfad) soll gesichert werden?">();
inline constexpr std::string_view kBackupDialogNoteDirectory =
    cp<"Ein Verzeichnis auf der Festplatte muss bereits vorhanden sein.">();
inline constexpr std::string_view kBackupDialogNoteShortNames =
    cp<"Der Pfad ist in der klassischen 8.3-Schreibweise anzugeben (z.B. C:\\SICHER).">();
inline constexpr std::string_view kBackupOverviewTitle = cp<"Übersicht über gesicherte Dateien">();
inline constexpr std::string_view kBackupOverviewIntro = cp<"Folgende Sicherungs-Dateien wurden erstellt:">();
inline constexpr std::string_view kBackupOverviewColumnName = cp<"Dateiname">();
inline constexpr std::string_view kBackupOverviewColumnBytes = cp<"Bytes">();
inline constexpr std::string_view kBackupOverviewColumnTime = cp<"Datum, Uhrzeit">();
inline constexpr std::string_view kBackupOverviewRowName = cp<" %-s ">();
inline constexpr std::string_view kBackupOverviewRowSize = cp<"%8.0f ">();
inline constexpr std::string_view kBackupOverviewRowTime = cp<" %02i.%02i.%04i, %02i.%02i Uhr">();
inline constexpr std::string_view kBackupOverviewRowNumber = cp<"(%i)">();
inline constexpr std::string_view kBackupOverviewLegend =
    cp<"(1)+(2) Journal,  (3)+(4) Konten,  (5) Standardbuchungen,  (6) Stammdaten,  (7) Programm-Konfig.">();
inline constexpr std::string_view kBackupOverviewEmptyStandardHint =
    cp<"Ist keine Standardbuchung angelegt, wird die Datei der Standardbuchungen mit 0 Bytes angezeigt.">();
inline constexpr std::string_view kBackupOverviewCheckAdvice =
    cp<"Prüfen Sie Ihre Datensicherungen regelmäßig auf ihre Lesbarkeit!">();

// Progress of each copy: caption, second line, bar label.
inline constexpr std::string_view kBackupJournalCaption = cp<"Journaldatei">();
inline constexpr std::string_view kBackupJournalText = cp<"Die Buchungssätze  werden kopiert">();
inline constexpr std::string_view kBackupJournalLabel = cp<"Buchungsätze...">();
inline constexpr std::string_view kBackupJournalCount = cp<"%.0f Buchungssätze">();
inline constexpr std::string_view kBackupBalanceCaption = cp<"Saldendatei">();
inline constexpr std::string_view kBackupBalanceText = cp<"Die Konten werden kopiert">();
inline constexpr std::string_view kBackupBalanceLabel = cp<"Konten...">();
inline constexpr std::string_view kBackupBalanceCount = cp<"%.0f Konten">();
inline constexpr std::string_view kBackupJournalIndexCaption = cp<"Journal-Indexdatei">();
inline constexpr std::string_view kBackupIndexText = cp<"Die Indexdatei wird kopiert">();
inline constexpr std::string_view kBackupJournalIndexLabel = cp<"Journal-Indexdatei...">();
inline constexpr std::string_view kBackupAccountIndexCaption = cp<"Salden-Indexdatei">();
inline constexpr std::string_view kBackupAccountIndexLabel = cp<"Salden-Indexdatei...">();
inline constexpr std::string_view kBackupStandardCaption = cp<"Standardbuchungen">();
inline constexpr std::string_view kBackupStandardText = cp<"Die Standardbuchungen werden kopiert">();
inline constexpr std::string_view kBackupStandardLabel = cp<"Buchungssätze...">();
inline constexpr std::string_view kBackupSettingsCaption = cp<"Stammmdaten">();
inline constexpr std::string_view kBackupSettingsText = cp<"Die Stammdaten werden kopiert">();
inline constexpr std::string_view kBackupSettingsLabel = cp<"Stammdaten...">();
inline constexpr std::string_view kBackupConfigCaption = cp<"Programmkonfiguration">();
inline constexpr std::string_view kBackupConfigText = cp<"Die Programmkonfiguration wird kopiert">();
inline constexpr std::string_view kBackupConfigLabel = cp<"Programmkonfiguration...">();

// Failures (caption "FEHLER").
inline constexpr std::string_view kMsgBackupJournalNotCreated = cp<"Kopie der Journaldatei konnte nicht angelegt werden !">();
inline constexpr std::string_view kMsgBackupBalanceNotCreated = cp<"Kopie der Saldendatei konnte nicht angelegt werden !">();
inline constexpr std::string_view kMsgBackupJournalIndexNotCreated =
    cp<"Kopie der Journal-Indexdatei konnte nicht angelegt werden !">();
inline constexpr std::string_view kMsgBackupAccountIndexNotCreated =
    cp<"Kopie der Saolden-Indexdatei konnte nicht angelegt werden !">();
inline constexpr std::string_view kMsgBackupStandardNotCreated =
    cp<"Kopie der Standardbuchungen konnte nicht angelegt werden !">();
inline constexpr std::string_view kMsgBackupSettingsNotCreated = cp<"Kopie der Stammdaten konnte nicht angelegt werden !">();
inline constexpr std::string_view kMsgBackupSettingsUnreadable = cp<"Stammdaten konnten nicht eingelesen werden !">();
inline constexpr std::string_view kMsgBackupConfigNotCreated =
    cp<"Kopie der Programmkonfiguration konnte nicht angelegt werden !">();
inline constexpr std::string_view kMsgBackupConfigUnreadable = cp<"Programmkonfiguration konnte nicht eingelesen werden !">();
inline constexpr std::string_view kMsgBackupDiskFull =
    cp<"Es ist ein Fehler in der Datensicherung aufgetreten.\nEventuell ist der Datenträger voll!\n\n"
       " Die Daten konnten nicht vollständig gesichert werden!">();
inline constexpr std::string_view kMsgBackupWriteProtected =
    cp<"Es ist ein Fehler in der Datensicherung aufgetreten.\nEventuell ist der Datenträger schreibgeschützt!\n\n"
       " Die Daten konnten nicht vollständig gesichert werden!">();
inline constexpr std::string_view kMsgBackupPathEmpty = cp<"Pfadname oder Laufwerksbuchstabe nicht korrekt !">();
inline constexpr std::string_view kMsgBackupNoMemory =
    cp<"Freier Hauptspeicher kann nicht für\nbeschleunigte Verarbeitung genutzt werden!\n"
       "Normale Verarbeitung gestartet!">();
// A copy is read back and compared with its source before it counts as made.
inline constexpr std::string_view kMsgBackupCopyDiffers =
    cp<"Die Kopie\n%s\nstimmt nicht mit ihrer Vorlage überein !\n\n"
       " Die Daten konnten nicht vollständig gesichert werden!">();
inline constexpr std::string_view kMsgBackupSourceUnreadable =
    cp<"Die Datei\n%s\nkonnte nicht gelesen werden !\n\n Die Daten konnten nicht vollständig gesichert werden!">();
// Creating a copy over its own source would empty the open books.
inline constexpr std::string_view kMsgBackupIntoSource =
    cp<"Die Sicherung kann nicht auf die zu sichernden Dateien selbst geschrieben werden:\n%s\n"
       "Bitte wählen Sie ein anderes Laufwerk bzw. einen anderen Pfad.">();

// Restore.
inline constexpr std::string_view kRestoreCommand = cp<"Daten&rücksicherung">();
inline constexpr std::string_view kPromptRestore =
    cp<"Spielt eine Datensicherung in den geöffneten Buchungskreis zurück">();
inline constexpr std::string_view kRestoreDialogTitle = cp<"Datenrücksicherung">();
inline constexpr std::string_view kRestoreDialogPrompt =
    cp<"Von welchem &Laufwerk (bzw. welchem Pfad) soll zurückgesichert werden?">();
inline constexpr std::string_view kRestoreDialogNote =
    cp<"Die Dateien des Buchungskreises werden durch die gesicherten ersetzt.\n"
       "Die bisherigen Dateien bleiben mit der Endung \".vor\" daneben erhalten.">();
inline constexpr std::string_view kMsgRestoreNoBackup =
    cp<"In '%s' wurde keine vollständige Datensicherung dieses Buchungskreises gefunden !\n"
       "Es fehlt die Datei:\n%s">();
inline constexpr std::string_view kMsgRestoreBackupDamaged =
    cp<"Die gesicherte Datei\n%s\nist beschädigt (falsche Länge oder fehlende Satzendezeichen).\n"
       "Es wurde nichts zurückgesichert !">();
inline constexpr std::string_view kMsgRestoreFromItself =
    cp<"Die Datensicherung liegt in den Dateien des Buchungskreises selbst:\n%s\nEs wurde nichts zurückgesichert !">();
inline constexpr std::string_view kMsgRestoreFailed =
    cp<"Beim Zurücksichern ist ein Fehler aufgetreten:\n%s\n"
       "Der vorherige Stand des Buchungskreises wurde wiederhergestellt.">();
inline constexpr std::string_view kMsgRestoreRollbackFailed =
    cp<"Beim Zurücksichern ist ein Fehler aufgetreten:\n%s\n"
       "Der vorherige Stand konnte nicht vollständig wiederhergestellt werden !\n"
       "Die bisherigen Dateien liegen mit der Endung \".vor\" daneben.">();
inline constexpr std::string_view kMsgRestoreDone =
    cp<"Die Datensicherung des Buchungskreises %i (Buchungsjahr %04i) wurde zurückgesichert.\n"
       "Die bisherigen Dateien liegen mit der Endung \".vor\" daneben.">();
inline constexpr std::string_view kProgressRestoreCaption = cp<"Datenrücksicherung">();
inline constexpr std::string_view kProgressRestoreText = cp<"Die gesicherten Dateien werden zurückgeschrieben">();
inline constexpr std::string_view kProgressRestoreLabel = cp<"Dateien...">();

}  // namespace tellmark::text
