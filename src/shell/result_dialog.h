#pragma once
// "Einnahme-Überschussrechnung": the months of the result statement (group "Monat" with "&von:" and
// "&bis:") and the print date.

#include <QLineEdit>

#include "circles/document.h"
#include "reports/report_request.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class ResultDialog : public TellmarkDialog {
    Q_OBJECT
public:
    ResultDialog(ShellContext& context, circles::CVt36Doc& doc);

    // Valid after OK.
    int fromMonth() const { return fromMonth_; }
    int toMonth() const { return toMonth_; }
    const reports::ReportRequest& printDate() const { return printDate_; }

private:
    void onOk();

    std::string today_;
    int highestMonth_;
    int fromMonth_ = 1;
    int toMonth_ = 12;
    reports::ReportRequest printDate_;
    QLineEdit* from_;
    QLineEdit* to_;
    QLineEdit* date_;
};

}  // namespace tellmark::shell
