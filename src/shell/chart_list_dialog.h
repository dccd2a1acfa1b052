#pragma once
// "Kontenplan": every account of the balance file in number order (the file keeps new accounts at its
// end); the one chosen hands its number back.

#include <QListWidget>
#include <string>
#include <vector>

#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class ChartListDialog : public TellmarkDialog {
    Q_OBJECT
public:
    // lines: "  %5s    %25s" per account, CP1252.
    ChartListDialog(ShellContext& context, const std::vector<std::string>& lines);
    int chosenNumber() const { return chosen_; }

private:
    void onOk();

    QListWidget* list_;
    std::vector<int> numbers_;
    int chosen_ = 0;
};

}  // namespace tellmark::shell
