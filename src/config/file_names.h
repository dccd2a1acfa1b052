#pragma once
// Names of every data file. Each builder takes the base directory and its numbers; with an empty base
// it gives the name relative to the current directory (no leading separator), otherwise base + '/' +
// the relative name, the base used exactly as given.
// The chart value is "Kontenrahmen" as a number: 4 gives the letter 'A', every other value 'B'.

#include <string>

namespace tellmark::config {

// Highest booking circle number of this installation (the file names hold three digits).
inline constexpr int kMaxCircles = 999;

char chartLetter(int chart);

// base + '/' + relative, or relative alone for an empty base.
std::string joinPath(const std::string& base, const std::string& relative);

// BKnnnnnn
std::string circleDirectoryName(const std::string& base, int number);
// BKnnnnnn/STAMMnnn.DAT, the one spelling used for creating and opening.
std::string settingsFileName(const std::string& base, int number);

// Files of one booking year: BKnnnnnn/<letter><year><nnn>.sal|.sdx|.jou|.jdx
std::string balanceFileName(const std::string& base, int chart, int year, int number);
std::string balanceIndexFileName(const std::string& base, int chart, int year, int number);
std::string journalFileName(const std::string& base, int chart, int year, int number);
std::string journalIndexFileName(const std::string& base, int chart, int year, int number);
// The record of an operation under way on the books of the year: BKnnnnnn/<letter><year><nnn>.lauf
std::string operationRecordFileName(const std::string& base, int chart, int year, int number);
// Standard bookings carry no year: they outlive the change of the booking year.
std::string standardBookingsFileName(const std::string& base, int chart, int number);

std::string printFileName(const std::string& base, int number);
std::string vatWorkFileName(const std::string& base, int number);
std::string datevMappingFileName(const std::string& base, int number);

// Bare file name of the VAT pre-return transfer file. Only the last two digits of the year are used.
std::string vatTransferName(int number, int twoDigitYear, int periodCode);

// GDPdU export: BKnnnnnn/GDPdU[/yyyy[/file]]
std::string gdpduRootDirectory(const std::string& base, int number);
std::string gdpduYearDirectory(const std::string& base, int number, int year);
std::string gdpduDescriptionFileName(const std::string& base, int number, int year);
std::string gdpduDtdFileName(const std::string& base, int number, int year);
std::string gdpduJournalTableFileName(const std::string& base, int number, int year);
std::string gdpduCashBookTableFileName(const std::string& base, int number, int year);
std::string gdpduAccountSheetTableFileName(const std::string& base, int number, int year);
std::string gdpduBalanceTableFileName(const std::string& base, int number, int year);
// The table names as "index.xml" refers to them.
std::string gdpduJournalTableName(int year);
std::string gdpduCashBookTableName(int year);
std::string gdpduAccountSheetTableName(int year);
std::string gdpduBalanceTableName(int year);
// The shipped DTD: progdata/gdpdu-01-08-2002.dtd below the start directory (empty: current directory).
std::string gdpduDtdSourceFileName(const std::string& startDirectory);

// Files of the earlier DOS generation, directly in the data directory, circle number in two digits.
std::string oldBalanceFileName(const std::string& base, int chart, int year, int number);
std::string oldBalanceIndexFileName(const std::string& base, int chart, int year, int number);
std::string oldJournalFileName(const std::string& base, int chart, int year, int number);
std::string oldJournalIndexFileName(const std::string& base, int chart, int year, int number);
std::string oldStandardBookingsFileName(const std::string& base, int chart, int number);

}  // namespace tellmark::config
