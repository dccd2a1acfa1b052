#include "posting/journal_sort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "posting/open_books.h"
#include "posting/posting_engine.h"
#include "resources/texts_ledger_journal.h"
#include "resources/texts_posting.h"

namespace tellmark::posting {
namespace {

using testing::line;
using testing::OpenBooks;

std::vector<std::string> datesOf(const std::string& journal) {
    std::vector<std::string> dates;
    for (std::size_t at = 0; at + 64 <= journal.size(); at += 64) dates.push_back(journal.substr(at, 5));
    return dates;
}

void post(OpenBooks& b, const std::string& date, const std::string& text) {
    ASSERT_EQ(postNewLine(b.books, line(date, "", " 1200", " 8400", text, 119.0, 19.0)), 1);
}

struct Sorted : ::testing::Test {
    void SetUp() override {
        b.addAccount(1200, "BANK");
        b.addAccount(8400, "ERLOESE");
        post(b, "05.03", "erste");
        post(b, "01.03", "zweite");
        post(b, "20.01", "dritte");
        post(b, "05.03", "vierte");
    }
    OpenBooks b;
};

TEST_F(Sorted, ByMonthsStableByDayAndMonthAndBalancesUnchanged) {
    const std::string journal = b.jou();
    const std::string balances = b.sal();
    ASSERT_EQ(sortJournal(b.books, SortOrder::Months), SortOutcome::Sorted);
    EXPECT_EQ(datesOf(b.jou()), (std::vector<std::string>{"20.01", "05.03", "01.03", "05.03"}));
    // The backup holds the journal as it was; the balances are byte for byte what they were.
    EXPECT_EQ(tellmark::testing::readFile(journalSortFileName(b.jouPath, "bak")), journal);
    EXPECT_EQ(b.sal(), balances);

    ASSERT_EQ(sortJournal(b.books, SortOrder::DaysAndMonths), SortOutcome::Sorted);
    const std::string sorted = b.jou();
    EXPECT_EQ(datesOf(sorted), (std::vector<std::string>{"20.01", "01.03", "05.03", "05.03"}));
    // Equal dates keep their order: "erste" before "vierte".
    EXPECT_LT(sorted.find("erste"), sorted.find("vierte"));
    EXPECT_EQ(b.sal(), balances);
    // The journal reads the new file, and its index is the one the sorted journal gives.
    EXPECT_EQ(b.journal.count(), 4);
    ASSERT_TRUE(b.journal.readBooking(1));
    EXPECT_EQ(std::string(b.journal.current().date), "20.01");
    const auto image = b.journalIndex.image();
    ASSERT_EQ(b.journalIndex.rebuild(), 1);
    EXPECT_EQ(b.journalIndex.image(), image);
    EXPECT_EQ(b.journalIndex.first(1), 1);
    EXPECT_EQ(b.journalIndex.first(3), 2);
    EXPECT_EQ(b.journalIndex.last(3), 4);
    EXPECT_TRUE(b.messages.empty());
}

TEST(JournalSort, BusinessYearPutsTheClosingMonthBetweenDecemberAndJanuary) {
    OpenBooks b(3, 7);
    b.addAccount(1200, "BANK");
    b.addAccount(8400, "ERLOESE");
    for (const char* date : {"10.01", "15.13", "31.12", "01.07", "30.06"}) post(b, date, date);
    ASSERT_EQ(sortJournal(b.books, SortOrder::Months), SortOutcome::Sorted);
    EXPECT_EQ(datesOf(b.jou()), (std::vector<std::string>{"01.07", "31.12", "15.13", "10.01", "30.06"}));
}

TEST(JournalSort, AnUnusableDateLeavesEverythingAsItWas) {
    OpenBooks b;
    std::string journal;
    for (const char* date : {"05.03", "0503 ", " 1.3 "}) {
        const ledger::JournalRecord r = ledger::makeJournalRecord(line(date, "", " 1200", " 8400", "x", 1.0, 0.0));
        journal.append(r.data(), r.size());
    }
    tellmark::testing::writeFile(b.jouPath, journal);
    ASSERT_EQ(b.journalIndex.rebuild(), 1);
    EXPECT_EQ(sortJournal(b.books, SortOrder::Months), SortOutcome::UnusableDates);
    EXPECT_EQ(b.jou(), journal);
    ASSERT_EQ(b.messages.entries.size(), 1u);
    EXPECT_EQ(b.messages.last().text, text::kSortRefused);
    EXPECT_EQ(b.messages.last().caption, text::kSortRefusedCaption);
    EXPECT_FALSE(tellmark::testing::fileExists(journalSortFileName(b.jouPath, "bak")));

    // A date padded with blanks (" 1.3 ") is a date: without the dotless one the journal sorts.
    journal.erase(64, 64);
    tellmark::testing::writeFile(b.jouPath, journal);
    ASSERT_EQ(b.journalIndex.rebuild(), 1);
    ASSERT_EQ(sortJournal(b.books, SortOrder::DaysAndMonths), SortOutcome::Sorted);
    EXPECT_EQ(datesOf(b.jou()), (std::vector<std::string>{" 1.3 ", "05.03"}));
}

TEST(JournalSort, EmptyJournalSaysSo) {
    OpenBooks b;
    EXPECT_EQ(sortJournal(b.books, SortOrder::Months), SortOutcome::Sorted);
    ASSERT_EQ(b.messages.entries.size(), 1u);
    EXPECT_EQ(b.messages.last().text, text::kJournalCacheEmpty);
    EXPECT_EQ(b.jou(), "");
}

}  // namespace
}  // namespace tellmark::posting
