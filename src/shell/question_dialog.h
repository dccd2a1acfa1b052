#pragma once
// A question before a command changes files: the text and "&OK" / "&Abbruch".

#include <string_view>

#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class QuestionDialog : public TellmarkDialog {
    Q_OBJECT
public:
    QuestionDialog(ShellContext& context, std::string_view title, std::string_view question, const char* objectName);
};

}  // namespace tellmark::shell
