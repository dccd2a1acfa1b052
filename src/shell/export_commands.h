#pragma once
// The export commands of the desktop program: the export for the digital tax audit (its dialog, the
// export with its progress windows, the closing dialog) and the start of the companion online program.

#include "circles/document.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class ExportCommands {
public:
    ExportCommands(ShellContext& context, circles::CVt36Doc& doc) : context_(context), doc_(doc) {}

    // "&Export f. Digitale Betriebsprüfung (GDPdU)".
    void gdpdu();
    // "Tellmark Online": the program without transfer file.
    void companion();

private:
    ShellContext& context_;
    circles::CVt36Doc& doc_;
};

}  // namespace tellmark::shell
