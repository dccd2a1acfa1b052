#include "shell/journal_report_dialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdlib>

#include "posting/account_maintenance.h"
#include "resources/texts_shell_journal_reports.h"
#include "resources/texts_shell_reports.h"
#include "shell/chart_list_dialog.h"
#include "shell/field_edit.h"
#include "shell/report_fields.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {

QLabel* buddyLabel(QWidget* parent, std::string_view text, QWidget* buddy) {
    auto* label = new QLabel(qt(text), parent);
    label->setBuddy(buddy);
    return label;
}

void selectField(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
}

// The name of the account typed in the field, or nothing when there is no such account.
QString accountName(circles::CVt36Doc& doc, QLineEdit* field) {
    std::string balance, name, number;
    const std::string typed = fieldText(field);
    if (typed.empty() || doc.reportCursor().findByText(typed, balance, name, number) != 1) return {};
    return qt(name);
}

}  // namespace

PeriodDialog::PeriodDialog(ShellContext& context, circles::CVt36Doc& doc, std::string_view title,
                           const char* objectName)
    : TellmarkDialog(context.frame, title, objectName),
      context_(context),
      doc_(doc),
      firstOfMonth_(doc.reportDefaults().firstOfMonth),
      lastOfMonth_(doc.reportDefaults().lastOfMonth),
      today_(doc.reportDefaults().today) {}

void PeriodDialog::addPeriodRows(QGridLayout* grid, int row, std::string_view fromLabel, std::string_view toLabel) {
    from_ = makeDayMonthField(this, "from", firstOfMonth_);
    to_ = makeDayMonthField(this, "to", lastOfMonth_);
    grid->addWidget(buddyLabel(this, fromLabel, from_), row, 0);
    grid->addWidget(from_, row, 1);
    grid->addWidget(buddyLabel(this, toLabel, to_), row + 1, 0);
    grid->addWidget(to_, row + 1, 1);
}

QWidget* PeriodDialog::addPrintDateRow(QGridLayout* grid, int row) {
    date_ = makePrintDateField(this, today_);
    grid->addWidget(buddyLabel(this, text::kReportDialogPrintDate, date_), row, 0);
    grid->addWidget(date_, row, 1);
    return date_;
}

bool PeriodDialog::takePeriod() {
    const bool thirteen = doc_.programConfig().thirteenthMonth;
    reports::DateWindow window;
    if (!takeDayMonth(from_, firstOfMonth_, thirteen, window.fromDay, window.fromMonth)) return false;
    if (!takeDayMonth(to_, lastOfMonth_, thirteen, window.toDay, window.toMonth)) return false;
    if (!takePrintDate(date_, today_, printDate_)) return false;
    window_ = window;
    return true;
}

JournalDialog::JournalDialog(ShellContext& context, circles::CVt36Doc& doc)
    : PeriodDialog(context, doc, text::kJournalDialogTitle, "JournalDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    addPeriodRows(grid, 0, text::kJournalDialogFrom, text::kJournalDialogTo);
    addPrintDateRow(grid, 2);
    layout->addLayout(grid);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (takePeriod()) accept();
    });
    from_->setFocus();
}

AccountSheetsDialog::AccountSheetsDialog(ShellContext& context, circles::CVt36Doc& doc,
                                         const AccountSheetsChoice& previous)
    : PeriodDialog(context, doc, text::kAccountSheetsDialogTitle, "AccountSheetsDialog"), choice_(previous) {
    auto* layout = new QVBoxLayout(this);

    auto* period = new QGroupBox(qt(text::kAccountSheetsPeriodGroup), this);
    auto* periodGrid = new QGridLayout(period);
    addPeriodRows(periodGrid, 0, text::kAccountSheetsDateFrom, text::kAccountSheetsDateTo);
    layout->addWidget(period);

    auto* accounts = new QGroupBox(qt(text::kAccountSheetsAccountsGroup), this);
    auto* accountGrid = new QGridLayout(accounts);
    fromAccount_ = makeField(this, 5, "fromAccount");
    toAccount_ = makeField(this, 5, "toAccount");
    fromAccount_->setText(previous.fromAccount > 0 ? qt(std::to_string(previous.fromAccount))
                                                   : qt(doc.reportDefaults().firstAccount));
    toAccount_->setText(previous.toAccount > 0 ? qt(std::to_string(previous.toAccount))
                                               : qt(doc.reportDefaults().lastAccount));
    fromName_ = new QLabel(this);
    fromName_->setObjectName(QStringLiteral("fromName"));
    toName_ = new QLabel(this);
    toName_->setObjectName(QStringLiteral("toName"));
    accountGrid->addWidget(buddyLabel(this, text::kAccountSheetsAccountFrom, fromAccount_), 0, 0);
    accountGrid->addWidget(fromAccount_, 0, 1);
    accountGrid->addWidget(fromName_, 0, 2);
    accountGrid->addWidget(buddyLabel(this, text::kAccountSheetsAccountTo, toAccount_), 1, 0);
    accountGrid->addWidget(toAccount_, 1, 1);
    accountGrid->addWidget(toName_, 1, 2);
    layout->addWidget(accounts);
    connect(fromAccount_, &QLineEdit::textChanged, this, [this] { showName(fromAccount_, fromName_); });
    connect(toAccount_, &QLineEdit::textChanged, this, [this] { showName(toAccount_, toName_); });
    showName(fromAccount_, fromName_);
    showName(toAccount_, toName_);

    skipZero_ = new QCheckBox(qt(text::kAccountSheetsSkipZero), this);
    skipZero_->setObjectName(QStringLiteral("skipZero"));
    skipZero_->setChecked(previous.skipWithoutBookingsZeroBalance);
    skipAll_ = new QCheckBox(qt(text::kAccountSheetsSkipAll), this);
    skipAll_->setObjectName(QStringLiteral("skipAll"));
    skipAll_->setChecked(previous.skipWithoutBookings);
    auto* options = new QGridLayout;
    options->addWidget(skipZero_, 0, 0);
    options->addWidget(new QLabel(qt(text::kAccountSheetsSkipZeroTail), this), 0, 1);
    options->addWidget(skipAll_, 1, 0);
    options->addWidget(new QLabel(qt(text::kAccountSheetsSkipAllTail), this), 1, 1);
    layout->addLayout(options);

    auto* dateGrid = new QGridLayout;
    addPrintDateRow(dateGrid, 0);
    layout->addLayout(dateGrid);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &AccountSheetsDialog::onOk);
    setTabOrder(from_, to_);
    setTabOrder(to_, fromAccount_);
    setTabOrder(fromAccount_, toAccount_);
    setTabOrder(toAccount_, skipZero_);
    setTabOrder(skipZero_, skipAll_);
    setTabOrder(skipAll_, date_);
    from_->setFocus();
}

void AccountSheetsDialog::showName(QLineEdit* field, QLabel* name) { name->setText(accountName(doc_, field)); }

void AccountSheetsDialog::onOk() {
    reports::AccountSelection range;
    if (reports::SelectByRange(fieldText(fromAccount_), fieldText(toAccount_), range, context_.messages) != 1) {
        selectField(fromAccount_);
        return;
    }
    if (!takePeriod()) return;
    choice_.fromAccount = range.from;
    choice_.toAccount = range.to;
    choice_.skipWithoutBookingsZeroBalance = skipZero_->isChecked();
    choice_.skipWithoutBookings = skipAll_->isChecked();
    accept();
}

CashBookDialog::CashBookDialog(ShellContext& context, circles::CVt36Doc& doc, int account)
    : PeriodDialog(context, doc, text::kCashBookDialogTitle, "CashBookDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    accountField_ = makeField(this, 5, "account");
    if (account > 0) accountField_->setText(qt(std::to_string(account)));
    auto* choose = new QPushButton(qt(text::kCashBookChoose), this);
    choose->setObjectName(QStringLiteral("choose"));
    choose->setAutoDefault(false);
    name_ = new QLabel(this);
    name_->setObjectName(QStringLiteral("name"));
    grid->addWidget(buddyLabel(this, text::kCashBookAccount, accountField_), 0, 0);
    grid->addWidget(accountField_, 0, 1);
    grid->addWidget(choose, 0, 2);
    grid->addWidget(new QLabel(qt(text::kCashBookName), this), 1, 0);
    grid->addWidget(name_, 1, 1, 1, 2);
    addPeriodRows(grid, 2, text::kAccountSheetsDateFrom, text::kAccountSheetsDateTo);
    addPrintDateRow(grid, 4);
    layout->addLayout(grid);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &CashBookDialog::onOk);
    connect(choose, &QPushButton::clicked, this, &CashBookDialog::onChoose);
    connect(accountField_, &QLineEdit::textChanged, this, &CashBookDialog::showName);
    showName();
    setTabOrder(accountField_, choose);
    setTabOrder(choose, from_);
    setTabOrder(from_, to_);
    setTabOrder(to_, date_);
    accountField_->setFocus();
}

void CashBookDialog::showName() { name_->setText(accountName(doc_, accountField_)); }

void CashBookDialog::onChoose() {
    ChartListDialog list(context_, posting::chartOfAccountsList(doc_.reportCursor()));
    if (context_.runner.run(list) == QDialog::Accepted && list.chosenNumber() > 0)
        accountField_->setText(qt(std::to_string(list.chosenNumber())));
    accountField_->setFocus();
}

void CashBookDialog::onOk() {
    std::string field = fieldText(accountField_);
    if (reports::CheckAccountRangeField(field, context_.messages) != 1) {
        selectField(accountField_);
        return;
    }
    if (!takePeriod()) return;
    account_ = std::atoi(field.c_str());
    accept();
}

CollectiveSheetsDialog::CollectiveSheetsDialog(ShellContext& context, circles::CVt36Doc& doc)
    : PeriodDialog(context, doc, text::kCollectiveDialogTitle, "CollectiveSheetsDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    groupField_ = makeField(this, 5, "group");
    grid->addWidget(buddyLabel(this, text::kCollectiveGroup, groupField_), 0, 0);
    grid->addWidget(groupField_, 0, 1);
    grid->addWidget(new QLabel(qt(text::kCollectiveGroupNote), this), 0, 2);
    addPeriodRows(grid, 1, text::kAccountSheetsDateFrom, text::kAccountSheetsDateTo);
    addPrintDateRow(grid, 3);
    layout->addLayout(grid);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &CollectiveSheetsDialog::onOk);
    groupField_->setFocus();
}

void CollectiveSheetsDialog::onOk() {
    reports::AccountSelection group;
    if (reports::SelectByGroup(fieldText(groupField_), group, context_.messages) != 1) {
        selectField(groupField_);
        return;
    }
    groupField_->setText(qt(group.pattern));
    if (!takePeriod()) return;
    group_ = group;
    accept();
}

}  // namespace tellmark::shell
