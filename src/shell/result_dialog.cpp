#include "shell/result_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/account_selection.h"
#include "resources/texts_shell_reports.h"
#include "shell/report_fields.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

ResultDialog::ResultDialog(ShellContext& context, circles::CVt36Doc& doc)
    : TellmarkDialog(context.frame,
                     doc.settings().cashBasis != 0 ? text::kResultDialogTitle : text::kResultDialogTitleProfitLoss,
                     "ResultDialog"),
      today_(doc.reportDefaults().today),
      highestMonth_(reports::HighestReportMonth(doc.programConfig().thirteenthMonth)) {
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(qt(text::kResultDialogMonthGroup), this);
    auto* months = new QFormLayout(group);
    from_ = makeMonthField(this, "fromMonth", 1);
    to_ = makeMonthField(this, "toMonth", currentCalendarMonth());
    months->addRow(qt(text::kResultDialogFromMonth), from_);
    months->addRow(qt(text::kResultDialogToMonth), to_);
    layout->addWidget(group);
    auto* form = new QFormLayout;
    date_ = makePrintDateField(this, today_);
    form->addRow(qt(text::kReportDialogPrintDate), date_);
    layout->addLayout(form);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &ResultDialog::onOk);
    from_->setFocus();
}

void ResultDialog::onOk() {
    if (!takeMonth(from_, highestMonth_, fromMonth_)) return;
    if (!takeMonth(to_, highestMonth_, toMonth_)) return;
    if (!takePrintDate(date_, today_, printDate_)) return;
    accept();
}

}  // namespace tellmark::shell
