#include "reports/text_file_output.h"

#include <filesystem>
#include <new>
#include <vector>

#include "config/file_names.h"
#include "platform/file.h"
#include "resources/texts_common.h"
#include "resources/texts_reports_output.h"

namespace tellmark::reports {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isNameCharacter(char c) {
    switch (c) {
    case '-': case '_': case '~': case '\\': case '/': case ':': case '.': return true;
    default: return isLetter(c) || isDigit(c);
    }
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace

bool IsValidTextFileName(std::string_view name) {
    if (name.empty()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (!isNameCharacter(c)) return false;
        if (c == ':' && (i != 1 || !isLetter(name[0]))) return false;
    }
    return true;
}

bool CheckTextFileName(std::string_view name, ui::Messages& messages) {
    if (IsValidTextFileName(name)) return true;
    messages.show(text::kTextFileBadName, text::kCaptionError, ui::kIconStop);
    return false;
}

std::string ResolveTextFileName(std::string_view name, const std::string& dataDirectory, int circleNumber) {
    std::string path(name);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    if ((path.size() >= 2 && path[1] == ':') || (!path.empty() && path[0] == '/')) return path;
    if (path.size() >= 2 && path[0] == '.' && path[1] == '/') {
        return config::joinPath(dataDirectory, path.substr(2));
    }
    return config::joinPath(config::circleDirectoryName(dataDirectory, circleNumber), path);
}

int CopyPrintFileToTextFile(const std::string& printFile, const std::string& target, ui::Messages& messages) {
    std::vector<char> buffer;
    try {
        buffer.resize(kTextFileBuffer);
    } catch (const std::bad_alloc&) {
        messages.show(text::kTextFileNoMemory, text::kCaptionInformation, ui::kIconStop);
        return 0;
    }

    platform::File source;
    if (!source.openForReading(printFile)) {
        messages.show(text::kPrintFileOpenFailed, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    platform::File out;
    if (sameFile(printFile, target) || !out.create(target)) {
        messages.show(text::kTextFileOpenFailed, text::kCaptionError, ui::kIconStop);
        return 0;
    }

    std::int64_t at = 0;
    for (;;) {
        const std::int64_t n = source.readAt(at, buffer.data(), kTextFileBlock);
        if (n < 0) {
            messages.show(text::kPrintFileReadFailed, text::kCaptionError, ui::kIconStop);
            return 0;
        }
        if (n > 0 && !out.writeAt(at, buffer.data(), static_cast<std::size_t>(n))) {
            messages.show(text::kPrintFileWriteFailed, text::kCaptionError, ui::kIconStop);
            return 0;
        }
        at += n;
        if (n < static_cast<std::int64_t>(kTextFileBlock)) break;
    }
    return 1;
}

int WriteTextFile(std::string_view name, const std::string& printFile, const std::string& dataDirectory,
                  int circleNumber, ui::Messages& messages) {
    if (!CheckTextFileName(name, messages)) return 2;
    return CopyPrintFileToTextFile(printFile, ResolveTextFileName(name, dataDirectory, circleNumber), messages);
}

}  // namespace tellmark::reports
