#pragma once
// "Automatische Skonto-Verbuchung": the amount paid, the discount and its VAT rate of a cash-discount
// booking. The form model checks the answer; a refused value keeps the dialog open.

#include <QLabel>
#include <QLineEdit>

#include "entry/entry_form.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class DiscountDialog : public TellmarkDialog {
    Q_OBJECT
public:
    DiscountDialog(ShellContext& context, entry::EntryFormModel& model);

    // Closing without OK is the form's "&Abbruch".
    void reject() override;

private:
    void onOk();
    void updatePercent();

    entry::EntryFormModel& model_;
    QLineEdit* paid_;
    QLineEdit* discount_;
    QLabel* percent_;
    QLineEdit* rate_;
};

}  // namespace tellmark::shell
