#pragma once
// "Neues Konto Einrichten" for an account a booking needs: the number stands fixed, name and opening
// balance are entered. The account is not created here; the asking operation creates it from the answer
// (fields: number, name, opening balance), so that it can rebuild its indexes in its own order.

#include <QLineEdit>

#include "shell/dialog_base.h"
#include "shell/shell_context.h"
#include "ui/decisions.h"

namespace tellmark::shell {

class DecisionAccountDialog : public TellmarkDialog {
    Q_OBJECT
public:
    // Buttons "answer0", "answer1", ... with the result codes of DecisionDialog.
    DecisionAccountDialog(ShellContext& context, const ui::Question& question);

    // Name and opening balance into the question's second and third fields.
    void writeBack(ui::Question& question) const;

private:
    QLineEdit* name_;
    QLineEdit* opening_;
};

}  // namespace tellmark::shell
