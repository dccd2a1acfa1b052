#pragma once
// Directories and whole-file operations by name.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/messages.h"

namespace tellmark::platform {

// Makes one directory (the parent must exist). 1 when the directory exists afterwards or the path is a bare
// drive ("C:", "c:\"), which is accepted untouched; 0 after a message otherwise. A plain file in the way is
// renamed to path + ".$$$" first.
int createDirectory(const std::string& path, ui::Messages& messages);

bool fileExists(const std::string& path);       // anything but a directory
bool directoryExists(const std::string& path);
bool removeFile(const std::string& path);
// Never replaces an existing target: fails instead, as a rename on the program's home platform does.
bool renameFile(const std::string& from, const std::string& to);

// Names in the directory (without "." and ".."), sorted bytewise; false when it cannot be read.
bool listDirectory(const std::string& path, std::vector<std::string>& names);
// File name pattern with '*' and '?', letter case ignored as names compare on the program's home platform.
bool matchesPattern(std::string_view name, std::string_view pattern);

// Bytes free for this user on the file system holding path; -1 when unknown.
std::int64_t freeDiskSpace(const std::string& path);

}  // namespace tellmark::platform
