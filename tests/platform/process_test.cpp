#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/file.h"
#include "platform/process.h"
#include "support/temp_dir.h"

namespace tellmark::platform {
namespace {

using testing::TempDir;

bool waitForFile(const std::string& path) {
    for (int i = 0; i < 200; ++i) {
        if (testing::fileExists(path)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return false;
}

TEST(StartDetached, ReportsWhatCannotStart) {
    TempDir dir;
    EXPECT_TRUE(startDetached("/bin/true", {}, ""));
    EXPECT_TRUE(startDetached("true", {}, dir.path()));
    EXPECT_FALSE(startDetached("/bin/no-such-program", {}, ""));
    EXPECT_FALSE(startDetached("no-such-program-anywhere", {}, ""));
    EXPECT_FALSE(startDetached("", {}, ""));
    testing::writeFile(dir.file("calltmo.sh"), "#!/bin/sh\n");
    EXPECT_FALSE(startDetached(dir.file("calltmo.sh"), {}, ""));  // not executable
    EXPECT_FALSE(startDetached("/bin/true", {}, dir.file("missing")));
}

TEST(StartDetached, RunsInItsDirectoryWithArgumentsAndWithoutOurLocks) {
    TempDir dir;
    // A descriptor opened without close-on-exec must not reach the started program with its lock.
    std::string journal = dir.file("B2009001.jou");
    int fd = ::open(journal.c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);

    ASSERT_TRUE(startDetached("sh", {"-c", "echo \"$1\" > uebergabe.txt; sleep 2", "sh", "001-0901.u09"},
                              dir.path()));
    ASSERT_TRUE(waitForFile(dir.file("uebergabe.txt")));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(testing::readFile(dir.file("uebergabe.txt")), "001-0901.u09\n");

    ::close(fd);
    EXPECT_EQ(probeFile(journal), kProbePresent);  // while the started program still runs
}

TEST(CopyFileDetached, CopiesOrReports) {
    TempDir dir;
    std::string source = dir.file("gdpdu-01-08-2002.dtd");
    std::string data(200000, '\0');
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7);
    testing::writeFile(source, data);
    testing::writeFile(dir.file("old.dtd"), std::string(300000, 'x'));
    ui::RecordingMessages messages;
    EXPECT_EQ(copyFileDetached(source, dir.file("old.dtd"), messages), 1);
    EXPECT_EQ(testing::readFile(dir.file("old.dtd")), data);
    ::chmod(source.c_str(), 0444);
    EXPECT_EQ(copyFileDetached(source, dir.file("copy.dtd"), messages), 1);
    EXPECT_EQ(testing::readFile(dir.file("copy.dtd")), data);
    EXPECT_TRUE(messages.empty());

    EXPECT_EQ(copyFileDetached(dir.file("missing.dtd"), dir.file("x.dtd"), messages), 0);
    EXPECT_FALSE(testing::fileExists(dir.file("x.dtd")));
    EXPECT_EQ(copyFileDetached(source, dir.file("GDPdU/2009/x.dtd"), messages), 0);
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.last().text, "Die Textdatei konnte nicht ge\xF6" "ffnet \nbzw. angelegt werden !");
    EXPECT_EQ(messages.last().caption, "FEHLER");
    EXPECT_EQ(messages.last().icon, ui::kIconStop);
}

}  // namespace
}  // namespace tellmark::platform
