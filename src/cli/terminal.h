#pragma once
// The edge between the core's CP1252 texts and the terminal's UTF-8.

#include <optional>
#include <string>
#include <string_view>

#include "ui/messages.h"

namespace tellmark::cli {

// Prints every message as "CAPTION: text" to stderr, converted to UTF-8.
class StderrMessages : public ui::Messages {
public:
    void show(std::string_view text, std::string_view caption, int icon) override;
    int count() const { return count_; }

private:
    int count_ = 0;
};

// A line of core text (CP1252) to stdout in UTF-8, with "\n".
void printLine(std::string_view cp1252);
// Raw bytes to stdout, unchanged.
void printRaw(std::string_view bytes);
// A typed argument (UTF-8) as the core's CP1252; characters CP1252 lacks become '?'.
std::string fromTerminal(const std::string& utf8);
// The same for texts that are stored: nothing when a character cannot be held, after the message
// "Nicht speicherbare Zeichen: ..." that names each of them.
std::optional<std::string> fromTerminalChecked(const std::string& utf8, ui::Messages& messages);

}  // namespace tellmark::cli
