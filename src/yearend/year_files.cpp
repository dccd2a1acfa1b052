#include "yearend/year_files.h"

#include "config/file_names.h"

namespace tellmark::yearend {

YearFiles yearFiles(const std::string& dataDirectory, int chart, int year, int number) {
    YearFiles files;
    files.balance = config::balanceFileName(dataDirectory, chart, year, number);
    files.balanceIndex = config::balanceIndexFileName(dataDirectory, chart, year, number);
    files.journal = config::journalFileName(dataDirectory, chart, year, number);
    files.journalIndex = config::journalIndexFileName(dataDirectory, chart, year, number);
    files.oldBalance = config::oldBalanceFileName(dataDirectory, chart, year, number);
    files.oldJournal = config::oldJournalFileName(dataDirectory, chart, year, number);
    return files;
}

}  // namespace tellmark::yearend
