#pragma once
// The info box of the toolbar and the help menu.

#include "shell/dialog_base.h"

namespace tellmark::shell {

class AboutDialog : public TellmarkDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);
};

}  // namespace tellmark::shell
