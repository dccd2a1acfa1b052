#include "shell/print_preview_dialog.h"

#ifdef TELLMARK_PRINTER

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "reports/pdf_output.h"
#include "resources/format.h"
#include "resources/texts_shell_reports.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

PrintPreviewDialog::PrintPreviewDialog(ShellContext& context, reports::PrintFile& printFile, PrintRule rule,
                                       const config::ProgramConfig& settings, std::string pdfFolder)
    : TellmarkDialog(context.frame, text::kPreviewTitle, "PrintPreviewDialog"),
      context_(context),
      printFile_(printFile),
      rule_(rule),
      settings_(settings),
      pdfFolder_(std::move(pdfFolder)),
      printer_(QPrinter::HighResolution) {
    auto* layout = new QVBoxLayout(this);
    preview_ = new QPrintPreviewWidget(&printer_, this);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
    preview_->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { PaintReport(*printer, printFile_, rule_, settings_); });
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, &PrintPreviewDialog::showPage);
    layout->addWidget(preview_, 1);

    auto* row = new QHBoxLayout;
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    row->addWidget(status_, 1);
    auto button = [this, row](std::string_view label, const char* name) {
        auto* b = new QPushButton(qt(label), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    QPushButton* printButton = button(text::kPreviewPrint, "print");
    QPushButton* pdfButton = button(text::kPreviewSavePdf, "savePdf");
    QPushButton* closeButton = button(text::kPreviewClose, "close");
    printButton->setEnabled(PrinterAvailable());
    connect(printButton, &QPushButton::clicked, this, &PrintPreviewDialog::print);
    connect(pdfButton, &QPushButton::clicked, this, [this] { savePdf(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(row);

    auto key = [this](const QKeySequence& sequence, auto slot) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, slot);
    };
    key(QKeySequence(Qt::Key_PageDown), [this] { goToPage(currentPage() + 1); });
    key(QKeySequence(Qt::Key_PageUp), [this] { goToPage(currentPage() - 1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { goToPage(1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_End), [this] { goToPage(pageCount()); });
    key(QKeySequence(Qt::Key_Plus), [this] { preview_->zoomIn(); });
    key(QKeySequence(Qt::Key_Minus), [this] { preview_->zoomOut(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { print(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { savePdf(); });

    // A page of A4 wants most of the screen's height.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() * 2 / 3, area.height() * 9 / 10);
    }
    preview_->updatePreview();
    preview_->setFocus();
}

void PrintPreviewDialog::goToPage(int page) {
    if (page < 1 || page > pageCount()) return;
    preview_->setCurrentPage(page);
    showPage();
}

void PrintPreviewDialog::showPage() {
    status_->setText(qt(format(text::kPreviewPage, currentPage(), pageCount())));
}

void PrintPreviewDialog::print() {
    if (!PrinterAvailable()) return;
    const PrintResult result = PrintReportOn(printer_, printFile_, rule_, settings_, context_, this);
    if (result == PrintResult::Cancelled) return;
    printed_ = result;
    if (result == PrintResult::Printed) accept();
}

bool PrintPreviewDialog::savePdf() {
    const QString folder = QFile::decodeName(QByteArray::fromStdString(pdfFolder_));
    QFileDialog dialog(this, qt(text::kPdfFileDialogTitle), folder, qt(text::kPdfFileFilter));
    dialog.setObjectName(QStringLiteral("PdfFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QDir(folder).filePath(qt(text::kPdfDefaultName)));
    if (context_.runner.run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const std::string path = QFile::encodeName(dialog.selectedFiles().first()).toStdString();
    if (reports::WriteReportPdf(printFile_, rule_, reports::PrintedPageSetupOf(settings_), path,
                                context_.messages) != 1)
        return false;
    status_->setText(qt(format(text::kPreviewPdfSaved, platform::utf8ToCp1252(path).c_str())));
    return true;
}

}  // namespace tellmark::shell

#endif  // TELLMARK_PRINTER
