#pragma once
// "Standardtexte Einrichten / Ändern": the texts Shift+F1 ... Shift+F8 put into the booking text.

#include <QLineEdit>
#include <array>

#include "config/program_config.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class StandardTextsDialog : public TellmarkDialog {
    Q_OBJECT
public:
    StandardTextsDialog(ShellContext& context, config::CIniSB& settings);

private:
    void onOk();

    config::CIniSB& settings_;
    std::array<QLineEdit*, 8> fields_{};
};

}  // namespace tellmark::shell
