#include "shell/export_dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "config/text_helpers.h"
#include "posting/posting_types.h"
#include "reports/account_selection.h"
#include "reports/page_header.h"
#include "resources/format.h"
#include "resources/texts_accounts.h"
#include "resources/texts_common.h"
#include "resources/texts_companion.h"
#include "resources/texts_exports_gdpdu.h"
#include "resources/texts_shell.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {

constexpr int kTextLength = 80;

QLabel* labelFor(QWidget* parent, std::string_view text, QWidget* buddy) {
    auto* label = new QLabel(qt(text), parent);
    label->setBuddy(buddy);
    return label;
}

QPushButton* button(QWidget* parent, std::string_view text, const char* objectName) {
    auto* b = new QPushButton(qt(text), parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}

// The standard cash account of the chart (1000 in 03, 1600 in 04), offered at first.
int standardCashAccount(int chart) { return chart == 4 ? 1600 : 1000; }

}  // namespace

GdpduExportDialog::GdpduExportDialog(ShellContext& context, circles::CVt36Doc& doc)
    : TellmarkDialog(context.frame, text::kGdpduDialogTitle, "GdpduExportDialog"), context_(context), doc_(doc) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const reports::BookingYear year = reports::BookingYearOf(doc.settings());
    auto* yearText = new QLabel(year.differs ? qt(format("%04i/%04i", year.firstYear, year.secondYear))
                                             : qt(format("%04i", year.firstYear)),
                                this);
    yearText->setObjectName(QStringLiteral("year"));
    grid->addWidget(new QLabel(qt(text::kGdpduDialogYear), this), 0, 0);
    grid->addWidget(yearText, 0, 1);
    name_ = makeField(this, kTextLength, "name");
    name_->setText(qt(config::trim(doc.settings().name)));
    place_ = makeField(this, kTextLength, "place");
    grid->addWidget(labelFor(this, text::kGdpduDialogName, name_), 1, 0);
    grid->addWidget(name_, 1, 1, 1, 2);
    grid->addWidget(labelFor(this, text::kGdpduDialogPlace, place_), 2, 0);
    grid->addWidget(place_, 2, 1, 1, 2);
    layout->addLayout(grid);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("cashAccounts"));
    layout->addWidget(labelFor(this, text::kGdpduDialogCashAccounts, list_));
    layout->addWidget(list_);
    auto* remove = button(this, text::kGdpduDialogRemoveCash, "remove");
    layout->addWidget(remove);
    auto* addRow = new QHBoxLayout;
    account_ = makeField(this, 5, "account");
    addRow->addWidget(labelFor(this, text::kGdpduDialogAddCashPrompt, account_));
    addRow->addWidget(account_);
    auto* add = button(this, text::kGdpduDialogAddCash, "add");
    addRow->addWidget(add);
    layout->addLayout(addRow);

    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &GdpduExportDialog::onOk);
    connect(add, &QPushButton::clicked, this, &GdpduExportDialog::onAdd);
    connect(remove, &QPushButton::clicked, this, &GdpduExportDialog::onRemove);

    std::string balance, accountName, number;
    if (doc.reportCursor().findByNumber(standardCashAccount(doc.settings().chart), balance, accountName, number) == 1)
        addAccount(doc.reportCursor().numberValue());
    setTabOrder(name_, place_);
    setTabOrder(place_, list_);
    setTabOrder(list_, remove);
    setTabOrder(remove, account_);
    setTabOrder(account_, add);
    name_->setFocus();
}

std::string GdpduExportDialog::company() const { return fieldText(name_); }
std::string GdpduExportDialog::place() const { return fieldText(place_); }

void GdpduExportDialog::addAccount(int number) {
    if (std::find(cash_.begin(), cash_.end(), number) != cash_.end()) return;
    std::string balance, name, numberText;
    if (doc_.reportCursor().findByNumber(number, balance, name, numberText) != 1) return;
    cash_.push_back(number);
    list_->addItem(qt(numberText + "  " + config::trimRight(name)));
    list_->setCurrentRow(list_->count() - 1);
}

void GdpduExportDialog::onAdd() {
    std::string field = fieldText(account_);
    if (config::trim(field).empty()) {
        account_->setFocus();
        return;
    }
    std::string balance, name, numberText;
    bool taken = reports::CheckAccountRangeField(field, context_.messages) == 1;
    if (taken && doc_.reportCursor().findByNumber(std::atoi(field.c_str()), balance, name, numberText) != 1) {
        context_.messages.show(text::kAccountNumberNotAllowed, text::kCaptionError, ui::kIconStop);
        taken = false;
    }
    if (!taken) {
        account_->setFocus();
        account_->selectAll();
        return;
    }
    addAccount(doc_.reportCursor().numberValue());
    account_->clear();
    list_->setFocus();
}

void GdpduExportDialog::onRemove() {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(cash_.size())) return;
    cash_.erase(cash_.begin() + row);
    delete list_->takeItem(row);
    list_->setFocus();
}

void GdpduExportDialog::onOk() { accept(); }

GdpduDoneDialog::GdpduDoneDialog(ShellContext& context, const std::string& directory)
    : TellmarkDialog(context.frame, text::kGdpduDoneTitle, "GdpduDoneDialog") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(qt(text::kGdpduDoneText), this));
    auto* path = new QLabel(QString::fromStdString(directory), this);
    path->setObjectName(QStringLiteral("directory"));
    path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(path);
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(qt(text::kButtonOk), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    row->addStretch();
    row->addWidget(ok);
    row->addStretch();
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}

CompanionHandOverDialog::CompanionHandOverDialog(ShellContext& context)
    : TellmarkDialog(context.frame, text::kCompanionDialogTitle, "CompanionHandOverDialog") {
    auto* layout = new QVBoxLayout(this);
    for (std::string_view line :
         {text::kCompanionDialogProposal, text::kCompanionDialogWarning, text::kCompanionDialogSpecialCases}) {
        auto* label = new QLabel(qt(line), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    exportAndStart_ = new QRadioButton(qt(text::kCompanionDialogExportAndStart), this);
    exportAndStart_->setObjectName(QStringLiteral("exportAndStart"));
    exportOnly_ = new QRadioButton(qt(text::kCompanionDialogExportOnly), this);
    exportOnly_->setObjectName(QStringLiteral("exportOnly"));
    layout->addWidget(exportAndStart_);
    layout->addWidget(exportOnly_);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    exportAndStart_->setFocus();
}

exports::HandOverChoice CompanionHandOverDialog::choice() const {
    if (exportAndStart_->isChecked()) return exports::HandOverChoice::ExportAndStart;
    if (exportOnly_->isChecked()) return exports::HandOverChoice::ExportOnly;
    return exports::HandOverChoice::None;
}

}  // namespace tellmark::shell
