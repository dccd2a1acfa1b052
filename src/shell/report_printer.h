#pragma once
// The printer output of a report: every page of the print file drawn by the rules of the printed page
// (six lines per inch, the print fonts of the settings, wide headers moved into the normal font).

#include <string>

#include "config/program_config.h"
#include "reports/print_file.h"
#include "reports/printed_page.h"
#include "shell/shell_context.h"

class QPrinter;

namespace tellmark::shell {

using reports::PrintRule;

enum class PrintResult { Printed, Cancelled, Failed };

// Whether this build can print (the print support of Qt was there).
bool PrinterAvailable();

#ifdef TELLMARK_PRINTER
// Draws the pages of the last report onto printer: its page range, every page when it has none.
// False when the painter could not start or a page could not be read.
bool PaintReport(QPrinter& printer, reports::PrintFile& printFile, PrintRule rule,
                 const config::ProgramConfig& settings);

// Asks for the printer ("PrintDialog") with printer's settings and prints the chosen pages.
PrintResult PrintReportOn(QPrinter& printer, reports::PrintFile& printFile, PrintRule rule,
                          const config::ProgramConfig& settings, ShellContext& context, QWidget* parent);
#endif

// Asks for the printer and prints the chosen pages of the last report.
PrintResult PrintReport(reports::PrintFile& printFile, PrintRule rule, const config::ProgramConfig& settings,
                        ShellContext& context);

}  // namespace tellmark::shell
