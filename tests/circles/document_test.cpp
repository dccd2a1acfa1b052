// Opening a booking circle: main-file state, creating missing ledger files, locks and chart take-over.

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/wait.h>
#include <unistd.h>

#include "circles/chart_copy.h"
#include "circles/circle_fields.h"
#include "circles/document.h"
#include "platform/fault_points.h"
#include "platform/file.h"
#include "support/temp_dir.h"
#include "ui/progress.h"

namespace tellmark::testing {
namespace {

using circles::CVt36Doc;
using circles::MissingLedger;

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() : cd(dir.path()) {}

    void createCircle(int number, const std::string& name, const std::string& year, const std::string& chart = "03") {
        circles::CircleCreateFields fields;
        fields.name = name;
        fields.year = year;
        fields.chart = chart;
        ASSERT_EQ(circles::createCircleSettings("", number, fields, messages), 1);
    }

    TempDir dir;
    ChangeDir cd;
    ui::RecordingMessages messages;
    ui::NoProgress progress;
};

TEST(MainFileState, DecidesFromTheFourProbes) {
    using circles::mainFileState;
    EXPECT_EQ(mainFileState(1, 1, 1, 1), 1);
    EXPECT_EQ(mainFileState(1, 1, 2, 1), 0);  // a missing index is rebuilt later
    EXPECT_EQ(mainFileState(1, 1, 4, 2), 4);
    EXPECT_EQ(mainFileState(2, 1, 1, 1), 2);
    EXPECT_EQ(mainFileState(1, 2, 4, 4), 2);  // missing wins over locked index files
    EXPECT_EQ(mainFileState(4, 0, 1, 1), 4);
    EXPECT_EQ(mainFileState(0, 1, 1, 1), 0);
}

TEST_F(DocumentTest, MissingLedgerFilesAreCreatedOnlyWhenAsked) {
    createCircle(1, "Test", "2009");
    CVt36Doc doc(messages, progress);
    ASSERT_EQ(doc.readProgramConfig(), 1);
    EXPECT_EQ(doc.openCircle(1), circles::kOpenLedgerMissing);
    EXPECT_FALSE(doc.isOpen());
    EXPECT_FALSE(fileExists("BK000001/B2009001.sal"));
    EXPECT_FALSE(fileExists("BK000001/B2009001.jou"));

    ASSERT_EQ(doc.openCircle(1, MissingLedger::CreateNew), 1);
    EXPECT_TRUE(doc.isOpen());
    EXPECT_EQ(doc.title(), "Nr: 1 - Test - 2009");
    EXPECT_EQ(doc.journal().count(), 0);
    EXPECT_EQ(doc.accountIndex().count(), 2);  // the two VAT accounts, in file and index
    EXPECT_EQ(doc.reportDefaults().firstAccount, "01570");
    EXPECT_EQ(doc.reportDefaults().lastAccount, "01770");
    doc.closeCircle();

    std::string balance = readFile("BK000001/B2009001.sal");
    ASSERT_EQ(balance.size(), 2u * 202);
    EXPECT_EQ(balance.substr(0, 31), " 1570VORSTEUER                 ");
    EXPECT_EQ(balance.substr(202, 31), " 1770MEHRWERTSTEUER            ");
    EXPECT_EQ(readFile("BK000001/B2009001.jdx").size(), 112u);
    EXPECT_TRUE(fileExists("BK000001/B2009001.sdx"));
    EXPECT_EQ(readFile("BK000001/B001.stn"), "");
    EXPECT_TRUE(messages.empty());

    // A second open finds everything in place.
    ASSERT_EQ(doc.openCircle(1), 1);
    EXPECT_EQ(doc.accountIndex().count(), 2);
}

// One of the two ledger files lost: nothing is set up anew in its place, whatever the caller asks for.
TEST_F(DocumentTest, ALostJournalOrBalanceFileIsNamedAndNeverReplacedByAnEmptyOne) {
    createCircle(1, "Test", "2009");
    {
        CVt36Doc doc(messages, progress);
        ASSERT_EQ(doc.readProgramConfig(), 1);
        ASSERT_EQ(doc.openCircle(1, MissingLedger::CreateNew), 1);
    }
    const std::string balance = readFile("BK000001/B2009001.sal");
    for (const char* lost : {"BK000001/B2009001.jou", "BK000001/B2009001.sal"}) {
        SCOPED_TRACE(lost);
        writeFile("BK000001/B2009001.sal", balance);
        writeFile("BK000001/B2009001.jou", "");
        ASSERT_EQ(std::remove(lost), 0);
        messages.entries.clear();
        CVt36Doc doc(messages, progress);
        ASSERT_EQ(doc.readProgramConfig(), 1);
        for (MissingLedger missing : {MissingLedger::CreateNew, MissingLedger::TakeOver})
            EXPECT_EQ(doc.openCircle(1, missing, 2), circles::kOpenLedgerMissing);
        EXPECT_FALSE(doc.isOpen());
        EXPECT_FALSE(fileExists(lost));
        ASSERT_EQ(messages.entries.size(), 2u);
        const std::string named = std::string(lost).ends_with(".jou") ? "Die Journaldatei des Buchungsjahres fehlt:\n"
                                                                       : "Die Saldendatei des Buchungsjahres fehlt:\n";
        EXPECT_EQ(messages.entries[0].text.substr(0, named.size()), named);
        EXPECT_EQ(messages.entries[0].caption, "FEHLER");
    }
}

TEST_F(DocumentTest, ACircleOpenElsewhereIsReportedAsLockedAndNotOpened) {
    createCircle(2, "Muster GmbH", "0809");
    {
        CVt36Doc first(messages, progress);
        ASSERT_EQ(first.readProgramConfig(), 1);
        ASSERT_EQ(first.openCircle(2, MissingLedger::CreateNew), 1);
        EXPECT_EQ(first.title(), "Nr: 2 - Muster GmbH - 01.08-12.09");

        pid_t child = fork();
        if (child == 0) {
            ui::RecordingMessages childMessages;
            CVt36Doc second(childMessages, progress);
            second.readProgramConfig();
            int result = second.openCircle(2, MissingLedger::CreateNew);
            bool told = !childMessages.empty() &&
                        childMessages.last().text.rfind("Der gew\xE4hlte Buchungskreis wird schon bearbeitet", 0) == 0;
            _exit(result == circles::kOpenLocked && told && !second.isOpen() ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    // Closed by the first holder, the circle opens again.
    CVt36Doc again(messages, progress);
    again.readProgramConfig();
    EXPECT_EQ(again.openCircle(2), 1);
}

TEST_F(DocumentTest, TakingOverTheChartOfAnotherCircle) {
    createCircle(1, "Quelle", "2009");
    createCircle(2, "Ziel", "2010");
    createCircle(3, "Anderer Rahmen", "2010", "04");
    {
        CVt36Doc source(messages, progress);
        source.readProgramConfig();
        ASSERT_EQ(source.openCircle(1, MissingLedger::CreateNew), 1);
        ledger::CSalden& c = source.debitCursor();
        ASSERT_EQ(c.createAccount(" 1200", "BANK", 500.0), 1);
        ASSERT_EQ(c.createAccount(" 8400", "ERLOESE 19%", 0.0), 1);
    }
    CVt36Doc doc(messages, progress);
    doc.readProgramConfig();
    EXPECT_EQ(doc.openCircle(3, MissingLedger::TakeOver, 1), 0);
    EXPECT_EQ(messages.last().text, "Der gew\xE4hlte Buchungskreis hat einen \nanderen Kontenrahmen.");
    EXPECT_FALSE(fileExists("BK000003/A2010003.sal"));

    ASSERT_EQ(doc.openCircle(2, MissingLedger::TakeOver, 1), 1);
    std::string balance = readFile("BK000002/B2010002.sal");
    ASSERT_EQ(balance.size(), 4u * 202);
    // Copied with number and name; every opening balance starts at 0.00.
    EXPECT_EQ(balance.substr(404, 43), " 1200BANK                              0.00");
    EXPECT_EQ(doc.accountIndex().count(), 4);
}

// The copied chart is written beside its place and renamed in: a failing rename leaves neither a half
// balance file nor the one beside it, and a balance file that holds accounts is never written over.
std::string g_failRenameTo;
int failRename(platform::Change change, const std::string& path) {
    return change == platform::Change::Rename && path == g_failRenameTo ? EIO : platform::kProceed;
}

TEST_F(DocumentTest, AChartCopyIsRenamedInWholeAndNeverWritesOverAccounts) {
    createCircle(1, "Quelle", "2009");
    createCircle(2, "Ziel", "2010");
    {
        CVt36Doc source(messages, progress);
        source.readProgramConfig();
        ASSERT_EQ(source.openCircle(1, MissingLedger::CreateNew), 1);
        ASSERT_EQ(source.debitCursor().createAccount(" 1200", "BANK", 500.0), 1);
    }
    circles::ChartCopyRequest request;
    request.sourceNumber = 1;
    request.sourceYear = 2009;
    request.targetNumber = 2;
    request.targetYear = 2010;
    request.takeBalances = true;
    g_failRenameTo = "BK000002/B2010002.sal";
    platform::setFaultHook(failRename);
    EXPECT_EQ(circles::copyChartOfAccounts(request, messages, progress), 0);
    platform::setFaultHook(nullptr);
    EXPECT_FALSE(fileExists("BK000002/B2010002.sal"));
    EXPECT_FALSE(fileExists(platform::replacementName("BK000002/B2010002.sal")));

    ASSERT_EQ(circles::copyChartOfAccounts(request, messages, progress), 1);
    const std::string copied = readFile("BK000002/B2010002.sal");
    ASSERT_EQ(copied.size(), 3u * 202);
    EXPECT_EQ(copied.substr(404, 43), " 1200BANK                            500.00");
    messages.entries.clear();
    EXPECT_EQ(circles::copyChartOfAccounts(request, messages, progress), 0);
    EXPECT_EQ(readFile("BK000002/B2010002.sal"), copied);
    ASSERT_EQ(messages.entries.size(), 1u);
}

}  // namespace
}  // namespace tellmark::testing
