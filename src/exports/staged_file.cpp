#include "exports/staged_file.h"

#include "platform/directory.h"

namespace tellmark::exports {

namespace {
constexpr std::size_t kBufferSize = 1 << 20;
}

StagedFile::~StagedFile() { discard(); }

bool StagedFile::create(const std::string& finalPath) {
    finalPath_ = finalPath;
    stagedPath_ = platform::replacementName(finalPath);
    buffer_.clear();
    buffer_.reserve(kBufferSize);
    failed_ = !file_.create(stagedPath_);
    committed_ = false;
    return !failed_;
}

bool StagedFile::flushBuffer() {
    if (failed_ || !file_.isOpen()) return false;
    if (!buffer_.empty() && !file_.append(buffer_.data(), buffer_.size())) failed_ = true;
    buffer_.clear();
    return !failed_;
}

bool StagedFile::append(std::string_view text) {
    if (failed_) return false;
    buffer_.append(text);
    return buffer_.size() < kBufferSize || flushBuffer();
}

bool StagedFile::finish() { return flushBuffer() && file_.flush(); }

bool StagedFile::commit() {
    if (failed_ || !file_.isOpen()) return false;
    if (!file_.renameTo(finalPath_)) {
        // Renamed, but the directory could not be synced: the file must not stay there either.
        if (file_.path() == finalPath_) {
            file_.close();
            platform::removeFile(finalPath_);
            stagedPath_.clear();
        }
        failed_ = true;
        return false;
    }
    file_.close();
    committed_ = true;
    return true;
}

void StagedFile::withdraw() {
    if (!committed_) return;
    platform::removeFile(finalPath_);
    committed_ = false;
    stagedPath_.clear();
}

void StagedFile::discard() {
    if (committed_ || stagedPath_.empty()) return;
    const bool created = file_.isOpen() || platform::fileExists(stagedPath_);
    file_.close();
    if (created) platform::removeFile(stagedPath_);
    stagedPath_.clear();
}

}  // namespace tellmark::exports
