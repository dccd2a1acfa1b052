#pragma once
// A finished report as a PDF file that looks like its printed pages: one PDF page (A4 portrait) per page
// of the print file, every line where the printer puts it (six lines per inch, the print fonts of the
// settings, wide headers moved), in Courier with the Windows-1252 bytes of the print file as its text.
// Plain PDF 1.4 without compression, so any viewer and any text extraction read it.

#include <string>

#include "reports/print_file.h"
#include "reports/printed_page.h"
#include "ui/messages.h"

namespace tellmark::config {
struct ProgramConfig;
}

namespace tellmark::reports {

struct PrintedPageSetup {
    int topMargin = 0;                            // "Rand oben", in lines
    int normalFontTwips = kDefaultNormalFontTwips;  // "Font Prn normal"
    int narrowFontTwips = kDefaultNarrowFontTwips;  // "Font Prn schmal"
};

PrintedPageSetup PrintedPageSetupOf(const config::ProgramConfig& settings);

// Writes every page of the last finished report in printFile to path. The file is written beside its
// place and renamed there when complete, so a failure never leaves half a PDF under the name.
// 1 written; 0 failed, the message shown.
int WriteReportPdf(PrintFile& printFile, PrintRule rule, const PrintedPageSetup& setup, const std::string& path,
                   ui::Messages& messages);

}  // namespace tellmark::reports
