#pragma once
// The number of the circle whose chart of accounts a new booking year takes over, or the template of the
// chart of accounts that comes with the program.

#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class ChartTakeOverDialog : public TellmarkDialog {
    Q_OBJECT
public:
    // The dialog's result when the template was chosen (OK is QDialog::Accepted).
    static constexpr int kTemplate = 2;

    explicit ChartTakeOverDialog(ShellContext& context);
    // The number typed, valid after OK.
    int number() const;
};

}  // namespace tellmark::shell
