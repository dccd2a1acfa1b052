#pragma once
// Texts of the reorganisation: rebuilding the balances of the open booking year from its journal.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kReorgMenu = cp<"&Neuverbuchung / Reorganisation">();
inline constexpr std::string_view kReorgStatus =
    cp<"Erstellen neuer Indexdateien und Neuverbuchung des aktuellen Buchungsjahres">();

// Confirmation.
inline constexpr std::string_view kReorgConfirmCaption = cp<"Neuverbuchung / Reorganisation">();
inline constexpr std::string_view kReorgConfirmQuestion =
    cp<"Sind Sie sicher, dass Sie eine Neuverbuchung / Reorganisation durchführen wollen?">();
inline constexpr std::string_view kReorgConfirmBackup =
    cp<"Sicherheitshalber sollte vorab immer schon eine aktuelle Datensicherung durchgeführt worden sein, da bei "
       "der Neuverbuchung / Reorganisation alle Konten und Buchungssätze  bearbeitet werden !">();
inline constexpr std::string_view kReorgAnswerOk = cp<"&OK">();
inline constexpr std::string_view kReorgAnswerCancel = cp<"&Abbruch">();

// Record lengths.
inline constexpr std::string_view kReorgJournalCaption = cp<"Journaldatei">();
inline constexpr std::string_view kReorgJournalLengths = cp<"Die Satzlängen der Buchungssätze werden überprüft.">();
inline constexpr std::string_view kReorgBookingsLabel = cp<"Buchungsätze...">();
inline constexpr std::string_view kReorgBookingsRead = cp<"%.0f Buchungssätze">();
inline constexpr std::string_view kReorgJournalDamaged =
    cp<"Die Journaldatei ist beschädigt und kann nicht automatisch repariert werden!\n"
       "Die Neuverbuchung / Reorganisation wird abgebrochen !">();
inline constexpr std::string_view kReorgBalanceCaption = cp<"Saldendatei">();
inline constexpr std::string_view kReorgBalanceLengths = cp<"Die Satzlängen der Konten werden überprüft.">();
inline constexpr std::string_view kReorgAccountsLabel = cp<"Konten...">();
inline constexpr std::string_view kReorgAccountsRead = cp<"%.0f Konten">();
inline constexpr std::string_view kReorgBalanceDamaged =
    cp<"Die Saldendatei ist beschädigt und kann nicht automatisch repariert werden!\n"
       "Die Neuverbuchung / Reorganisation wird abgebrochen !">();
inline constexpr std::string_view kReorgReadFailed =
    cp<"Es ist Fehler beim Einlesen der Daten aufgetreten!\nDie Neuverbuchung / Reorganisation wird abgebrochen !">();

// Accounts.
inline constexpr std::string_view kReorgAccountsCheck = cp<"Die Konten werden vorab auf Fehler überprüft">();
inline constexpr std::string_view kReorgBrokenAccountCaption = cp<"Fehler in Saldendatei">();
inline constexpr std::string_view kReorgBrokenAccount = cp<"Folgendes Konto ist fehlerhaft oder doppelt vorhanden.">();
inline constexpr std::string_view kReorgBrokenAccountLine = cp<"%s   %s">();
inline constexpr std::string_view kReorgAccountDeleted = cp<"Das Konto wird jetzt gelöscht.">();

// Dates.
inline constexpr std::string_view kReorgDatesCaption = cp<"Satzüberprüfung">();
inline constexpr std::string_view kReorgDatesCheck = cp<"Die Buchungssätze werden überprüft">();
inline constexpr std::string_view kReorgBookingErrorCaption = cp<"Fehler in den Buchungssätzen">();
inline constexpr std::string_view kReorgTheDate = cp<"Das Datum">();
inline constexpr std::string_view kReorgInBooking = cp<"im Buchungssatz Nr.">();
inline constexpr std::string_view kReorgDateNotCorrect = cp<"ist nicht korrekt.">();
inline constexpr std::string_view kReorgDateQuestion =
    cp<"Möchten Sie das Datum korrigieren oder den Buchungssatz löschen?">();
inline constexpr std::string_view kReorgAnswerChangeDate = cp<"&Datum ändern">();
inline constexpr std::string_view kReorgAnswerDrop = cp<"Satz &löschen">();
inline constexpr std::string_view kReorgNewDateCaption = cp<"Neues Datum">();
inline constexpr std::string_view kReorgNewDatePrompt = cp<"Neues &Datum eingeben:">();

// Accounts of a booking.
inline constexpr std::string_view kReorgTheAccount = cp<"Das Konto ">();
inline constexpr std::string_view kReorgAccountNotCreated = cp<"ist nicht angelegt.">();
inline constexpr std::string_view kReorgAccountQuestion =
    cp<"Möchten Sie das Konto neu anlegen oder den Buchungssatz löschen?">();
inline constexpr std::string_view kReorgAnswerChangeAccount = cp<"&Konto ändern">();
inline constexpr std::string_view kReorgAnswerCreateAccount = cp<"Konto &anlegen">();
inline constexpr std::string_view kReorgNewNumberCaption = cp<"Neue Kontonummer">();
inline constexpr std::string_view kReorgNewNumberPrompt = cp<"Neue &Kontonummer eingeben:">();
inline constexpr std::string_view kReorgNewAccountCaption = cp<"Neues Konto Einrichten">();

// Reposting.
inline constexpr std::string_view kReorgRepostCaption = cp<"Neuverbuchung">();
inline constexpr std::string_view kReorgRepostLine = cp<"Die Buchungssätze werden neu verbucht">();

// Bookings that need a decision before anything is changed.
inline constexpr std::string_view kReorgNeedsDecisions =
    cp<"%i Buchungssätze können nicht ohne Rückfrage neu verbucht werden.\n"
       "Möchten Sie die Neuverbuchung / Reorganisation mit Rückfragen durchführen?">();
inline constexpr std::string_view kReorgVatAccountMissing = cp<"Das Mehrwertsteuerkonto %i ist nicht angelegt.">();
// Name of an account the command line creates for bookings that name it (25 characters at most).
inline constexpr std::string_view kReorgCreatedAccountName = cp<"Angelegt (Reorganisation)">();
inline constexpr std::string_view kReorgBadAmount =
    cp<"Betrag oder Mehrwertsteuersatz des Buchungssatzes ist keine Zahl: '%s'.">();
inline constexpr std::string_view kReorgSlotOverflow =
    cp<"Ein Monatssaldo würde bei diesem Buchungssatz zu gross.">();

}  // namespace tellmark::text
