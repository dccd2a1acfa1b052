#pragma once
// "Passwort-Eingabe": the program password at start-up. A wrong entry is answered with a wait on the
// progress window that grows with every further wrong entry; the dialog stays open for the next try.

#include <QLineEdit>
#include <chrono>
#include <string>

#include "shell/dialog_base.h"
#include "shell/password_wait.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class PasswordDialog : public TellmarkDialog {
    Q_OBJECT
public:
    // password: the stored program password, plain, CP1252.
    PasswordDialog(ShellContext& context, std::string password);

    // One step of the wait lasts factor times this; the usual unit makes the first waits about a second.
    void setStepUnit(std::chrono::microseconds unit) { stepUnit_ = unit; }
    const PasswordWait& wait() const { return wait_; }

private:
    void onOk();
    void waitAfterWrongEntry();

    ShellContext& context_;
    std::string password_;
    QLineEdit* field_;
    PasswordWait wait_;
    std::chrono::microseconds stepUnit_{1000};
};

}  // namespace tellmark::shell
