#pragma once
// "E&xport für Datev (Buchungssätze)": the notes, the settings, the account mapping, the period and the
// question about the opening balances, then the export with its progress windows and the closing notice.

#include "circles/document.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class DatevExportCommand {
public:
    DatevExportCommand(ShellContext& context, circles::CVt36Doc& doc) : context_(context), doc_(doc) {}
    void run();

private:
    ShellContext& context_;
    circles::CVt36Doc& doc_;
};

}  // namespace tellmark::shell
