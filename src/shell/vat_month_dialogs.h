#pragma once
// The dialogs of the VAT pre-return ("Umsatzsteuervoranmeldung": months, print date, rounding) and of the
// month evaluation ("Auswertung/Monat": cut-off month, print date, VAT accounts). Values valid after OK.

#include <QCheckBox>
#include <QLineEdit>
#include <string>

#include "circles/document.h"
#include "reports/report_request.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class VatReturnDialog : public TellmarkDialog {
    Q_OBJECT
public:
    VatReturnDialog(ShellContext& context, circles::CVt36Doc& doc);
    int fromMonth() const { return fromMonth_; }
    int toMonth() const { return toMonth_; }
    bool rounded() const { return rounded_; }
    const reports::ReportRequest& printDate() const { return printDate_; }

private:
    void onOk();

    std::string today_;
    int highestMonth_;
    QLineEdit* from_;
    QLineEdit* to_;
    QLineEdit* date_;
    QCheckBox* roundedBox_;
    int fromMonth_ = 1;
    int toMonth_ = 1;
    bool rounded_ = false;
    reports::ReportRequest printDate_;
};

class MonthEvaluationDialog : public TellmarkDialog {
    Q_OBJECT
public:
    MonthEvaluationDialog(ShellContext& context, circles::CVt36Doc& doc);
    int cutOffMonth() const { return month_; }
    bool includeVat() const { return includeVat_; }
    const reports::ReportRequest& printDate() const { return printDate_; }

private:
    void onOk();

    std::string today_;
    int highestMonth_;
    QLineEdit* monthField_;
    QLineEdit* date_;
    QCheckBox* vatBox_;
    int month_ = 1;
    bool includeVat_ = false;
    reports::ReportRequest printDate_;
};

}  // namespace tellmark::shell
