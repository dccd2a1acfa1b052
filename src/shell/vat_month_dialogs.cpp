#include "shell/vat_month_dialogs.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/account_selection.h"
#include "resources/format.h"
#include "resources/texts_reports_vat.h"
#include "resources/texts_shell_journal_reports.h"
#include "resources/texts_shell_reports.h"
#include "shell/report_fields.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {

void addRow(QFormLayout* form, QWidget* parent, std::string_view label, QWidget* field) {
    auto* l = new QLabel(qt(label), parent);
    l->setBuddy(field);
    form->addRow(l, field);
}

}  // namespace

VatReturnDialog::VatReturnDialog(ShellContext& context, circles::CVt36Doc& doc)
    : TellmarkDialog(context.frame, text::kVatReturnDialogTitle, "VatReturnDialog"),
      today_(doc.reportDefaults().today),
      highestMonth_(reports::HighestReportMonth(doc.programConfig().thirteenthMonth)) {
    auto* layout = new QVBoxLayout(this);
    auto* months = new QGroupBox(qt(text::kVatReturnMonthGroup), this);
    auto* monthForm = new QFormLayout(months);
    const int month = currentCalendarMonth();
    from_ = makeMonthField(this, "fromMonth", month);
    to_ = makeMonthField(this, "toMonth", month);
    addRow(monthForm, this, text::kVatReturnFromMonth, from_);
    addRow(monthForm, this, text::kVatReturnToMonth, to_);
    layout->addWidget(months);

    auto* print = new QGroupBox(qt(text::kVatReturnPrintGroup), this);
    auto* printForm = new QFormLayout(print);
    date_ = makePrintDateField(this, today_);
    addRow(printForm, this, text::kReportDialogPrintDate, date_);
    layout->addWidget(print);

    roundedBox_ = new QCheckBox(qt(text::kVatReturnRoundedOption), this);
    roundedBox_->setObjectName(QStringLiteral("rounded"));
    layout->addWidget(roundedBox_);
    auto* note = new QLabel(qt(text::kVatReturnNote), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &VatReturnDialog::onOk);
    from_->setFocus();
}

void VatReturnDialog::onOk() {
    int from = 0, to = 0;
    if (!takeMonth(from_, highestMonth_, from)) return;
    if (!takeMonth(to_, highestMonth_, to)) return;
    if (!takePrintDate(date_, today_, printDate_)) return;
    // A return has no opening month: month 0 counts as January.
    fromMonth_ = from < 1 ? 1 : from;
    toMonth_ = to < 1 ? 1 : to;
    rounded_ = roundedBox_->isChecked();
    accept();
}

MonthEvaluationDialog::MonthEvaluationDialog(ShellContext& context, circles::CVt36Doc& doc)
    : TellmarkDialog(context.frame, text::kMonthEvaluationDialogTitle, "MonthEvaluationDialog"),
      today_(doc.reportDefaults().today),
      highestMonth_(reports::HighestReportMonth(doc.programConfig().thirteenthMonth)) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    monthField_ = makeMonthField(this, "month", currentCalendarMonth());
    date_ = makePrintDateField(this, today_);
    addRow(form, this, format(text::kMonthEvaluationMonth, highestMonth_), monthField_);
    addRow(form, this, text::kReportDialogPrintDate, date_);
    layout->addLayout(form);
    vatBox_ = new QCheckBox(qt(text::kMonthEvaluationIncludeVat), this);
    vatBox_->setObjectName(QStringLiteral("includeVat"));
    layout->addWidget(vatBox_);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &MonthEvaluationDialog::onOk);
    monthField_->setFocus();
}

void MonthEvaluationDialog::onOk() {
    int month = 0;
    if (!takeMonth(monthField_, highestMonth_, month)) return;
    if (!takePrintDate(date_, today_, printDate_)) return;
    month_ = month < 1 ? 1 : month;
    includeVat_ = vatBox_->isChecked();
    accept();
}

}  // namespace tellmark::shell
