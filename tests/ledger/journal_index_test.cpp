#include "ledger/journal_index.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "journal_test_helpers.h"
#include "ledger/journal.h"
#include "platform/file.h"
#include "resources/texts_common.h"
#include "resources/texts_ledger_journal.h"
#include "ui/recording_progress.h"

namespace tellmark::ledger {
namespace {

using journal_testing::booking;
using journal_testing::OpenJournal;
using testing::readFile;
using testing::writeFile;

// A journal with its index, as the open booking circle holds them.
struct IndexedJournal : OpenJournal {
    std::string indexPath = dir.file("B2009001.jdx");
    ui::RecordingProgress progress;
    CJIndex index{messages, progress};

    // Posts like the posting engine: record first, then the month's range, written when it changed.
    void post(const std::string& date) {
        long i = journal.count();
        journal.writeBooking(i, booking(date, "", " 1000", " 8400", "x", 1.0, 0.0));
        if (index.noteBooking(i, std::stoi(date.substr(3)))) index.write();
    }
    std::string fileImage() const { return readFile(indexPath); }
    std::string memoryImage() const {
        auto bytes = index.image();
        return std::string(bytes.data(), bytes.size());
    }
};

// The file layout written out by hand: tag, then pairs of little-endian 32-bit numbers.
std::string indexBytes(std::initializer_list<std::array<int, 3>> months) {
    std::string bytes(112, '\0');
    bytes.replace(0, 7, "W001001");
    for (const auto& [month, first, last] : months) {
        for (int k = 0; k < 4; ++k) {
            bytes[8 * month + k] = static_cast<char>((first >> (8 * k)) & 0xFF);
            bytes[8 * month + 4 + k] = static_cast<char>((last >> (8 * k)) & 0xFF);
        }
    }
    return bytes;
}

TEST(JournalIndexTest, BuiltFromTheJournalWithMonthRanges) {
    IndexedJournal j;
    for (const char* date : {"02.01", "15.01", "31.01", "01.02", "28.02", "15.13"})
        j.append(booking(date, "", " 1000", " 8400", "x", 1.0, 0.0));
    j.index.attach(j.indexPath, j.journal);
    ASSERT_EQ(j.index.open(), 1);

    EXPECT_EQ(j.fileImage(), indexBytes({{1, 1, 3}, {2, 4, 5}, {13, 6, 6}}));
    BookingRange both = j.index.rangeOfMonths(1, 2);
    EXPECT_EQ(both.first, 1);  // one before booking 1 is still booking 1
    EXPECT_EQ(both.last, 5);
    BookingRange february = j.index.rangeOfMonths(2, 2);
    EXPECT_EQ(february.first, 3);
    EXPECT_EQ(february.last, 5);
    BookingRange closing = j.index.rangeOfMonths(13, 13);
    EXPECT_EQ(closing.first, 5);
    EXPECT_EQ(closing.last, 6);

    // A January booking entered late widens January.
    EXPECT_TRUE(j.index.noteBooking(6, 1));
    EXPECT_FALSE(j.index.noteBooking(4, 1));  // already inside
    EXPECT_EQ(j.index.first(1), 1);
    EXPECT_EQ(j.index.last(1), 7);
}

TEST(JournalIndexTest, RemovalNarrowsTheNumbersButNeverBelowOne) {
    IndexedJournal j;
    j.index.attach(j.indexPath, j.journal);
    ASSERT_EQ(j.index.open(), 1);
    for (const char* date : {"02.01", "15.01", "31.01", "01.02", "28.02", "03.01"}) j.post(date);
    EXPECT_EQ(j.fileImage(), indexBytes({{1, 1, 6}, {2, 4, 5}}));

    EXPECT_TRUE(j.index.noteRemoval(2));
    EXPECT_EQ(j.index.first(1), 1);
    EXPECT_EQ(j.index.last(1), 5);
    EXPECT_EQ(j.index.first(2), 3);
    EXPECT_EQ(j.index.last(2), 4);
    EXPECT_FALSE(j.index.noteRemoval(9));  // behind every range

    IndexedJournal single;
    single.index.attach(single.indexPath, single.journal);
    ASSERT_EQ(single.index.open(), 1);
    single.post("02.01");
    EXPECT_FALSE(single.index.noteRemoval(1));
    EXPECT_EQ(single.index.first(1), 1);
}

TEST(JournalIndexTest, EmptyJournalGivesAnEmptyRange) {
    IndexedJournal j;
    j.index.attach(j.indexPath, j.journal);
    ASSERT_EQ(j.index.open(), 1);
    EXPECT_EQ(j.fileImage(), indexBytes({}));
    BookingRange r = j.index.rangeOfMonths(1, 13);
    EXPECT_EQ(r.first, 65534);
    EXPECT_EQ(r.last, 1);
    EXPECT_TRUE(j.messages.empty());
}

TEST(JournalIndexTest, RangesFarIntoALargeJournalStartAtTheirFirstBooking) {
    IndexedJournal j;
    j.index.attach(j.indexPath, j.journal);
    ASSERT_EQ(j.index.open(), 1);
    j.index.noteBooking(99999, 12);
    j.index.noteBooking(250000, 12);
    BookingRange december = j.index.rangeOfMonths(12, 12);
    EXPECT_EQ(december.first, 99999);
    EXPECT_EQ(december.last, 250001);
}

TEST(JournalIndexTest, BusinessMonthsRunOverTheCalendarYearEnd) {
    IndexedJournal j;
    j.index.attach(j.indexPath, j.journal);
    ASSERT_EQ(j.index.open(), 1);
    j.index.noteBooking(0, 9);   // September: outside October..March
    j.index.noteBooking(10, 10);
    j.index.noteBooking(12, 1);
    j.index.noteBooking(13, 3);
    j.index.noteBooking(19, 4);  // April: outside
    j.index.noteBooking(30, 13);

    // Business year from July: October to March covers 10, 11, 12, 1, 2, 3.
    BookingRange r = j.index.rangeOfBusinessMonths(10, 3, 7, 1);
    EXPECT_EQ(r.first, 10);
    EXPECT_EQ(r.last, 14);
    // The calendar order of the same months holds nothing.
    EXPECT_EQ(j.index.rangeOfMonths(10, 3).first, 65534);
    // The thirteenth month follows the business year's last month.
    r = j.index.rangeOfBusinessMonths(4, 13, 7, 1);
    EXPECT_EQ(r.first, 19);
    EXPECT_EQ(r.last, 31);
    // In a calendar year the business months are the calendar months.
    r = j.index.rangeOfBusinessMonths(3, 4, 1, 0);
    EXPECT_EQ(r.first, 13);
    EXPECT_EQ(r.last, 20);
}

TEST(JournalIndexTest, MissingForeignOrDamagedFilesAreRebuiltFromTheJournal) {
    IndexedJournal j;
    j.index.attach(j.indexPath, j.journal);
    ASSERT_EQ(j.index.open(), 1);
    const char* dates[] = {"05.03", "01.01", "30.04", "15.13", "07.03", "xx.yy", "12.12", "02.01"};
    for (int round = 0; round < 40; ++round)
        for (const char* d : dates) {
            long i = j.journal.count();
            j.journal.writeBooking(i, booking(d, "", " 1000", " 8400", "x", 1.0, 0.0));
            int month = std::atoi(d + 3);
            if (month >= 1 && j.index.noteBooking(i, month)) j.index.write();
        }
    const std::string incremental = j.fileImage();
    ASSERT_EQ(incremental.size(), 112u);
    EXPECT_EQ(incremental, j.memoryImage());

    auto reopenedImage = [&j] {
        CJIndex fresh(j.messages, j.progress);
        fresh.attach(j.indexPath, j.journal);
        EXPECT_EQ(fresh.open(), 1);
        auto bytes = fresh.image();
        std::string memory(bytes.data(), bytes.size());
        fresh.close();
        EXPECT_EQ(readFile(j.indexPath), memory);
        return memory;
    };
    j.index.close();

    std::remove(j.indexPath.c_str());
    EXPECT_EQ(reopenedImage(), incremental);

    std::string foreign = incremental;
    foreign.replace(0, 7, "W002001");
    writeFile(j.indexPath, foreign);
    EXPECT_EQ(reopenedImage(), incremental);

    writeFile(j.indexPath, incremental.substr(0, 50));
    EXPECT_EQ(reopenedImage(), incremental);

    std::string crossed = indexBytes({{1, 9, 3}});  // a range whose first lies behind its last
    writeFile(j.indexPath, crossed);
    EXPECT_EQ(reopenedImage(), incremental);

    // One left behind by an interrupted posting misses the newest bookings, one from a longer journal
    // points past its end: both are rebuilt.
    writeFile(j.indexPath, indexBytes({{5, 2, 319}}));
    EXPECT_EQ(reopenedImage(), incremental);
    writeFile(j.indexPath, indexBytes({{5, 2, 321}}));
    EXPECT_EQ(reopenedImage(), incremental);

    // A sound file of our version that reaches the last booking is taken as it is, not rebuilt.
    std::string own = indexBytes({{5, 2, 320}});
    writeFile(j.indexPath, own);
    EXPECT_EQ(reopenedImage(), own);

    // Rebuilding deletes whatever the file held.
    CJIndex again(j.messages, j.progress);
    again.attach(j.indexPath, j.journal);
    ASSERT_EQ(again.rebuild(), 1);
    EXPECT_EQ(readFile(j.indexPath), incremental);
    EXPECT_TRUE(j.messages.empty());
}

TEST(JournalIndexTest, BuildingShowsItsProgress) {
    IndexedJournal j;
    for (int k = 0; k < 250; ++k) j.append(booking("02.01", "", " 1000", " 8400", "x", 1.0, 0.0));
    j.index.attach(j.indexPath, j.journal);
    ASSERT_EQ(j.index.open(), 1);
    ASSERT_EQ(j.progress.phases.size(), 1u);
    const auto& phase = j.progress.phases[0];
    EXPECT_EQ(phase.caption, text::kJournalIndexProgressCaption);
    EXPECT_EQ(phase.firstLine, "");
    EXPECT_EQ(phase.secondLine, text::kJournalIndexProgressLine);
    EXPECT_EQ(phase.barLabel, text::kJournalIndexProgressLabel);
    EXPECT_EQ(phase.total, 250 * 64 / 6400 + 1);
    EXPECT_EQ(phase.mode, ui::kBarStayFull);
    EXPECT_EQ(phase.steps, 2);  // after booking 100 and booking 200
    EXPECT_EQ(j.progress.ends, 1);

    // An index read from its file needs no progress.
    CJIndex second(j.messages, j.progress);
    j.index.close();
    second.attach(j.indexPath, j.journal);
    ASSERT_EQ(second.open(), 1);
    EXPECT_EQ(j.progress.phases.size(), 1u);
    EXPECT_EQ(second.first(1), 1);
    EXPECT_EQ(second.last(1), 250);
}

TEST(JournalIndexTest, FileProblemsAreReported) {
    IndexedJournal j;
    j.append(booking("02.01", "", " 1000", " 8400", "x", 1.0, 0.0));

    // Held by another copy of the program: not ready, nothing rebuilt behind its back.
    writeFile(j.indexPath, indexBytes({{1, 1, 1}}));
    platform::File other;
    ASSERT_TRUE(other.open(j.indexPath, platform::Share::DenyWrite));
    j.index.attach(j.indexPath, j.journal);
    EXPECT_EQ(j.index.open(), 0);
    other.close();

    // A directory that does not exist: the file cannot be created.
    j.index.attach(j.dir.file("fehlt/B2009001.jdx"), j.journal);
    EXPECT_EQ(j.index.open(), 0);
    ASSERT_FALSE(j.messages.empty());
    EXPECT_EQ(j.messages.last().text, text::kJournalIndexCreateFailed);
    EXPECT_EQ(j.messages.last().caption, text::kCaptionError);
    // The ranges are known all the same, for this session.
    EXPECT_EQ(j.index.last(1), 1);
}

}  // namespace
}  // namespace tellmark::ledger
