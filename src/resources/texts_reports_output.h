#pragma once
// Texts of the report output: the print file, the shared page header and footer, the output choice,
// the text-file copy and the printed overview of booking circles.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// Print file "~print~.tmp".
inline constexpr std::string_view kPrintFileCreateFailed = cp<"Temporäre Datei konnte nicht angelegt werden !">();
inline constexpr std::string_view kPrintFileOpenFailed = cp<"Temporäre Datei konnte nicht geöffnet werden !">();
inline constexpr std::string_view kPrintFileWriteFailed = cp<"Fehler beim Schreiben der temporären Datei !">();
inline constexpr std::string_view kPrintFileSeekFailed = cp<"Positionierfehler in temporärer Datei aufgetreten !">();
inline constexpr std::string_view kPrintFileReadFailed = cp<"Fehler beim Lesen aus der temporären Datei !">();
inline constexpr std::string_view kPrintMemoryShort = cp<"Nicht genügend Speicher, um alles auf einmal zu drucken !">();
inline constexpr std::string_view kPrintFontOutOfRange = cp<"Nur Werte von 100 bis 300 zulässig !">();

// Page header and footer shared by the reports.
inline constexpr std::string_view kHeaderPrintDate = cp<"%02i.%02i.%04i">();
inline constexpr std::string_view kHeaderSheetTwoDigits = cp<"Blatt %02u">();
inline constexpr std::string_view kHeaderSheetThreeDigits = cp<"Blatt %03u">();
inline constexpr std::string_view kHeaderSheetFourDigits = cp<"Blatt %04u">();
inline constexpr std::string_view kFooterSheetTwoDigits = cp<"Blatt %02u+">();
inline constexpr std::string_view kFooterSheetThreeDigits = cp<"Blatt %03u+">();
inline constexpr std::string_view kHeaderBookingYear = cp<"Buchungsjahr %04i">();
inline constexpr std::string_view kHeaderBookingYearSpan = cp<"Buchungsjahr %02i.%04i-%02i.%04i">();
inline constexpr std::string_view kHeaderPeriod = cp<"Zeitraum: %s-%s">();
inline constexpr std::string_view kPeriodOpening = cp<"Anfangswerte">();
inline constexpr std::string_view kPeriodClosing = cp<"Abschluss">();
inline constexpr std::string_view kPeriodDate = cp<"%02i.%02i.%04i">();
inline constexpr std::string_view kAsAtDate = cp<"  zum %02i.%02i.%04i">();
inline constexpr std::string_view kAsAtClosing = cp<",  Abschluss">();
inline constexpr std::string_view kAsAtOpening = cp<",  Anfangswerte">();

// Output choice.
inline constexpr std::string_view kOutputDialogTitle = cp<"Ausgabe Drucker oder Bildschirm">();
inline constexpr std::string_view kOutputToScreen = cp<"Ausgabe auf &Bildschirm">();
inline constexpr std::string_view kOutputToPrinter = cp<"Ausgabe auf &Drucker">();
inline constexpr std::string_view kOutputToTextFile = cp<"Ausgabe  in &Textdatei">();
inline constexpr std::string_view kOutputNotSent = cp<"Druckanweisung konnte nicht versandt werden !">();
inline constexpr std::string_view kScreenWindowTitle = cp<"Bildschirmausgabe">();

// Text file.
inline constexpr std::string_view kTextFileDialogTitle = cp<"Eingabe Textdatei-Name">();
inline constexpr std::string_view kTextFileDefaultName = cp<"tm.txt">();
inline constexpr std::string_view kTextFileNote =
    cp<"Die Textdatei wird im Ordner des jeweiligen Buchungskreises gespeichert \n(z.B. im Ordner C:\\BUCH\\BK00001)">();
inline constexpr std::string_view kTextFileBadName =
    cp<"Bitte Dateinamen in dem Format 8.3 eventuell mit \nLaufwerksbuchstaben eingeben.\n"
       " (z.B. \"A:TM.TXT\" oder \"KTO-PLAN.TXT\")">();
inline constexpr std::string_view kTextFileNoMemory = cp<"Nicht genügend freier Hauptspeicher vorhanden!">();
inline constexpr std::string_view kTextFileNoLock =
    cp<"Freier Hauptspeicher kann nicht für\nbeschleunigte Verarbeitung genutzt werden!\n"
       "Normale Verarbeitung gestartet!">();
inline constexpr std::string_view kTextFileOpenFailed = cp<"Die Textdatei konnte nicht geöffnet \nbzw. angelegt werden !">();

// Printed overview of the booking circles.
inline constexpr std::string_view kCircleOverviewTitle = cp<"ANGELEGTE BUCHUNGSKREISE">();
inline constexpr std::string_view kCircleOverviewProduct = cp<"T E L L M A R K">();
inline constexpr std::string_view kCircleOverviewName = cp<"%3i  %-60s">();
inline constexpr std::string_view kCircleOverviewDetails =
    cp<"     Währ. %-3s  MWST. %c  E/A-Übersch. %c   Buchungsjahr %04i  KR%02i">();

// The PDF output of a report (print preview and the command line).
inline constexpr std::string_view kPdfFileWriteFailed =
    cp<"Die PDF-Datei konnte nicht angelegt \nbzw. geschrieben werden !">();
inline constexpr std::string_view kPdfNoPages = cp<"Der Bericht hat keine Seiten !">();

// Account sheets, collective sheets and the account bookings list that found nothing to print.
inline constexpr std::string_view kNoBookingsFound =
    cp<"Keine Buchungen für die gewählten Konten \nim gewünschten Zeitraum gefunden !">();

}  // namespace tellmark::text
