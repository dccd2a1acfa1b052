#include "shell/output_dialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "resources/texts_reports_output.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

OutputDialog::OutputDialog(ShellContext& context, bool printerAvailable)
    : TellmarkDialog(context.frame, text::kOutputDialogTitle, "OutputDialog") {
    auto* layout = new QVBoxLayout(this);
    auto radio = [this, layout](std::string_view label, const char* name) {
        auto* button = new QRadioButton(qt(label), this);
        button->setObjectName(QString::fromLatin1(name));
        layout->addWidget(button);
        return button;
    };
    screen_ = radio(text::kOutputToScreen, "screen");
    printer_ = radio(text::kOutputToPrinter, "printer");
    textFile_ = radio(text::kOutputToTextFile, "textFile");
    screen_->setChecked(true);
    printer_->setEnabled(printerAvailable);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    screen_->setFocus();
}

ReportOutput OutputDialog::choice() const {
    if (printer_->isChecked()) return ReportOutput::Printer;
    if (textFile_->isChecked()) return ReportOutput::TextFile;
    return ReportOutput::Screen;
}

}  // namespace tellmark::shell
