#pragma once
// Size and place of the main window from the screen cell of the configuration, and its smallest size.

#include "config/program_config_fonts.h"
#include "ui/messages.h"

namespace tellmark::shell {

struct WindowPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// 112 cells wide plus 64, 30 cells high plus 48, cut to the desktop; a height cut to the desktop is made
// 24 pixels lower on desktops higher than 510 (the window is centred before that).
WindowPlacement mainWindowPlacement(const config::ScreenCell& cell, int desktopWidth, int desktopHeight);

// The main window never gets smaller than 640 x 480: a size under 632 x 432 snaps back to that.
// True when width and height were changed.
bool snapToSmallestSize(int& width, int& height);

// The cell at start-up: "25,08" without tellmark.ini; otherwise the file is brought up to date and its
// "Auflösung" is taken, "25,08" when that is shorter than five characters.
config::ScreenCell startScreenCell(ui::Messages& messages);

}  // namespace tellmark::shell
