#include "cli/terminal.h"

#include <cstdio>

#include "platform/codepage.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_input.h"

namespace tellmark::cli {

void StderrMessages::show(std::string_view text, std::string_view caption, int) {
    ++count_;
    std::string line = platform::cp1252ToUtf8(caption) + ": " + platform::cp1252ToUtf8(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

void printLine(std::string_view cp1252) {
    std::string line = platform::cp1252ToUtf8(cp1252);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
}

void printRaw(std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

std::string fromTerminal(const std::string& utf8) { return platform::utf8ToCp1252(utf8); }

std::optional<std::string> fromTerminalChecked(const std::string& utf8, ui::Messages& messages) {
    platform::CheckedCp1252 converted = platform::utf8ToCp1252Checked(utf8);
    if (converted.ok()) return std::move(converted.text);
    std::string names;
    for (const std::string& name : converted.unmappable) names += (names.empty() ? "" : ", ") + name;
    messages.show(format(text::kCharactersNotStorable, names.c_str()), text::kCaptionError, ui::kIconStop);
    return std::nullopt;
}

}  // namespace tellmark::cli
