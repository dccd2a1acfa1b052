#include "shell/standard_booking_dialogs.h"

#include <algorithm>
#include <utility>

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "config/dates.h"
#include "config/text_helpers.h"
#include "config/typed_numbers.h"
#include "entry/account_step.h"
#include "posting/line_checks.h"
#include "posting/text_checks.h"
#include "posting/account_maintenance.h"
#include "posting/books.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_shell.h"
#include "resources/texts_standard_bookings.h"
#include "shell/decision_dialog.h"
#include "shell/field_edit.h"
#include "shell/new_account_dialog.h"
#include "shell/report_fields.h"
#include "shell/text_convert.h"
#include "yearend/booking_import.h"

namespace tellmark::shell {

namespace {

QListWidget* makeRecordList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("records"));
    // The records are laid out in the columns of the heading.
    list->setFont(QFont(QStringLiteral("Monospace")));
    return list;
}

QLabel* makeHeading(QWidget* parent, std::string_view heading) {
    auto* label = new QLabel(qt(heading), parent);
    label->setFont(QFont(QStringLiteral("Monospace")));
    return label;
}

QPushButton* makeButton(QWidget* parent, std::string_view label, const char* name) {
    auto* button = new QPushButton(qt(label), parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter belongs to the fields; the buttons have their keys.
    button->setAutoDefault(false);
    return button;
}

// As wide as its characters, so that a line of fields stays within the window.
void fitWidth(QLineEdit* field, int characters) {
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(characters + 1, QLatin1Char('0'))) + 12);
}

bool isEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

}  // namespace

QString standardRow(const std::string& first, const ledger::StandardBookingRecord& r) {
    const ledger::StandardBookingValues values = ledger::valuesOf(r);
    return qt(first + ' ' + r.document + ' ' + r.debit + ' ' + r.credit + ' ' + r.text + ' ' + r.amount + ' ' + r.rate +
              ' ' + values.vatText);
}

// --- Editing
// -----------------------------------------------------------------------------------------

StandardEditDialog::StandardEditDialog(ShellContext& context, circles::CVt36Doc& doc, entry::StandardBookings& file)
    : TellmarkDialog(context.frame, text::kStandardEditTitle, "StandardEditDialog"), doc_(doc), file_(file) {
    auto* layout = new QVBoxLayout(this);
    auto* names = new QHBoxLayout;
    debitName_ = new QLabel(this);
    debitName_->setObjectName(QStringLiteral("debitName"));
    creditName_ = new QLabel(this);
    creditName_->setObjectName(QStringLiteral("creditName"));
    names->addWidget(debitName_);
    names->addWidget(creditName_);
    layout->addLayout(names);
    static constexpr std::array<int, kFieldCount> kWidths = {6, 5, 5, 25, 11, 5};
    const QFont mono(QStringLiteral("Monospace"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    // The heading's words stand over their columns.
    const QStringList heading = qt(text::kStandardEditHeading).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int c = 0; c < heading.size(); ++c) {
        auto* label = new QLabel(heading[c], this);
        label->setFont(mono);
        const bool right = c == kDebit + 1 || c == kCredit + 1 || c >= kAmount + 1;
        grid->addWidget(label, 0, c, right ? Qt::AlignRight : Qt::AlignLeft);
    }
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        Row& row = rows_[r];
        const int gridRow = static_cast<int>(r) + 1;
        row.number = new QLabel(this);
        row.number->setFont(mono);
        grid->addWidget(row.number, gridRow, 0);
        for (int f = 0; f < kFieldCount; ++f) {
            QLineEdit* edit = makeField(this, kWidths[f], "");
            edit->setFont(mono);
            fitWidth(edit, kWidths[f]);
            edit->installEventFilter(this);
            if (f == kDebit || f == kCredit || f == kAmount || f == kRate) edit->setAlignment(Qt::AlignRight);
            row.fields[f] = edit;
            grid->addWidget(edit, gridRow, f + 1);
        }
        row.vat = new QLabel(this);
        row.vat->setFont(mono);
        grid->addWidget(row.vat, gridRow, kFieldCount + 1, Qt::AlignRight);
    }
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* end = makeButton(this, text::kStandardEditEnd, "end");
    end->setFocusPolicy(Qt::NoFocus);
    buttons->addWidget(end);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(end, &QPushButton::clicked, this, &StandardEditDialog::finish);
    connect(new QShortcut(QKeySequence(Qt::Key_F11), this), &QShortcut::activated, this, &StandardEditDialog::finish);
    showWindow();
}

int StandardEditDialog::last() const { return std::min(file_.count() + 1, ledger::kMaxStandardBookings); }

int StandardEditDialog::numberInRow(int row) const { return top_ + row <= last() ? top_ + row : 0; }

// The rows from the records; the current record's line alone takes the keys. Its fields carry the names
// the keys and tests find them by.
void StandardEditDialog::showWindow(int focus) {
    static constexpr std::array<const char*, kFieldCount> kNames = {"document", "debit", "credit",
                                                                    "text",     "amount", "rate"};
    const ledger::StandardBookingRecord blank;
    for (int r = 0; r < kRows; ++r) {
        Row& row = rows_[static_cast<std::size_t>(r)];
        const int n = numberInRow(r);
        const bool current = n != 0 && n == current_;
        const ledger::StandardBookingRecord& record =
            n >= 1 && n <= file_.count() ? file_.records()[static_cast<std::size_t>(n - 1)] : blank;
        const std::array<const std::string*, kFieldCount> texts = {&record.document, &record.debit,  &record.credit,
                                                                   &record.text,     &record.amount, &record.rate};
        row.number->setText(n == 0 ? QString() : qt(format(text::kStandardRecordNumber, n)));
        for (int f = 0; f < kFieldCount; ++f) {
            QLineEdit* edit = row.fields[f];
            edit->setText(qt(config::trim(*texts[f])));
            edit->setReadOnly(!current);
            edit->setEnabled(n != 0);
            edit->setFocusPolicy(current ? Qt::StrongFocus : Qt::NoFocus);
            edit->setObjectName(current ? QString::fromLatin1(kNames[f])
                                        : QStringLiteral("%1_%2").arg(QString::fromLatin1(kNames[f])).arg(r));
        }
        row.vat->setText(n >= 1 && n <= file_.count() ? qt(ledger::valuesOf(record).vatText) : QString());
    }
    debitName_->clear();
    creditName_->clear();
    focusField(focus);
}

void StandardEditDialog::focusField(int f) {
    QLineEdit* edit = field(f);
    edit->setFocus();
    edit->selectAll();
}

void StandardEditDialog::moveTo(int record) {
    current_ = std::clamp(record, 1, last());
    top_ = std::clamp(top_, std::max(1, current_ - (kRows - 1)), current_);
    showWindow();
}

// The checks of the entry form as a field is left; a field that fails keeps the cursor.
bool StandardEditDialog::leaveField(int f) {
    ui::Messages& messages = doc_.messages();
    const std::string typed = fieldText(field(f));
    switch (f) {
        case kDocument: return posting::checkDocumentNumber(typed, messages);
        case kDebit:
        case kCredit: return leaveAccountField(f);
        case kText: return posting::checkBookingText(typed, messages);
        case kAmount: {
            // 0.00 stays: the amount of such a template is entered when it is posted.
            const config::TypedNumber number = config::readTypedNumber(typed);
            if (number.ok() && number.value == 0.0) {
                field(f)->setText(QStringLiteral("0.00"));
                return true;
            }
            const posting::AmountCheck amount = posting::checkAmount(typed, messages);
            if (amount.ok) field(f)->setText(qt(config::trim(amount.field)));
            return amount.ok;
        }
        default: return true;
    }
}

// An account field is left only on an account it finds; the account's number replaces what was typed and
// its name is shown above the lines. The credit account must differ from the debit account.
bool StandardEditDialog::leaveAccountField(int f) {
    ledger::CSalden& cursor = f == kDebit ? doc_.debitCursor() : doc_.creditCursor();
    std::string balance, name, number;
    if (cursor.findByText(config::trim(fieldText(field(f))), balance, name, number) != 1) return false;
    field(f)->setText(qt(config::trim(number)));
    (f == kDebit ? debitName_ : creditName_)->setText(qt(config::trimRight(name)));
    if (f == kCredit) {
        posting::Books books = doc_.books();
        const posting::AccountsCheck accounts =
            posting::checkAccounts(books, fieldText(field(kDebit)), fieldText(field(kCredit)));
        if (!accounts.ok) return !accounts.debitFound ? (focusField(kDebit), false) : false;
    }
    return true;
}

bool StandardEditDialog::writeCurrent() {
    const int n = current();
    entry::TypedStandardBooking typed;
    if (n <= file_.count()) typed.marked = file_.records()[static_cast<std::size_t>(n - 1)].marked;
    typed.document = fieldText(field(kDocument));
    typed.debit = fieldText(field(kDebit));
    typed.credit = fieldText(field(kCredit));
    typed.text = fieldText(field(kText));
    typed.amount = fieldText(field(kAmount));
    typed.rate = fieldText(field(kRate));
    const entry::StandardCheck check = entry::checkStandardBooking(doc_, typed);
    if (!check.record) {
        int wrong = kDocument;
        if (!check.missingAccount.empty())
            wrong = check.missingAccount == typed.credit && check.missingAccount != typed.debit ? kCredit : kDebit;
        focusField(wrong);
        return false;
    }
    const entry::StandardBookings::Edit edit =
        n <= file_.count() ? file_.replace(n, *check.record) : file_.insert(*check.record, 0);
    if (edit != entry::StandardBookings::Edit::Done) return false;
    moveTo(n + 1);
    return true;
}

void StandardEditDialog::insertHere() {
    const int n = current();
    if (n > file_.count() || file_.insertBlank(n) != entry::StandardBookings::Edit::Done) return;
    moveTo(n);
}

void StandardEditDialog::removeHere() {
    const int n = current();
    if (n > file_.count() || file_.remove(n) != entry::StandardBookings::Edit::Done) return;
    top_ = std::max(1, std::min(top_, last() - (kRows - 1)));
    moveTo(n);
}

void StandardEditDialog::finish() {
    const int fault = file_.firstAccountFault();
    if (fault == 0) {
        accept();
        return;
    }
    file_.showAccountFault(fault);
    moveTo(fault);
    focusField(kDebit);
}

bool StandardEditDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return TellmarkDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const std::array<QLineEdit*, kFieldCount>& fields = rows_[static_cast<std::size_t>(current_ - top_)].fields;
    const auto at = std::find(fields.begin(), fields.end(), watched);
    if (at == fields.end()) return TellmarkDialog::eventFilter(watched, event);
    const int f = static_cast<int>(at - fields.begin());
    const bool ctrl = key->modifiers().testFlag(Qt::ControlModifier);
    // The fields take Ctrl+Y (redo) before any shortcut would see it.
    if (ctrl && (key->key() == Qt::Key_N || key->key() == Qt::Key_Y)) {
        if (key->key() == Qt::Key_N)
            insertHere();
        else
            removeHere();
        return true;
    }
    if (key->key() == Qt::Key_F11) {
        finish();
        return true;
    }
    if (key->key() == Qt::Key_F12 || ((isEnter(key) || key->key() == Qt::Key_Tab) && f == kRate)) {
        writeCurrent();
        return true;
    }
    if (isEnter(key) || key->key() == Qt::Key_Tab) {
        if (leaveField(f))
            focusField(f + 1);
        else
            field(f)->selectAll();
        return true;
    }
    if (key->key() == Qt::Key_Backtab) {
        if (f > kDocument) focusField(f - 1);
        return true;
    }
    if ((f == kDebit || f == kCredit) && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        ledger::CSalden& cursor = f == kDebit ? doc_.debitCursor() : doc_.creditCursor();
        if (entry::stepAccount(cursor, doc_.accountIndex(), fieldText(field(f)), key->key() == Qt::Key_Down)) {
            field(f)->setText(qt(config::trim(cursor.numberText())));
            (f == kDebit ? debitName_ : creditName_)->setText(qt(config::trimRight(cursor.name())));
        }
        return true;
    }
    if (f != kDocument) return false;
    switch (key->key()) {
        case Qt::Key_Up: moveTo(current_ - 1); return true;
        case Qt::Key_Down: moveTo(current_ + 1); return true;
        case Qt::Key_PageUp:
            top_ = std::max(1, top_ - kRows);
            moveTo(current_ - kRows);
            return true;
        case Qt::Key_PageDown:
            top_ = std::max(1, std::min(top_ + kRows, last() - (kRows - 1)));
            moveTo(current_ + kRows);
            return true;
        case Qt::Key_Home:
            if (!ctrl) return false;
            moveTo(1);
            return true;
        case Qt::Key_End:
            if (!ctrl) return false;
            moveTo(std::max(file_.count(), 1));
            return true;
        default: return false;
    }
}

// --- Marking
// -----------------------------------------------------------------------------------------

StandardMarkDialog::StandardMarkDialog(ShellContext& context, entry::StandardBookings& file)
    : TellmarkDialog(context.frame, text::kStandardMarkTitle, "StandardMarkDialog"), file_(file) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeHeading(this, text::kStandardMarkHeading));
    list_ = makeRecordList(this);
    list_->installEventFilter(this);
    layout->addWidget(list_);
    for (std::string_view help : {text::kStandardMarkHelp1, text::kStandardMarkHelp2, text::kStandardMarkHelp3})
        layout->addWidget(new QLabel(qt(help), this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* end = makeButton(this, text::kStandardEditEnd, "end");
    buttons->addWidget(end);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(end, &QPushButton::clicked, this, &QDialog::accept);
    connect(new QShortcut(QKeySequence(Qt::Key_F11), this), &QShortcut::activated, this, &QDialog::accept);
    refill(0);
    list_->setFocus();
}

void StandardMarkDialog::refill(int row) {
    list_->clear();
    for (const ledger::StandardBookingRecord& r : file_.records())
        list_->addItem(standardRow(r.marked ? "  X   " : "      ", r));
    list_->setCurrentRow(std::min(row, file_.count() - 1));
}

bool StandardMarkDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_ || event->type() != QEvent::KeyPress) return TellmarkDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const int row = list_->currentRow();
    bool mark = false;
    if (key->key() == Qt::Key_X || isEnter(key))
        mark = true;
    else if (key->key() != Qt::Key_Space && key->key() != Qt::Key_Escape)
        return false;
    if (row >= 0 && file_.setMarked(row + 1, mark) == entry::StandardBookings::Edit::Done) {
        // The next record follows, so a run of records is marked key by key.
        refill(std::min(row + 1, file_.count() - 1));
    }
    return true;
}

// --- Date of the posting run
// -------------------------------------------------------------------------

StandardPostDateDialog::StandardPostDateDialog(ShellContext& context, circles::CVt36Doc& doc)
    : TellmarkDialog(context.frame, text::kStandardPostTitle, "StandardPostDialog"),
      preset_(config::today().dayMonth),
      thirteenth_(doc.programConfig().thirteenthMonth) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    field_ = makeDayMonthField(this, "date", preset_);
    form->addRow(qt(text::kStandardPostDateQuestion), field_);
    layout->addLayout(form);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, [this] {
        int day = 0, month = 0;
        if (!takeDayMonth(field_, preset_, thirteenth_, day, month)) return;
        date_ = format("%02i.%02i", day, month);
        accept();
    });
    field_->setFocus();
    field_->selectAll();
}

// --- Choosing one record
// -----------------------------------------------------------------------------

StandardChooseDialog::StandardChooseDialog(ShellContext& context, const entry::StandardBookings& file, bool byNumber)
    : TellmarkDialog(context.frame, text::kStandardChooseTitle, "StandardChooseDialog") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeHeading(this, text::kStandardChooseHeading));
    list_ = makeRecordList(this);
    for (int n = 1; n <= file.count(); ++n)
        list_->addItem(standardRow(format("%03i ", n), file.records()[static_cast<std::size_t>(n - 1)]));
    list_->setCurrentRow(0);
    layout->addWidget(list_);
    layout->addWidget(new QLabel(qt(text::kStandardChooseKeys), this));
    auto* form = new QFormLayout;
    number_ = makeField(this, 3, "number");
    form->addRow(qt(text::kStandardChooseNumber), number_);
    layout->addLayout(form);
    connect(number_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        bool ok = false;
        const int n = typed.trimmed().toInt(&ok);
        if (ok && n >= 1 && n <= list_->count()) list_->setCurrentRow(n - 1);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* take = new QPushButton(qt(text::kStandardChooseTake), this);
    take->setObjectName(QStringLiteral("take"));
    take->setDefault(true);
    auto* cancel = new QPushButton(qt(text::kButtonCancel), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    buttons->addWidget(take);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(take, &QPushButton::clicked, this, [this] {
        if (list_->currentRow() >= 0) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, [this] { accept(); });
    if (byNumber)
        number_->setFocus();
    else
        list_->setFocus();
}

// --- Print date
// --------------------------------------------------------------------------------------

StandardPrintDialog::StandardPrintDialog(ShellContext& context, circles::CVt36Doc& doc)
    : TellmarkDialog(context.frame, text::kStandardPrintTitle, "StandardPrintDialog"),
      today_(doc.reportDefaults().today) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    field_ = makePrintDateField(this, today_);
    form->addRow(qt(text::kStandardPrintDateLabel), field_);
    layout->addLayout(form);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (takePrintDate(field_, today_, date_)) accept();
    });
    field_->setFocus();
}

// --- Correction of a faulty line
// ---------------------------------------------------------------------

CorrectionDialog::CorrectionDialog(ShellContext& context, circles::CVt36Doc& doc, const ui::Question& question)
    : TellmarkDialog(context.frame, question.caption, "CorrectionDialog"),
      context_(context),
      doc_(doc),
      importLine_(question.kind == yearend::kCorrectionQuestion) {
    auto* layout = new QVBoxLayout(this);
    names_ = new QLabel(this);
    names_->setObjectName(QStringLiteral("names"));
    names_->setFont(QFont(QStringLiteral("Monospace")));
    layout->addWidget(names_);
    layout->addWidget(makeHeading(this, text::kCorrectionHeading));
    auto* row = new QHBoxLayout;
    static constexpr std::array<std::pair<const char*, int>, 7> kFields = {
        {{"date", 5}, {"document", 6}, {"debit", 5}, {"credit", 5}, {"text", 25}, {"amount", 11}, {"rate", 5}}};
    for (std::size_t f = 0; f < fields_.size(); ++f) {
        fields_[f] = makeField(this, kFields[f].second, kFields[f].first);
        if (f < question.fields.size()) fields_[f]->setText(qt(question.fields[f]));
        fields_[f]->installEventFilter(this);
        fitWidth(fields_[f], kFields[f].second);
        row->addWidget(fields_[f]);
    }
    layout->addLayout(row);
    info_ = new QLabel(qt(question.text), this);
    info_->setObjectName(QStringLiteral("info"));
    layout->addWidget(info_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const std::array<QKeySequence, 3> keys = {QKeySequence(Qt::Key_F11), QKeySequence(Qt::CTRL | Qt::Key_Y),
                                              QKeySequence(Qt::Key_F9)};
    for (std::size_t i = 0; i < question.answers.size(); ++i) {
        auto* button = new QPushButton(qt(question.answers[i]), this);
        button->setObjectName(QStringLiteral("answer%1").arg(i));
        button->setAutoDefault(false);
        const int code = DecisionDialog::kFirstAnswer + static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, code] { done(code); });
        if (i < keys.size())
            connect(new QShortcut(keys[i], this), &QShortcut::activated, this, [this, code] { done(code); });
        buttons->addWidget(button);
    }
    auto* create = new QPushButton(qt(text::kCorrectionNewAccount), this);
    create->setObjectName(QStringLiteral("newAccount"));
    create->setAutoDefault(false);
    connect(create, &QPushButton::clicked, this, &CorrectionDialog::newAccount);
    connect(new QShortcut(QKeySequence(Qt::Key_F8), this), &QShortcut::activated, this, &CorrectionDialog::newAccount);
    buttons->addWidget(create);
    buttons->addStretch();
    layout->addLayout(buttons);
    showNames();
    for (QLineEdit* field : fields_)
        connect(field, &QLineEdit::editingFinished, this, [this] {
            showNames();
            checkLine();
        });
    fields_[0]->setFocus();
}

bool CorrectionDialog::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+Y is the line edit's redo; here it skips the line.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Y && key->modifiers().testFlag(Qt::ControlModifier)) {
            event->ignore();
            return true;
        }
    }
    return TellmarkDialog::eventFilter(watched, event);
}

void CorrectionDialog::showNames() {
    posting::Books books = doc_.books();
    posting::AccountFiles files{doc_.reportCursor(),   doc_.accountIndex(), doc_.balanceFile(),
                                doc_.settings().chart, context_.messages,   &books};
    auto nameOf = [&files](QLineEdit* field) {
        const std::string typed = config::trim(fieldText(field));
        // Only a number is looked up: anything else would bring the message of an
        // invalid number.
        if (typed.empty() || typed.size() > 5 || typed.find_first_not_of("0123456789") != std::string::npos)
            return std::string(25, ' ');
        const posting::ChosenAccount found = posting::chooseAccount(files, typed);
        return found.choice == posting::Choice::Found ? found.name : std::string(25, ' ');
    };
    names_->setText(qt(nameOf(fields_[2]) + "  " + nameOf(fields_[3])));
}

void CorrectionDialog::checkLine() {
    yearend::ImportFields typed;
    for (std::size_t f = 0; f < fields_.size(); ++f) typed[f] = fieldText(fields_[f]);
    std::string fault;
    if (importLine_) {
        posting::Books books = doc_.books();
        fault = yearend::checkImportLine(doc_, books, typed).fault;
    } else {
        fault = entry::standardLineFault(
            doc_, ledger::BookingTexts{typed[0], typed[1], typed[2], typed[3], typed[4], typed[5], typed[6]});
    }
    info_->setText(qt(fault));
}

void CorrectionDialog::newAccount() {
    posting::Books books = doc_.books();
    posting::AccountFiles files{doc_.reportCursor(),   doc_.accountIndex(), doc_.balanceFile(),
                                doc_.settings().chart, context_.messages,   &books};
    // The first of the two accounts that is not there yet.
    for (QLineEdit* field : {fields_[2], fields_[3]}) {
        const std::string typed = config::trim(fieldText(field));
        if (typed.empty() || typed.find_first_not_of("0123456789") != std::string::npos) continue;
        const posting::ChosenAccount found = posting::chooseAccount(files, typed);
        if (found.choice != posting::Choice::NotFound) continue;
        NewAccountDialog dialog(context_, files, found.number);
        context_.runner.run(dialog);
        break;
    }
    showNames();
    checkLine();
}

void CorrectionDialog::writeBack(ui::Question& question) const {
    if (question.fields.size() < fields_.size()) question.fields.resize(fields_.size());
    for (std::size_t f = 0; f < fields_.size(); ++f) question.fields[f] = fieldText(fields_[f]);
}

int CorrectionDecisions::ask(ui::Question& question) {
    if (question.kind != yearend::kCorrectionQuestion && question.kind != "standard-booking-correction")
        return other_.ask(question);
    CorrectionDialog dialog(context_, doc_, question);
    const int answer = DecisionDialog::answerOf(context_.runner.run(dialog), entry::kCorrectionCancel);
    if (answer == entry::kCorrectionPost) dialog.writeBack(question);
    return answer;
}

}  // namespace tellmark::shell
