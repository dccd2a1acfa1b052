#pragma once
// Texts of the balance list, the trial balance and the chart-of-accounts list: dialog captions, page
// headers, line templates and messages.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Commands.
inline constexpr std::string_view kBalanceListCommand = cp<"Saldenliste">();
inline constexpr std::string_view kTrialBalanceCommand = cp<"Saldenbilanz">();
inline constexpr std::string_view kChartListCommand = cp<"Kontenplan">();

// Balance list dialog.
inline constexpr std::string_view kBalanceListDialogTitle = cp<"Saldenliste">();
inline constexpr std::string_view kBalanceListByGroup = cp<"&Kontengruppe (mit Joker)">();
inline constexpr std::string_view kBalanceListByRange = cp<"Konten&nummern (von - bis)">();
inline constexpr std::string_view kBalanceListFromMonth = cp<"Ausdruck &von:">();
inline constexpr std::string_view kBalanceListToMonth = cp<"Ausdruck &bis:">();
inline constexpr std::string_view kBalanceListMonthNote = cp<"( 0 = Anfangsbestand )">();
inline constexpr std::string_view kBalanceListWideOption = cp<"&Salden mit Zu- Abgang ausgeben">();
inline constexpr std::string_view kBalanceListAlphabeticalOption = cp<"Konten a&lphabetisch ausgeben">();
// The include option, in two lines, worded for the form chosen.
inline constexpr std::string_view kBalanceListIncludeWide1 = cp<"Kon&ten ohne Anfangsbestand und ">();
inline constexpr std::string_view kBalanceListIncludeWide2 = cp<"ohne Kontenbewegung auch ausgeben">();
inline constexpr std::string_view kBalanceListIncludeNarrow1 = cp<"Kon&ten mit Saldo Null auch ">();
inline constexpr std::string_view kBalanceListIncludeNarrow2 = cp<"ausgeben">();
inline constexpr std::string_view kBalanceListPrintDate = cp<"&Datum:">();

// Trial balance dialog: the cut-off month, 12 or 13 as the highest.
inline constexpr std::string_view kTrialBalanceDialogTitle = cp<"Saldenbilanz">();
inline constexpr std::string_view kTrialBalanceCutOffMonth = cp<"&Stichmonat (0-%i):">();

// Chart-of-accounts list on the screen: a list box instead of a report.
inline constexpr std::string_view kChartListDialogTitle = cp<"Kontenplan">();
inline constexpr std::string_view kChartListDialogNote = cp<"Übersicht über alle bislang angelegte Konten">();
inline constexpr std::string_view kChartListFailed =
    cp<"Bei der Vorbereitung des Ausdrucks des Kontenplans\nist ein Fehler aufgetreten.\n"
       "Bitte führen Sie eine Neuverbuchung/Reorganisation durch.">();

// Amounts of the lists.
inline constexpr std::string_view kListAmount = cp<"%12.2f">();
inline constexpr std::string_view kListBlankColumn = cp<" ">();

// Balance list, narrow form.
inline constexpr std::string_view kBalanceListTitle = cp<"SALDENLISTE">();
inline constexpr std::string_view kBalanceListGroup = cp<"KONTENGRUPPE: %5s">();
inline constexpr std::string_view kBalanceListRange = cp<"KONTENBEREICH: %-11s">();
inline constexpr std::string_view kBalanceListRangeNumbers = cp<"%5.0f-%5.0f">();
inline constexpr std::string_view kBalanceListGroupColumns =
    cp<"KONTENGRUPPE: %5s                      Soll %3s       Haben %3s">();
inline constexpr std::string_view kBalanceListRangeColumns =
    cp<"KONTENBEREICH: %-11s               Soll %3s       Haben %3s">();
inline constexpr std::string_view kBalanceListLine = cp<"%-5s   %-25s    %12s    %12s">();
inline constexpr std::string_view kBalanceListSums = cp<"SUMMEN                               %12.2f    %12.2f">();
inline constexpr std::string_view kBalanceListBalance = cp<"SALDO                                %12s    %12s">();

// Balance list, wide form.
inline constexpr std::string_view kBalanceListWideGroup = cp<"KONTENGRUPPE: %5s, Währung: %3s">();
inline constexpr std::string_view kBalanceListWideRange = cp<"KONTENBEREICH: %11s, Währung: %3s">();
inline constexpr std::string_view kBalanceListWideRangeNumber = cp<"%04.0f">();
inline constexpr std::string_view kBalanceListWideRangeJoin = cp<"%5s-%-5s">();
inline constexpr std::string_view kBalanceListWideSides = cp<"(S=SOLL, H=HABEN)">();
inline constexpr std::string_view kBalanceListWideColumns =
    cp<"Konto     Bezeichnung                    Saldo vor %02i.%02i.%02i            Zugang/Abgang          "
       "Saldo: %02i.%02i.%02i ">();
inline constexpr std::string_view kBalanceListWideAmount = cp<"%12.2f%1s">();
inline constexpr std::string_view kBalanceListWideDebit = cp<"S">();
inline constexpr std::string_view kBalanceListWideCredit = cp<"H">();
inline constexpr std::string_view kBalanceListWideZero = cp<" ">();
inline constexpr std::string_view kBalanceListWideLine =
    cp<"%-5s  %-25s               %13s            %13s            %13s">();
inline constexpr std::string_view kBalanceListWideTotals =
    cp<"SALDEN                                         %13s            %13s            %13s">();

// Trial balance; account, sum and balance lines as in the narrow balance list.
inline constexpr std::string_view kTrialBalanceTitle = cp<"S A L D E N B I L A N Z">();
inline constexpr std::string_view kTrialBalanceLine = kBalanceListLine;
inline constexpr std::string_view kTrialBalanceSums = kBalanceListSums;
inline constexpr std::string_view kTrialBalanceBalance = kBalanceListBalance;

// Chart-of-accounts list.
inline constexpr std::string_view kChartListTitle = cp<"KONTENPLAN">();
inline constexpr std::string_view kChartListLine = cp<"%5s %25s   %5s %25s">();

}  // namespace tellmark::text
