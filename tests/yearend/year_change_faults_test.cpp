// The booking year change under a fault at every write point: the n-th change to a file fails (EIO), is
// torn in two, or the process ends right there. After each trial the old year's files are byte for byte
// what they were, the settings name either the old year or a new year whose files are complete, and the
// circle opens afresh on the year they name.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/fault_points.h"
#include "yearend/year_books.h"
#include "yearend/year_change.h"

namespace tellmark::yearend {
namespace {

using namespace testing;

enum class Fault { FailOnce, Tear, Kill };

Fault g_fault = Fault::FailOnce;
int g_target = 0;
int g_seen = 0;

int faultHook(platform::Change change, const std::string&) {
    if (++g_seen != g_target) return platform::kProceed;
    switch (g_fault) {
    case Fault::FailOnce: return EIO;
    case Fault::Tear: return change == platform::Change::Write ? platform::kTearWrite : EIO;
    case Fault::Kill: _exit(77);
    }
    return platform::kProceed;
}

void arm(Fault fault, int target) {
    g_fault = fault;
    g_target = target;
    g_seen = 0;
    platform::setFaultHook(faultHook);
}

const std::vector<Account> kAccounts = {
    {1000, "KASSE", 150.25, 49.75, 0.00}, {1200, "BANK", 2000.00, -310.00, 0.00},
    {1570, "VORSTEUER", 0.00, 38.00, 0.00}, {1770, "MEHRWERTSTEUER", 0.00, -57.00, 0.00},
    {1890, "EIGENKAPITAL", -5000.00, 0.00, 0.00}, {8400, "ERLOESE", 0.00, -300.00, 0.00},
};

std::string expectedNewYear() {
    return newRecord(1000, "KASSE", 200.00) + newRecord(1200, "BANK", 1690.00) + newRecord(1570, "VORSTEUER", 0.0) +
           newRecord(1770, "MEHRWERTSTEUER", 0.0) + newRecord(1890, "EIGENKAPITAL", -5000.00) +
           newRecord(8400, "ERLOESE", 0.0);
}

// Runs the change with the n-th change failing; true when the fault was never reached.
bool trial(Fault fault, int n) {
    YearBooks books({}, kAccounts);
    std::vector<std::pair<std::string, std::string>> oldYear;
    for (const char* ext : {"sal", "sdx", "jou", "jdx"})
        oldYear.emplace_back(books.file("2009", ext), readFile(books.file("2009", ext)));
    const std::string standard = readFile("BK000001/B001.stn");

    bool reached = true;
    YearChangeEnd end = YearChangeEnd::Closed;
    if (fault == Fault::Kill) {
        // The child opens the circle itself: locks held by the parent would stand in its way.
        books.doc.closeCircle();
        const pid_t child = fork();
        if (child == 0) {
            ui::SilentMessages silent;
            ui::NoProgress progress;
            circles::CVt36Doc doc(silent, progress);
            if (doc.readProgramConfig() != 1 || doc.openCircle(1) != 1) _exit(1);
            arm(fault, n);
            const YearChangeEnd childEnd = changeBookingYear(doc, 2010, {});
            _exit(childEnd == YearChangeEnd::Changed ? 0 : 2);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status)) << "n " << n;
        EXPECT_NE(WEXITSTATUS(status), 1) << "n " << n;
        EXPECT_NE(WEXITSTATUS(status), 2) << "n " << n;  // only a fault ends it otherwise
        reached = WEXITSTATUS(status) != 0;
        books.doc.closeCircle();
    } else {
        arm(fault, n);
        end = changeBookingYear(books.doc, 2010, {});
        reached = g_seen >= n;
        platform::setFaultHook(nullptr);
    }
    const std::string where = "fault " + std::to_string(static_cast<int>(fault)) + " at " + std::to_string(n);

    for (const auto& [path, bytes] : oldYear) EXPECT_EQ(readFile(path), bytes) << where << " " << path;
    EXPECT_EQ(readFile("BK000001/B001.stn"), standard) << where;
    const std::string year = books.yearLine();
    EXPECT_TRUE(year == "Jahr=2009" || year == "Jahr=2010") << where << " " << year;
    const bool newYear = year == "Jahr=2010";
    // A new balance file is never there half made.
    if (newYear || fileExists(books.file("2010", "sal"))) {
        EXPECT_EQ(readFile(books.file("2010", "sal")), expectedNewYear()) << where;
    }
    if (newYear) {
        EXPECT_TRUE(fileExists(books.file("2010", "jou"))) << where;
    }
    if (fault != Fault::Kill) {
        EXPECT_TRUE(books.doc.isOpen()) << where;
        EXPECT_EQ(books.doc.settings().year, newYear ? 2010 : 2009) << where;
        EXPECT_EQ(end == YearChangeEnd::Changed, newYear) << where;
        if (!reached) {
            EXPECT_EQ(end, YearChangeEnd::Changed) << where;
        }
        books.doc.closeCircle();
    }

    ui::RecordingMessages messages;
    ui::NoProgress progress;
    circles::CVt36Doc again(messages, progress);
    EXPECT_EQ(again.readProgramConfig(), 1);
    EXPECT_EQ(again.openCircle(1), 1) << where;
    EXPECT_EQ(again.settings().year, newYear ? 2010 : 2009) << where;
    EXPECT_TRUE(again.health().writable()) << where;
    again.closeCircle();
    if (!newYear) {
        for (const auto& [path, bytes] : oldYear) EXPECT_EQ(readFile(path), bytes) << where << " after opening";
    }
    return !reached;
}

TEST(YearChangeFaults, EveryWritePointLeavesTheOldYearWhole) {
    for (Fault fault : {Fault::FailOnce, Fault::Tear, Fault::Kill}) {
        int n = 1;
        while (!trial(fault, n)) {
            ASSERT_LT(n, 200) << "the change never got through";
            ++n;
        }
        EXPECT_GT(n, 5);  // the balance file, its index, the journal, the rename and the settings were all hit
    }
}

}  // namespace
}  // namespace tellmark::yearend
