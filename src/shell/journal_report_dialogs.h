#pragma once
// The dialogs of the reports from the journal: "Journaldruck / Journalvorschau", "Kontendruck /
// Kontenvorschau", "Kassenbuch Druck / Vorschau" and "Sammelkontoblatt". Each checks its fields on OK and
// stays open on a field it cannot take, with that field selected; its values are valid after OK.

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <string>

#include "circles/document.h"
#include "reports/account_selection.h"
#include "reports/journal_scan.h"
#include "reports/report_request.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

// The date window ("von"/"bis" as day and month) and the print date every one of these dialogs has.
class PeriodDialog : public TellmarkDialog {
    Q_OBJECT
public:
    const reports::DateWindow& window() const { return window_; }
    const reports::ReportRequest& printDate() const { return printDate_; }

protected:
    PeriodDialog(ShellContext& context, circles::CVt36Doc& doc, std::string_view title, const char* objectName);
    // The two date fields, and the print date field, with their labels.
    void addPeriodRows(QGridLayout* grid, int row, std::string_view fromLabel, std::string_view toLabel);
    QWidget* addPrintDateRow(QGridLayout* grid, int row);
    // Date fields and print date; false when one was refused.
    bool takePeriod();

    ShellContext& context_;
    circles::CVt36Doc& doc_;
    std::string firstOfMonth_;
    std::string lastOfMonth_;
    std::string today_;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* date_ = nullptr;
    reports::DateWindow window_;
    reports::ReportRequest printDate_;
};

class JournalDialog : public PeriodDialog {
    Q_OBJECT
public:
    JournalDialog(ShellContext& context, circles::CVt36Doc& doc);
};

// The two options are kept by the caller for the open booking circle and handed in again.
struct AccountSheetsChoice {
    int fromAccount = 0;
    int toAccount = 0;
    bool skipWithoutBookingsZeroBalance = false;
    bool skipWithoutBookings = false;
};

class AccountSheetsDialog : public PeriodDialog {
    Q_OBJECT
public:
    AccountSheetsDialog(ShellContext& context, circles::CVt36Doc& doc, const AccountSheetsChoice& previous);
    const AccountSheetsChoice& choice() const { return choice_; }

private:
    void onOk();
    void showName(QLineEdit* field, QLabel* name);

    QLineEdit* fromAccount_;
    QLineEdit* toAccount_;
    QLabel* fromName_;
    QLabel* toName_;
    QCheckBox* skipZero_;
    QCheckBox* skipAll_;
    AccountSheetsChoice choice_;
};

class CashBookDialog : public PeriodDialog {
    Q_OBJECT
public:
    // account: the preset cash account, 0 for none.
    CashBookDialog(ShellContext& context, circles::CVt36Doc& doc, int account);
    int account() const { return account_; }

private:
    void onOk();
    void onChoose();
    void showName();

    QLineEdit* accountField_;
    QLabel* name_;
    int account_ = 0;
};

class CollectiveSheetsDialog : public PeriodDialog {
    Q_OBJECT
public:
    CollectiveSheetsDialog(ShellContext& context, circles::CVt36Doc& doc);
    const reports::AccountSelection& group() const { return group_; }

private:
    void onOk();

    QLineEdit* groupField_;
    reports::AccountSelection group_;
};

}  // namespace tellmark::shell
