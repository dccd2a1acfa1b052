#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "platform/file.h"
#include "support/temp_dir.h"

namespace tellmark::platform {
namespace {

using testing::TempDir;

// Runs body in a second process, as a second copy of the program would, and returns its exit code.
int inSecondProcess(const std::function<int()>& body) {
    pid_t pid = ::fork();
    if (pid == 0) ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ProbeFile, PresentMissingAndOther) {
    TempDir dir;
    testing::writeFile(dir.file("B2009001.jou"), "x");
    EXPECT_EQ(probeFile(dir.file("B2009001.jou")), kProbePresent);
    EXPECT_EQ(probeFile(dir.file("B2009001.sal")), kProbeMissing);
    EXPECT_EQ(probeFile(dir.file("BK000001/STAMM001.DAT")), kProbeMissing);
    EXPECT_EQ(probeFile(dir.file("B2009001.jou/x")), kProbeMissing);  // a file where a directory should be
    EXPECT_EQ(probeFile(dir.path()), kProbeOther);
}

// Write protection by file mode does not stop root, under which the tests run; the lock of an open booking
// circle is what a second copy of the program meets, so that is what is tested here.
TEST(ProbeFile, SecondProcessSeesDenyWriteAsLockedUntilClosed) {
    TempDir dir;
    std::string path = dir.file("B2009001.jou");
    testing::writeFile(path, "x");
    File holder;
    ASSERT_TRUE(holder.open(path, Share::DenyWrite));
    EXPECT_EQ(inSecondProcess([&] { return probeFile(path); }), kProbeLocked);
    EXPECT_EQ(probeFile(path), kProbeLocked);  // a second open in the same program meets it too
    holder.close();
    EXPECT_EQ(inSecondProcess([&] { return probeFile(path); }), kProbePresent);

    ASSERT_TRUE(holder.open(path, Share::Shared));
    EXPECT_EQ(inSecondProcess([&] { return probeFile(path); }), kProbePresent);
}

TEST(File, CreateNeverEmptiesAFileAnotherHolderHasOpen) {
    TempDir dir;
    std::string path = dir.file("B2009001.sal");
    testing::writeFile(path, "DATA\r\n");
    {
        File holder;
        ASSERT_TRUE(holder.open(path, Share::DenyWrite));
        EXPECT_EQ(inSecondProcess([&] { return File().create(path) ? 1 : 0; }), 0);
        EXPECT_FALSE(File().create(path));
        EXPECT_FALSE(writeWholeFile(path, "new"));
        EXPECT_EQ(holder.length(), 6);
    }
    EXPECT_EQ(testing::readFile(path), "DATA\r\n");
    EXPECT_TRUE(writeWholeFile(path, "new"));
    EXPECT_EQ(testing::readFile(path), "new");
}

TEST(File, CreatedFileStaysSharedWhileItsWriterHoldsIt) {
    TempDir dir;
    std::string path = dir.file("~print~.tmp");
    File writer;
    ASSERT_TRUE(writer.create(path));
    ASSERT_TRUE(writer.append("Seite 1\r\n", 9));
    ASSERT_TRUE(writer.append("Seite 2\r\n", 9));
    std::string text;
    EXPECT_TRUE(readWholeFile(path, text));
    EXPECT_EQ(text, "Seite 1\r\nSeite 2\r\n");
    EXPECT_EQ(probeFile(path), kProbePresent);
    EXPECT_FALSE(File().open(path, Share::DenyWrite));  // but nobody may deny the writer its writing
}

TEST(File, ReadWriteAtPositionsAndClosedFile) {
    TempDir dir;
    File f;
    EXPECT_FALSE(f.append("x", 1));
    EXPECT_EQ(f.lastError(), EBADF);
    ASSERT_TRUE(f.create(dir.file("a")));
    ASSERT_TRUE(f.writeAt(4, "xy", 2));
    char buf[8];
    EXPECT_EQ(f.readAt(0, buf, sizeof buf), 6);
    EXPECT_EQ(std::string(buf, 6), std::string("\0\0\0\0xy", 6));
    EXPECT_FALSE(f.readExact(5, buf, 2));
    EXPECT_TRUE(f.truncate(5));
    EXPECT_EQ(f.length(), 5);
}

}  // namespace
}  // namespace tellmark::platform
