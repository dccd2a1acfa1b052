#pragma once
// Copying the chart of accounts of one booking year (of this or another booking circle) into a new
// balance file, with or without the balances that are carried forward.

#include <string>

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

// 1 when the target balance file holds the copied chart and its account index is built; 0 after a
// message. A target balance file that already holds accounts is never overwritten.
int copyChartOfAccounts(const ChartCopyRequest& request, ui::Messages& messages, ui::Progress& progress);

// The chart ("Kontenrahmen") of a booking circle, 3 when its settings file cannot be read.
int chartOfCircle(const std::string& dataDirectory, int number, ui::Messages& messages);

}  // namespace tellmark::circles
