#pragma once
// "Übersicht über alle angelegten Buchungskreise": one line per circle with its number and name. A line
// chosen with OK or a double click hands its number to the selection.

#include <QListWidget>
#include <string>

#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class CircleOverviewDialog : public TellmarkDialog {
    Q_OBJECT
public:
    // Lists the circles at once, on the progress window; none found: the message, and the dialog is not
    // run.
    CircleOverviewDialog(ShellContext& context, const std::string& dataDirectory, int maxNumber);
    int circleCount() const { return list_->count(); }
    int chosenNumber() const { return chosen_; }

private:
    void onOk();

    QListWidget* list_;
    std::vector<int> numbers_;
    int chosen_ = 0;
};

}  // namespace tellmark::shell
