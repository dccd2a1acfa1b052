#pragma once
// Starting other programs without waiting for them, and the file copy the exports hand off.

#include <string>
#include <vector>

#include "ui/messages.h"

namespace tellmark::platform {

// Starts program (a path, or a name looked up in PATH) with args in its own session, stdin/stdout/stderr
// on /dev/null, in workingDir when not empty. Nobody waits for it. False when it could not be started:
// no such program, not executable, the directory cannot be entered.
bool startDetached(const std::string& program, const std::vector<std::string>& args,
                   const std::string& workingDir);

// Copies source to target (replacing it). The copy is small and done at once; the caller need not wait.
// 1 on success; 0 after the message "Die Textdatei konnte nicht geöffnet ..." when source cannot be read
// or target cannot be written - a half-written target is removed.
int copyFileDetached(const std::string& source, const std::string& target, ui::Messages& messages);

}  // namespace tellmark::platform
