#pragma once
// Lines of a file descriptor (standard input), read in large blocks, with a way to ask whether more
// input is there already: a batch is committed when its producer pauses, not only when it is full.

#include <string>

namespace tellmark::cli {

class LineInput {
public:
    explicit LineInput(int fd) : fd_(fd) {}
    // The next line without its line end ("\n" or "\r\n"); false at the end of the input or on an error.
    bool next(std::string& line);
    // Whether a further line can be had without waiting.
    bool moreReady();
    bool failed() const { return failed_; }

private:
    bool fill();

    int fd_;
    std::string buffer_;
    std::size_t at_ = 0;
    bool ended_ = false;
    bool failed_ = false;
};

}  // namespace tellmark::cli
