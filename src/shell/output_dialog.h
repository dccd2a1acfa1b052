#pragma once
// "Ausgabe Drucker oder Bildschirm": where a finished report goes - screen (preselected), printer or text
// file.

#include <QRadioButton>

#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

enum class ReportOutput { Screen, Printer, TextFile };

class OutputDialog : public TellmarkDialog {
    Q_OBJECT
public:
    // printerAvailable false greys the printer choice.
    OutputDialog(ShellContext& context, bool printerAvailable);

    ReportOutput choice() const;

private:
    QRadioButton* screen_;
    QRadioButton* printer_;
    QRadioButton* textFile_;
};

}  // namespace tellmark::shell
