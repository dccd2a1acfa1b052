#include "shell/datev_dialogs.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "exports/datev_settings.h"
#include "resources/texts_common.h"
#include "resources/texts_exports_datev.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {

using config::DatevData;
using exports::DatevField;

struct SettingField {
    std::string_view label;
    std::size_t length;
    std::string DatevData::*member;
    const char* name;
    DatevField field;
};

const std::array<SettingField, 10> kFields = {{
    {text::kLabelDatevAdviser, DatevData::kAdviserLength, &DatevData::adviserNumber, "adviser", DatevField::Adviser},
    {text::kLabelDatevClient, DatevData::kClientLength, &DatevData::clientNumber, "client", DatevField::Client},
    {text::kLabelDatevDfv, DatevData::kDfvLength, &DatevData::dfv, "dfv", DatevField::Dfv},
    {text::kLabelDatevPassword, DatevData::kPasswordLength, &DatevData::password, "password", DatevField::Password},
    {text::kLabelDatevCarrier, DatevData::kCarrierLength, &DatevData::carrierNumber, "carrier", DatevField::Carrier},
    {text::kLabelDatevAccounting, DatevData::kAccountingNumberLength, &DatevData::accountingNumber, "accounting",
     DatevField::Accounting},
    {text::kLabelDatevFrom, DatevData::kFromLength, &DatevData::from, "from", DatevField::From},
    {text::kLabelDatevTo, DatevData::kToLength, &DatevData::to, "to", DatevField::To},
    {text::kLabelDatevCurrency, DatevData::kCurrencyLength, &DatevData::currency, "currency", DatevField::Currency},
    {text::kLabelDatevPath, config::kPathLength, &DatevData::exportPath, "path", DatevField::Path},
}};

constexpr int kNumberColumn = 0;
constexpr int kNameColumn = 1;
constexpr int kDatevColumn = 2;

// The DATEV column takes one to nine digits.
class DatevNumberDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* edit = new QLineEdit(parent);
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), edit));
        return edit;
    }
};

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

DatevTextDialog::DatevTextDialog(ShellContext& context, std::string_view title, std::string_view body, bool cancel,
                                 const char* objectName)
    : TellmarkDialog(context.frame, title, objectName) {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(qt(body), this);
    label->setObjectName(QStringLiteral("text"));
    label->setWordWrap(true);
    layout->addWidget(label);
    QPushButton* ok = nullptr;
    QPushButton* no = nullptr;
    addOkCancel(layout, &ok, &no);
    if (!cancel) no->hide();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}

DatevErrorListDialog::DatevErrorListDialog(ShellContext& context, const std::string& errorList)
    : TellmarkDialog(context.frame, text::kTitleDatevErrorList, "DatevErrorListDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* list = new QPlainTextEdit(qt(errorList), this);
    list->setObjectName(QStringLiteral("list"));
    list->setReadOnly(true);
    list->setMinimumSize(480, 300);
    layout->addWidget(list);
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    addOkCancel(layout, &ok, &cancel);
    cancel->hide();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}

DatevSettingsDialog::DatevSettingsDialog(ShellContext& context, circles::CVt36Doc& doc)
    : TellmarkDialog(context.frame, text::kTitleDatevSettings, "DatevSettingsDialog"), context_(context), doc_(doc) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const DatevData& stored = doc.settings().datev;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        fields_[i] = makeField(this, static_cast<int>(kFields[i].length), kFields[i].name);
        fields_[i]->setText(qt(stored.*kFields[i].member));
        form->addRow(qt(kFields[i].label), fields_[i]);
        if (kFields[i].field == DatevField::Currency) form->addRow(QString(), new QLabel(qt(text::kHintDatevCurrency), this));
    }
    layout->addLayout(form);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &DatevSettingsDialog::onOk);
    fields_[0]->setFocus();
}

void DatevSettingsDialog::onOk() {
    DatevData data;
    for (std::size_t i = 0; i < kFields.size(); ++i) data.*kFields[i].member = fieldText(fields_[i]);
    const exports::DatevCheck check = exports::checkDatevSettings(data);
    if (!exports::reportDatevCheck(check, context_.messages)) {
        for (std::size_t i = 0; i < kFields.size(); ++i)
            if (kFields[i].field == check.field) fields_[i]->setFocus();
        return;
    }
    if (exports::saveDatevData(doc_.settingsFile(), data, context_.messages) != 1) return;
    data_ = data;
    accept();
}

DatevMappingDialog::DatevMappingDialog(ShellContext& context, std::vector<exports::DatevMappingRow> rows,
                                       exports::DatevMapping stored, std::string path)
    : TellmarkDialog(context.frame, text::kTitleDatevMapping, "DatevMappingDialog"),
      context_(context),
      rows_(std::move(rows)),
      stored_(std::move(stored)),
      path_(std::move(path)) {
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(qt(text::kDatevMappingIntro), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    table_ = new QTableWidget(static_cast<int>(rows_.size()), 3, this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setHorizontalHeaderLabels(
        {qt(text::kColumnDatevOwnNumber), qt(text::kColumnDatevOwnName), qt(text::kColumnDatevNumber)});
    table_->verticalHeader()->hide();
    table_->setItemDelegateForColumn(kDatevColumn, new DatevNumberDelegate(table_));
    table_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::DoubleClicked);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const int row = static_cast<int>(r);
        table_->setItem(row, kNumberColumn, readOnlyItem(QString::number(rows_[r].own)));
        table_->setItem(row, kNameColumn, readOnlyItem(qt(rows_[r].name)));
        table_->setItem(row, kDatevColumn, new QTableWidgetItem(QString::number(rows_[r].datev)));
    }
    table_->resizeColumnsToContents();
    table_->setMinimumSize(520, 320);
    intro->setBuddy(table_);
    layout->addWidget(table_);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &DatevMappingDialog::onOk);
    if (!rows_.empty()) table_->setCurrentCell(0, kDatevColumn);
    table_->setFocus();
}

void DatevMappingDialog::onOk() {
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const int row = static_cast<int>(r);
        bool valid = false;
        const QString typed = table_->item(row, kDatevColumn)->text().trimmed();
        const long number = typed.size() <= 9 ? typed.toLong(&valid) : 0;
        if (!valid || number < 1) {
            context_.messages.show(text::kMsgDatevMappingNumber, text::kCaptionError, ui::kIconStop);
            table_->setCurrentCell(row, kDatevColumn);
            table_->setFocus();
            return;
        }
        rows_[r].datev = number;
    }
    mapping_ = exports::datevMappingOfRows(stored_, rows_);
    if (exports::writeDatevMapping(path_, mapping_, context_.messages)) accept();
}

DatevOpeningDialog::DatevOpeningDialog(ShellContext& context)
    : TellmarkDialog(context.frame, text::kTitleDatevOpening, "DatevOpeningDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(qt(text::kDatevOpeningQuestion), this);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* row = new QHBoxLayout;
    auto* yes = new QPushButton(qt(text::kDatevButtonYes), this);
    yes->setObjectName(QStringLiteral("yes"));
    auto* no = new QPushButton(qt(text::kDatevButtonNo), this);
    no->setObjectName(QStringLiteral("no"));
    yes->setDefault(true);
    row->addStretch();
    row->addWidget(yes);
    row->addWidget(no);
    row->addStretch();
    layout->addLayout(row);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    yes->setFocus();
}

}  // namespace tellmark::shell
