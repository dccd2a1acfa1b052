#pragma once
// "Saldendatei noch nicht angelegt": the circle has no balance file and journal for its year yet. They
// are created empty, or the chart of accounts of another circle is taken over.

#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class MissingLedgerDialog : public TellmarkDialog {
    Q_OBJECT
public:
    // Results besides Rejected (closed without a choice).
    enum Choice { kCreateNew = 2, kTakeOver = 3 };
    explicit MissingLedgerDialog(ShellContext& context);
};

}  // namespace tellmark::shell
