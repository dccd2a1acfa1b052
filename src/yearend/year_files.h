#pragma once
// The ledger files of one booking year of a booking circle, and the old-format files of that year that
// the opening converts. The names depend on the chart and the year only, so a year that is not open
// can be named as well as the open one.

#include <string>

namespace tellmark::yearend {

struct YearFiles {
    std::string balance;
    std::string balanceIndex;
    std::string journal;
    std::string journalIndex;
    std::string oldBalance;
    std::string oldJournal;
};

YearFiles yearFiles(const std::string& dataDirectory, int chart, int year, int number);

}  // namespace tellmark::yearend
