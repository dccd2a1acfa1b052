#include "cli/line_input.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace tellmark::cli {

namespace {
constexpr std::size_t kReadBlock = 1 << 16;
}

bool LineInput::fill() {
    if (ended_) return false;
    if (at_ > 0) {
        buffer_.erase(0, at_);
        at_ = 0;
    }
    const std::size_t had = buffer_.size();
    buffer_.resize(had + kReadBlock);
    ssize_t got;
    do {
        got = ::read(fd_, buffer_.data() + had, kReadBlock);
    } while (got < 0 && errno == EINTR);
    buffer_.resize(had + static_cast<std::size_t>(got > 0 ? got : 0));
    if (got <= 0) {
        ended_ = true;
        failed_ = got < 0;
        return false;
    }
    return true;
}

bool LineInput::next(std::string& line) {
    for (;;) {
        const std::size_t end = buffer_.find('\n', at_);
        if (end != std::string::npos) {
            line.assign(buffer_, at_, end - at_);
            at_ = end + 1;
            break;
        }
        if (!fill()) {
            if (at_ >= buffer_.size()) return false;
            line.assign(buffer_, at_, std::string::npos);  // a last line without its line end
            at_ = buffer_.size();
            break;
        }
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

bool LineInput::moreReady() {
    if (buffer_.find('\n', at_) != std::string::npos) return true;
    if (ended_) return at_ < buffer_.size();
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

}  // namespace tellmark::cli
