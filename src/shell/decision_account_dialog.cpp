#include "shell/decision_account_dialog.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/field_checks.h"
#include "ledger/account_record.h"
#include "resources/texts_accounts.h"
#include "shell/decision_dialog.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kOpeningTyped = 11;
constexpr double kLargestOpening = 99999999.99;

std::string fieldOr(const ui::Question& question, std::size_t i, const char* fallback) {
    return i < question.fields.size() ? question.fields[i] : std::string(fallback);
}
}  // namespace

DecisionAccountDialog::DecisionAccountDialog(ShellContext& context, const ui::Question& question)
    : TellmarkDialog(context.frame, question.caption, "DecisionAccountDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* number = makeField(this, 0, "number");
    number->setText(qt(fieldOr(question, 0, "")));
    number->setReadOnly(true);
    name_ = makeField(this, static_cast<int>(ledger::kAccountNameWidth), "name");
    name_->setMinimumWidth(240);
    name_->setText(qt(fieldOr(question, 1, "")));
    opening_ = makeField(this, kOpeningTyped, "opening");
    opening_->setText(qt(fieldOr(question, 2, "0.00")));
    ui::Messages& messages = context.messages;
    checkWhileTyping(opening_, [&messages](std::string& t, int& caret) {
        return config::checkAmount(t, caret, kLargestOpening, messages);
    });
    const std::pair<std::string_view, QLineEdit*> rows[] = {
        {text::kNewAccountNumber, number}, {text::kNewAccountName, name_}, {text::kNewAccountOpening, opening_}};
    int r = 0;
    for (const auto& [caption, field] : rows) {
        auto* label = new QLabel(qt(caption), this);
        label->setBuddy(field);
        grid->addWidget(label, r, 0);
        grid->addWidget(field, r, 1);
        ++r;
    }
    layout->addLayout(grid);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (std::size_t i = 0; i < question.answers.size(); ++i) {
        auto* button = new QPushButton(qt(question.answers[i]), this);
        button->setObjectName(QStringLiteral("answer%1").arg(i));
        if (i == 0) button->setDefault(true);
        const int code = DecisionDialog::kFirstAnswer + static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, code] { done(code); });
        row->addWidget(button);
    }
    row->addStretch();
    layout->addLayout(row);
    name_->setFocus();
}

void DecisionAccountDialog::writeBack(ui::Question& question) const {
    question.fields.resize(std::max<std::size_t>(question.fields.size(), 3));
    question.fields[1] = fieldText(name_);
    question.fields[2] = fieldText(opening_);
}

}  // namespace tellmark::shell
