#pragma once
// The printer output of a report: every page of the print file drawn at six lines per inch in the print
// fonts of the settings. Wide reports print their header in the normal font with the date, sheet number
// and period moved left so that it fits, and their body in the narrow font.

#include <string>

#include "config/program_config.h"
#include "reports/print_file.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

// How the pages of the report in the print file are printed.
enum class PrintRule { Narrow, Wide, WideBalanceList };

enum class PrintResult { Printed, Cancelled, Failed };

// Header line `line` (0-based) of a wide report as the printer shows it in the normal font: lines 0 and 1
// with the date or sheet number from column 100 at column 56, line 3 with the period text from column 78
// at column 34 (the wide balance list: from its last "Zeitraum", 44 columns to the left), each cut after
// 67 characters. Other lines unchanged.
std::string WideHeaderForPrinter(std::string line, int lineIndex, PrintRule rule);

// Whether this build can print (the print support of Qt was there).
bool PrinterAvailable();

// Asks for the printer and prints the chosen pages of the last report.
PrintResult PrintReport(reports::PrintFile& printFile, PrintRule rule, const config::ProgramConfig& settings,
                        ShellContext& context);

}  // namespace tellmark::shell
