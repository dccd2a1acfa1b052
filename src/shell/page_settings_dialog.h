#pragma once
// "Seiteneinstellungen": report lines per page and blank lines above the first print line.

#include <QLineEdit>

#include "config/program_config.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class PageSettingsDialog : public TellmarkDialog {
    Q_OBJECT
public:
    PageSettingsDialog(ShellContext& context, config::CIniSB& settings);

private:
    void onOk();

    config::CIniSB& settings_;
    ui::Messages& messages_;
    QLineEdit* lines_;
    QLineEdit* margin_;
};

}  // namespace tellmark::shell
