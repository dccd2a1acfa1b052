#pragma once
// Booking year change, the take-over of the previous year's closing balances and deleting booking years.

#include <string_view>

#include "resources/cp1252_literal.h"

namespace tellmark::text {

// --- Booking year change ---------------------------------------------------------------------------------

inline constexpr std::string_view kYearChangeCommand = cp<"&Buchungsjahrwechsel">();
inline constexpr std::string_view kYearInputCaption = cp<"Buchungsjahr eingeben">();
inline constexpr std::string_view kYearInputLabel = cp<"&Neues Buchungsjahr:">();
inline constexpr std::string_view kYearInputHint = cp<"Vier Ziffern, z.B. 2009 oder 0203 für das Wirtschaftsjahr 2002/2003">();

inline constexpr std::string_view kChartTakeOverCaption = cp<"Buchungsjahr wechseln / Kontenplan übernehmen">();
inline constexpr std::string_view kChartTakeOverIntro03 = cp<
    "Wenn Sie den Kontenplan von %i übernehmen wollen, werden vom Programm die Salden der Gewinn- und "
    "Verlustkonten (Klasse 2, 3, 4, und 8) auf 0,00 zurückgesetzt.">();
inline constexpr std::string_view kChartTakeOverIntro04 = cp<
    "Wenn Sie den Kontenplan von %i übernehmen wollen, werden vom Programm die Salden der Gewinn- und "
    "Verlustkonten (Klasse 4, 5, 6, und 7) auf 0,00 zurückgesetzt.">();
inline constexpr std::string_view kChartTakeOverKeepBalances = cp<"Die Salden der Bestandskonten bleiben auf Wunsch erhalten.">();
inline constexpr std::string_view kChartTakeOverNewAccounts =
    cp<"Falls Sie den bisherigen Kontenplan nicht übernehmen wollen, müssen Sie zunächst die benötigten Konten neu einrichten!">();
inline constexpr std::string_view kChoiceTakeChart = cp<"Der bisherige &Kontenplan soll übernommen werden.">();
inline constexpr std::string_view kChoiceTakeBalances = cp<"Die Salden der &Bestandskonten sollen übernommen werden.">();
inline constexpr std::string_view kChoiceResetPrivate =
    cp<"Die &Privatkonten (1900-1999) sollen auf 0,00 zurückgesetzt werden.">();

inline constexpr std::string_view kMsgYearChangeFailed = cp<
    "Sicherheitshalber wird wieder in das bisherige Buchungsjahr zurückgewechselt. Bitte kontrollieren Sie die neu "
    "angelegten Dateien auf Schreibschutz oder Fehler.">();
inline constexpr std::string_view kCaptionYearChangeFailed = cp<"Beim Buchungsjahrwechsel ist ein Fehler aufgetreten. ">();
// The change as the record of an unfinished one names it.
inline constexpr std::string_view kOpYearChange = cp<"Buchungsjahrwechsel">();
// "Jahr" as the settings file holds it.
inline constexpr std::string_view kFormatSettingsYear = cp<"%4i">();

// --- Previous year's closing balances --------------------------------------------------------------------

inline constexpr std::string_view kTransferCommand = cp<"&Vorjahresendbestand übertragen">();
inline constexpr std::string_view kTransferCaption = cp<"Endbestände vom Vorjahr als Anfangsbestand übernehmen">();
inline constexpr std::string_view kTransferIntro = cp<
    "Hier können Sie die Endbestände vom Vorjahr %4i als Anfangsbestände für das aktuelle Buchungsjahr %4i "
    "übertragen. Dies ist nur dann sinnvoll, wenn Sie im Vorjahr nachträglich noch Änderungen vorgenommen haben.">();
inline constexpr std::string_view kTransferNote = cp<
    "Eine Änderung des Vorjahresergebnisses wird nicht übertragen: der Anfangsbestand des Kapitalkontos ist "
    "gegebenenfalls von Hand anzupassen.">();
inline constexpr std::string_view kTransferStart = cp<"&Übertragen">();
inline constexpr std::string_view kTransferCancel = cp<"&Abbrechen">();
// The operation as the record of an unfinished one names it.
inline constexpr std::string_view kOpTransfer = cp<"Vorjahresendbestände">();
inline constexpr std::string_view kMsgPreviousIndexProblem = cp<"Probleme mit Index auf Vorjahres-Salden !">();
inline constexpr std::string_view kTransferProgressCaption = cp<"Vorjahresendbestände">();
inline constexpr std::string_view kTransferProgressLine = cp<"Die Vorjahresendbestände werden übernommen.">();
inline constexpr std::string_view kTransferProgressLabel = cp<"Konten...">();
inline constexpr std::string_view kTransferQuestionCaption = cp<"Vorjahresendbestand übernehmen">();
inline constexpr std::string_view kTransferPreviousLabel = cp<"Vorjahresendbestand (%4i):">();
inline constexpr std::string_view kTransferCurrentLabel = cp<"Akt. Anfangsbestand (%4i):">();
inline constexpr std::string_view kTransferQuestion =
    cp<"Wollen Sie den Vorjahresendbestand als neuen Anfangsbestand übernehmen ?">();
inline constexpr std::string_view kAnswerYes = cp<"&Ja">();
inline constexpr std::string_view kAnswerNo = cp<"&Nein">();
inline constexpr std::string_view kAnswerCancel = cp<"&Abbrechen">();
inline constexpr std::string_view kMsgTransferDone = cp<"Die Übernahme de Vorjahresendbestände ist beendet.">();

// --- Deleting booking years ------------------------------------------------------------------------------

inline constexpr std::string_view kDeleteYearCommand = cp<"&Löschen Buchungsjahre">();
inline constexpr std::string_view kDeleteYearCaption = cp<"Buchungsjahr löschen">();
inline constexpr std::string_view kDeleteYearLabel = cp<"Zu löschendes &Buchungsjahr:">();
inline constexpr std::string_view kMsgOpenYearNotDeletable = cp<"Das aktuelle Buchungsjahr kann nicht gelöscht werden!">();
inline constexpr std::string_view kDeleteYearQuestion = cp<"Wollen Sie dieses &Buchungsjahr wirklich löschen ?">();
inline constexpr std::string_view kDeleteYearFilesLine = cp<"Folgende Dateien (jeweils mit Index) werden gelöscht:">();
inline constexpr std::string_view kChoiceDeleteBalances = cp<"&Saldendatei">();
inline constexpr std::string_view kChoiceDeleteJournal = cp<"&Journaldatei">();
inline constexpr std::string_view kMsgFileNotDeleted = cp<"Folgende Datei konnte nicht gelöscht werden:\n%s">();
inline constexpr std::string_view kDeleteStatusCaption = cp<"Buchungsjahr löschen - Status">();
inline constexpr std::string_view kDeleteStatusLine = cp<"Die folgenden markierten Dateien sind gelöscht worden:">();
inline constexpr std::string_view kDeleteStatusOk = cp<"&OK">();
inline constexpr std::string_view kDeletedBalanceFile = cp<"Saldendatei">();
inline constexpr std::string_view kDeletedBalanceIndex = cp<"Index zur Saldendatei">();
inline constexpr std::string_view kDeletedJournal = cp<"Journaldatei">();
inline constexpr std::string_view kDeletedJournalIndex = cp<"Index zur Journaldatei">();

}  // namespace tellmark::text
