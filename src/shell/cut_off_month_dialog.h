#pragma once
// The dialog of the reports as at a cut-off month: "Saldenbilanz" (trial balance) and "Ausdruck /
// Vorschau Bilanz" (balance sheet), each with "&Stichmonat (0-12):" (0-13 with the thirteenth month) and
// the print date.

#include <QLineEdit>
#include <string_view>

#include "circles/document.h"
#include "reports/report_request.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class CutOffMonthDialog : public TellmarkDialog {
    Q_OBJECT
public:
    CutOffMonthDialog(ShellContext& context, circles::CVt36Doc& doc, std::string_view title, const char* objectName);

    // Valid after OK.
    int cutOffMonth() const { return cutOffMonth_; }
    const reports::ReportRequest& printDate() const { return printDate_; }

private:
    void onOk();

    std::string today_;
    int highestMonth_;
    int cutOffMonth_ = 0;
    reports::ReportRequest printDate_;
    QLineEdit* month_;
    QLineEdit* date_;
};

}  // namespace tellmark::shell
