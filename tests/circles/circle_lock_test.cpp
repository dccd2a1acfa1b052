// The chart check of a circle's settings and the lock that keeps other copies out while they change.

#include "circles/circle_lock.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "circles/circle_settings_file.h"
#include "platform/file.h"
#include "support/temp_dir.h"
#include "ui/messages.h"

namespace tellmark::circles {
namespace {

using testing::TempDir;
using testing::writeFile;

struct ReadChart {
    bool valid;
    std::size_t messages;
    std::string text;
};

ReadChart readChart(const std::string& line) {
    TempDir tmp;
    const std::string path = tmp.file("STAMM001.DAT");
    writeFile(path, "[BUCHUNGSKREIS]\r\nName=X\r\n" + line + "Jahr=2009\r\n");
    ui::RecordingMessages messages;
    CIniBK ini(messages);
    ini.setPath(path);
    EXPECT_EQ(ini.open(), 1);
    ini.readSettings();
    ini.close();
    const bool valid = ini.verifyChart() == 1;
    EXPECT_EQ(valid, ini.chartValid());
    return {valid, messages.entries.size(),
            messages.entries.empty() ? std::string() : messages.entries[0].text.substr(0, 41)};
}

TEST(CircleChart, OnlyTheChartsOfTheProgramAreValid) {
    for (const char* ok : {"Kontenrahmen=03\r\n", "Kontenrahmen=3\r\n", "Kontenrahmen=04\r\n",
                           "Kontenrahmen= 4 \r\n", "Kontenrahmen=\r\n", ""}) {
        ReadChart r = readChart(ok);
        EXPECT_TRUE(r.valid) << ok;
        EXPECT_EQ(r.messages, 0u) << ok;
    }
    for (const char* bad : {"Kontenrahmen=99\r\n", "Kontenrahmen=0\r\n", "Kontenrahmen=4x\r\n",
                            "Kontenrahmen=004\r\n"}) {
        ReadChart r = readChart(bad);
        EXPECT_FALSE(r.valid) << bad;
        EXPECT_EQ(r.messages, 1u) << bad;
    }
    EXPECT_EQ(readChart("Kontenrahmen=99\r\n").text, "Ung\xFCltiger Kontenrahmen '99' in der Datei");
}

class CircleLockTest : public ::testing::Test {
protected:
    TempDir tmp;
    CircleSettings settings;
    std::string balance, journal;
    void SetUp() override {
        settings.chart = 3;
        settings.year = 2009;
        std::filesystem::create_directories(tmp.file("BK000001"));
        balance = tmp.file("BK000001/B2009001.sal");
        journal = tmp.file("BK000001/B2009001.jou");
        writeFile(balance, "");
        writeFile(journal, "");
    }
};

TEST_F(CircleLockTest, HoldsBothFilesUntilReleased) {
    CircleLock lock;
    ASSERT_EQ(lock.acquire(tmp.path(), 1, settings), 1);
    EXPECT_EQ(platform::probeFile(balance), platform::kProbeLocked);
    EXPECT_EQ(platform::probeFile(journal), platform::kProbeLocked);
    // The same files once more, as a change that keeps year and chart adds them.
    EXPECT_EQ(lock.add(tmp.path(), 1, settings), 1);
    lock.release();
    EXPECT_EQ(platform::probeFile(balance), platform::kProbePresent);
}

TEST_F(CircleLockTest, ACircleHeldElsewhereIsReportedAndNothingStaysHeld) {
    platform::File other;
    ASSERT_TRUE(other.open(journal, platform::Share::DenyWrite));
    CircleLock lock;
    EXPECT_EQ(lock.acquire(tmp.path(), 1, settings), platform::kProbeLocked);
    other.close();
    EXPECT_EQ(platform::probeFile(balance), platform::kProbePresent);
}

TEST_F(CircleLockTest, FilesOfAYearNotBegunAreNoObstacle) {
    CircleLock lock;
    CircleSettings next = settings;
    next.year = 2010;
    ASSERT_EQ(lock.acquire(tmp.path(), 1, settings), 1);
    EXPECT_EQ(lock.add(tmp.path(), 1, next), 1);
    EXPECT_FALSE(std::filesystem::exists(tmp.file("BK000001/B2010001.sal")));
}

}  // namespace
}  // namespace tellmark::circles
