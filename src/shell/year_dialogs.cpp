#include "shell/year_dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/field_checks.h"
#include "resources/format.h"
#include "resources/texts_year_change.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {

QLabel* wrappedLabel(QWidget* parent, std::string_view text) {
    auto* label = new QLabel(qt(text), parent);
    label->setWordWrap(true);
    return label;
}

QCheckBox* checkBox(QWidget* parent, std::string_view text, const char* objectName, bool checked) {
    auto* box = new QCheckBox(qt(text), parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setChecked(checked);
    return box;
}

}  // namespace

YearInputDialog::YearInputDialog(ShellContext& context, std::string_view title, std::string_view label,
                                 const char* objectName)
    : TellmarkDialog(context.frame, title, objectName) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(qt(label), this);
    year_ = makeField(this, 4, "year");
    checkWhileTyping(year_, [](std::string& t, int& caret) { return config::checkDigitsOnly(t, caret); });
    caption->setBuddy(year_);
    row->addWidget(caption);
    row->addWidget(year_);
    layout->addLayout(row);
    layout->addWidget(wrappedLabel(this, text::kYearInputHint));
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    year_->setFocus();
}

std::string YearInputDialog::yearText() const { return fieldText(year_); }

YearChartDialog::YearChartDialog(ShellContext& context, const config::CircleSettings& settings)
    : TellmarkDialog(context.frame, text::kChartTakeOverCaption, "YearChartDialog"),
      privateShown_(yearend::privateChoiceShown(settings)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(this, yearend::chartTakeOverIntro(settings)));
    layout->addWidget(wrappedLabel(this, text::kChartTakeOverKeepBalances));
    layout->addWidget(wrappedLabel(this, text::kChartTakeOverNewAccounts));
    chart_ = checkBox(this, text::kChoiceTakeChart, "chart", true);
    balances_ = checkBox(this, text::kChoiceTakeBalances, "balances", true);
    private_ = checkBox(this, text::kChoiceResetPrivate, "private", privateShown_);
    private_->setVisible(privateShown_);
    layout->addWidget(chart_);
    layout->addWidget(balances_);
    layout->addWidget(private_);
    // Balances come only with the chart.
    connect(chart_, &QCheckBox::toggled, this, [this](bool on) {
        balances_->setEnabled(on);
        private_->setEnabled(on);
    });
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    chart_->setFocus();
}

yearend::YearChangeChoices YearChartDialog::choices() const {
    yearend::YearChangeChoices c;
    c.takeChart = chart_->isChecked();
    c.takeBalances = c.takeChart && balances_->isChecked();
    c.resetPrivate = privateShown_ && private_->isChecked();
    return c;
}

TransferConfirmDialog::TransferConfirmDialog(ShellContext& context, int previousYear, int openYear)
    : TellmarkDialog(context.frame, text::kTransferCaption, "TransferConfirmDialog") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(this, format(text::kTransferIntro, previousYear, openYear)));
    layout->addWidget(wrappedLabel(this, text::kTransferNote));
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* start = new QPushButton(qt(text::kTransferStart), this);
    start->setObjectName(QStringLiteral("start"));
    auto* cancel = new QPushButton(qt(text::kTransferCancel), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    start->setDefault(true);
    row->addWidget(start);
    row->addWidget(cancel);
    row->addStretch();
    layout->addLayout(row);
    connect(start, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    start->setFocus();
}

DeleteYearDialog::DeleteYearDialog(ShellContext& context, const std::string& yearText)
    : TellmarkDialog(context.frame, text::kDeleteYearCaption, "DeleteYearDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* question = new QLabel(qt(text::kDeleteYearQuestion), this);
    auto* year = makeField(this, 4, "year");
    year->setText(qt(yearText));
    year->setReadOnly(true);
    question->setBuddy(year);
    row->addWidget(question);
    row->addWidget(year);
    layout->addLayout(row);
    layout->addWidget(wrappedLabel(this, text::kDeleteYearFilesLine));
    balances_ = checkBox(this, text::kChoiceDeleteBalances, "balances", true);
    journal_ = checkBox(this, text::kChoiceDeleteJournal, "journal", true);
    layout->addWidget(balances_);
    layout->addWidget(journal_);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (balances() || journal()) accept();
    });
    balances_->setFocus();
}

DeleteStatusDialog::DeleteStatusDialog(ShellContext& context, const yearend::YearDeletionStatus& status)
    : TellmarkDialog(context.frame, text::kDeleteStatusCaption, "DeleteStatusDialog") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(this, text::kDeleteStatusLine));
    auto* grid = new QGridLayout;
    const std::string_view names[] = {text::kDeletedBalanceFile, text::kDeletedBalanceIndex, text::kDeletedJournal,
                                      text::kDeletedJournalIndex};
    for (std::size_t i = 0; i < status.files.size(); ++i) {
        const std::string name = "file" + std::to_string(i);
        auto* mark = checkBox(this, names[i], name.c_str(), status.files[i].deleted);
        // A mark that tells, not a choice.
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(mark, static_cast<int>(i), 0);
        grid->addWidget(new QLabel(QString::fromStdString(status.files[i].path), this), static_cast<int>(i), 1);
    }
    layout->addLayout(grid);
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* ok = new QPushButton(qt(text::kDeleteStatusOk), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    row->addWidget(ok);
    row->addStretch();
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}

}  // namespace tellmark::shell
