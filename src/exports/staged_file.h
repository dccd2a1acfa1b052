#pragma once
// An export file written beside its place and put there only when the whole export has succeeded:
// appended through a buffer, synced when finished, renamed into place by commit; discard removes it.

#include <string>
#include <string_view>

#include "platform/file.h"

namespace tellmark::exports {

class StagedFile {
public:
    StagedFile() = default;
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    StagedFile(StagedFile&&) noexcept = default;
    StagedFile& operator=(StagedFile&&) noexcept = default;

    // Creates the file beside finalPath; false when it cannot be created.
    bool create(const std::string& finalPath);
    bool isOpen() const { return file_.isOpen(); }
    // Buffered; false once a write has failed.
    bool append(std::string_view text);
    // Writes what is buffered and puts the file on the disk.
    bool finish();
    // Renames the finished file into its place; when that fails nothing stands there.
    bool commit();
    // Removes the file from its place again (another file of the same export could not be put there).
    void withdraw();
    // Removes the file beside its place (nothing when it was never created or is in place).
    void discard();
    const std::string& finalPath() const { return finalPath_; }
    // The place commit renames the file to, when it is known only at the end.
    void setFinalPath(const std::string& path) { finalPath_ = path; }

private:
    bool flushBuffer();

    platform::File file_;
    std::string finalPath_;
    std::string stagedPath_;
    std::string buffer_;
    bool failed_ = false;
    bool committed_ = false;
};

}  // namespace tellmark::exports
