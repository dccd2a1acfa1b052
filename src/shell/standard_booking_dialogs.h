#pragma once
// The dialogs of the standard bookings: editing the records, marking them, the
// date of a posting run, choosing one record, the print date of the list, and
// the correction of a faulty line (also used by the import). Every change of a
// record goes to the file at once through entry::StandardBookings.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <array>
#include <string>

#include "circles/document.h"
#include "entry/standard_bookings.h"
#include "reports/report_request.h"
#include "shell/dialog_base.h"
#include "shell/dialog_decisions.h"
#include "shell/shell_context.h"
#include "ui/decisions.h"

namespace tellmark::shell {

// One record as a list row: the first column (number or mark), then the line's
// fields and the VAT amount.
QString standardRow(const std::string& first, const ledger::StandardBookingRecord& record);

// "Standardbuchungen anlegen/ändern": nine entry lines, the record number in
// the first column. Only the current record's line takes typing; each field is
// checked as it is left (Enter or Tab), and leaving the VAT rate (Enter or F12)
// writes the record and goes on to the next one. Up and Down move between the
// records in the document field and step through the accounts in the account
// fields.
class StandardEditDialog : public TellmarkDialog {
    Q_OBJECT
public:
    StandardEditDialog(ShellContext& context, circles::CVt36Doc& doc, entry::StandardBookings& file);
    int current() const { return current_; }
    // The record number a row shows, 0 for an empty row.
    int numberInRow(int row) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Field { kDocument, kDebit, kCredit, kText, kAmount, kRate, kFieldCount };
    struct Row {
        QLabel* number = nullptr;
        std::array<QLineEdit*, kFieldCount> fields{};
        QLabel* vat = nullptr;
    };
    static constexpr int kRows = 9;
    QLineEdit* field(int f) const { return rows_[static_cast<std::size_t>(current_ - top_)].fields[f]; }
    // The highest record a line can show: the empty one after the last record, up to the limit.
    int last() const;
    void showWindow(int focusField = kDocument);
    void focusField(int f);
    // The record becomes the current one; the lines scroll as little as needed to show it.
    void moveTo(int record);
    bool leaveField(int f);
    bool leaveAccountField(int f);
    bool writeCurrent();
    void insertHere();
    void removeHere();
    void finish();

    circles::CVt36Doc& doc_;
    entry::StandardBookings& file_;
    int top_ = 1;      // the record of the first line
    int current_ = 1;  // the record of the line being typed into
    std::array<Row, kRows> rows_;
    QLabel* debitName_;
    QLabel* creditName_;
};

// "Standardbuchungen markieren": "X" or Enter sets the mark of the current
// record, Space or Esc clears it.
class StandardMarkDialog : public TellmarkDialog {
    Q_OBJECT
public:
    StandardMarkDialog(ShellContext& context, entry::StandardBookings& file);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refill(int row);

    entry::StandardBookings& file_;
    QListWidget* list_;
};

// "Standardbuchungen verbuchen": the day and month of every line of the run.
class StandardPostDateDialog : public TellmarkDialog {
    Q_OBJECT
public:
    StandardPostDateDialog(ShellContext& context, circles::CVt36Doc& doc);
    const std::string& date() const { return date_; }

private:
    QLineEdit* field_;
    std::string preset_;
    std::string date_;
    bool thirteenth_;
};

// "Einzelne Standardbuchung zum Verbuchen auswählen": a record chosen in the
// list or by its number.
class StandardChooseDialog : public TellmarkDialog {
    Q_OBJECT
public:
    StandardChooseDialog(ShellContext& context, const entry::StandardBookings& file, bool byNumber);
    int chosen() const { return list_->currentRow() + 1; }

private:
    QListWidget* list_;
    QLineEdit* number_;
};

// "Standardbuchungen ausgeben": the print date of the list.
class StandardPrintDialog : public TellmarkDialog {
    Q_OBJECT
public:
    StandardPrintDialog(ShellContext& context, circles::CVt36Doc& doc);
    const reports::ReportRequest& printDate() const { return date_; }

private:
    QLineEdit* field_;
    std::string today_;
    reports::ReportRequest date_;
};

// "Fehlerhaften Buchungssatz ergänzen/überprüfen": the line's seven fields, the
// account names above them and the fault below. The answers are
// DecisionDialog's result codes; "Konto anlegen (F8)" sets up the account that
// is not found and stays in the dialog.
class CorrectionDialog : public TellmarkDialog {
    Q_OBJECT
public:
    CorrectionDialog(ShellContext& context, circles::CVt36Doc& doc, const ui::Question& question);
    void writeBack(ui::Question& question) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void newAccount();
    void showNames();
    // The information line names the first fault of the line as it stands.
    void checkLine();

    ShellContext& context_;
    circles::CVt36Doc& doc_;
    bool importLine_;
    std::array<QLineEdit*, 7> fields_{};
    QLabel* names_;
    QLabel* info_;
};

// The desktop's decisions with the correction dialog for the posting runs and
// the import.
class CorrectionDecisions : public ui::Decisions {
public:
    CorrectionDecisions(ShellContext& context, circles::CVt36Doc& doc)
        : context_(context), doc_(doc), other_(context) {}
    int ask(ui::Question& question) override;

private:
    ShellContext& context_;
    circles::CVt36Doc& doc_;
    DialogDecisions other_;
};

}  // namespace tellmark::shell
