#pragma once
// Titles of the account classes of the trial balance, per chart of accounts, and the class heading line.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Heading of one class: title, then the currency code over the debit and the credit column.
inline constexpr std::string_view kClassTitleLine = cp<"%-40s Soll %3s       Haben %3s\r\n">();

// Shown by the groupings formed by rule (balance sheet, month evaluation) for a group they do not know.
inline constexpr std::string_view kAccountClassUnknown = cp<"Fehler in der Klasseneinteilung; Klasse unbekannt !">();

// Titles used by both charts.
inline constexpr std::string_view kClassVatAccounts = cp<"UMSATZSTEUERKONTEN">();
inline constexpr std::string_view kClassOpeningClosing = cp<"KLASSE 9: ERÖFFNUNGS- U. ABSCHLUSSKONTEN">();
inline constexpr std::string_view kClassCustomers = cp<"KUNDENKONTEN">();
inline constexpr std::string_view kClassSuppliers = cp<"LIEFERANTENKONTEN">();

// Chart 03.
inline constexpr std::string_view kClass03Zero = cp<"KLASSE 0: ANLAGE- UND KAPITALKONTEN">();
inline constexpr std::string_view kClass03One = cp<"KLASSE 1: FINANZKONTEN">();
inline constexpr std::string_view kClass03Two = cp<"KLASSE 2: NEUTRALE KONTEN">();
inline constexpr std::string_view kClass03Three = cp<"KLASSE 3: WARENEINKAUFSKONTEN">();
inline constexpr std::string_view kClass03Four = cp<"KLASSE 4: KOSTENARTEN">();
inline constexpr std::string_view kClass03Eight = cp<"KLASSE 8: ERLÖSKONTEN">();

// Chart 04.
inline constexpr std::string_view kClass04Zero = cp<"KLASSE 0: ANLAGEVERMÖGEN">();
inline constexpr std::string_view kClass04One = cp<"KLASSE 1: UMLAUFVERMÖGEN">();
inline constexpr std::string_view kClass04Two = cp<"KLASSE 2: PASSIVA">();
inline constexpr std::string_view kClass04Three = cp<"KLASSE 3: PASSIVA">();
inline constexpr std::string_view kClass04Four = cp<"KLASSE 4: BETRIEBLICHE ERTRÄGE">();
inline constexpr std::string_view kClass04Five = cp<"KLASSE 5: WAREN-, MATERIALAUFWAND">();
inline constexpr std::string_view kClass04Six = cp<"KLASSE 6: BETRIEBL. AUFWENDUNGEN">();
inline constexpr std::string_view kClass04Seven = cp<"KLASSE 7: WEIT. ERTRÄGE UND AUFWENDUNGEN">();

}  // namespace tellmark::text
