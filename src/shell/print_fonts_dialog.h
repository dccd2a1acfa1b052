#pragma once
// "Schriftgrößen für Ausdruck": the heights of the normal and the narrow printer font.

#include <QLineEdit>

#include "config/program_config.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class PrintFontsDialog : public TellmarkDialog {
    Q_OBJECT
public:
    PrintFontsDialog(ShellContext& context, config::CIniSB& settings);

private:
    void onOk();

    config::CIniSB& settings_;
    QLineEdit* normal_;
    QLineEdit* narrow_;
};

}  // namespace tellmark::shell
