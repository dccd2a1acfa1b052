#include "shell/account_rename_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ledger/account_record.h"
#include "posting/vat_preset.h"
#include "resources/texts_accounts.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

AccountRenameDialog::AccountRenameDialog(ShellContext& context, posting::AccountFiles& files, int number,
                                         const std::string& oldName)
    : TellmarkDialog(context.frame, text::kRenameDialogTitle, "AccountRenameDialog"), files_(files), number_(number) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* old = makeField(this, 0, "oldName");
    old->setText(qt(oldName));
    old->setReadOnly(true);
    name_ = makeField(this, static_cast<int>(ledger::kAccountNameWidth), "newName");
    name_->setMinimumWidth(240);
    auto* oldLabel = new QLabel(qt(text::kRenameDialogOld), this);
    oldLabel->setBuddy(old);
    grid->addWidget(oldLabel, 0, 0);
    grid->addWidget(old, 0, 1, 1, 2);
    auto* newLabel = new QLabel(qt(text::kRenameDialogNew), this);
    newLabel->setBuddy(name_);
    grid->addWidget(newLabel, 1, 0);
    grid->addWidget(name_, 1, 1, 1, 2);
    preset_ = new VatPresetFields(this, grid, 2, name_, posting::vatPresetAllowed(number, files.chart),
                                  context.messages);
    layout->addLayout(grid);
    preset_->chainTabOrder(name_, nullptr);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &AccountRenameDialog::onOk);
    name_->setText(shownName(oldName));
    preset_->setFromName();
    name_->selectAll();
    name_->setFocus();
}

void AccountRenameDialog::onOk() {
    switch (posting::renameAccount(files_, number_, fieldText(name_), preset_->rate())) {
    case posting::MaintenanceResult::Done: accept(); break;
    case posting::MaintenanceResult::Refused: reject(); break;
    case posting::MaintenanceResult::FieldError: name_->setFocus(); break;
    }
}

}  // namespace tellmark::shell
