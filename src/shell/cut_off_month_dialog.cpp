#include "shell/cut_off_month_dialog.h"

#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/account_selection.h"
#include "resources/format.h"
#include "resources/texts_reports_lists.h"
#include "resources/texts_shell_reports.h"
#include "shell/report_fields.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

CutOffMonthDialog::CutOffMonthDialog(ShellContext& context, circles::CVt36Doc& doc, std::string_view title,
                                     const char* objectName)
    : TellmarkDialog(context.frame, title, objectName),
      today_(doc.reportDefaults().today),
      highestMonth_(reports::HighestReportMonth(doc.programConfig().thirteenthMonth)) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    month_ = makeMonthField(this, "month", currentCalendarMonth());
    date_ = makePrintDateField(this, today_);
    form->addRow(qt(format(text::kTrialBalanceCutOffMonth, highestMonth_)), month_);
    form->addRow(qt(text::kReportDialogPrintDate), date_);
    layout->addLayout(form);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &CutOffMonthDialog::onOk);
    month_->setFocus();
}

void CutOffMonthDialog::onOk() {
    if (!takeMonth(month_, highestMonth_, cutOffMonth_)) return;
    if (!takePrintDate(date_, today_, printDate_)) return;
    accept();
}

}  // namespace tellmark::shell
