#include "shell/journal_tools_dialogs.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "resources/texts_shell_journal_tools.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {

QLabel* wrappedLabel(QWidget* parent, std::string_view text) {
    auto* label = new QLabel(qt(text), parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

JournalSortDialog::JournalSortDialog(ShellContext& context)
    : TellmarkDialog(context.frame, text::kSortDialogTitle, "JournalSortDialog") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(this, text::kSortDialogWarning));
    auto* group = new QGroupBox(qt(text::kSortDialogGroup), this);
    auto* groupLayout = new QVBoxLayout(group);
    byMonths_ = new QRadioButton(qt(text::kSortDialogByMonths), group);
    byMonths_->setObjectName(QStringLiteral("byMonths"));
    byDays_ = new QRadioButton(qt(text::kSortDialogByDays), group);
    byDays_->setObjectName(QStringLiteral("byDays"));
    byMonths_->setChecked(true);
    groupLayout->addWidget(byMonths_);
    groupLayout->addWidget(byDays_);
    layout->addWidget(group);
    layout->addWidget(wrappedLabel(this, text::kSortDialogNote));
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    byMonths_->setFocus();
}

posting::SortOrder JournalSortDialog::order() const {
    return byDays_->isChecked() ? posting::SortOrder::DaysAndMonths : posting::SortOrder::Months;
}

SearchDialog::SearchDialog(ShellContext& context, bool backward, const entry::SearchQuery& previous,
                           bool firstTime)
    : TellmarkDialog(context.frame, backward ? text::kSearchBackwardTitle : text::kSearchForwardTitle,
                     "SearchDialog") {
    auto* layout = new QVBoxLayout(this);
    text_ = makeField(this, static_cast<int>(entry::kSearchTextLength), "text");
    text_->setText(qt(previous.text));
    auto* label = new QLabel(qt(text::kSearchPrompt), this);
    label->setBuddy(text_);
    layout->addWidget(label);
    layout->addWidget(text_);
    caseSensitive_ = new QCheckBox(qt(text::kSearchCase), this);
    caseSensitive_->setObjectName(QStringLiteral("caseSensitive"));
    caseSensitive_->setChecked(previous.caseSensitive);
    layout->addWidget(caseSensitive_);
    auto* row = new QHBoxLayout;
    auto button = [this, row](std::string_view caption, const char* name, int result) {
        auto* b = new QPushButton(qt(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        row->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
        return b;
    };
    QPushButton* start = button(text::kSearchStart, "start", Start);
    QPushButton* next = button(text::kSearchNext, "next", Next);
    button(text::kSearchCancel, "cancel", Cancelled);
    (firstTime ? start : next)->setDefault(true);
    layout->addLayout(row);
    text_->setFocus();
    text_->selectAll();
}

entry::SearchQuery SearchDialog::query() const { return {fieldText(text_), caseSensitive_->isChecked()}; }

}  // namespace tellmark::shell
