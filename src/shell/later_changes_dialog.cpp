#include "shell/later_changes_dialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "resources/texts_shell.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

LaterChangesDialog::LaterChangesDialog(ShellContext& context, config::CIniSB& settings)
    : TellmarkDialog(context.frame, text::kLaterChangesTitle, "LaterChangesDialog"), settings_(settings) {
    auto* layout = new QVBoxLayout(this);
    allowed_ = new QCheckBox(qt(text::kLaterChangesCheck), this);
    allowed_->setObjectName(QStringLiteral("allowed"));
    allowed_->setChecked(settings_.config().changesAllowed);
    layout->addWidget(allowed_);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &LaterChangesDialog::onOk);
}

void LaterChangesDialog::onOk() {
    settings_.config().changesAllowed = allowed_->isChecked();
    if (settings_.writeAllSettings() == 1) accept();
}

}  // namespace tellmark::shell
