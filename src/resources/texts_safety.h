#pragma once
// Texts of the safe writing of the books: an operation that did not finish, files that are not whole,
// writes that failed on the way.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Names of the operations, as the record of an operation under way and the messages give them.
inline constexpr std::string_view kOpPosting = cp<"Buchung">();
inline constexpr std::string_view kOpChange = cp<"Änderung eines Buchungssatzes">();
inline constexpr std::string_view kOpDelete = cp<"Löschen eines Buchungssatzes">();
inline constexpr std::string_view kOpAccount = cp<"Kontenpflege">();
inline constexpr std::string_view kOpReorganisation = cp<"Neuverbuchung / Reorganisation">();
inline constexpr std::string_view kOpReindex = cp<"Neuindizierung">();
inline constexpr std::string_view kOpRecovery = cp<"Wiederherstellung">();
inline constexpr std::string_view kOpBatchPosting = cp<"Stapelbuchung">();
inline constexpr std::string_view kOpJournalSort = cp<"Journalsortierung">();

// Opening a circle whose last operation did not finish.
inline constexpr std::string_view kUnfinishedRecovered =
    cp<"Die letzte Änderung der Bücher (%s) wurde nicht abgeschlossen.\n"
       "Salden, Indexdateien und Belegnummer wurden aus dem Journal neu aufgebaut.\n"
       "Das Journal enthält %li Buchungssätze; bitte prüfen Sie die letzten Buchungen.">();
inline constexpr std::string_view kUnfinishedRecordCut =
    cp<"\nEin nicht vollständig geschriebener Buchungssatz wurde entfernt; er war nicht gespeichert.">();
inline constexpr std::string_view kUnfinishedNotRecovered =
    cp<"Die letzte Änderung der Bücher (%s) wurde nicht abgeschlossen und konnte nicht automatisch "
       "nachgeholt werden.\nBis dahin wird nichts in die Bücher geschrieben.\n"
       "Bitte Neuverbuchung/Reorganisation durchführen !">();

// Files that are not whole.
inline constexpr std::string_view kFileDamagedPartial =
    cp<"Die Datei %s ist beschädigt: sie endet mit einem unvollständigen Satz.\n"
       "Bis zur Reparatur wird nichts in die Bücher geschrieben.\n"
       "Bitte Neuverbuchung/Reorganisation durchführen !">();
inline constexpr std::string_view kFileDamagedEndMark =
    cp<"Die Datei %s ist beschädigt: dem Satz %lld fehlt das Satzende.\n"
       "Bis zur Reparatur wird nichts in die Bücher geschrieben.\n"
       "Bitte Neuverbuchung/Reorganisation durchführen !">();
inline constexpr std::string_view kFileUnreadable =
    cp<"Die Datei %s kann nicht gelesen werden.\nBis zur Reparatur wird nichts in die Bücher geschrieben.">();

// An operation refused or ended by the state of the books.
inline constexpr std::string_view kBooksDamaged =
    cp<"Die Bücher werden nicht verändert, weil die Datei %s beschädigt ist.\n"
       "Bitte Neuverbuchung/Reorganisation durchführen !">();
// A ledger file cut back to its whole records by the reorganisation.
inline constexpr std::string_view kTornTailSetAside =
    cp<"Die Datei %s endete mit einem unvollständigen Satz (%i Bytes).\nDiese Bytes stehen jetzt in %s; die Datei "
       "wurde auf ihre vollständigen Sätze gekürzt.">();
inline constexpr std::string_view kTornTailNotSetAside =
    cp<"Der unvollständige Satz am Ende der Datei %s konnte nicht beiseitegelegt werden.\nEs wurde nichts "
       "verändert.">();
inline constexpr std::string_view kBooksBlocked =
    cp<"Die Bücher werden nicht verändert, weil die letzte Änderung nicht abgeschlossen werden konnte.\n"
       "Bitte Neuverbuchung/Reorganisation durchführen !">();
inline constexpr std::string_view kOperationNotStarted =
    cp<"Die Änderung wurde nicht begonnen, weil die Datei %s nicht geschrieben werden konnte.\n"
       "Die Bücher sind unverändert.">();

// A write that failed during an operation.
inline constexpr std::string_view kFailedBeforeJournal =
    cp<"Beim Schreiben ist ein Fehler aufgetreten (%s): die Änderung wurde nicht gespeichert.\n">();
inline constexpr std::string_view kFailedAfterJournal =
    cp<"Beim Schreiben ist ein Fehler aufgetreten (%s): die Änderung steht im Journal, aber nicht alle "
       "Salden und Indexdateien konnten geschrieben werden.\nBitte nicht noch einmal erfassen.\n">();
inline constexpr std::string_view kFailedInBatch =
    cp<"Beim Schreiben ist ein Fehler aufgetreten (%s): die noch nicht bestätigten Buchungen des laufenden "
       "Blocks wurden nicht gespeichert.\n">();
inline constexpr std::string_view kFailedRepaired =
    cp<"Salden, Indexdateien und Belegnummer wurden aus dem Journal neu aufgebaut; die Bücher stimmen.">();
inline constexpr std::string_view kFailedNotRepaired =
    cp<"Salden, Indexdateien und Belegnummer werden beim nächsten Öffnen des Buchungskreises aus dem "
       "Journal neu aufgebaut.">();

// Ledger files that are not there when a circle is opened.
inline constexpr std::string_view kJournalFileMissing =
    cp<"Die Journaldatei des Buchungsjahres fehlt:\n%s\nDie Saldendatei ist vorhanden. Bitte die Journaldatei "
       "aus der Datensicherung zurückholen; ohne sie wird nichts angelegt.">();
inline constexpr std::string_view kBalanceFileMissing =
    cp<"Die Saldendatei des Buchungsjahres fehlt:\n%s\nDas Journal ist vorhanden. Bitte die Saldendatei aus der "
       "Datensicherung zurückholen.">();
inline constexpr std::string_view kLedgerNotCreated =
    cp<"Saldendatei noch nicht angelegt:\n%s\n%s\nBitte den Buchungskreis im Programm öffnen und seine Dateien "
       "anlegen lassen.">();

}  // namespace tellmark::text
