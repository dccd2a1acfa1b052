#pragma once
// What every dialog of the program needs besides its own fields: the runner that shows modal dialogs,
// the message dialog, the progress window, and the main frame they centre over.

#include <QWidget>

#include "shell/dialog_runner.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::shell {

struct ShellContext {
    DialogRunner& runner;
    ui::Messages& messages;
    ui::Progress& progress;
    QWidget* frame = nullptr;  // null: dialogs centre on the desktop
};

}  // namespace tellmark::shell
