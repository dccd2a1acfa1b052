#pragma once
// The dialogs of the data exports: the export for the digital tax audit with its list of cash accounts
// and its closing dialog, and the choice how the VAT pre-return goes to the companion online program.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <string>
#include <vector>

#include "circles/document.h"
#include "exports/companion_handover.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

// "Export der Daten zur Datenträgerüberlassung": the booking year, company name and place of the data
// supplier, and the cash accounts whose cash books are exported.
class GdpduExportDialog : public TellmarkDialog {
    Q_OBJECT
public:
    GdpduExportDialog(ShellContext& context, circles::CVt36Doc& doc);
    std::string company() const;  // CP1252
    std::string place() const;
    const std::vector<int>& cashAccounts() const { return cash_; }

private:
    void addAccount(int number);
    void onAdd();
    void onRemove();
    void onOk();

    ShellContext& context_;
    circles::CVt36Doc& doc_;
    QLineEdit* name_;
    QLineEdit* place_;
    QListWidget* list_;
    QLineEdit* account_;
    std::vector<int> cash_;
};

// "Abschluss der Datenerstellung zur GDPdU": where the export went.
class GdpduDoneDialog : public TellmarkDialog {
public:
    GdpduDoneDialog(ShellContext& context, const std::string& directory);
};

// "Umsatzsteuerdaten an Tellmark Online übergeben", after a VAT pre-return went to the printer.
class CompanionHandOverDialog : public TellmarkDialog {
public:
    explicit CompanionHandOverDialog(ShellContext& context);
    // The radio choice; None when neither is selected.
    exports::HandOverChoice choice() const;

private:
    QRadioButton* exportAndStart_;
    QRadioButton* exportOnly_;
};

}  // namespace tellmark::shell
