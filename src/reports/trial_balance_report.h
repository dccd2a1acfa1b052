#pragma once
// The trial balance ("S A L D E N B I L A N Z"): every account by the classes of the chart with its
// balance as at a cut-off month; the customer and supplier classes show only their sums.

#include "reports/page_header.h"
#include "reports/print_file.h"
#include "reports/report_request.h"

namespace tellmark::config {
struct CircleSettings;
}
namespace tellmark::ledger {
class CSalden;
class CSIndex;
}  // namespace tellmark::ledger

namespace tellmark::reports {

// The dialog: the cut-off month, 0 (opening balances) to 12, or 13 with the thirteenth month.
struct TrialBalanceOptions {
    int cutOffMonth = 12;
};

// Only the cut-off month goes into the request; the other period fields are -1.
void FillTrialBalanceRequest(ReportRequest& request, const TrialBalanceOptions& options);

// The cursor must be attached to the circle's balance file and the index to its account index. Writes
// the whole report into the print file and sets request.pageCount: 1 on success, 0 after the print
// file's message.
int GenerateTrialBalance(PrintFile& printFile, ReportRequest& request, const TrialBalanceOptions& options,
                         ledger::CSalden& cursor, ledger::CSIndex& index, const config::CircleSettings& settings);

}  // namespace tellmark::reports
