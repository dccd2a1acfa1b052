#include "platform/directory.h"

#include "platform/fault_points.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_platform.h"

namespace tellmark::platform {

namespace {

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool isBareDrive(const std::string& path) {
    if (path.size() < 2 || path[1] != ':') return false;
    return path.size() == 2 || (path.size() == 3 && (path[2] == '\\' || path[2] == '/'));
}

int makeDirectory(const std::string& path) { return ::mkdir(path.c_str(), 0777) == 0 ? 0 : errno; }

}  // namespace

int createDirectory(const std::string& path, ui::Messages& messages) {
    if (isBareDrive(path)) {
        if (isAsciiLetter(path[0])) return 1;
        messages.show(text::kBadDrive, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    // "BK000003/" names the same directory; a file in the way is renamed without the slash.
    std::string name = path;
    while (name.size() > 1 && name.back() == '/') name.pop_back();

    int error = makeDirectory(name);
    if (error == 0 || directoryExists(name)) return 1;

    struct stat st;
    if (error == EEXIST && ::lstat(name.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) {
        std::string renamed = name + ".$$$";
        if (renameFile(name, renamed)) {
            messages.show(format(text::kFileRenamed, name.c_str(), renamed.c_str()), text::kCaptionInformation,
                          ui::kIconInformation);
            if (makeDirectory(name) == 0) return 1;
        }
        messages.show(format(text::kDirectoryBlockedByFile, name.c_str()), text::kCaptionInformation,
                      ui::kIconInformation);
        return 0;
    }
    // A missing parent, and every other failure that leaves no directory (a write-protected medium):
    // reporting success would only move the failure to the first file written there.
    messages.show(format(text::kPathNotCorrect, name.c_str()), text::kCaptionError, ui::kIconStop);
    return 0;
}

bool fileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool directoryExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool removeFile(const std::string& path) {
    if (faultAt(Change::Remove, path) != kProceed) return false;
    return ::unlink(path.c_str()) == 0;
}

bool renameFile(const std::string& from, const std::string& to) {
    if (faultAt(Change::Rename, to) != kProceed) return false;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without the no-replace rename: link and unlink never replace either.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    if (::unlink(from.c_str()) != 0) {
        ::unlink(to.c_str());
        return false;
    }
    return true;
}

bool listDirectory(const std::string& path, std::vector<std::string>& names) {
    names.clear();
    DIR* dir = ::opendir(path.empty() ? "." : path.c_str());
    if (!dir) return false;
    while (const dirent* entry = ::readdir(dir)) {
        std::string_view n = entry->d_name;
        if (n != "." && n != "..") names.emplace_back(n);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return true;
}

namespace {

bool matchesWildcards(std::string_view name, std::string_view pattern) {
    // Iterative match with one backtrack point: linear for the patterns the program uses.
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || lowerAscii(pattern[p]) == lowerAscii(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

bool matchesPattern(std::string_view name, std::string_view pattern) {
    if (matchesWildcards(name, pattern)) return true;
    // "NAME.*" also finds NAME without an extension, as the file search always did.
    return pattern.ends_with(".*") && matchesWildcards(name, pattern.substr(0, pattern.size() - 2));
}

std::int64_t freeDiskSpace(const std::string& path) {
    struct statvfs vfs;
    if (::statvfs(path.empty() ? "." : path.c_str(), &vfs) != 0) return -1;
    return static_cast<std::int64_t>(vfs.f_bavail) * static_cast<std::int64_t>(vfs.f_frsize);
}

}  // namespace tellmark::platform
