#pragma once
// Texts of the VAT pre-return with its transfer file and of the month evaluation: dialogs, page headers,
// line templates, the transfer file's hints and the messages. Templates keep their exact widths: the
// narrow line of the VAT pre-return holds 65 characters, the wide line of the month evaluation 110.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// VAT pre-return dialog.
inline constexpr std::string_view kVatReturnDialogTitle = cp<"Umsatzsteuervoranmeldung">();
inline constexpr std::string_view kVatReturnMonthGroup = cp<"Monat">();
inline constexpr std::string_view kVatReturnFromMonth = cp<"&von:">();
inline constexpr std::string_view kVatReturnToMonth = cp<"&bis:">();
inline constexpr std::string_view kVatReturnPrintGroup = cp<"Ausdruck">();
inline constexpr std::string_view kVatReturnPrintDate = cp<"&Druckdatum:">();
inline constexpr std::string_view kVatReturnRoundedOption = cp<"&Gerundet nach deutschen Umsatzsteuerrecht">();
inline constexpr std::string_view kVatReturnNote =
    cp<"Wenn ein gültiger Zeitraum (Monat oder Quartal) gewählt und die USTVA ausgedruckt wird, können die "
       "Daten anschließend als Vorschlagswerte für 'Tellmark Online' exportiert werden.">();

// VAT pre-return page header.
inline constexpr std::string_view kVatReturnTitle = cp<"UST. - VORANMELDUNG">();
inline constexpr std::string_view kVatReturnUnderline = cp<"-------------------">();
inline constexpr std::string_view kVatReturnCurrencies =
    cp<"                                        %3s                   %3s">();

// VAT pre-return lines.
inline constexpr std::string_view kVatReturnTurnoverAtRate =
    cp<"Umsätze zu %5.2f%%              %12.2f          %12.2f">();
inline constexpr std::string_view kVatReturnEuShareAtRate =
    cp<"EU-Umsatzanteil zu %5.2f%%      %12.2f          %12.2f">();
inline constexpr std::string_view kVatReturnOtherEuVatColumn =
    cp<"Sonstige EU-Umsätze:                                 %12.2f">();
inline constexpr std::string_view kVatReturnEuAtRate = cp<"EU-Umsätze zu %5.2f%%           %12.2f                      ">();
inline constexpr std::string_view kVatReturnOtherEuAmountColumn =
    cp<"Sonstige EU-Umsätze:           %12.2f                      ">();
inline constexpr std::string_view kVatReturnBothColumns = cp<"%-28s   %12.2f          %12.2f">();
inline constexpr std::string_view kVatReturnVatColumn = cp<"%-28s                         %12.2f">();
inline constexpr std::string_view kVatReturnAmountColumn = cp<"%-28s   %12.2f                      ">();
inline constexpr std::string_view kVatReturnYearResult = cp<"Umsatzsteuerzahllast (%04i):   %12.2f %21s">();
inline constexpr std::string_view kVatReturnYearDifference = cp<"Diff.: %0.2f">();

// Labels of the VAT pre-return lines.
inline constexpr std::string_view kVatReturnTaxFree = cp<"EU-Umsätze  (steuerfrei)">();
inline constexpr std::string_view kVatReturnTurnoverSum = cp<"Summe Umsätze:">();
inline constexpr std::string_view kVatReturnAccount = cp<"Konto %i">();
inline constexpr std::string_view kVatReturnOutputTotal = cp<"Mehrwertsteuer gesamt:">();
inline constexpr std::string_view kVatReturnInputVat = cp<"Vorsteuer:">();
inline constexpr std::string_view kVatReturnInputTotal = cp<"Vorsteuer gesamt:">();
inline constexpr std::string_view kVatReturnRefund = cp<"Erstattung:">();
inline constexpr std::string_view kVatReturnPayment = cp<"Zahlung:">();

// VAT pre-return messages.
inline constexpr std::string_view kVatReturnTooManyRates =
    cp<"Zu viele unterschiedliche Mehrwertsteuersätze.\nEs können nicht alle Einzelposten aufgeführt werden !">();
inline constexpr std::string_view kVatReturnTooManyEuRates =
    cp<"Zu viele unterschiedliche EU-Mehrwertsteuersätze.\nEs können nicht alle Einzelposten aufgeführt werden !">();
inline constexpr std::string_view kVatReturnJournalReadFailed = cp<"Fehler beim Lesen der Journaldatei !">();

// VAT pre-return progress window.
inline constexpr std::string_view kVatReturnProgressLine = cp<"Die Buchungen werden gesucht...">();
inline constexpr std::string_view kVatReturnProgressMonth = cp<"Monat: %02i">();

// Transfer file: key, text or amount, line end.
inline constexpr std::string_view kVatTransferText = cp<"%i=%s%s">();
inline constexpr std::string_view kVatTransferAmount = cp<"%i=%.2f%s">();
inline constexpr std::string_view kVatTransferLineEnd = cp<"\r\n">();
inline constexpr std::string_view kVatTransferPeriodMark = cp<"X">();
inline constexpr std::string_view kVatTransferHintProposals =
    cp<"Achtung: Bei den eingetragenen Werten handelt es sich nur um Vorschlagswerte !">();
inline constexpr std::string_view kVatTransferHintCheck =
    cp<"Kontrollieren Sie unbedingt die Zuordnung zu den einzelnen Feldern !">();
inline constexpr std::string_view kVatTransferHintTaxFree =
    cp<"Steuerfreie Erlöse in Höhe von %.2f müssen eventuell noch manuell eingetragen/korrigiert werden!">();
inline constexpr std::string_view kVatTransferHintDirect =
    cp<"Mehrwertsteuer-Direktbuchungen in Höhe von %.2f müssen noch manuell eingetragen werden!">();
inline constexpr std::string_view kVatTransferHintEuTaxFree =
    cp<"Steuerfreie EU-Buchungen in Höhe von %.2f müssen eventuell noch manuell korrigiert werden!">();
inline constexpr std::string_view kVatTransferHintField61 =
    cp<"Bitte Feld 61 kontrollieren! Es wurden Vorsteuerbeträge als Vorschlag eingetragen. Eventuell müssen "
       "diese entfernt werden (z.B. bei fehlender Abzugsberechtigung).">();

// Month evaluation dialog.
inline constexpr std::string_view kMonthEvaluationDialogTitle = cp<"Auswertung/Monat">();
inline constexpr std::string_view kMonthEvaluationCutOff = cp<"&Stichmonat (1-12):">();
inline constexpr std::string_view kMonthEvaluationPrintDate = cp<"&Druckdatum:">();
inline constexpr std::string_view kMonthEvaluationIncludeVat = cp<"&Umsatzsteuerkonten einbeziehen ">();

// Month evaluation page header.
inline constexpr std::string_view kMonthEvaluationTitle = cp<"AUSWERTUNG/MONAT">();
inline constexpr std::string_view kMonthEvaluationCurrency = cp<"Währung: %3s">();
inline constexpr std::string_view kMonthEvaluationColumns1 =
    cp<"                                Monatsabrechnung    %%  vom  %%  der         Aufrechnung vom    %%  vom  "
       "%%  der  ">();
inline constexpr std::string_view kMonthEvaluationColumns2 =
    cp<"                                zum:    %02i.%02i.%02i    Umsatz  G-Kosten     "
       "%02i.%02i.%02i-%02i.%02i.%02i    Umsatz  G-Kosten">();

// Month evaluation lines.
inline constexpr std::string_view kMonthEvaluationGroupTitle = cp<"%-110s">();
inline constexpr std::string_view kMonthEvaluationAccountLine =
    cp<"%5s %-25s    %13.2f %9s %9s         %13.2f %9s %9s">();
inline constexpr std::string_view kMonthEvaluationTotalLine = cp<"%-31s    %13.2f %9s %9s         %13.2f %9s %9s">();
inline constexpr std::string_view kMonthEvaluationShare = cp<"%9.2f">();
inline constexpr std::string_view kMonthEvaluationNoShare = cp<"-----">();
inline constexpr std::string_view kMonthEvaluationSubtotal = cp<"ZWISCHENSALDO">();
inline constexpr std::string_view kMonthEvaluationResult = cp<"ERGEBNIS">();

// Month evaluation groups, chart 03.
inline constexpr std::string_view kMonthEvaluation03Revenue = cp<"ERLÖSKONTEN">();
inline constexpr std::string_view kMonthEvaluation03Purchases = cp<"WARENEINKAUFSKONTEN">();
inline constexpr std::string_view kMonthEvaluation03Expenses = cp<"KOSTENARTEN">();
inline constexpr std::string_view kMonthEvaluation03Neutral = cp<"NEUTRALE KONTEN">();
inline constexpr std::string_view kMonthEvaluation03RevenueTotal = cp<"GESAMT ERLÖSKONTEN">();
inline constexpr std::string_view kMonthEvaluation03PurchasesTotal = cp<"GESAMT WARENEINKAUFSKONTEN">();
inline constexpr std::string_view kMonthEvaluation03ExpensesTotal = cp<"GESAMT KOSTENARTEN">();
inline constexpr std::string_view kMonthEvaluation03NeutralTotal = cp<"GESAMT NEUTRALE KONTEN">();

// Month evaluation groups, chart 04.
inline constexpr std::string_view kMonthEvaluation04Revenue = cp<"BETRIEBLICHE ERTRÄGE">();
inline constexpr std::string_view kMonthEvaluation04Materials = cp<"WAREN-, MATERIALAUFWAND">();
inline constexpr std::string_view kMonthEvaluation04Expenses = cp<"BETRIEBL. AUFWENDUNGEN">();
inline constexpr std::string_view kMonthEvaluation04Other = cp<"WEIT. ERTRÄGE UND AUFWENDUNGEN">();
inline constexpr std::string_view kMonthEvaluation04RevenueTotal = cp<"GESAMT BETRIEBLICHE ERTRÄGE">();
inline constexpr std::string_view kMonthEvaluation04MaterialsTotal = cp<"GESAMT WAREN-, MATERIALAUFWAND">();
inline constexpr std::string_view kMonthEvaluation04ExpensesTotal = cp<"GESAMT BETRIEBL. AUFWENDUNGEN">();
inline constexpr std::string_view kMonthEvaluation04OtherTotal = cp<"GESAMT KONTENKLASSE 7">();

}  // namespace tellmark::text
