#pragma once
// The menu commands "Datensicherung" and "Datenrücksicherung" of the open circle.

#include "circles/document.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class BackupCommands {
public:
    BackupCommands(ShellContext& context, circles::CVt36Doc& doc) : context_(context), doc_(doc) {}

    // Asks for the directory, backs up with the progress window and shows the overview.
    void backup();
    // Asks for the directory, closes the circle's files (the program itself holds them), restores and
    // opens the circle again. True when the circle is open afterwards.
    bool restore();

private:
    ShellContext& context_;
    circles::CVt36Doc& doc_;
};

}  // namespace tellmark::shell
