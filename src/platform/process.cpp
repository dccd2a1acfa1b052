#include "platform/process.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <linux/close_range.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/directory.h"
#include "platform/file.h"
#include "resources/texts_common.h"
#include "resources/texts_platform.h"

namespace tellmark::platform {

namespace {

bool isExecutableFile(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// The path exec will use: names with a slash as they are (relative ones against workingDir, where the
// child runs), bare names from PATH. Empty when there is no such program.
std::string resolveProgram(const std::string& program, const std::string& workingDir) {
    if (program.empty()) return {};
    if (program.find('/') != std::string::npos) {
        std::string path = program[0] != '/' && !workingDir.empty() ? workingDir + "/" + program : program;
        return isExecutableFile(path) ? path : std::string();
    }
    const char* env = std::getenv("PATH");
    std::string_view dirs = env && *env ? env : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        std::size_t colon = dirs.find(':');
        std::string dir(dirs.substr(0, colon));
        std::string path = (dir.empty() ? std::string(".") : dir) + "/" + program;
        if (isExecutableFile(path)) return path;
        if (colon == std::string_view::npos) return {};
        dirs.remove_prefix(colon + 1);
    }
}

// Child side, between fork and exec: only async-signal-safe calls.
[[noreturn]] void reportAndExit(int pipeFd, int error) {
    ssize_t ignored = ::write(pipeFd, &error, sizeof error);
    (void)ignored;
    ::_exit(127);
}

}  // namespace

bool startDetached(const std::string& program, const std::vector<std::string>& args,
                   const std::string& workingDir) {
    std::string path = resolveProgram(program, workingDir);
    if (path.empty()) return false;

    // Everything the child needs is prepared before the fork.
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (devNull < 0) return false;
    // The write end reaches the parent's read only if exec fails: it closes itself on a successful exec.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        ::close(devNull);
        return false;
    }

    pid_t middle = ::fork();
    if (middle == 0) {
        // Middle child: a new session, then a grandchild that init adopts, so there is no zombie to reap.
        ::setsid();
        pid_t child = ::fork();
        if (child < 0) reportAndExit(report[1], errno);
        if (child > 0) ::_exit(0);
        if (!workingDir.empty() && ::chdir(workingDir.c_str()) != 0) reportAndExit(report[1], errno);
        ::dup2(devNull, 0);
        ::dup2(devNull, 1);
        ::dup2(devNull, 2);
        // No inherited descriptor may keep a data file - and its lock - alive in the started program.
        ::syscall(SYS_close_range, 3u, ~0u, CLOSE_RANGE_CLOEXEC);
        ::execv(path.c_str(), argv.data());
        reportAndExit(report[1], errno);
    }
    ::close(report[1]);
    ::close(devNull);
    if (middle < 0) {
        ::close(report[0]);
        return false;
    }
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t n;
    do {
        n = ::read(report[0], &error, sizeof error);
    } while (n < 0 && errno == EINTR);
    ::close(report[0]);
    return n == 0;  // end of pipe without a report: exec succeeded
}

int copyFileDetached(const std::string& source, const std::string& target, ui::Messages& messages) {
    auto fail = [&] {
        messages.show(text::kTextFileNotCreated, text::kCaptionError, ui::kIconStop);
        return 0;
    };
    File in;
    if (!in.openForReading(source)) return fail();
    File out;
    if (!out.create(target)) return fail();
    std::string buffer(64 * 1024, '\0');
    for (std::int64_t pos = 0;;) {
        std::int64_t n = in.readAt(pos, buffer.data(), buffer.size());
        if (n == 0) break;
        if (n < 0 || !out.writeAt(pos, buffer.data(), static_cast<std::size_t>(n))) {
            out.close();
            removeFile(target);
            return fail();
        }
        pos += n;
    }
    return 1;
}

}  // namespace tellmark::platform
