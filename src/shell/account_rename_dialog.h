#pragma once
// "Kontobezeichung ändern": the new name of the chosen account, with its VAT preset where the account
// can carry one.

#include <QLineEdit>
#include <string>

#include "posting/account_maintenance.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"
#include "shell/vat_preset_fields.h"

namespace tellmark::shell {

class AccountRenameDialog : public TellmarkDialog {
    Q_OBJECT
public:
    AccountRenameDialog(ShellContext& context, posting::AccountFiles& files, int number, const std::string& oldName);

private:
    void onOk();

    posting::AccountFiles& files_;
    int number_;
    QLineEdit* name_;
    VatPresetFields* preset_;
};

}  // namespace tellmark::shell
