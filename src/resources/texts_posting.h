#pragma once
// Texts of the posting engine: the checks of a booking line, the booking kinds, posting, deleting and
// changing bookings.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Checks of a line.
inline constexpr std::string_view kSameAccountTwice = cp<"Gleiche Kontonummer in Soll und Haben!">();
inline constexpr std::string_view kAmountTooLarge =
    cp<"Der eingegebene Betrag %13.2f ist unzulässig.\nDer Betrag ist zu gross !">();
inline constexpr std::string_view kAmountTooSmall =
    cp<"Der eingegebene Betrag %13.2f ist unzulässig.\nDer Betrag ist zu klein !">();
inline constexpr std::string_view kZeroAmount =
    cp<"Nullbuchungen sind nicht zulässig!\nBitte geben Sie einen Betrag ungleich 0 ein !">();
inline constexpr std::string_view kNoVatForAccounts =
    cp<"Bei dieser Kontenkombination ist keine\nMehrwertsteuereingabe zulässig !">();
inline constexpr std::string_view kVatRateTooLarge =
    cp<"Die eingegebene Mehrwertsteuer %7.2f ist unzulässig!\nDer Betrag ist zu gross !">();
inline constexpr std::string_view kVatRateTooSmall =
    cp<"Die eingegebene Mehrwertsteuer %7.2f ist unzulässig!\nDer Betrag ist zu klein !">();
inline constexpr std::string_view kBookingNotSaved = cp<"Der Buchungssatz wurde nicht gespeichert !">();

// Booking kinds, as the entry form names them.
inline constexpr std::string_view kKindNet = cp<"Netto">();
inline constexpr std::string_view kKindTravelCosts = cp<"Reisekosten">();
inline constexpr std::string_view kKindDiscount = cp<"Skonto">();
inline constexpr std::string_view kKindEu = cp<"EU-Buchung">();
inline constexpr std::string_view kKindReverseCharge = cp<"Kosten §13b">();

// Cash discount.
inline constexpr std::string_view kNoDiscountForAccounts =
    cp<"Bei dieser Kontenkombination ist \nkeine Skonto-Verarbeitung zulässig !">();
inline constexpr std::string_view kDiscountPercentRange = cp<"Skonto von 0.00% bis 9.99% zulässig !">();

// Special accounts created when a second line needs them.
inline constexpr std::string_view kEuInputVatAccountName = cp<"Vorsteuer EU-Lieferungen">();
inline constexpr std::string_view kEuOutputVatAccountName = cp<"Mwst. EU-Lieferungen">();
inline constexpr std::string_view kDiscountGrantedAccountName = cp<"GEWÄHRTE SKONTI">();
inline constexpr std::string_view kDiscountReceivedAccountName = cp<"ERHALTENE SKONTI">();

// Second lines.
inline constexpr std::string_view kEuSecondLineFailed =
    cp<"Fehler in der Saldendatei.\nEU-Buchungssatz konnte nicht gespeichert werden.\n"
       "Bitte Neuverbuchung/Reorganisation durchführen !">();
inline constexpr std::string_view kDiscountSecondLineFailed =
    cp<"Fehler in der Saldendatei.\nSkonto-Buchungssatz konnte nicht gespeichert werden.\n"
       "Bitte Neuverbuchung/Reorganisation durchführen !">();

// Deleting and changing bookings.
inline constexpr std::string_view kDeleteBookingQuestion = cp<"Soll dieser Buchungssatz wirklich gelöscht werden?">();
inline constexpr std::string_view kDeletedNotReversed =
    cp<"Eine der Kontonummern in der Buchungszeile war fehlerhaft!\nDer Buchungssatz konnte zwar gelöscht\n"
       "aber nicht rückgebucht werden.\nBitte Neuverbuchung/Reorganisation durchführen!">();
inline constexpr std::string_view kChangedOldNotReversed =
    cp<"Eine Kontonummer im alten Buchungssatz war fehlerhaft!\nDer Buchungssatz konnte zwar gelöscht\n"
       "aber nicht rückgebucht werden.\nBitte Neuverbuchung/Reorganisation durchführen!">();
inline constexpr std::string_view kChangedNewNotPosted =
    cp<"Eine der Kontonummern im neuen Buchungssatz war fehlerhaft!\nDer Buchungssatz kann nicht korrekt "
       "verbucht werden.\nBitte Neuverbuchung/Reorganisation durchführen!">();

// A line that would need a standard VAT account the balance file does not hold is not posted at all,
// rather than splitting its VAT onto whatever account a cursor last stood on.
inline constexpr std::string_view kVatAccountMissing =
    cp<"Das Mehrwertsteuerkonto %i ist in der Saldendatei nicht vorhanden.\n"
       "Der Buchungssatz wurde nicht gespeichert !\nBitte Neuverbuchung/Reorganisation durchführen !">();
// The journal refused the record: nothing is posted to the balances either.
// A month slot holds twelve characters: a line that would push one beyond them is refused before anything
// is written, so journal and balances never part.
inline constexpr std::string_view kSlotWouldOverflow = cp<
    "Der Monatssaldo eines Kontos würde den Platz in der Saldendatei überschreiten\n"
    "(höchstens 999999999.99 bzw. -99999999.99).\nDer Buchungssatz wurde nicht gespeichert !">();
inline constexpr std::string_view kJournalRecordNotWritten =
    cp<"Der Buchungssatz konnte nicht in die Journaldatei geschrieben werden !">();

// "Journalsortierung".
inline constexpr std::string_view kSortProgressCaption = cp<"Journaldatei">();
inline constexpr std::string_view kSortProgressLine = cp<"Die Buchungssätze werden sortiert.">();
inline constexpr std::string_view kSortProgressLabel = cp<"Sortierung läuft...">();
inline constexpr std::string_view kSortNewJournalFailed = cp<"Neue Journaldatei konnte nicht angelegt werden !">();
inline constexpr std::string_view kSortBackupFailed =
    cp<"Die Sicherungskopie der Journaldatei konnte nicht angelegt werden !\nDas Journal bleibt unverändert.">();
inline constexpr std::string_view kSortReadFailed = cp<"Fehler beim Lesen der Journaldatei !">();
inline constexpr std::string_view kSortRefusedCaption = cp<"Bei der Sortierung ist ein Fehler aufgetreten!">();
inline constexpr std::string_view kSortRefused =
    cp<"Die Sortierung wurde abgebrochen und die \nursprünglichen Daten wieder hergestellt.\nBitte führen Sie vor "
       "einer nochmaligen Sortierung eine\nDatensicherung und Neuverbuchung/Reorganisation durch.">();

}  // namespace tellmark::text
