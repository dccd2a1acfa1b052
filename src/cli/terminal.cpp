#include "cli/terminal.h"

#include <cstdio>

#include "platform/codepage.h"

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

}  // namespace tellmark::cli
