#include "shell/new_account_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/field_checks.h"
#include "ledger/account_record.h"
#include "posting/vat_preset.h"
#include "resources/texts_accounts.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kOpeningTyped = 11;
constexpr double kLargestOpening = 99999999.99;
}  // namespace

NewAccountDialog::NewAccountDialog(ShellContext& context, posting::AccountFiles& files, int number,
                                   bool cancelEnabled)
    : TellmarkDialog(context.frame, text::kNewAccountDialogTitle, "NewAccountDialog"), files_(files), number_(number) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* numberField = makeField(this, 0, "number");
    numberField->setText(qt(posting::accountNumberText(number)));
    numberField->setReadOnly(true);
    name_ = makeField(this, static_cast<int>(ledger::kAccountNameWidth), "name");
    name_->setMinimumWidth(240);
    opening_ = makeField(this, kOpeningTyped, "opening");
    ui::Messages& messages = context.messages;
    checkWhileTyping(opening_, [&messages](std::string& t, int& caret) {
        return config::checkAmount(t, caret, kLargestOpening, messages);
    });
    auto* numberLabel = new QLabel(qt(text::kNewAccountNumber), this);
    numberLabel->setBuddy(numberField);
    grid->addWidget(numberLabel, 0, 0);
    grid->addWidget(numberField, 0, 1);
    auto* nameLabel = new QLabel(qt(text::kNewAccountName), this);
    nameLabel->setBuddy(name_);
    grid->addWidget(nameLabel, 1, 0);
    grid->addWidget(name_, 1, 1, 1, 2);
    preset_ = new VatPresetFields(this, grid, 2, name_, posting::vatPresetAllowed(number, files.chart),
                                  context.messages);
    auto* openingLabel = new QLabel(qt(text::kNewAccountOpening), this);
    openingLabel->setBuddy(opening_);
    grid->addWidget(openingLabel, 3, 0);
    grid->addWidget(opening_, 3, 1);
    layout->addLayout(grid);
    // The fields in the order they stand: the box comes right after the name, the balance after the rate.
    preset_->chainTabOrder(name_, opening_);
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    addOkCancel(layout, &ok, &cancel);
    cancel->setEnabled(cancelEnabled);
    connect(ok, &QPushButton::clicked, this, &NewAccountDialog::onOk);

    opening_->setText(QStringLiteral("0.00"));
    const std::string_view fixed = posting::fixedAccountName(number, files.chart);
    if (!fixed.empty()) {
        name_->setText(qt(fixed));
        name_->setEnabled(false);
    }
    name_->setFocus();
}

void NewAccountDialog::onOk() {
    posting::NewAccount account;
    account.number = number_;
    account.name = fieldText(name_);
    account.rate = preset_->rate();
    account.opening = fieldText(opening_);
    switch (posting::createAccount(files_, account)) {
    case posting::MaintenanceResult::Done: accept(); break;
    case posting::MaintenanceResult::Refused: reject(); break;
    case posting::MaintenanceResult::FieldError: name_->setFocus(); break;
    }
}

}  // namespace tellmark::shell
