#pragma once
// "Neues Konto Einrichten": name, VAT preset and opening balance of an account that is not there yet.
// The discount accounts get their fixed names.

#include <QLineEdit>

#include "posting/account_maintenance.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"
#include "shell/vat_preset_fields.h"

namespace tellmark::shell {

class NewAccountDialog : public TellmarkDialog {
    Q_OBJECT
public:
    NewAccountDialog(ShellContext& context, posting::AccountFiles& files, int number, bool cancelEnabled = true);

private:
    void onOk();

    posting::AccountFiles& files_;
    int number_;
    QLineEdit* name_;
    QLineEdit* opening_;
    VatPresetFields* preset_;
};

}  // namespace tellmark::shell
