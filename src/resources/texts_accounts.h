#pragma once
// Texts of the account maintenance: choosing, creating, renaming and deleting accounts and changing
// their opening balance.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Messages.
inline constexpr std::string_view kChosenAccountInvalid = cp<"Ungültige Kontonummer !">();
inline constexpr std::string_view kOpeningBalanceSaved = cp<"Änderung des Anfangsbestandes wurde gespeichert !">();
inline constexpr std::string_view kVatAccountNameFixed =
    cp<"Die Bezeichnung der Mehrwertsteuerkonten\nkann nicht geändert werden!">();
inline constexpr std::string_view kAccountNameMissing = cp<"Kontobezeichnung fehlt !">();
inline constexpr std::string_view kRenameNeedsReindex =
    cp<"Die Kontenbezeichnung konnte noch nicht geändert werden!\nEs wird eine Neuindizierung durchgeführt.\n"
       " Bitte probieren Sie es danach nochmals.">();
inline constexpr std::string_view kRenameIndexFailed =
    cp<"Beim Ändern der Kontenbezeichnung ist ein Fehler aufgetreten!\n"
       "Bitte führen Sie eine Neuverbuchung/Reorganisation durch.">();
inline constexpr std::string_view kAccountNameSaved = cp<"Änderung der Bezeichnung wurde gespeichert !">();
inline constexpr std::string_view kAccountHasPostings =
    cp<"Auf diesem Konto wurden schon Buchungen durchgeführt;\ndas Konto kann daher nicht gelöscht werden !">();
inline constexpr std::string_view kVatAccountsNotDeletable = cp<"Die Mehrwertsteuerkonten können nicht gelöscht werden !">();
inline constexpr std::string_view kAccountDeleted = cp<"Das Konto wurde erfolgreich gelöscht !">();
inline constexpr std::string_view kAccountNumberNotAllowed = cp<"Kontonummer nicht zulässig oder nicht korrekt!">();
inline constexpr std::string_view kAccountCreated = cp<"Neues Konto wurde erfolgreich angelegt !">();

// The pick list of all accounts.
inline constexpr std::string_view kChartPickListTitle = cp<"Kontenplan">();
inline constexpr std::string_view kChartPickListHeading = cp<"Übersicht über alle bislang angelegte Konten">();
inline constexpr std::string_view kChartPickListLine = cp<"  %5s    %25s">();

// Dialog "Konten Einrichten / Ändern / Löschen".
inline constexpr std::string_view kAccountsDialogTitle = cp<"Konten Einrichten / Ändern / Löschen">();
inline constexpr std::string_view kAccountsGroupChoose = cp<"Konto auswählen">();
inline constexpr std::string_view kAccountsNumberLabel = cp<"&Kontonummer:">();
inline constexpr std::string_view kAccountsChooseButton = cp<"&Auswählen">();
inline constexpr std::string_view kAccountsChartButton = cp<"Konten&plan">();
inline constexpr std::string_view kAccountsGroupChosen = cp<"Gewähltes Konto (nur Anzeige)">();
inline constexpr std::string_view kAccountsChosenNumber = cp<"Nummer:">();
inline constexpr std::string_view kAccountsChosenName = cp<"Bezeichnung:">();
inline constexpr std::string_view kAccountsChosenOpening = cp<"Anfangsbestand:">();
inline constexpr std::string_view kAccountsGroupChange = cp<"Änderungen für bestehende Konten">();
inline constexpr std::string_view kAccountsOpeningButton = cp<"An&fangsbest. ändern">();
inline constexpr std::string_view kAccountsRenameButton = cp<"&Bezeichnung ändern">();
inline constexpr std::string_view kAccountsDeleteButton = cp<"Konto &löschen">();
inline constexpr std::string_view kAccountsGroupNew = cp<"Neues Konto anlegen">();
inline constexpr std::string_view kAccountsNewButton = cp<"&Neues Konto">();
inline constexpr std::string_view kAccountsCloseButton = cp<"&Schließen">();

// Dialog "Anfangsbestand ändern".
inline constexpr std::string_view kOpeningDialogTitle = cp<"Anfangsbestand ändern">();
inline constexpr std::string_view kOpeningDialogOld = cp<"&Bisheriger Anfangsbestand:">();
inline constexpr std::string_view kOpeningDialogNew = cp<"&Neuer Anfangsbestand:">();

// Dialog "Kontobezeichung ändern".
inline constexpr std::string_view kRenameDialogTitle = cp<"Kontobezeichung ändern">();
inline constexpr std::string_view kRenameDialogOld = cp<"&Bisherige Kontobezeichnung:">();
inline constexpr std::string_view kRenameDialogNew = cp<"&Neue Kontobezeichnung:">();

// Dialog "Neues Konto Einrichten".
inline constexpr std::string_view kNewAccountDialogTitle = cp<"Neues Konto Einrichten">();
inline constexpr std::string_view kNewAccountNumber = cp<"&Kontonummer:">();
inline constexpr std::string_view kNewAccountName = cp<"&Bezeichnung:">();
inline constexpr std::string_view kNewAccountOpening = cp<"Anfangs&bestand:">();

// Shared by the rename and the new-account dialog.
inline constexpr std::string_view kVatPresetCheck = cp<"&MwSt.-Satz:">();
inline constexpr std::string_view kVatPresetNote = cp<"(&vorbelegter MwSt.-Satz)">();
inline constexpr std::string_view kAccountDialogOk = cp<"&OK">();
inline constexpr std::string_view kAccountDialogCancel = cp<"&Abbruch">();

}  // namespace tellmark::text
