#pragma once
// The chart-of-accounts list ("KONTENPLAN"): number and name of every account, two accounts per line, in
// blocks of 1,000 account numbers.

#include "reports/print_file.h"
#include "reports/report_request.h"
#include "ui/messages.h"

namespace tellmark::config {
struct CircleSettings;
}
namespace tellmark::ledger {
class CSalden;
class CSIndex;
}  // namespace tellmark::ledger

namespace tellmark::reports {

// Accounts per block; a block never shares a line with the next one.
inline constexpr int kChartListBlockSize = 1000;
inline constexpr int kChartListBlocks = 30;

// Writes the whole list into the print file and sets request.pageCount. 1 on success; 0 after the print
// file's message and "Bei der Vorbereitung des Ausdrucks des Kontenplans ..." (caption "FEHLER").
int GenerateChartOfAccountsList(PrintFile& printFile, ReportRequest& request, ledger::CSalden& cursor,
                                ledger::CSIndex& index, const config::CircleSettings& settings,
                                ui::Messages& messages);

}  // namespace tellmark::reports
