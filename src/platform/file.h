#pragma once
// Files with the program's share modes. "Writing denied to others" is an exclusive, non-blocking advisory
// lock (flock) held while the file is open, so a second copy of the program - desktop or command line -
// sees an open booking circle as locked. Shared opens take a shared lock, so they too are refused while
// another holder denies writing, as the share modes would refuse them.

#include <cstddef>
#include <cstdint>
#include <string>

namespace tellmark::platform {

enum class Share {
    Shared,      // reading and writing, others may open too (settings files)
    DenyWrite,   // reading and writing, writing denied to others (data files of an open circle)
    Exclusive,   // reading, nobody else may open
};

class File {
public:
    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;

    // Opens an existing file. Exclusive opens for reading only; the others for reading and writing.
    bool open(const std::string& path, Share share);
    // As open, telling what it met as probeFile tells it (kProbePresent: the file is open), so that a
    // file is not opened once to look and again to use.
    int openProbed(const std::string& path, Share share);
    // Creates the file or cuts it to length 0, for writing and reading, shared. Fails, leaving the file
    // as it is, while another holder has it open.
    bool create(const std::string& path);
    // As create, but keeps the exclusive lock: for a file written beside a data file that replaces it
    // and stays open as that data file, so no other copy can take it in between.
    bool createLocked(const std::string& path);
    // Opens an existing file for reading only, shared: works on write-protected files too.
    bool openForReading(const std::string& path);
    void close();
    // Renames the open file over `to` (replacing it) and syncs the directory; the file stays open, with
    // its lock, under the new name. When only the sync fails the rename has happened: path() tells.
    bool renameTo(const std::string& to);
    bool isOpen() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }

    // Reads up to n bytes at pos; returns the count read (0 at the end) or -1 on error.
    std::int64_t readAt(std::int64_t pos, void* buffer, std::size_t n);
    // Reads exactly n bytes or fails.
    bool readExact(std::int64_t pos, void* buffer, std::size_t n);
    // Writes all n bytes at pos or fails (lastError() tells why, ENOSPC for a full disk).
    bool writeAt(std::int64_t pos, const void* data, std::size_t n);
    bool append(const void* data, std::size_t n);
    bool truncate(std::int64_t length);
    // Whether the path still names the open file (it was not deleted or replaced under the program).
    bool stillAtPath() const;
    // Length in bytes, -1 on error.
    std::int64_t length() const;
    // Puts what was written on the disk (fdatasync).
    bool flush();

    // errno of the last failed call.
    int lastError() const { return error_; }

    // While the program alone writes the file (held with writing denied to others, during a run of many
    // small writes): Length keeps the length in memory, Content the whole content too, so reads and the
    // length cost no system call. Every write still goes to the disk first; a write that fails drops
    // what is kept, so what is read afterwards comes from the disk. False when the file cannot be read.
    enum class Kept { Nothing, Length, Content };
    bool keep(Kept what);
    Kept kept() const { return kept_; }

private:
    bool openWith(const std::string& path, int flags, int lockOp);
    void noteWrite(std::int64_t pos, const void* data, std::size_t n);
    void forgetKept() {
        kept_ = Kept::Nothing;
        image_.clear();
        image_.shrink_to_fit();
    }
    int fd_ = -1;
    int error_ = 0;
    std::string path_;
    Kept kept_ = Kept::Nothing;
    std::int64_t keptLength_ = 0;
    std::string image_;
};

// Probe codes: what opening a file for reading and writing would meet.
enum ProbeCode : int {
    kProbeOther = 0,
    kProbePresent = 1,
    kProbeMissing = 2,
    kProbeLocked = 4,  // open elsewhere with writing denied, or write-protected
    kProbeDiskFull = 16,
};

// Opens the file for reading and writing and closes it again at once.
int probeFile(const std::string& path);

// Whole-file helpers for files that are not kept open (hand-over files, templates, backups).
bool readWholeFile(const std::string& path, std::string& out);
bool writeWholeFile(const std::string& path, const std::string& data);

// Safe replacement of a file: the new content is written beside it (replacementName), synced, and renamed
// over the old one, and the directory synced; a crash leaves the old file or the new one, never a mix.
std::string replacementName(const std::string& path);
bool replaceWholeFile(const std::string& path, const std::string& data);
// Renames from over to (replacing it) and syncs the directory.
bool replaceFile(const std::string& from, const std::string& to);
// Syncs the directory that holds path, so a file created, renamed or removed there stays so.
bool syncDirectoryOf(const std::string& path);

}  // namespace tellmark::platform
