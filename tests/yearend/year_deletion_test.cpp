// Deleting a booking year: never the open one, and afterwards exactly the chosen files are gone.

#include <gtest/gtest.h>

#include "platform/file.h"
#include "resources/texts_year_change.h"
#include "yearend/year_books.h"
#include "yearend/year_change.h"
#include "yearend/year_deletion.h"

namespace tellmark::yearend {
namespace {

using namespace testing;

const std::vector<Account> kAccounts = {{1000, "KASSE", 150.00, 50.00, 0.00}, {1200, "BANK", 10.0, 0.0, 0.0}};

// Open on 2010 with the files of 2009 beside it.
class YearDeletionTest : public ::testing::Test {
protected:
    YearDeletionTest() : books({}, kAccounts) {
        EXPECT_EQ(changeBookingYear(books.doc, 2010, {}), YearChangeEnd::Changed);
        books.messages.entries.clear();
        for (const char* ext : {"sal", "sdx", "jou", "jdx"}) EXPECT_TRUE(fileExists(books.file("2009", ext))) << ext;
    }
    std::vector<bool> present(const std::string& year) const {
        std::vector<bool> out;
        for (const char* ext : {"sal", "sdx", "jou", "jdx"}) out.push_back(fileExists(books.file(year, ext)));
        return out;
    }
    std::vector<bool> deleted(const YearDeletionStatus& status) const {
        std::vector<bool> out;
        for (const DeletedFile& f : status.files) out.push_back(f.deleted);
        return out;
    }
    YearBooks books;
};

TEST_F(YearDeletionTest, TheOpenYearIsRefusedBeforeAnyFileIsTouched) {
    const std::string balance = readFile(books.file("2010", "sal"));
    YearDeletionStatus status;
    EXPECT_EQ(deleteBookingYear(books.doc, 2010, true, true, status), YearDeletionEnd::Refused);
    ASSERT_EQ(books.messages.entries.size(), 1u);
    EXPECT_EQ(books.messages.last().text, "Das aktuelle Buchungsjahr kann nicht gel\xF6scht werden!");
    EXPECT_EQ(books.messages.last().caption, "FEHLER");
    EXPECT_EQ(present("2010"), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(readFile(books.file("2010", "sal")), balance);
    EXPECT_EQ(deleted(status), (std::vector<bool>{false, false, false, false}));
}

TEST_F(YearDeletionTest, OnlyTheChosenFilesGo) {
    const std::string journal = readFile(books.file("2009", "jou"));
    YearDeletionStatus status;
    EXPECT_EQ(deleteBookingYear(books.doc, 2009, true, false, status), YearDeletionEnd::Done);
    EXPECT_EQ(present("2009"), (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(deleted(status), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(status.files[YearDeletionStatus::kBalance].path, books.file("2009", "sal"));
    EXPECT_EQ(status.files[YearDeletionStatus::kJournalIndex].path, books.file("2009", "jdx"));
    EXPECT_EQ(readFile(books.file("2009", "jou")), journal);
    EXPECT_EQ(present("2010"), (std::vector<bool>{true, true, true, true}));
    EXPECT_TRUE(books.messages.empty());

    // What is no longer there is no failure; a record of an unfinished change goes with its journal.
    writeFile(books.file("2009", "lauf"), "Buchung\r\n");
    EXPECT_EQ(deleteBookingYear(books.doc, 2009, true, true, status), YearDeletionEnd::Done);
    EXPECT_FALSE(fileExists(books.file("2009", "lauf")));
    EXPECT_EQ(present("2009"), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(deleted(status), (std::vector<bool>{false, false, true, true}));
    EXPECT_TRUE(books.messages.empty());
    EXPECT_TRUE(books.doc.isOpen());
}

TEST_F(YearDeletionTest, AFileHeldElsewhereStaysAndIsNamed) {
    platform::File other;
    ASSERT_TRUE(other.open(books.file("2009", "jou"), platform::Share::DenyWrite));
    YearDeletionStatus status;
    EXPECT_EQ(deleteBookingYear(books.doc, 2009, false, true, status), YearDeletionEnd::Incomplete);
    ASSERT_EQ(books.messages.entries.size(), 1u);
    EXPECT_EQ(books.messages.last().text,
              "Folgende Datei konnte nicht gel\xF6scht werden:\n" + books.file("2009", "jou"));
    EXPECT_EQ(present("2009"), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(deleted(status), (std::vector<bool>{false, false, false, true}));
}

}  // namespace
}  // namespace tellmark::yearend
