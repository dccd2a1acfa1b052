#pragma once
// "Anfangsbestand ändern": the new opening balance of the chosen account.

#include <QLineEdit>
#include <string>

#include "posting/account_maintenance.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class OpeningBalanceDialog : public TellmarkDialog {
    Q_OBJECT
public:
    OpeningBalanceDialog(ShellContext& context, posting::AccountFiles& files, int number, const std::string& opening);

private:
    void onOk();

    posting::AccountFiles& files_;
    int number_;
    QLineEdit* amount_;
};

}  // namespace tellmark::shell
