#pragma once
// Texts of the journal printout, the cash book and the list of one account's bookings: progress window,
// page headers, line templates and messages (the texts of their dialogs are the shell's). The title, sheet
// and booking year lines are laid out by the shared header (reports/page_header.h): the title at the left,
// print date and sheet number at the right end.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Journal printout.
inline constexpr std::string_view kJournalProgressCaption = cp<"Journalausgabe">();
inline constexpr std::string_view kJournalProgressLine = cp<"Die Buchungen werden gesucht...">();
inline constexpr std::string_view kJournalProgressMonth = cp<"Monat: %02i">();
// The journal could not be read while a report was written.
inline constexpr std::string_view kJournalReportReadFailed = cp<"Fehler beim Lesen der Journaldatei !">();

inline constexpr std::string_view kJournalTitle = cp<"J O U R N A L">();
// Date "DD.MM", '.', the two-digit year, document, debit, credit, text, amount, VAT rate, VAT amount and
// the booking number.
inline constexpr std::string_view kJournalColumns =
    cp<"DATUM      BELEG       S     H     BUCHUNGSTEXT                   BETRAG %3s     MWST.(%%)    "
       "MWST. %3s     Nr.">();
inline constexpr std::string_view kJournalLine =
    cp<"%-5s.%-2s   %6s   %5s %5s    %-25s    %11s      %5s    %11s %8.0f">();

// Cash book.
inline constexpr std::string_view kCashBookProgressCaption = cp<"Kassenbuch">();
inline constexpr std::string_view kCashBookProgressLine = cp<"Das Kassenbuch wird erstellt">();

// Account number text and name of the cash account; the print date follows at the line end.
inline constexpr std::string_view kCashBookTitle = cp<"KASSENBUCH Konto-Nr. %5s  %25s">();
inline constexpr std::string_view kCashBookColumns =
    cp<"DATUM     BELEG      S     H   BUCHUNGSTEXT                      BETRAG    MWST.(%%)   MWST. %3s    "
       "Bestand %3s">();
// Date "DD.MM", '.', the two-digit year, document, debit, credit, text, amount, VAT rate, VAT amount and
// the running balance "%12.2f".
inline constexpr std::string_view kCashBookLine =
    cp<"%-5s.%02i  %6s  %5s %5s  %-25s    %11s    %5s    %11s   %12s">();
// "vor" or "am", day, month, two-digit year, balance.
inline constexpr std::string_view kCashBookBalance =
    cp<"KONTOSTAND    %-3s  %02i.%02i.%02i                                                                       "
       "%12.2f">();
inline constexpr std::string_view kCashBookBefore = cp<"vor">();
inline constexpr std::string_view kCashBookAt = cp<"am">();

// Bookings of one account, shown in the screen window.
inline constexpr std::string_view kAccountBookingsProgressCaption = cp<"Kontobuchungen">();
inline constexpr std::string_view kAccountBookingsProgressLine = kJournalProgressLine;
inline constexpr std::string_view kAccountBookingsProgressAccount = cp<"Konto: %04.0f">();

inline constexpr std::string_view kAccountBookingsTitle = cp<"KONTOBUCHUNGEN ZU KONTO:   %05i">();
inline constexpr std::string_view kAccountBookingsUnderline = cp<"--------------------------------">();
inline constexpr std::string_view kAccountBookingsColumns =
    cp<"Datum   Beleg     Soll Haben   Buchungstext                       Betrag      Mwst.    Mwst-Betrag      "
       "Nummer">();
// Date "DD.MM", document, debit, credit, text, amount, VAT rate, VAT amount, booking number.
inline constexpr std::string_view kAccountBookingsLine =
    cp<"%-5s   %6s   %5s %5s    %-25s    %11s      %5s    %11s   %9i">();

}  // namespace tellmark::text
