#pragma once
// What every fuzz target shares: the invariant check, a scratch directory for the files a target writes,
// whole-file helpers that take no locks, and the splitting of an input into text lines.
//
// The targets are plain C++ so that the test suite can compile them with any compiler and feed them
// inputs of its own; it defines TELLMARK_FUZZ_REPORT before including a target to collect failed
// invariants instead of aborting.

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <sys/types.h>
#include <unistd.h>

namespace tellmark::fuzzing {

// A broken invariant is a finding: stop with a trace so that libFuzzer keeps the input.
[[noreturn]] inline void failHard(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what);
    std::fflush(stderr);
    std::abort();
}

}  // namespace tellmark::fuzzing

#ifndef TELLMARK_FUZZ_REPORT
#define TELLMARK_FUZZ_REPORT(what) ::tellmark::fuzzing::failHard(what, __FILE__, __LINE__)
#endif

#define FUZZ_CHECK(condition)                          \
    do {                                               \
        if (!(condition)) TELLMARK_FUZZ_REPORT(#condition); \
    } while (false)

namespace tellmark::fuzzing {

// One directory per process, with one subdirectory per target, removed when the process ends normally. A
// crash leaves it behind with the files of the crashing input in it, until a later process finds its
// owner gone and removes it. It lies under $TMPDIR, else in memory (/dev/shm) where there is one: the
// targets write, cut and delete files thousands of times a second, which on a disk file system mounted
// with discard costs milliseconds each time.
class ScratchRoot {
public:
    static ScratchRoot& instance() {
        static ScratchRoot root;
        return root;
    }

    const std::string& dirFor(const std::string& target) {
        auto found = dirs_.find(target);
        if (found != dirs_.end()) return found->second;
        std::string dir = root_ + "/" + target;
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (ec) failHard("scratch directory cannot be made", __FILE__, __LINE__);
        return dirs_.emplace(target, dir).first->second;
    }

    ~ScratchRoot() {
        std::error_code ec;
        if (!root_.empty()) std::filesystem::remove_all(root_, ec);
    }

    ScratchRoot(const ScratchRoot&) = delete;
    ScratchRoot& operator=(const ScratchRoot&) = delete;

private:
    static constexpr std::string_view kPrefix = "tellmark-fuzz-";

    ScratchRoot() {
        const char* tmp = std::getenv("TMPDIR");
        std::string base = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
        if (tmp == nullptr || *tmp == '\0') {
            std::error_code ec;
            if (std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK | X_OK) == 0)
                base = "/dev/shm";
        }
        removeLeftovers(base);
        std::string templ = base + "/" + std::string(kPrefix) + std::to_string(::getpid()) + "-XXXXXX";
        if (::mkdtemp(templ.data()) == nullptr) failHard("mkdtemp failed", __FILE__, __LINE__);
        root_ = templ;
    }

    // Directories "tellmark-fuzz-<pid>-XXXXXX" whose process no longer runs.
    static void removeLeftovers(const std::string& base) {
        std::vector<std::filesystem::path> gone;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(base, ec)) {
            const std::string name = entry.path().filename().string();
            if (name.compare(0, kPrefix.size(), kPrefix) != 0) continue;
            const std::size_t dash = name.find('-', kPrefix.size());
            const std::string pid = name.substr(kPrefix.size(), dash == std::string::npos ? 0 : dash - kPrefix.size());
            if (pid.empty() || pid.size() > 9 || pid.find_first_not_of("0123456789") != std::string::npos) continue;
            if (::kill(static_cast<pid_t>(std::stol(pid)), 0) != 0 && errno == ESRCH) gone.push_back(entry.path());
        }
        for (const auto& path : gone) std::filesystem::remove_all(path, ec);
    }

    std::string root_;
    std::map<std::string, std::string> dirs_;
};

inline const std::string& scratchDir(const std::string& target) { return ScratchRoot::instance().dirFor(target); }

// Plain stream I/O: no share-mode locks, so a file the code under test holds open can still be looked at.
// A file is written anew rather than cut to nothing and rewritten, which some file systems answer by
// writing it through to the disk at once.
inline void writeBytes(const std::string& path, std::string_view bytes) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) failHard("scratch file cannot be written", __FILE__, __LINE__);
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void removeFile(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? std::string_view() : std::string_view(reinterpret_cast<const char*>(data), size);
}

// The input as lines ending in '\n' (a CR before it stays part of the line), at most maxLines of them:
// the text targets try every parser on each line.
inline std::vector<std::string_view> lines(std::string_view text, std::size_t maxLines) {
    std::vector<std::string_view> out;
    while (!text.empty() && out.size() < maxLines) {
        std::size_t end = text.find('\n');
        if (end == std::string_view::npos) end = text.size();
        out.push_back(text.substr(0, end));
        text.remove_prefix(end < text.size() ? end + 1 : end);
    }
    return out;
}

// True when every CR and LF of the text stands in a CR LF pair. The settings files find a key only after
// CR LF but end a value at a lone CR or LF too, and setting a key ends its line with CR LF: on a file with
// lone line ends that can bring a line into view that was hidden behind it. Checks that other keys keep
// their values hold only for files with proper line ends.
inline bool onlyCrLfLineEnds(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
    }
    return true;
}

// True when the section name stands only on lines of its own. Sections are found by plain text search,
// inside a value too; checks that keys of one section keep their values hold only for proper sections.
inline bool sectionOnOwnLines(std::string_view text, std::string_view section) {
    for (std::size_t at = text.find(section); at != std::string_view::npos; at = text.find(section, at + 1)) {
        const std::size_t end = at + section.size();
        if ((at != 0 && text[at - 1] != '\n') || (end != text.size() && text.compare(end, 2, "\r\n") != 0))
            return false;
    }
    return true;
}

// The little-endian 32-bit integer of the index files at byte at.
inline std::int32_t int32At(std::string_view bytes, std::size_t at) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        u |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return static_cast<std::int32_t>(u);
}

// A small number that the input decides without a format of its own: the byte sum of the text.
inline unsigned byteSum(std::string_view text) {
    unsigned sum = 0;
    for (char c : text) sum += static_cast<unsigned char>(c);
    return sum;
}

}  // namespace tellmark::fuzzing
