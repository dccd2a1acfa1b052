#pragma once
// The decisions port of the desktop program: every question is put to the person as a dialog run
// through the frame's runner. A dialog closed without a button gives an answer beyond the buttons, which
// the operations take as "none of these" (the booking dropped, the run not started).

#include "shell/shell_context.h"
#include "ui/decisions.h"

namespace tellmark::shell {

class DialogDecisions : public ui::Decisions {
public:
    explicit DialogDecisions(ShellContext& context) : context_(context) {}
    int ask(ui::Question& question) override;

private:
    ShellContext& context_;
};

}  // namespace tellmark::shell
