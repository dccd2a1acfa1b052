#pragma once
// What every command on a booking circle does first: read the program configuration (creating it with
// its defaults when it is missing, as the program does at start-up) and find the circle's settings.

#include <string>

#include "circles/circle_settings_file.h"
#include "cli/commands.h"
#include "config/program_config.h"

namespace tellmark::cli {

// The circle number as typed: 1 to the installation's maximum, else the selection's message and -1.
// Text that is not a number is wrong usage.
int requireCircleNumber(Context& ctx, const std::string& text);

class CircleAccess {
public:
    explicit CircleAccess(Context& ctx) : ctx_(ctx), ini_(ctx.messages) {}
    bool readProgramConfig();
    const config::ProgramConfig& programConfig() const { return ini_.config(); }
    const std::string& dataDirectory() const { return ini_.config().dataDirectory; }
    // Opens, reads and closes the circle's settings file; false after a message when it is missing or
    // cannot be read.
    bool readCircleSettings(int number, circles::CIniBK& settingsFile);

private:
    Context& ctx_;
    config::CIniSB ini_;
};

}  // namespace tellmark::cli
