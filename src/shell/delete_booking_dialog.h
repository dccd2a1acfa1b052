#pragma once
// "Buchungssatz löschen": the question before the booking in the current row is deleted.

#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class DeleteBookingDialog : public TellmarkDialog {
    Q_OBJECT
public:
    explicit DeleteBookingDialog(ShellContext& context);
};

}  // namespace tellmark::shell
