#pragma once
// The balance sheet ("B I L A N Z") as at a cut-off month: the assets side ("A K T I V A"), then on a page
// of its own the liabilities side ("P A S S I V A"), each in titled groups of accounts with subtotals, then
// the sheet totals of both sides and, when they differ, the difference. The groups are fixed per chart by a
// table of positions: account ranges with a side rule, so that for example a bank account stands with the
// assets while it has a debit balance and with the liabilities while it is overdrawn. The capital group
// carries the capital account, the private accounts, the year's profit or loss and the resulting capital.

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

// Positions of the groups formed by rule rather than by range (the same in both charts, but for class 9).
inline constexpr int kSheetVatPosition = 0;
inline constexpr int kSheetCustomerPosition = 1;
inline constexpr int kSheetSupplierPosition = 2;
inline constexpr int kSheetClassNinePosition03 = 24;
inline constexpr int kSheetClassNinePosition04 = 28;

// Membership in a rule-formed group: the VAT accounts (chart 03 1560-1589 and 1760-1789, chart 04
// 1400-1419 and 3800-3829), customers, suppliers, class 9. Any other position shows "Fehler in der
// Klasseneinteilung; Klasse unbekannt !" and answers false. Chart 3 is chart 03, any other value chart 04.
bool IsBalanceSheetRuleMember(int position, int number, int chart, ui::Messages& messages);

// Writes the balance sheet as at request.toMonth (0 = opening balances, 13 = closing entries) into the print
// file; the as-at date of the title is request.toDay/toMonth/toYear. Sets request.pageCount. 1 on success,
// 0 after the print file's message.
int GenerateBalanceSheet(PrintFile& printFile, ReportRequest& request, ledger::CSalden& cursor, ledger::CSIndex& index,
                         const config::CircleSettings& settings, ui::Messages& messages);

}  // namespace tellmark::reports
