#pragma once
// Texts of the desktop program's report dialogs that the report texts do not already hold: the print
// date field, the balance sheet dialog and the result dialog. The balance list and trial balance dialogs
// take theirs from texts_reports_lists.h, the output choice from texts_reports_output.h.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

inline constexpr std::string_view kReportDialogPrintDate = cp<"&Druckdatum:">();

// Balance sheet: the cut-off month as in the trial balance dialog.
inline constexpr std::string_view kBalanceSheetDialogTitle = cp<"Ausdruck / Vorschau Bilanz">();

// Result of a period: the dialog is titled by the statement the circle keeps.
inline constexpr std::string_view kResultDialogTitle = cp<"Einnahme-Überschussrechnung">();
inline constexpr std::string_view kResultDialogTitleProfitLoss = cp<"Gewinn- und Verlustrechnung">();
inline constexpr std::string_view kResultDialogMonthGroup = cp<"Monat">();
inline constexpr std::string_view kResultDialogFromMonth = cp<"&von:">();
inline constexpr std::string_view kResultDialogToMonth = cp<"&bis:">();

// "Neuindizierung": both index files built anew after a question.
inline constexpr std::string_view kReindexTitle = cp<"Neuindizierung">();
inline constexpr std::string_view kReindexQuestion =
    cp<"Soll der Index für den Kontenplan und die Journaldatei neu erstellt werden?">();

// The print preview between the output dialog and the printer; it also saves the pages as a PDF file.
inline constexpr std::string_view kPreviewTitle = cp<"Seitenansicht">();
inline constexpr std::string_view kPreviewPrint = cp<"&Drucken ...">();
inline constexpr std::string_view kPreviewSavePdf = cp<"Als &PDF speichern ...">();
inline constexpr std::string_view kPreviewClose = cp<"&Schließen">();
inline constexpr std::string_view kPreviewPage = cp<"Seite %i von %i">();
inline constexpr std::string_view kPreviewPdfSaved = cp<"PDF-Datei gespeichert: %s">();
inline constexpr std::string_view kPdfFileDialogTitle = cp<"PDF-Datei speichern">();
inline constexpr std::string_view kPdfFileFilter = cp<"PDF-Dateien (*.pdf)">();
inline constexpr std::string_view kPdfDefaultName = cp<"tm.pdf">();

}  // namespace tellmark::text
