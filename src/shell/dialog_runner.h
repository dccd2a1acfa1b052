#pragma once
// Every modal dialog of the program is run through a runner. The program's runner executes it; tests
// put in a runner that fills in the fields and presses the buttons, so the dialogues can be driven
// without a person.

#include <QDialog>

namespace tellmark::shell {

class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // The dialog's result code (QDialog::Accepted or Rejected, or the code passed to done()).
    virtual int run(QDialog& dialog) { return dialog.exec(); }
};

}  // namespace tellmark::shell
