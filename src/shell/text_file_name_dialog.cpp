#include "shell/text_file_name_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/texts_reports_output.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

TextFileNameDialog::TextFileNameDialog(ShellContext& context, const std::string& name)
    : TellmarkDialog(context.frame, text::kTextFileDialogTitle, "TextFileNameDialog") {
    auto* layout = new QVBoxLayout(this);
    name_ = makeField(this, 0, "name");
    name_->setText(qt(name));
    name_->selectAll();
    layout->addWidget(name_);
    auto* note = new QLabel(qt(text::kTextFileNote), this);
    note->setObjectName(QStringLiteral("note"));
    layout->addWidget(note);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    name_->setFocus();
}

std::string TextFileNameDialog::name() const { return fieldText(name_); }

}  // namespace tellmark::shell
