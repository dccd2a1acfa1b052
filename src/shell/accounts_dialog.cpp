#include "shell/accounts_dialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "resources/texts_accounts.h"
#include "resources/texts_common.h"
#include "shell/account_rename_dialog.h"
#include "shell/chart_list_dialog.h"
#include "shell/field_edit.h"
#include "shell/new_account_dialog.h"
#include "shell/opening_balance_dialog.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kNumberTyped = 5;

// The number as the choice reads it back: four digits at least, since shorter texts are the leading
// digits of a four-digit number.
QString choiceText(int number) { return QString::asprintf(number <= 9999 ? "%04i" : "%05i", number); }

QPushButton* button(QWidget* parent, std::string_view label, const char* name) {
    auto* b = new QPushButton(qt(label), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(true);
    return b;
}

QLabel* display(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    label->setMinimumWidth(220);
    return label;
}
}  // namespace

AccountsDialog::AccountsDialog(ShellContext& context, circles::CVt36Doc& doc)
    : TellmarkDialog(context.frame, text::kAccountsDialogTitle, "AccountsDialog"),
      context_(context),
      books_(doc.books()),
      files_{doc.reportCursor(), doc.accountIndex(), doc.balanceFile(), doc.settings().chart, context.messages,
             &books_} {
    auto* layout = new QVBoxLayout(this);

    auto* chooseGroup = new QGroupBox(qt(text::kAccountsGroupChoose), this);
    auto* chooseRow = new QHBoxLayout(chooseGroup);
    numberField_ = makeField(this, kNumberTyped, "number");
    auto* numberLabel = new QLabel(qt(text::kAccountsNumberLabel), this);
    numberLabel->setBuddy(numberField_);
    choose_ = button(this, text::kAccountsChooseButton, "choose");
    chart_ = button(this, text::kAccountsChartButton, "chart");
    chooseRow->addWidget(numberLabel);
    chooseRow->addWidget(numberField_);
    chooseRow->addWidget(choose_);
    chooseRow->addWidget(chart_);
    layout->addWidget(chooseGroup);

    auto* shownGroup = new QGroupBox(qt(text::kAccountsGroupChosen), this);
    auto* shownForm = new QFormLayout(shownGroup);
    shownNumber_ = display(this, "shownNumber");
    shownName_ = display(this, "shownName");
    shownOpening_ = display(this, "shownOpening");
    shownForm->addRow(qt(text::kAccountsChosenNumber), shownNumber_);
    shownForm->addRow(qt(text::kAccountsChosenName), shownName_);
    shownForm->addRow(qt(text::kAccountsChosenOpening), shownOpening_);
    layout->addWidget(shownGroup);

    auto* changeGroup = new QGroupBox(qt(text::kAccountsGroupChange), this);
    auto* changeRow = new QHBoxLayout(changeGroup);
    changeOpening_ = button(this, text::kAccountsOpeningButton, "changeOpening");
    rename_ = button(this, text::kAccountsRenameButton, "rename");
    delete_ = button(this, text::kAccountsDeleteButton, "delete");
    changeRow->addWidget(changeOpening_);
    changeRow->addWidget(rename_);
    changeRow->addWidget(delete_);
    layout->addWidget(changeGroup);

    auto* newGroup = new QGroupBox(qt(text::kAccountsGroupNew), this);
    auto* newRow = new QHBoxLayout(newGroup);
    new_ = button(this, text::kAccountsNewButton, "new");
    newRow->addWidget(new_);
    newRow->addStretch();
    layout->addWidget(newGroup);

    close_ = button(this, text::kAccountsCloseButton, "close");
    layout->addWidget(close_, 0, Qt::AlignRight);

    connect(numberField_, &QLineEdit::textEdited, this, &AccountsDialog::onTyped);
    connect(choose_, &QPushButton::clicked, this, &AccountsDialog::onChoose);
    connect(chart_, &QPushButton::clicked, this, &AccountsDialog::onChart);
    connect(changeOpening_, &QPushButton::clicked, this, &AccountsDialog::onOpening);
    connect(rename_, &QPushButton::clicked, this, &AccountsDialog::onRename);
    connect(delete_, &QPushButton::clicked, this, &AccountsDialog::onDelete);
    connect(new_, &QPushButton::clicked, this, &AccountsDialog::onNew);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    setState(State::NothingChosen);
}

void AccountsDialog::setState(State state) {
    state_ = state;
    choose_->setEnabled(state == State::NothingChosen);
    changeOpening_->setEnabled(state == State::Found);
    rename_->setEnabled(state == State::Found);
    delete_->setEnabled(state == State::Found);
    new_->setEnabled(state == State::NotFound);
    for (QPushButton* b : {choose_, changeOpening_, new_}) b->setDefault(false);
    switch (state) {
    case State::NothingChosen:
        choose_->setDefault(true);
        numberField_->setFocus();
        break;
    case State::Found:
        changeOpening_->setDefault(true);
        changeOpening_->setFocus();
        break;
    case State::NotFound:
        new_->setDefault(true);
        new_->setFocus();
        break;
    }
}

void AccountsDialog::clearDisplay() {
    shownNumber_->clear();
    shownName_->clear();
    shownOpening_->clear();
}

void AccountsDialog::showAccount(const posting::ChosenAccount& account) {
    number_ = account.number;
    name_ = account.name;
    opening_ = account.opening;
    shownNumber_->setText(qt(account.numberText));
    shownName_->setText(qt(account.name));
    shownOpening_->setText(qt(account.opening));
}

void AccountsDialog::onTyped() {
    if (state_ != State::NothingChosen) setState(State::NothingChosen);
}

void AccountsDialog::onChoose() {
    const posting::ChosenAccount account = posting::chooseAccount(files_, fieldText(numberField_));
    switch (account.choice) {
    case posting::Choice::Invalid:
        numberField_->clear();
        clearDisplay();
        setState(State::NothingChosen);
        break;
    case posting::Choice::Found:
        showAccount(account);
        setState(State::Found);
        break;
    case posting::Choice::NotFound:
        clearDisplay();
        number_ = account.number;
        QApplication::beep();
        setState(State::NotFound);
        break;
    }
}

void AccountsDialog::onChart() {
    ChartListDialog list(context_, posting::chartOfAccountsList(files_.cursor));
    if (context_.runner.run(list) == QDialog::Accepted && list.chosenNumber() > 0) {
        numberField_->setText(choiceText(list.chosenNumber()));
        clearDisplay();
        setState(State::NothingChosen);
    }
}

void AccountsDialog::onOpening() {
    OpeningBalanceDialog dialog(context_, files_, number_, opening_);
    if (context_.runner.run(dialog) == QDialog::Accepted) showAccount(posting::chooseAccount(files_, cp(choiceText(number_))));
}

void AccountsDialog::onRename() {
    if (posting::nameIsProtected(number_, files_.chart)) {
        context_.messages.show(text::kVatAccountNameFixed, text::kCaptionError, ui::kIconStop);
        return;
    }
    AccountRenameDialog dialog(context_, files_, number_, name_);
    if (context_.runner.run(dialog) == QDialog::Accepted) showAccount(posting::chooseAccount(files_, cp(choiceText(number_))));
}

void AccountsDialog::onDelete() {
    if (posting::deleteAccount(files_, number_) != posting::MaintenanceResult::Done) return;
    clearDisplay();
    numberField_->clear();
    setState(State::NothingChosen);
}

void AccountsDialog::onNew() {
    NewAccountDialog dialog(context_, files_, number_);
    if (context_.runner.run(dialog) == QDialog::Accepted) {
        showAccount(posting::chooseAccount(files_, cp(choiceText(number_))));
        setState(State::Found);
    } else {
        setState(State::NotFound);
    }
}

}  // namespace tellmark::shell
