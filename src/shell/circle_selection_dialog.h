#pragma once
// "Buchungskreis wählen": the number of the booking circle to open. A number without settings file
// opens the administration dialog, which creates the circle; in administration mode every number does.

#include <QLineEdit>
#include <string>

#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class CircleSelectionDialog : public TellmarkDialog {
    Q_OBJECT
public:
    CircleSelectionDialog(ShellContext& context, std::string dataDirectory, int maxNumber, bool administration);
    // The chosen number, valid after OK.
    int number() const { return number_; }

private:
    void onOk();
    void onOverview();
    void backToField();

    ShellContext& context_;
    std::string dataDirectory_;
    int maxNumber_;
    bool administration_;
    int number_ = 0;
    QLineEdit* field_;
};

}  // namespace tellmark::shell
