#pragma once
// "Nachträgliche Buchungsänderungen": whether booked lines may be changed later ("Änderung").

#include <QCheckBox>

#include "config/program_config.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class LaterChangesDialog : public TellmarkDialog {
    Q_OBJECT
public:
    LaterChangesDialog(ShellContext& context, config::CIniSB& settings);

private:
    void onOk();

    config::CIniSB& settings_;
    QCheckBox* allowed_;
};

}  // namespace tellmark::shell
