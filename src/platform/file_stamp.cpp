#include "platform/file_stamp.h"

#include <ctime>
#include <sys/stat.h>

namespace tellmark::platform {

bool fileStamp(const std::string& path, FileStamp& out) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return false;
    std::tm local{};
    const std::time_t when = st.st_mtime;
    if (::localtime_r(&when, &local) == nullptr) return false;
    out.size = static_cast<std::int64_t>(st.st_size);
    out.day = local.tm_mday;
    out.month = local.tm_mon + 1;
    out.year = local.tm_year + 1900;
    out.hour = local.tm_hour;
    out.minute = local.tm_min;
    return true;
}

bool sameFile(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace tellmark::platform
