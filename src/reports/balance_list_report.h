#pragma once
// The balance list ("SALDENLISTE") straight from the balance file: the narrow form with one balance per
// account over a month range, and the wide form with the balance before the range, the movement in it and
// the closing balance.

#include "reports/account_selection.h"
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

// Every field of the balance list dialog.
struct BalanceListOptions {
    int fromMonth = 1;          // calendar month, 0 = opening balance
    int toMonth = 12;           // up to 13 with the thirteenth month
    AccountSelection accounts;  // group or range, number or name order
    bool wide = true;           // "&Salden mit Zu- Abgang ausgeben"
    bool includeAll = true;     // also accounts with nothing to show
};

// The period of the request: day 1 of the first month to day 31 of the last, each month's year by the
// business year (page_header.h YearOfMonth).
void FillBalanceListRequest(ReportRequest& request, const BalanceListOptions& options, const BookingYear& year);

// The cursor must be attached to the circle's balance file (span year, first month, chart) and the index
// to its account index. Both forms write the whole report into the print file and set request.pageCount:
// 1 on success, 0 after the print file's message.
int GenerateBalanceListNarrow(PrintFile& printFile, ReportRequest& request, const BalanceListOptions& options,
                              ledger::CSalden& cursor, ledger::CSIndex& index,
                              const config::CircleSettings& settings);
int GenerateBalanceListWide(PrintFile& printFile, ReportRequest& request, const BalanceListOptions& options,
                            ledger::CSalden& cursor, ledger::CSIndex& index, const config::CircleSettings& settings);
// The form the options ask for.
int GenerateBalanceList(PrintFile& printFile, ReportRequest& request, const BalanceListOptions& options,
                        ledger::CSalden& cursor, ledger::CSIndex& index, const config::CircleSettings& settings);

}  // namespace tellmark::reports
