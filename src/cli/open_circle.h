#pragma once
// Opening a booking circle for one command: the program configuration, then the circle's files.
// Nothing is created here; a circle whose ledger files do not exist yet is reported and left alone.

#include <memory>

#include "circles/document.h"
#include "cli/commands.h"
#include "ui/progress.h"

namespace tellmark::cli {

class OpenCircle {
public:
    explicit OpenCircle(Context& ctx) : doc(ctx.messages, progress) {}
    // The circle named by "-k N"; false after its message.
    bool open(Context& ctx, const std::string& numberText);

    ui::NoProgress progress;
    circles::CVt36Doc doc;
};

}  // namespace tellmark::cli
