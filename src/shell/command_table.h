#pragma once
// The menus of the main frame, with and without an open booking circle, the toolbar, and the
// status-bar prompt of every command.

#include <string_view>
#include <vector>

namespace tellmark::shell {

struct MenuEntry {
    int id;  // 0: separator
    std::string_view text;
};

struct MenuDefinition {
    std::string_view title;
    std::vector<MenuEntry> entries;
};

// While a booking circle is open.
const std::vector<MenuDefinition>& documentMenus();
// Without a booking circle: open one, end the program, toolbar and status bar, help.
const std::vector<MenuDefinition>& emptyMenus();
// Left to right; 0 is a gap.
const std::vector<int>& toolBarCommands();
// The prompt shown in the status bar while the command is highlighted; empty when it has none.
std::string_view commandPrompt(int id);
// The menu text of a command (the first one found).
std::string_view commandText(int id);
// Commands that work without an open booking circle.
bool needsOpenCircle(int id);

}  // namespace tellmark::shell
