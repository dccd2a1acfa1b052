#pragma once
// "Seitenansicht": the pages of a report as the printer will print them, before anything is printed.
// From here the report goes to the printer (the printer dialog first) or into a PDF file. Keys: Page
// Down / Page Up turn the page, Ctrl+Home / Ctrl+End go to the first and last page, + and - zoom,
// Ctrl+P prints, Ctrl+S saves the PDF, Esc closes.

#ifdef TELLMARK_PRINTER
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <string>

#include "config/program_config.h"
#include "reports/print_file.h"
#include "shell/dialog_base.h"
#include "shell/report_printer.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class PrintPreviewDialog : public TellmarkDialog {
    Q_OBJECT
public:
    // pdfFolder: where the PDF file is proposed.
    PrintPreviewDialog(ShellContext& context, reports::PrintFile& printFile, PrintRule rule,
                       const config::ProgramConfig& settings, std::string pdfFolder);

    int pageCount() const { return preview_->pageCount(); }
    int currentPage() const { return preview_->currentPage(); }
    // What the print button achieved; Cancelled until something was printed.
    PrintResult printed() const { return printed_; }

    // Asks for the file ("PdfFileDialog") and writes the PDF; false when cancelled or failed.
    bool savePdf();
    void print();

private:
    void goToPage(int page);
    void showPage();

    ShellContext& context_;
    reports::PrintFile& printFile_;
    PrintRule rule_;
    const config::ProgramConfig& settings_;
    std::string pdfFolder_;
    QPrinter printer_;
    QPrintPreviewWidget* preview_;
    QLabel* status_;
    PrintResult printed_ = PrintResult::Cancelled;
};

}  // namespace tellmark::shell

#endif  // TELLMARK_PRINTER
