#pragma once
// A question asked in the middle of an operation, shown as a dialog: its text, the data it lists, one
// button per answer ("answer0", "answer1", ...) and, where a value is asked for, the line edit "input"
// whose text goes back into the question's first field.

#include <QLineEdit>

#include "shell/dialog_base.h"
#include "shell/shell_context.h"
#include "ui/decisions.h"

namespace tellmark::shell {

class DecisionDialog : public TellmarkDialog {
    Q_OBJECT
public:
    // Result codes: kFirstAnswer + index of the button pressed; Rejected when the dialog was closed.
    static constexpr int kFirstAnswer = 2;

    // withInput: the line edit for the first field; listFields: the fields shown as a list below the text.
    DecisionDialog(ShellContext& context, const ui::Question& question, bool withInput, bool listFields);

    // The answer index of a result code, or `none` when no button was pressed.
    static int answerOf(int resultCode, int none);
    // The entered value into the question's first field (nothing without the line edit).
    void writeBack(ui::Question& question) const;

private:
    QLineEdit* input_ = nullptr;
};

}  // namespace tellmark::shell
