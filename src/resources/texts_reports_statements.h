#pragma once
// Texts of the annual statements: the profit and loss statement, the cash-basis result and the balance
// sheet. Templates keep their exact widths; the narrow report line holds 65 characters.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Profit and loss statement and cash-basis result.
inline constexpr std::string_view kResultTitleCashBasis = cp<"EINNAHME-ÜBERSCHUSSRECHNUNG">();
inline constexpr std::string_view kResultTitleProfitAndLoss = cp<"GEWINN- UND VERLUSTRECHNUNG">();
inline constexpr std::string_view kResultUnderline = cp<"---------------------------">();
inline constexpr std::string_view kResultGroupTitle = cp<"%-40s Soll %3s       Haben %3s">();
inline constexpr std::string_view kResultAccountLine = cp<"%-5s   %-25s    %12s    %12s">();
inline constexpr std::string_view kResultAmount = cp<"%12.2f">();
inline constexpr std::string_view kResultSubtotal = cp<"ZWISCHENSUMME                        %12.2f    %12.2f">();
inline constexpr std::string_view kResultClosingLine = cp<"%-20s                 %12s    %12s">();
inline constexpr std::string_view kResultLoss = cp<"VERLUST:">();
inline constexpr std::string_view kResultProfit = cp<"GEWINN:">();
inline constexpr std::string_view kResultSurplus = cp<"ÜBERSCHUSS:">();
inline constexpr std::string_view kResultSum = cp<"SUMME:">();

// Result groups, chart 03.
inline constexpr std::string_view kResult03Revenue = cp<"KLASSE 8:   ERLÖSKONTEN">();
inline constexpr std::string_view kResult03Purchases = cp<"KLASSE 3:   WARENEINKAUFSKONTEN">();
inline constexpr std::string_view kResult03Expenses = cp<"KLASSE 4:   KOSTENARTEN">();
inline constexpr std::string_view kResult03Neutral = cp<"KLASSE 2:   NEUTRALE KONTEN">();

// Result groups, chart 04.
inline constexpr std::string_view kResult04Revenue = cp<"KLASSE 4: BETRIEBLICHE ERTRÄGE">();
inline constexpr std::string_view kResult04Materials = cp<"KLASSE 5: WAREN-, MATERIALAUFWAND">();
inline constexpr std::string_view kResult04Expenses = cp<"KLASSE 6: BETRIEBL. AUFWENDUNGEN">();
inline constexpr std::string_view kResult04Other = cp<"KLASSE 7: WEIT. ERTRÄGE UND AUFWENDUNGEN">();

// Balance sheet.
inline constexpr std::string_view kBalanceSheetTitle = cp<"B I L A N Z">();
inline constexpr std::string_view kBalanceSheetColumns = cp<"%-29s %12s %3s   %12s %3s">();
inline constexpr std::string_view kBalanceSheetAssets = cp<"A K T I V A">();
inline constexpr std::string_view kBalanceSheetLiabilities = cp<"P A S S I V A">();
inline constexpr std::string_view kBalanceSheetDebit = cp<"Soll">();
inline constexpr std::string_view kBalanceSheetCredit = cp<"Haben">();
inline constexpr std::string_view kBalanceSheetGroupTitle = cp<"%-64s ">();
inline constexpr std::string_view kBalanceSheetLine = cp<"%-30s    %12s       %12s">();
inline constexpr std::string_view kBalanceSheetAmount = cp<"%12.2f">();
inline constexpr std::string_view kBalanceSheetCustomers = cp<"Kundenforderungen">();
inline constexpr std::string_view kBalanceSheetSuppliers = cp<"Lieferantenverbindlichkeiten">();
inline constexpr std::string_view kBalanceSheetVatBalance = cp<"Umsatzsteuersaldo">();
inline constexpr std::string_view kBalanceSheetCapitalAccount = cp<"Kapitalkonto %02i.%02i.%04i">();
inline constexpr std::string_view kBalanceSheetCapitalMovements = cp<"Bewegungen Kapitalkonto">();
inline constexpr std::string_view kBalanceSheetLoss = cp<"VERLUST">();
inline constexpr std::string_view kBalanceSheetProfit = cp<"GEWINN">();
inline constexpr std::string_view kBalanceSheetCapitalAt = cp<"Kapital %02i.%02i.%04i">();
inline constexpr std::string_view kBalanceSheetCapitalClosing = cp<"Kapital Abschluss %04i">();
inline constexpr std::string_view kBalanceSheetClassNine = cp<"KONTENKLASSE 9">();
inline constexpr std::string_view kBalanceSheetSubtotal = cp<"Zwischensumme">();
inline constexpr std::string_view kBalanceSheetTotalsLine = cp<"%-25s         %12.2f       %12.2f">();
inline constexpr std::string_view kBalanceSheetTotals = cp<"Bilanzsummen:">();
inline constexpr std::string_view kBalanceSheetDifference = cp<"Differenz:">();

// Group titles of the balance sheet.
inline constexpr std::string_view kBalanceSheetFixedAssets = cp<"ANLAGEVERMÖGEN">();
inline constexpr std::string_view kBalanceSheetCurrentAssets = cp<"UMLAUFVERMÖGEN">();
inline constexpr std::string_view kBalanceSheetLongTermReceivables = cp<"LANGFRISTIGE FORDERUNGEN">();
inline constexpr std::string_view kBalanceSheetAccruals = cp<"RECHNUNGSABGRENZUNG">();
inline constexpr std::string_view kBalanceSheetCapital = cp<"KAPITAL">();
inline constexpr std::string_view kBalanceSheetSpecialItems = cp<"SONDERPOSTEN MIT RÜCKLAGEANTEIL">();
inline constexpr std::string_view kBalanceSheetProvisions = cp<"RÜCKSTELLUNGEN">();
inline constexpr std::string_view kBalanceSheetLongTermLiabilities = cp<"LANGFRISTIGE VERBINDLICHKEITEN">();
inline constexpr std::string_view kBalanceSheetShortTermLiabilities = cp<"KURZFRISTIGE VERBINDLICHKEITEN">();
inline constexpr std::string_view kBalanceSheetLiabilitiesGroup = cp<"VERBINDLICHKEITEN">();

}  // namespace tellmark::text
