#pragma once
// "Saldenliste": accounts by group or by range, the months, the form (wide with movements or narrow),
// name order, whether accounts with nothing to show are listed, and the print date.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "circles/document.h"
#include "reports/balance_list_report.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class BalanceListDialog : public TellmarkDialog {
    Q_OBJECT
public:
    BalanceListDialog(ShellContext& context, circles::CVt36Doc& doc);

    // Valid after OK.
    const reports::BalanceListOptions& options() const { return options_; }
    const reports::ReportRequest& printDate() const { return printDate_; }

private:
    void onOk();
    void showIncludeText();

    ui::Messages& messages_;
    std::string today_;
    int highestMonth_;
    reports::BalanceListOptions options_;
    reports::ReportRequest printDate_;
    QRadioButton* byGroup_;
    QRadioButton* byRange_;
    QLineEdit* group_;
    QLineEdit* fromAccount_;
    QLineEdit* toAccount_;
    QLineEdit* fromMonth_;
    QLineEdit* toMonth_;
    QCheckBox* wide_;
    QCheckBox* alphabetical_;
    QCheckBox* includeAll_;
    QLabel* includeTail_;
    QLineEdit* date_;
};

}  // namespace tellmark::shell
