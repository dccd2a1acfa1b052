#pragma once
// The dialogs of the reports from the journal; the cut-off month label of the month evaluation, which
// names the highest month the dialog takes.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kJournalDialogTitle = cp<"Journaldruck / Journalvorschau">();
inline constexpr std::string_view kJournalDialogFrom = cp<"Ausdruck &von:">();
inline constexpr std::string_view kJournalDialogTo = cp<"Ausdruck &bis:">();

inline constexpr std::string_view kAccountSheetsDialogTitle = cp<"Kontendruck / Kontenvorschau">();
inline constexpr std::string_view kAccountSheetsPeriodGroup = cp<"Zeitraum">();
inline constexpr std::string_view kAccountSheetsAccountsGroup = cp<"Konten">();
inline constexpr std::string_view kAccountSheetsDateFrom = cp<"&von:">();
inline constexpr std::string_view kAccountSheetsDateTo = cp<"&bis:">();
inline constexpr std::string_view kAccountSheetsAccountFrom = cp<"vo&n:">();
inline constexpr std::string_view kAccountSheetsAccountTo = cp<"bi&s:">();
inline constexpr std::string_view kAccountSheetsSkipZero = cp<"&Konten ohne Buchung und ohne Bestand">();
inline constexpr std::string_view kAccountSheetsSkipZeroTail = cp<"nicht drucken">();
inline constexpr std::string_view kAccountSheetsSkipAll = cp<"Konten ohne Buchung &überhaupt nicht">();
inline constexpr std::string_view kAccountSheetsSkipAllTail = cp<"drucken (trotz Bestand)">();

inline constexpr std::string_view kCashBookDialogTitle = cp<"Kassenbuch Druck / Vorschau">();
inline constexpr std::string_view kCashBookAccount = cp<"&Konto-Nummer:">();
inline constexpr std::string_view kCashBookChoose = cp<"Aus&wählen">();
inline constexpr std::string_view kCashBookName = cp<"Bezeichnung:">();

inline constexpr std::string_view kCollectiveDialogTitle = cp<"Sammelkontoblatt">();
inline constexpr std::string_view kCollectiveGroup = cp<"Konto&gruppe:">();
inline constexpr std::string_view kCollectiveGroupNote = cp<"(z.B. 84\?\? oder 1\?\?\?)">();

inline constexpr std::string_view kMonthEvaluationMonth = cp<"&Stichmonat (1-%i):">();

}  // namespace tellmark::text
