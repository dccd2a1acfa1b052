#include "platform/file.h"

#include "platform/fault_points.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tellmark::platform {

File::~File() { close(); }

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), error_(other.error_), path_(std::move(other.path_)),
      kept_(std::exchange(other.kept_, Kept::Nothing)), keptLength_(other.keptLength_),
      image_(std::move(other.image_)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        error_ = other.error_;
        path_ = std::move(other.path_);
        kept_ = std::exchange(other.kept_, Kept::Nothing);
        keptLength_ = other.keptLength_;
        image_ = std::move(other.image_);
    }
    return *this;
}

bool File::keep(Kept what) {
    forgetKept();
    if (what == Kept::Nothing) return true;
    const std::int64_t len = length();
    if (len < 0) return false;
    if (what == Kept::Content) {
        std::string content(static_cast<std::size_t>(len), '\0');
        if (!readExact(0, content.data(), content.size())) return false;
        image_ = std::move(content);
    }
    keptLength_ = len;
    kept_ = what;
    return true;
}

void File::noteWrite(std::int64_t pos, const void* data, std::size_t n) {
    const std::int64_t end = pos + static_cast<std::int64_t>(n);
    if (kept_ == Kept::Content) {
        if (static_cast<std::int64_t>(image_.size()) < end) image_.resize(static_cast<std::size_t>(end), '\0');
        std::memcpy(image_.data() + pos, data, n);
    }
    if (end > keptLength_) keptLength_ = end;
}

bool File::openWith(const std::string& path, int flags, int lockOp) {
    close();
    path_ = path;
    int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0) {
        error_ = errno;
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        error_ = EISDIR;
        ::close(fd);
        return false;
    }
    if (::flock(fd, lockOp | LOCK_NB) != 0) {
        error_ = errno;
        ::close(fd);
        return false;
    }
    fd_ = fd;
    error_ = 0;
    return true;
}

bool File::open(const std::string& path, Share share) {
    switch (share) {
    case Share::Shared: return openWith(path, O_RDWR, LOCK_SH);
    case Share::DenyWrite: return openWith(path, O_RDWR, LOCK_EX);
    case Share::Exclusive: return openWith(path, O_RDONLY, LOCK_EX);
    }
    return false;
}

bool File::create(const std::string& path) {
    if (!createLocked(path)) return false;
    // Then keep it shared: a print or work file is read back while its writer still holds it open.
    if (::flock(fd_, LOCK_SH | LOCK_NB) != 0) {
        error_ = errno;
        close();
        return false;
    }
    return true;
}

bool File::createLocked(const std::string& path) {
    if (int fault = faultAt(Change::Create, path); fault != kProceed) {
        path_ = path;
        error_ = fault;
        return false;
    }
    // Cut only while the exclusive lock is held, so a file another holder has open is never emptied.
    if (!openWith(path, O_RDWR | O_CREAT, LOCK_EX)) return false;
    if (::ftruncate(fd_, 0) != 0) {
        error_ = errno;
        close();
        return false;
    }
    return true;
}

bool File::openForReading(const std::string& path) { return openWith(path, O_RDONLY, LOCK_SH); }

bool File::renameTo(const std::string& to) {
    if (fd_ < 0) {
        error_ = EBADF;
        return false;
    }
    if (faultAt(Change::Rename, to) != kProceed || ::rename(path_.c_str(), to.c_str()) != 0) {
        error_ = errno;
        return false;
    }
    // From here on the file is the one under the new name, whether or not the directory can be synced.
    path_ = to;
    if (!syncDirectoryOf(to)) {
        error_ = EIO;
        return false;
    }
    return true;
}

void File::close() {
    forgetKept();
    if (fd_ >= 0) {
        ::close(fd_);  // releases the lock
        fd_ = -1;
    }
}

std::int64_t File::readAt(std::int64_t pos, void* buffer, std::size_t n) {
    if (fd_ < 0) {
        error_ = EBADF;
        return -1;
    }
    if (kept_ == Kept::Content && pos >= 0) {
        const std::int64_t size = static_cast<std::int64_t>(image_.size());
        const std::size_t got = pos >= size ? 0 : static_cast<std::size_t>(std::min<std::int64_t>(size - pos, n));
        if (got > 0) std::memcpy(buffer, image_.data() + pos, got);
        return static_cast<std::int64_t>(got);
    }
    std::size_t done = 0;
    auto* out = static_cast<char*>(buffer);
    while (done < n) {
        ssize_t r = ::pread(fd_, out + done, n - done, static_cast<off_t>(pos + done));
        if (r < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
            return -1;
        }
        if (r == 0) break;
        done += static_cast<std::size_t>(r);
    }
    return static_cast<std::int64_t>(done);
}

bool File::readExact(std::int64_t pos, void* buffer, std::size_t n) {
    std::int64_t r = readAt(pos, buffer, n);
    if (r < 0) return false;
    if (static_cast<std::size_t>(r) != n) {
        error_ = EIO;
        return false;
    }
    return true;
}

bool File::writeAt(std::int64_t pos, const void* data, std::size_t n) {
    if (fd_ < 0) {
        error_ = EBADF;
        return false;
    }
    bool tear = false;
    if (int fault = faultAt(Change::Write, path_); fault != kProceed) {
        forgetKept();
        if (fault != kTearWrite) {
            error_ = fault;
            return false;
        }
        tear = true;  // the first half reaches the file, then the write fails
        n /= 2;
    }
    std::size_t done = 0;
    auto* in = static_cast<const char*>(data);
    while (done < n) {
        ssize_t w = ::pwrite(fd_, in + done, n - done, static_cast<off_t>(pos + done));
        if (w < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
            forgetKept();
            return false;
        }
        if (w == 0) {
            error_ = ENOSPC;
            forgetKept();
            return false;
        }
        done += static_cast<std::size_t>(w);
    }
    if (tear) {
        error_ = EIO;
        return false;
    }
    if (kept_ != Kept::Nothing) noteWrite(pos, data, n);
    return true;
}

bool File::append(const void* data, std::size_t n) {
    if (fd_ < 0) {
        error_ = EBADF;
        return false;
    }
    std::int64_t len = length();
    if (len < 0) return false;
    return writeAt(len, data, n);
}

bool File::truncate(std::int64_t length) {
    if (fd_ < 0) {
        error_ = EBADF;
        return false;
    }
    if (int fault = faultAt(Change::Truncate, path_); fault != kProceed) {
        error_ = fault;
        forgetKept();
        return false;
    }
    if (::ftruncate(fd_, static_cast<off_t>(length)) != 0) {
        error_ = errno;
        forgetKept();
        return false;
    }
    if (kept_ == Kept::Content) image_.resize(static_cast<std::size_t>(length), '\0');
    keptLength_ = length;
    return true;
}

bool File::stillAtPath() const {
    struct stat open;
    struct stat named;
    if (fd_ < 0 || ::fstat(fd_, &open) != 0 || ::stat(path_.c_str(), &named) != 0) return false;
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

std::int64_t File::length() const {
    if (fd_ < 0) return -1;
    if (kept_ != Kept::Nothing) return keptLength_;
    struct stat st;
    if (::fstat(fd_, &st) != 0) return -1;
    return static_cast<std::int64_t>(st.st_size);
}

bool File::flush() {
    if (fd_ < 0) return false;
    if (int fault = faultAt(Change::Sync, path_); fault != kProceed) {
        error_ = fault;
        return false;
    }
    if (::fdatasync(fd_) != 0) {
        error_ = errno;
        return false;
    }
    return true;
}

int File::openProbed(const std::string& path, Share share) {
    if (open(path, share)) return kProbePresent;
    switch (lastError()) {
    case ENOENT:
    case ENOTDIR: return kProbeMissing;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EWOULDBLOCK: return kProbeLocked;
    case ENOSPC:
    case EDQUOT: return kProbeDiskFull;
    default: return kProbeOther;
    }
}

int probeFile(const std::string& path) {
    File f;
    return f.openProbed(path, Share::Shared);
}

bool readWholeFile(const std::string& path, std::string& out) {
    File f;
    if (!f.openForReading(path)) return false;
    std::int64_t len = f.length();
    if (len < 0) return false;
    out.assign(static_cast<std::size_t>(len), '\0');
    return f.readExact(0, out.data(), out.size());
}

bool writeWholeFile(const std::string& path, const std::string& data) {
    File f;
    if (!f.create(path)) return false;
    return f.writeAt(0, data.data(), data.size());
}

bool syncDirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string directory = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    if (faultAt(Change::Sync, directory) != kProceed) return false;
    int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

bool replaceFile(const std::string& from, const std::string& to) {
    if (faultAt(Change::Rename, to) != kProceed) return false;
    if (::rename(from.c_str(), to.c_str()) != 0) return false;
    return syncDirectoryOf(to);
}

bool replaceWholeFile(const std::string& path, const std::string& data) {
    const std::string temporary = replacementName(path);
    File f;
    if (!f.create(temporary)) return false;
    if (!f.writeAt(0, data.data(), data.size()) || !f.flush()) {
        f.close();
        ::unlink(temporary.c_str());
        return false;
    }
    f.close();
    if (!replaceFile(temporary, path)) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

std::string replacementName(const std::string& path) { return path + ".tmp"; }

}  // namespace tellmark::platform
