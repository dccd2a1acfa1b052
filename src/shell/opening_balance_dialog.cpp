#include "shell/opening_balance_dialog.h"

#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/field_checks.h"
#include "resources/texts_accounts.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kAmountTyped = 12;
constexpr double kLargestOpening = 999999999.99;
}  // namespace

OpeningBalanceDialog::OpeningBalanceDialog(ShellContext& context, posting::AccountFiles& files, int number,
                                           const std::string& opening)
    : TellmarkDialog(context.frame, text::kOpeningDialogTitle, "OpeningBalanceDialog"), files_(files), number_(number) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* old = makeField(this, 0, "oldOpening");
    old->setText(qt(opening));
    old->setReadOnly(true);
    amount_ = makeField(this, kAmountTyped, "newOpening");
    ui::Messages& messages = context.messages;
    checkWhileTyping(amount_, [&messages](std::string& t, int& caret) {
        return config::checkAmount(t, caret, kLargestOpening, messages);
    });
    form->addRow(qt(text::kOpeningDialogOld), old);
    form->addRow(qt(text::kOpeningDialogNew), amount_);
    layout->addLayout(form);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &OpeningBalanceDialog::onOk);
    amount_->setText(qt(opening));
    amount_->selectAll();
    amount_->setFocus();
}

void OpeningBalanceDialog::onOk() {
    switch (posting::changeOpeningBalance(files_, number_, fieldText(amount_))) {
    case posting::MaintenanceResult::Done: accept(); break;
    case posting::MaintenanceResult::Refused: reject(); break;
    case posting::MaintenanceResult::FieldError:
        amount_->setFocus();
        amount_->selectAll();
        break;
    }
}

}  // namespace tellmark::shell
