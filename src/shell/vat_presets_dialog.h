#pragma once
// "Vorbelegung der Mehrwertsteuersätze": the rates the keys F7 and F8 put into the entry form.

#include <QLineEdit>

#include "config/program_config.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class VatPresetsDialog : public TellmarkDialog {
    Q_OBJECT
public:
    VatPresetsDialog(ShellContext& context, config::CIniSB& settings);

private:
    void onOk();

    config::CIniSB& settings_;
    QLineEdit* f7_;
    QLineEdit* f8_;
};

}  // namespace tellmark::shell
