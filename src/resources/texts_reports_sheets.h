#pragma once
// Texts of the account sheets ("K O N T O B L A T T") and the collective account sheets
// ("SAMMELKONTOBLATT"): progress window, page headers, line templates and the end block both share. The
// title lines get the print date at their right end and the sheet line its number there from the shared
// header (reports/page_header.h).

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kAccountSheetsProgressCaption = cp<"Kontenblätter">();
inline constexpr std::string_view kSheetsProgressLine = cp<"Die Buchungen werden gesucht...">();
inline constexpr std::string_view kAccountSheetsProgressAccount = cp<"Konto: %04.0f">();
// The journal could not be read while the sheets were written.
inline constexpr std::string_view kSheetsJournalReadFailed = cp<"Fehler beim Lesen der Journaldatei !">();

// Account sheets. Title: account number text and name.
inline constexpr std::string_view kAccountSheetTitle = cp<"K O N T O B L A T T: %5s  %25s">();
inline constexpr std::string_view kAccountSheetColumns =
    cp<"DATUM      BELEG        S      H     BUCHUNGSTEXT                               SOLL %3s             "
       "HABEN %3s">();
// Net-booked accounts carry the VAT rate of each booking.
inline constexpr std::string_view kAccountSheetColumnsNet =
    cp<"DATUM      BELEG        S      H     BUCHUNGSTEXT                 MWST%%         SOLL %3s             "
       "HABEN %3s">();
// Date "DD.MM", '.', the two-digit year, document, debit, credit, text, debit column, credit column.
inline constexpr std::string_view kAccountSheetLine =
    cp<"%-5s.%-2s   %6s    %5s  %5s    %-25s              %11s            %11s">();
// The same with the VAT rate under "MWST%" of the net-booked heading.
inline constexpr std::string_view kAccountSheetLineNet =
    cp<"%-5s.%-2s   %6s    %5s  %5s    %-25s    %5s     %11s            %11s">();

// Collective account sheets. Title: the account group with its jokers.
inline constexpr std::string_view kCollectiveSheetTitle = cp<"SAMMELKONTOBLATT:  %5s">();
inline constexpr std::string_view kCollectiveSheetUnderline = cp<"------------------------">();
inline constexpr std::string_view kCollectiveSheetColumns =
    cp<"DATUM     BELEG       S      H     BUCHUNGSTEXT               MWST%%            SOLL %3s              "
       "HABEN %3s">();
// Date "DD.MM", '.', the two-digit year, document, debit, credit, text, VAT rate, debit and credit column.
inline constexpr std::string_view kCollectiveSheetLine =
    cp<"%-5s.%-2s  %6s   %5s  %5s    %-25s  %5s         %11s            %11s">();

// Carry-over at a page break and the end block of both kinds of sheet.
inline constexpr std::string_view kSheetCarryOver =
    cp<"Übertrag:                                                                   %11.2f            %11.2f">();
inline constexpr std::string_view kSheetSums =
    cp<"SUMMEN:                                                                     %11.2f            %11.2f">();
inline constexpr std::string_view kSheetBalanceDebit =
    cp<"SALDO:                                                                      %11.2f">();
inline constexpr std::string_view kSheetBalanceCredit =
    cp<"SALDO:                                                                                             %11.2f">();
// "vor" or "am", day, month, four-digit year, balance.
inline constexpr std::string_view kSheetAccountBalanceDebit =
    cp<"KONTOSTAND    %-3s  %02i.%02i.%04i                                               %11.2f">();
inline constexpr std::string_view kSheetAccountBalanceCredit =
    cp<"KONTOSTAND    %-3s  %02i.%02i.%04i                                                                      "
       "%11.2f">();
inline constexpr std::string_view kSheetBefore = cp<"vor">();
inline constexpr std::string_view kSheetAt = cp<"am">();

}  // namespace tellmark::text
