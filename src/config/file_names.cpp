#include "config/file_names.h"

#include "resources/format.h"
#include "resources/texts_files.h"

namespace tellmark::config {

namespace {

std::string circleFile(const std::string& base, int number, const std::string& name) {
    return joinPath(circleDirectoryName(base, number), name);
}

std::string yearFile(const std::string& base, int chart, int year, int number, std::string_view suffix) {
    return circleFile(base, number,
                      format(text::kNameYearFile, chartLetter(chart), year, number, std::string(suffix).c_str()));
}

std::string oldYearFile(const std::string& base, int chart, int year, int number, std::string_view suffix) {
    return joinPath(base,
                    format(text::kNameOldYearFile, chartLetter(chart), year, number, std::string(suffix).c_str()));
}

std::string gdpduYearFile(const std::string& base, int number, int year, std::string_view name) {
    return joinPath(gdpduYearDirectory(base, number, year), std::string(name));
}

std::string tableName(int year, std::string_view suffix) {
    return format(text::kNameGdpduTable, year, std::string(suffix).c_str());
}

}  // namespace

char chartLetter(int chart) { return chart == 4 ? 'A' : 'B'; }

std::string joinPath(const std::string& base, const std::string& relative) {
    if (base.empty()) return relative;
    return base + '/' + relative;
}

std::string circleDirectoryName(const std::string& base, int number) {
    return joinPath(base, format(text::kNameCircleDirectory, number));
}

std::string settingsFileName(const std::string& base, int number) {
    return circleFile(base, number, format(text::kNameSettingsFile, number));
}

std::string balanceFileName(const std::string& base, int chart, int year, int number) {
    return yearFile(base, chart, year, number, text::kSuffixBalance);
}

std::string balanceIndexFileName(const std::string& base, int chart, int year, int number) {
    return yearFile(base, chart, year, number, text::kSuffixBalanceIndex);
}

std::string journalFileName(const std::string& base, int chart, int year, int number) {
    return yearFile(base, chart, year, number, text::kSuffixJournal);
}

std::string journalIndexFileName(const std::string& base, int chart, int year, int number) {
    return yearFile(base, chart, year, number, text::kSuffixJournalIndex);
}

std::string operationRecordFileName(const std::string& base, int chart, int year, int number) {
    return yearFile(base, chart, year, number, text::kSuffixOperationRecord);
}

std::string standardBookingsFileName(const std::string& base, int chart, int number) {
    return circleFile(base, number,
                      format(text::kNameCircleFile, chartLetter(chart), number,
                             std::string(text::kSuffixStandardBookings).c_str()));
}

std::string printFileName(const std::string& base, int number) {
    return circleFile(base, number, std::string(text::kNamePrintFile));
}

std::string vatWorkFileName(const std::string& base, int number) {
    return circleFile(base, number, std::string(text::kNameVatWorkFile));
}

std::string datevMappingFileName(const std::string& base, int number) {
    return circleFile(base, number, format(text::kNameDatevMappingFile, number));
}

std::string vatTransferName(int number, int twoDigitYear, int periodCode) {
    const int year = twoDigitYear % 100;
    return format(text::kNameVatTransfer, number, year, periodCode, year);
}

std::string gdpduRootDirectory(const std::string& base, int number) {
    return circleFile(base, number, std::string(text::kNameGdpduDirectory));
}

std::string gdpduYearDirectory(const std::string& base, int number, int year) {
    return joinPath(gdpduRootDirectory(base, number), format(text::kNameGdpduYear, year));
}

std::string gdpduDescriptionFileName(const std::string& base, int number, int year) {
    return gdpduYearFile(base, number, year, text::kNameGdpduDescription);
}

std::string gdpduDtdFileName(const std::string& base, int number, int year) {
    return gdpduYearFile(base, number, year, text::kNameGdpduDtd);
}

std::string gdpduJournalTableFileName(const std::string& base, int number, int year) {
    return gdpduYearFile(base, number, year, gdpduJournalTableName(year));
}

std::string gdpduCashBookTableFileName(const std::string& base, int number, int year) {
    return gdpduYearFile(base, number, year, gdpduCashBookTableName(year));
}

std::string gdpduAccountSheetTableFileName(const std::string& base, int number, int year) {
    return gdpduYearFile(base, number, year, gdpduAccountSheetTableName(year));
}

std::string gdpduBalanceTableFileName(const std::string& base, int number, int year) {
    return gdpduYearFile(base, number, year, gdpduBalanceTableName(year));
}

std::string gdpduJournalTableName(int year) { return tableName(year, text::kSuffixGdpduJournal); }
std::string gdpduCashBookTableName(int year) { return tableName(year, text::kSuffixGdpduCashBook); }
std::string gdpduAccountSheetTableName(int year) { return tableName(year, text::kSuffixGdpduAccountSheets); }
std::string gdpduBalanceTableName(int year) { return tableName(year, text::kSuffixGdpduBalances); }

std::string gdpduDtdSourceFileName(const std::string& startDirectory) {
    return joinPath(joinPath(startDirectory, std::string(text::kNameProgramData)), std::string(text::kNameGdpduDtd));
}

std::string oldBalanceFileName(const std::string& base, int chart, int year, int number) {
    return oldYearFile(base, chart, year, number, text::kSuffixOldBalance);
}

std::string oldBalanceIndexFileName(const std::string& base, int chart, int year, int number) {
    return oldYearFile(base, chart, year, number, text::kSuffixOldBalanceIndex);
}

std::string oldJournalFileName(const std::string& base, int chart, int year, int number) {
    return oldYearFile(base, chart, year, number, text::kSuffixOldJournal);
}

std::string oldJournalIndexFileName(const std::string& base, int chart, int year, int number) {
    return oldYearFile(base, chart, year, number, text::kSuffixOldJournalIndex);
}

std::string oldStandardBookingsFileName(const std::string& base, int chart, int number) {
    return joinPath(base, format(text::kNameOldCircleFile, chartLetter(chart), number,
                                 std::string(text::kSuffixOldStandardBookings).c_str()));
}

}  // namespace tellmark::config
