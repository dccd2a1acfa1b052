#include "shell/decision_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

DecisionDialog::DecisionDialog(ShellContext& context, const ui::Question& question, bool withInput, bool listFields)
    : TellmarkDialog(context.frame, question.caption, "DecisionDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(qt(question.text), this);
    label->setObjectName(QStringLiteral("text"));
    layout->addWidget(label);
    if (listFields && !question.fields.empty()) {
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("fields"));
        // The booking lines are laid out in columns.
        list->setFont(QFont(QStringLiteral("Monospace")));
        for (const std::string& field : question.fields) list->addItem(qt(field));
        layout->addWidget(list);
    }
    if (withInput) {
        input_ = makeField(this, 0, "input");
        if (!question.fields.empty()) input_->setText(qt(question.fields.front()));
        label->setBuddy(input_);
        layout->addWidget(input_);
    }
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (std::size_t i = 0; i < question.answers.size(); ++i) {
        auto* button = new QPushButton(qt(question.answers[i]), this);
        button->setObjectName(QStringLiteral("answer%1").arg(i));
        if (i == 0) button->setDefault(true);
        const int code = kFirstAnswer + static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, code] { done(code); });
        row->addWidget(button);
    }
    row->addStretch();
    layout->addLayout(row);
    if (input_) input_->setFocus();
}

int DecisionDialog::answerOf(int resultCode, int none) {
    return resultCode >= kFirstAnswer ? resultCode - kFirstAnswer : none;
}

void DecisionDialog::writeBack(ui::Question& question) const {
    if (!input_) return;
    if (question.fields.empty()) question.fields.emplace_back();
    question.fields.front() = fieldText(input_);
}

}  // namespace tellmark::shell
