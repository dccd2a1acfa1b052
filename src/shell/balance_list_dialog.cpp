#include "shell/balance_list_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/account_selection.h"
#include "resources/texts_reports_lists.h"
#include "shell/field_edit.h"
#include "shell/report_fields.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

BalanceListDialog::BalanceListDialog(ShellContext& context, circles::CVt36Doc& doc)
    : TellmarkDialog(context.frame, text::kBalanceListDialogTitle, "BalanceListDialog"),
      messages_(context.messages),
      today_(doc.reportDefaults().today),
      highestMonth_(reports::HighestReportMonth(doc.programConfig().thirteenthMonth)) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    byGroup_ = new QRadioButton(qt(text::kBalanceListByGroup), this);
    byGroup_->setObjectName(QStringLiteral("byGroup"));
    byRange_ = new QRadioButton(qt(text::kBalanceListByRange), this);
    byRange_->setObjectName(QStringLiteral("byRange"));
    byGroup_->setChecked(true);
    group_ = makeField(this, 5, "group");
    fromAccount_ = makeField(this, 5, "fromAccount");
    toAccount_ = makeField(this, 5, "toAccount");
    fromAccount_->setText(qt(doc.reportDefaults().firstAccount));
    toAccount_->setText(qt(doc.reportDefaults().lastAccount));
    grid->addWidget(byGroup_, 0, 0);
    grid->addWidget(group_, 0, 1);
    grid->addWidget(byRange_, 1, 0);
    grid->addWidget(fromAccount_, 1, 1);
    grid->addWidget(toAccount_, 1, 2);

    fromMonth_ = makeMonthField(this, "fromMonth", 1);
    toMonth_ = makeMonthField(this, "toMonth", currentCalendarMonth());
    auto* fromLabel = new QLabel(qt(text::kBalanceListFromMonth), this);
    fromLabel->setBuddy(fromMonth_);
    auto* toLabel = new QLabel(qt(text::kBalanceListToMonth), this);
    toLabel->setBuddy(toMonth_);
    grid->addWidget(fromLabel, 2, 0);
    grid->addWidget(fromMonth_, 2, 1);
    grid->addWidget(new QLabel(qt(text::kBalanceListMonthNote), this), 2, 2);
    grid->addWidget(toLabel, 3, 0);
    grid->addWidget(toMonth_, 3, 1);
    layout->addLayout(grid);

    wide_ = new QCheckBox(qt(text::kBalanceListWideOption), this);
    wide_->setObjectName(QStringLiteral("wide"));
    wide_->setChecked(true);
    alphabetical_ = new QCheckBox(qt(text::kBalanceListAlphabeticalOption), this);
    alphabetical_->setObjectName(QStringLiteral("alphabetical"));
    includeAll_ = new QCheckBox(this);
    includeAll_->setObjectName(QStringLiteral("includeAll"));
    includeAll_->setChecked(true);
    includeTail_ = new QLabel(this);
    includeTail_->setObjectName(QStringLiteral("includeTail"));
    layout->addWidget(wide_);
    layout->addWidget(alphabetical_);
    layout->addWidget(includeAll_);
    layout->addWidget(includeTail_);
    showIncludeText();
    connect(wide_, &QCheckBox::toggled, this, &BalanceListDialog::showIncludeText);

    auto* dateRow = new QHBoxLayout;
    date_ = makePrintDateField(this, today_);
    auto* dateLabel = new QLabel(qt(text::kBalanceListPrintDate), this);
    dateLabel->setBuddy(date_);
    dateRow->addWidget(dateLabel);
    dateRow->addWidget(date_);
    layout->addLayout(dateRow);

    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &BalanceListDialog::onOk);
    group_->setFocus();
}

void BalanceListDialog::showIncludeText() {
    const bool wide = wide_->isChecked();
    includeAll_->setText(qt(wide ? text::kBalanceListIncludeWide1 : text::kBalanceListIncludeNarrow1));
    includeTail_->setText(qt(wide ? text::kBalanceListIncludeWide2 : text::kBalanceListIncludeNarrow2));
}

void BalanceListDialog::onOk() {
    reports::BalanceListOptions options;
    if (!takeMonth(fromMonth_, highestMonth_, options.fromMonth)) return;
    if (!takeMonth(toMonth_, highestMonth_, options.toMonth)) return;
    if (byGroup_->isChecked()) {
        if (reports::SelectByGroup(fieldText(group_), options.accounts, messages_) != 1) {
            group_->setFocus();
            group_->selectAll();
            return;
        }
        group_->setText(qt(options.accounts.pattern));
    } else if (reports::SelectByRange(fieldText(fromAccount_), fieldText(toAccount_), options.accounts, messages_) !=
               1) {
        fromAccount_->setFocus();
        fromAccount_->selectAll();
        return;
    }
    options.accounts.alphabetical = alphabetical_->isChecked();
    options.wide = wide_->isChecked();
    options.includeAll = includeAll_->isChecked();
    if (!takePrintDate(date_, today_, printDate_)) return;
    options_ = options;
    accept();
}

}  // namespace tellmark::shell
