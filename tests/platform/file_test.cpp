#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "platform/fault_points.h"
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

// What is kept in memory is what the disk holds after every write the program makes, and a write that
// fails gives the reading back to the disk (which then holds whatever the failure left).
TEST(File, KeptContentFollowsEveryWriteAndIsDroppedWhenOneFails) {
    TempDir dir;
    File f;
    ASSERT_TRUE(f.create(dir.file("a")));
    ASSERT_TRUE(f.writeAt(0, "abcdef", 6));
    ASSERT_TRUE(f.keep(File::Kept::Content));
    ASSERT_TRUE(f.writeAt(4, "XYZ", 3));   // over the end
    ASSERT_TRUE(f.truncate(6));
    ASSERT_TRUE(f.writeAt(8, "!", 1));     // a hole, as the disk fills it
    EXPECT_EQ(f.length(), 9);
    char kept[16] = {};
    EXPECT_EQ(f.readAt(0, kept, sizeof kept), 9);
    EXPECT_EQ(std::string(kept, 9), std::string("abcdXY\0\0!", 9));
    EXPECT_EQ(testing::readFile(dir.file("a")), std::string(kept, 9));
    EXPECT_EQ(f.readAt(20, kept, 4), 0);

    setFaultHook([](Change, const std::string&) { return kTearWrite; });
    EXPECT_FALSE(f.writeAt(0, "1234", 4));
    setFaultHook(nullptr);
    EXPECT_EQ(f.kept(), File::Kept::Nothing);
    char read[16] = {};
    EXPECT_EQ(f.readAt(0, read, sizeof read), 9);
    EXPECT_EQ(std::string(read, 9), testing::readFile(dir.file("a")));
    EXPECT_EQ(std::string(read, 2), "12");  // the half that reached the file

    ASSERT_TRUE(f.keep(File::Kept::Length));
    ASSERT_TRUE(f.writeAt(9, "++", 2));
    EXPECT_EQ(f.length(), 11);
    EXPECT_EQ(f.readAt(9, read, 2), 2);  // the content still comes from the disk
    File moved(std::move(f));
    EXPECT_EQ(moved.kept(), File::Kept::Length);
    EXPECT_EQ(moved.length(), 11);
}

}  // namespace
}  // namespace tellmark::platform
