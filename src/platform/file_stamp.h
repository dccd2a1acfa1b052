#pragma once
// Size and local modification time of a file by name, and whether two names reach the same file.

#include <cstdint>
#include <string>

namespace tellmark::platform {

struct FileStamp {
    std::int64_t size = 0;
    int day = 0, month = 0, year = 0, hour = 0, minute = 0;
};

// False when the file cannot be looked at.
bool fileStamp(const std::string& path, FileStamp& out);

// True when both names lead to one file (one device and inode); false when either does not exist.
bool sameFile(const std::string& a, const std::string& b);

}  // namespace tellmark::platform
