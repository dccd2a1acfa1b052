#pragma once
// The result of a period: the profit and loss statement ("GEWINN- UND VERLUSTRECHNUNG"), or, for a
// booking circle that keeps cash-basis accounts, the cash-basis result ("EINNAHME-ÜBERSCHUSSRECHNUNG").
// Both list the revenue and expense accounts in the four result groups of the chart with a subtotal per
// group, then the result and the sum line. The cash-basis form also counts the VAT accounts: VAT received
// (a credit balance) as revenue, VAT paid (a debit balance) as expense.

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

enum class ResultForm {
    BySettings,     // cash-basis result when the circle's "EÜ-Rechnung" is set, else profit and loss
    ProfitAndLoss,
    CashBasis,
};

struct ResultOptions {
    ResultForm form = ResultForm::BySettings;
};

// Whether the account counts as a VAT account of the cash-basis result: chart 03 1560-1589 and
// 1760-1799, chart 04 1400-1419 and 3800-3829. Chart 3 is chart 03, any other value chart 04.
bool IsResultVatAccount(int number, int chart);

// Sum of the values (calendar months fromMonth to toMonth, 0 = opening balance, 13 = closing entries) of
// every revenue and expense account of the four result groups, VAT accounts never included, rounded to
// cents: positive is a loss, negative a profit. The balance sheet shows this for months 0 to its cut-off.
double ResultValue(int fromMonth, int toMonth, ledger::CSalden& cursor, ledger::CSIndex& index, int chart);

// Writes the statement for the request's months (fromMonth..toMonth, with the years filled in for the
// period text) into the print file and sets request.pageCount. 1 on success; 0 after the print file's
// message.
int GenerateResult(PrintFile& printFile, ReportRequest& request, const ResultOptions& options, ledger::CSalden& cursor,
                   ledger::CSIndex& index, const config::CircleSettings& settings, ui::Messages& messages);

}  // namespace tellmark::reports
