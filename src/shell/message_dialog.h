#pragma once
// The program's one message dialog: the caption as heading line, the text of up to four lines, one
// "&OK" button and no icon. The icon value only chooses the window title.

#include <QLabel>
#include <string_view>

#include "shell/dialog_base.h"
#include "shell/dialog_runner.h"
#include "ui/messages.h"

namespace tellmark::shell {

// Stop 16 -> "FEHLER", exclamation 48 -> "ACHTUNG", information 64 -> "INFORMATION", else "FEHLER".
std::string_view messageWindowTitle(int icon);

// The icon a message is shown with. The stop icon is every message's default, so a notice ("INFORMATION")
// or a warning ("ACHTUNG") that kept it gets the icon of its caption; a notice must not be titled as an
// error. Any icon other than stop was chosen on purpose and stays.
int messageIcon(std::string_view caption, int icon);

class MessageDialog : public TellmarkDialog {
    Q_OBJECT
public:
    MessageDialog(QWidget* parent, std::string_view text, std::string_view caption, int icon);
    QString heading() const { return heading_->text(); }
    QString text() const { return text_->text(); }

private:
    QLabel* heading_;
    QLabel* text_;
};

// The message port of the desktop program: every message is this dialog, run through the runner.
class DialogMessages : public ui::Messages {
public:
    DialogMessages(DialogRunner& runner, QWidget* parent = nullptr) : runner_(runner), parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(std::string_view text, std::string_view caption, int icon) override;

private:
    DialogRunner& runner_;
    QWidget* parent_;
};

}  // namespace tellmark::shell
