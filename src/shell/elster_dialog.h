#pragma once
// "Stammdaten für Elster-Verfahren": the data of a circle for the electronic VAT filing.

#include <QLineEdit>
#include <array>
#include <string>

#include "config/circle_settings.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class ElsterDialog : public TellmarkDialog {
    Q_OBJECT
public:
    ElsterDialog(ShellContext& context, std::string dataDirectory, int number);
    // False when the settings file could not be read (the message was shown); the dialog is not run then.
    bool loaded() const { return loaded_; }

private:
    void onOk();

    ShellContext& context_;
    std::string dataDirectory_;
    int number_;
    bool loaded_ = false;
    std::array<QLineEdit*, 8> fields_{};
};

}  // namespace tellmark::shell
