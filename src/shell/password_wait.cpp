#include "shell/password_wait.h"

namespace tellmark::shell {

long long PasswordWait::wrongEntry() {
    ++wrong_;
    if (wrong_ >= 3) {
        factor_ = factor_ >= kPasswordWaitFactorLimit / (factor_ + 1) ? kPasswordWaitFactorLimit
                                                                      : factor_ * (factor_ + 1);
    }
    return factor_;
}

}  // namespace tellmark::shell
