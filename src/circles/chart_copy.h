#pragma once
// Copying the chart of accounts of one booking year (of this or another booking circle) into a new
// balance file, with or without the balances that are carried forward.

#include <string>

#include "ledger/salden.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::circles {

struct ChartCopyRequest {
    std::string dataDirectory;
    int sourceNumber = 0;  // booking circle whose chart is copied
    int sourceYear = 0;
    int targetNumber = 0;
    int targetYear = 0;
    // Opening balance of each copied account: its total balance where the carry-forward rule keeps the
    // account, else 0.00. Without it every account opens with 0.00.
    bool takeBalances = false;
    bool privateExcluded = false;
};

// The balance file of a new year made from the accounts under `from`, in file order: number and name,
// status blank, slot 0 the account's total balance where takeBalances is set and the carry-forward rule of
// the chart keeps the account (privateExcluded: chart 03's private accounts 1900-1999 start at 0.00), else
// 0.00, every other slot 0.00. False when a record cannot be read or a balance does not fit its slot.
bool carriedForwardImage(ledger::CSalden& from, int chart, bool takeBalances, bool privateExcluded,
                         std::string& image);

// 1 when the target balance file holds the copied chart and its account index is built; 0 after a
// message. A target balance file that already holds accounts is never overwritten.
int copyChartOfAccounts(const ChartCopyRequest& request, ui::Messages& messages, ui::Progress& progress);

// The chart ("Kontenrahmen") of a booking circle, 3 when its settings file cannot be read.
int chartOfCircle(const std::string& dataDirectory, int number, ui::Messages& messages);

}  // namespace tellmark::circles
