#pragma once
// The companion online filing program "Tellmark Online": started on its own ("Tellmark Online" in the
// menu), or handed the VAT pre-return's transfer file after the return went to the printer. The program
// is started directly in its own directory, detached, without waiting for it; the program learns the
// transfer file as its one argument. Paths from the configuration may be written with '\\'.

#include <string>

#include "config/program_config.h"
#include "reports/page_header.h"
#include "reports/vat_return_report.h"
#include "ui/messages.h"

namespace tellmark::exports {

// The transfer file of a VAT pre-return: the complete file the return wrote (never its work file) and
// the two-digit year of its period.
struct VatHandOver {
    std::string transferPath;  // empty: the period had no transfer file
    int transferYear = 0;
};
VatHandOver VatHandOverOf(const reports::VatReturnOptions& options, const reports::BookingYear& year);

// Whether the companion program takes data of this two-digit year: 05 to 09.
bool CompanionTakesYear(int twoDigitYear);

// The program path's directory (the text before its last separator), with '/' for '\\'; empty when the
// path has no separator.
std::string CompanionDirectory(const std::string& programPath);

enum class HandOverChoice { None, ExportAndStart, ExportOnly };

// The menu command: starts the program of "TmonlineProgramm" without argument. 1 started; 0 after a
// message (no program path; the system refused the start).
int StartCompanion(const config::ProgramConfig& config, ui::Messages& messages);

// Copies the transfer file into "TmonlineImport" under its own name (replacing a file of that name) and
// says so. 1 copied; 0 after "Für dieses Buchungsjahr können leider keine Daten ..." (a year outside
// 05-09) or the copy's message.
int CopyTransferFile(const config::ProgramConfig& config, const VatHandOver& handOver, ui::Messages& messages);

// Starts the program with the copied transfer file as its argument (none for a year outside 05-09), after
// "Tellmark Online wird jetzt gestartet.". 1 started; 0 after a message: no program path ("Kein Pfad für
// Programmaufruf ..."), or the start refused.
int StartCompanionWithTransfer(const config::ProgramConfig& config, const VatHandOver& handOver,
                               ui::Messages& messages);

// The choice of the dialog "Umsatzsteuerdaten an Tellmark Online übergeben" on OK: " &Nur exportieren"
// copies; " &Exportieren und Tellmark Online starten" copies and then starts, whatever the copy gave;
// no choice does nothing. 1 when everything chosen was done.
int HandOverVatData(const config::ProgramConfig& config, const VatHandOver& handOver, HandOverChoice choice,
                    ui::Messages& messages);

}  // namespace tellmark::exports
