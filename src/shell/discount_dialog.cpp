#include "shell/discount_dialog.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/field_checks.h"
#include "resources/texts_entry.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kAmountTyped = 11;
constexpr int kRateTyped = 5;
constexpr double kLargestAmount = 99999999.99;
}  // namespace

DiscountDialog::DiscountDialog(ShellContext& context, entry::EntryFormModel& model)
    : TellmarkDialog(context.frame, text::kDiscountDialogTitle, "DiscountDialog"), model_(model) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    paid_ = makeField(this, kAmountTyped, "paid");
    discount_ = makeField(this, kAmountTyped, "discount");
    rate_ = makeField(this, kRateTyped, "rate");
    percent_ = new QLabel(this);
    percent_->setObjectName(QStringLiteral("percent"));
    ui::Messages& messages = context.messages;
    for (QLineEdit* field : {paid_, discount_})
        checkWhileTyping(field, [&messages](std::string& t, int& caret) {
            return config::checkAmount(t, caret, kLargestAmount, messages);
        });
    checkWhileTyping(rate_, [&messages](std::string& t, int& caret) {
        return config::checkVatRate(t, caret, false, messages);
    });
    auto addRow = [&](int row, std::string_view label, QWidget* field) {
        auto* l = new QLabel(qt(label), this);
        l->setBuddy(field);
        grid->addWidget(l, row, 0);
        grid->addWidget(field, row, 1);
    };
    addRow(0, text::kDiscountPaidLabel, paid_);
    addRow(1, text::kDiscountAmountLabel, discount_);
    addRow(2, text::kDiscountPercentLabel, percent_);
    addRow(3, text::kDiscountRateLabel, rate_);
    layout->addLayout(grid);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &DiscountDialog::onOk);
    connect(paid_, &QLineEdit::textChanged, this, &DiscountDialog::updatePercent);
    connect(discount_, &QLineEdit::textChanged, this, &DiscountDialog::updatePercent);
    paid_->setFocus();
}

void DiscountDialog::updatePercent() {
    percent_->setText(qt(entry::EntryFormModel::discountPercent(fieldText(paid_), fieldText(discount_))));
}

void DiscountDialog::onOk() {
    switch (model_.answerDiscount(true, fieldText(paid_), fieldText(discount_), fieldText(rate_))) {
    case entry::EntryFormModel::DiscountAnswer::Accepted: accept(); break;
    case entry::EntryFormModel::DiscountAnswer::StayOpen: break;
    case entry::EntryFormModel::DiscountAnswer::Cancelled: QDialog::reject(); break;
    }
}

void DiscountDialog::reject() {
    model_.answerDiscount(false, {}, {}, {});
    QDialog::reject();
}

}  // namespace tellmark::shell
