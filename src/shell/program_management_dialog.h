#pragma once
// "Programmverwaltung": where the data lie, and the paths of the companion online program.

#include <QLineEdit>
#include <QRadioButton>

#include "config/program_config.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class ProgramManagementDialog : public TellmarkDialog {
    Q_OBJECT
public:
    ProgramManagementDialog(ShellContext& context, config::CIniSB& settings);

private:
    void onOk();
    void updateEnabled();

    ShellContext& context_;
    config::CIniSB& settings_;
    QRadioButton* shared_;
    QRadioButton* separate_;
    QLineEdit* dataPath_;
    QLineEdit* companionProgram_;
    QLineEdit* companionImport_;
};

}  // namespace tellmark::shell
