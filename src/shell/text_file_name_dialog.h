#pragma once
// "Eingabe Textdatei-Name": the name of the text file a report is copied into, preset "tm.txt", with the
// note where the file goes.

#include <QLineEdit>
#include <string>

#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class TextFileNameDialog : public TellmarkDialog {
    Q_OBJECT
public:
    // name: the preset (the name typed last time when the dialog asks again).
    TextFileNameDialog(ShellContext& context, const std::string& name);

    std::string name() const;

private:
    QLineEdit* name_;
};

}  // namespace tellmark::shell
