#pragma once
// Booking circle settings: section and keys of the settings file, their defaults, the administration
// dialog's texts and messages, the window title and the overview line.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Section and keys of the settings file STAMMnnn.DAT.
inline constexpr std::string_view kCircleSection = cp<"[BUCHUNGSKREIS]">();
inline constexpr std::string_view kKeyCircleVersion = cp<"Version">();
inline constexpr std::string_view kKeyCircleName = cp<"Name">();
inline constexpr std::string_view kKeyCirclePassword = cp<"BK-Passwort">();
inline constexpr std::string_view kKeyChart = cp<"Kontenrahmen">();
inline constexpr std::string_view kKeyYear = cp<"Jahr">();
inline constexpr std::string_view kKeyFirstMonth = cp<"1.Monat">();
inline constexpr std::string_view kKeyVat = cp<"MwSt">();
inline constexpr std::string_view kKeyCashBasis = cp<"EÜ-Rechnung">();
inline constexpr std::string_view kKeyCurrency1 = cp<"Währung1">();
inline constexpr std::string_view kKeyCurrency2 = cp<"Währung2">();
inline constexpr std::string_view kKeyCurrencyFactor = cp<"Währungsfaktor">();
inline constexpr std::string_view kKeyAutoDocument = cp<"Auto-Beleg">();
inline constexpr std::string_view kKeyElsterTaxNumber = cp<"ElsterStNr">();
inline constexpr std::string_view kKeyElsterTaxOffice = cp<"ElsterFaNr">();
inline constexpr std::string_view kKeyElsterName = cp<"ElsterName">();
inline constexpr std::string_view kKeyElsterStreet = cp<"ElsterStrasse">();
inline constexpr std::string_view kKeyElsterPostcode = cp<"ElsterPlz">();
inline constexpr std::string_view kKeyElsterTown = cp<"ElsterOrt">();
inline constexpr std::string_view kKeyElsterPhone = cp<"ElsterTelefon">();
inline constexpr std::string_view kKeyElsterEmail = cp<"ElsterEmail">();
inline constexpr std::string_view kKeyDatevAdviser = cp<"DatevStbNr">();
inline constexpr std::string_view kKeyDatevClient = cp<"DatevMandantNr">();
inline constexpr std::string_view kKeyDatevDfv = cp<"DatevDFV">();
inline constexpr std::string_view kKeyDatevPassword = cp<"DatevPasswort">();
inline constexpr std::string_view kKeyDatevCarrier = cp<"DatevDatenTrNr">();
inline constexpr std::string_view kKeyDatevAccountingNumber = cp<"DatevAbrechNr">();
inline constexpr std::string_view kKeyDatevFrom = cp<"DatevVon">();
inline constexpr std::string_view kKeyDatevTo = cp<"DatevBis">();
inline constexpr std::string_view kKeyDatevCurrency = cp<"DatevWaehrung">();
inline constexpr std::string_view kKeyDatevExportPath = cp<"DatevExpPfad">();

// Defaults written by create defaults.
inline constexpr std::string_view kDefaultCircleVersion = cp<"W001001">();
inline constexpr std::string_view kDefaultCircleName = cp<"Name">();
inline constexpr std::string_view kDefaultChart = cp<"03">();
inline constexpr std::string_view kDefaultYear = cp<"2006">();
inline constexpr std::string_view kDefaultFirstMonth = cp<"01">();
inline constexpr std::string_view kDefaultCurrency = cp<"EUR">();
inline constexpr std::string_view kDocumentNumberOff = cp<"000000">();
inline constexpr std::string_view kDocumentNumberFirst = cp<"000001">();

// How values are written.
inline constexpr std::string_view kFormatYearValue = cp<"%4i">();
inline constexpr std::string_view kFormatMonthValue = cp<"%02i">();
inline constexpr std::string_view kFormatDocumentNumber = cp<"%06.f">();
inline constexpr std::string_view kChart03 = cp<"03">();
inline constexpr std::string_view kChart04 = cp<"04">();
inline constexpr std::string_view kChart3 = cp<"3">();
inline constexpr std::string_view kChart4 = cp<"4">();
inline constexpr std::string_view kFlagYes = cp<"J">();
inline constexpr std::string_view kFlagNo = cp<"N">();

// Administration dialog "Buchungskreisverwaltung" and the Elster dialog.
inline constexpr std::string_view kCircleAdminTitle = cp<"Buchungskreisverwaltung">();
inline constexpr std::string_view kCircleYearHint =
    cp<"Buchungsjahr 4-stellig; z.B. 2007 oder 0708 für Geschäftsjahr 2007/2008">();
inline constexpr std::string_view kCircleNextNumberHint =
    cp<"Nächste &Belegnummer für autom. Belegnummervergabe (1-999999)">();
inline constexpr std::string_view kCircleElsterButton = cp<"Elster-&Daten">();
inline constexpr std::string_view kElsterDialogTitle = cp<"Stammdaten für Elster-Verfahren">();
inline constexpr std::string_view kFormatAdminYear = cp<"%04i">();
inline constexpr std::string_view kFormatAdminMonth = cp<"%02i">();
inline constexpr std::string_view kFormatAdminChart = cp<"%02i">();
inline constexpr std::string_view kFormatAdminNextNumber = cp<"%i">();

inline constexpr std::string_view kMsgInvalidBookingYear = cp<"Ungültiges Buchungsjahr !">();
inline constexpr std::string_view kMsgCircleDefaultsFailed =
    cp<"Dateifehler bei der Neuanlage der \nStandardwerte des Buchungskreises !">();
inline constexpr std::string_view kMsgOnlyCharts03Or04 = cp<"Nur Kontenrahmen '03' oder '04' zulässig !">();
inline constexpr std::string_view kMsgCircleOpenFailed =
    cp<"Unerwarteter Fehler beim Öffnen der Buchungskreisdaten !">();
inline constexpr std::string_view kMsgCircleReadFailed =
    cp<"Unerwarteter Fehler beim Lesen der Buchungskreisdaten !">();
// The settings file holds a chart other than 03 or 04: chart as stored, settings file.
inline constexpr std::string_view kMsgInvalidChartInFile =
    cp<"Ungültiger Kontenrahmen '%s' in der Datei\n%s !\nNur Kontenrahmen '03' oder '04' zulässig;\n"
       "bitte in der Buchungskreisverwaltung richtigstellen.">();
// Creating a circle whose settings file is there already: number twice.
inline constexpr std::string_view kMsgCircleExists =
    cp<"Der Buchungskreis %i ist schon angelegt !\nSeine Einstellungen ändern Sie mit\n"
       "'circle change -k %i'.">();

// Window title of the open booking circle: calendar year, business year across two calendar years.
inline constexpr std::string_view kFormatTitleCalendarYear = cp<"Nr: %i - %-s - %04i">();
inline constexpr std::string_view kFormatTitleSpanYear = cp<"Nr: %i - %-s - %02i.%02i-%02i.%02i">();

// One line of the overview of all booking circles: number, name.
inline constexpr std::string_view kFormatCircleOverviewLine = cp<"  %03i   %-60s">();

}  // namespace tellmark::text
