#include "shell/import_dialogs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/format.h"
#include "resources/texts_import.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

ImportFileDialog::ImportFileDialog(ShellContext& context)
    : TellmarkDialog(context.frame, text::kImportDialogTitle, "ImportFileDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(qt(text::kImportDialogPrompt), this);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    name_ = makeField(this, 260, "name");
    prompt->setBuddy(name_);
    layout->addWidget(name_);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (!name_->text().trimmed().isEmpty()) accept();
    });
    name_->setFocus();
}

// File names are kept as the file system spells them (UTF-8), not in the
// journal's code page.
std::string ImportFileDialog::fileName() const { return name_->text().trimmed().toStdString(); }

ImportCloseDialog::ImportCloseDialog(ShellContext& context, const std::string& path, long posted)
    : TellmarkDialog(context.frame, text::kImportCloseTitle, "ImportCloseDialog") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(qt(text::kImportCloseStatus), this));
    auto* form = new QFormLayout;
    auto* file = new QLabel(QString::fromStdString(path), this);
    file->setObjectName(QStringLiteral("fileName"));
    form->addRow(qt(text::kImportCloseFileName), file);
    auto* count = new QLabel(qt(format(text::kImportCloseCountFormat, static_cast<double>(posted))), this);
    count->setObjectName(QStringLiteral("count"));
    form->addRow(qt(text::kImportCloseCount), count);
    layout->addLayout(form);
    layout->addWidget(new QLabel(qt(text::kImportCloseQuestion), this));
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* yes = new QPushButton(qt(text::kImportCloseYes), this);
    yes->setObjectName(QStringLiteral("yes"));
    auto* no = new QPushButton(qt(text::kImportCloseNo), this);
    no->setObjectName(QStringLiteral("no"));
    // Keeping the file is the safe answer.
    no->setDefault(true);
    row->addWidget(yes);
    row->addWidget(no);
    row->addStretch();
    layout->addLayout(row);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    no->setFocus();
}

}  // namespace tellmark::shell
