#include "ledger/journal.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "journal_test_helpers.h"
#include "ledger/journal_index.h"
#include "ledger/journal_record.h"
#include "platform/file.h"
#include "resources/cp1252_literal.h"
#include "resources/texts_common.h"
#include "resources/texts_ledger_journal.h"
#include "ui/progress.h"

namespace tellmark::ledger {
namespace {

using journal_testing::booking;
using journal_testing::OpenJournal;
using testing::readFile;

std::string recordText(const BookingTexts& texts) {
    JournalRecord r = makeJournalRecord(texts);
    return std::string(r.data(), r.size());
}

// Document numbers as the booking circle's settings keep them, in memory.
class CountingNumbers : public DocumentNumbering {
public:
    CountingNumbers(bool automatic, long next) : automatic_(automatic), next_(next) {}
    bool automatic() const override { return automatic_; }
    long next() const override { return next_; }
    bool advance() override {
        ++next_;
        return true;
    }
    bool setNext(long next) override {
        next_ = next;
        return true;
    }

private:
    bool automatic_;
    long next_;
};

TEST(JournalRecordTest, FieldsAreCutAndPaddedToTheirWidths) {
    BookingTexts texts{"05.03", "R-17", " 1200", " 8400", "Warenverkauf an Meier und Sohn", "119.00", "19.00"};
    EXPECT_EQ(recordText(texts),
              "05.03R-17   1200 8400Warenverkauf an Meier und119.00     19.00\r\n");

    // Over-long fields never spill into the next one; a NUL ends a text like the end of the string.
    BookingTexts wide{"05.03.09", "1234567", "123456", " 8400", std::string("Miete\0Rest", 10), "12345678901234",
                      "19.000"};
    EXPECT_EQ(recordText(wide),
              "05.0312345612345 8400Miete                    1234567890119.00\r\n");
}

TEST(JournalRecordTest, VatIsDerivedOnReadingExceptForTheEuPair) {
    auto parse = [](const BookingTexts& t, int chart) {
        JournalRecord r = makeJournalRecord(t);
        return parseJournalRecord(r.data(), chart);
    };
    ParsedBooking b = parse(booking("05.03", "1", " 1200", " 8400", "Verkauf", 1000.00, 19.00), 3);
    EXPECT_DOUBLE_EQ(b.vatValue, 159.66);
    EXPECT_STREQ(b.vatAmount, "     159.66");
    EXPECT_EQ(b.day, 5);
    EXPECT_EQ(b.month, 3);
    EXPECT_EQ(b.debitNumber, 1200);
    EXPECT_EQ(b.creditNumber, 8400);
    EXPECT_DOUBLE_EQ(b.amountValue, 1000.00);
    EXPECT_DOUBLE_EQ(b.rateValue, 19.00);

    EXPECT_DOUBLE_EQ(parse(booking("05.03", "1", " 1200", " 8400", "Verkauf", 1000.00, 7.00), 3).vatValue, 65.42);
    // Credit amounts keep their sign, rounded away from zero.
    EXPECT_DOUBLE_EQ(parse(booking("05.03", "1", " 1200", " 8400", "Storno", -1000.00, 19.00), 3).vatValue,
                     -159.66);

    ParsedBooking eu03 = parse(booking("05.03", "1", " 1579", " 1779", "EU", 190.00, 19.00), 3);
    EXPECT_DOUBLE_EQ(eu03.vatValue, 0.0);
    EXPECT_STREQ(eu03.vatAmount, "       0.00");
    EXPECT_DOUBLE_EQ(parse(booking("05.03", "1", " 1409", " 3809", "EU", 190.00, 19.00), 4).vatValue, 0.0);
    // The pair belongs to its chart, and only in this direction.
    EXPECT_DOUBLE_EQ(parse(booking("05.03", "1", " 1579", " 1779", "EU", 119.00, 19.00), 4).vatValue, 19.00);
    EXPECT_DOUBLE_EQ(parse(booking("05.03", "1", " 1779", " 1579", "EU", 119.00, 19.00), 3).vatValue, 19.00);

    // The thirteenth month is a month of its own.
    ParsedBooking closing = parse(booking("15.13", "1", " 1200", " 8400", "Abschluss", 10.00, 0.00), 3);
    EXPECT_EQ(closing.day, 15);
    EXPECT_EQ(closing.month, 13);

    // A damaged rate of -100 or a text that is no finite number must not poison the sums.
    ParsedBooking broken = parse(BookingTexts{"xx", "", "", "", "", "        inf", "-100."}, 3);
    EXPECT_DOUBLE_EQ(broken.amountValue, 0.0);
    EXPECT_DOUBLE_EQ(broken.vatValue, 0.0);
    EXPECT_EQ(broken.month, 0);
}

TEST(JournalRecordTest, DisplayLineIsEightyCharactersAtFixedPositions) {
    JournalRecord r =
        makeJournalRecord(booking("05.03", "R-17", " 1200", " 8400", "Warenverkauf", 1000.00, 19.00));
    std::string line = displayLine(parseJournalRecord(r.data(), 3));
    EXPECT_EQ(line,
              "05.03 R-17    1200  8400 Warenverkauf                  1000.00 19.00      159.66");
    EXPECT_EQ(line.size(), 80u);
}

TEST(JournalTest, WritingAtTheCountAppendsAndBelowOverwrites) {
    OpenJournal j;
    BookingTexts first = booking("02.01", "1", " 1000", " 8400", "Barverkauf", 119.00, 19.00);
    const std::string material(cp<"Büromaterial">());
    BookingTexts second = booking("03.01", "2", " 4930", " 1000", material, 107.00, 7.00);
    EXPECT_TRUE(j.journal.writeBooking(0, first));
    EXPECT_TRUE(j.journal.writeBooking(j.journal.count(), second));
    EXPECT_EQ(j.journal.count(), 2);
    EXPECT_EQ(readFile(j.path), recordText(first) + recordText(second));

    ASSERT_TRUE(j.journal.readBooking(2));
    EXPECT_EQ(textsOf(j.journal.current()).text, material + std::string(13, ' '));
    EXPECT_FALSE(j.journal.readBooking(0));
    EXPECT_FALSE(j.journal.readBooking(3));

    BookingTexts changed = booking("03.01", "2", " 4930", " 1000", "Porto", 2.75, 0.0);
    EXPECT_TRUE(j.journal.writeBooking(1, changed));
    EXPECT_EQ(j.journal.count(), 2);
    ASSERT_TRUE(j.journal.readBooking(2));  // a read after a write sees the new record
    EXPECT_STREQ(j.journal.current().amount, "       2.75");

    // A record beyond the end would leave a hole of garbage bookings.
    EXPECT_FALSE(j.journal.writeBooking(3, first));
    EXPECT_EQ(readFile(j.path), recordText(first) + recordText(changed));
    EXPECT_TRUE(j.messages.empty());
}

TEST(JournalTest, AutomaticDocumentNumberAdvancesOnlyWhenTheNextNumberIsUsed) {
    OpenJournal j;
    CountingNumbers numbers(true, 41);
    j.journal.setDocumentNumbering(&numbers);

    j.append(booking("02.01", "000040", " 1000", " 8400", "a", 1.0, 0.0));
    EXPECT_EQ(numbers.next(), 41);
    j.append(booking("02.01", "000041", " 1000", " 8400", "b", 1.0, 0.0));
    EXPECT_EQ(numbers.next(), 42);
    j.append(booking("02.01", "42", " 1000", " 8400", "c", 1.0, 0.0));  // read as a number
    EXPECT_EQ(numbers.next(), 43);

    j.journal.setChangeMode(true);
    j.journal.writeBooking(0, booking("02.01", "000043", " 1000", " 8400", "d", 1.0, 0.0));
    EXPECT_EQ(numbers.next(), 43);
    j.journal.setChangeMode(false);

    CountingNumbers off(false, 43);
    j.journal.setDocumentNumbering(&off);
    j.append(booking("02.01", "000043", " 1000", " 8400", "e", 1.0, 0.0));
    EXPECT_EQ(off.next(), 43);
}

TEST(JournalTest, RemovingMovesLaterBookingsUp) {
    OpenJournal j;
    std::string all;
    for (int k = 1; k <= 8; ++k) {
        BookingTexts t = booking("02.01", std::to_string(k), " 1000", " 8400", "B" + std::to_string(k), k, 0.0);
        j.append(t);
        if (k != 5) all += recordText(t);
    }
    EXPECT_TRUE(j.journal.removeBookings(6, 5));
    EXPECT_EQ(j.journal.count(), 7);
    EXPECT_EQ(readFile(j.path), all);
    ASSERT_TRUE(j.journal.readBooking(5));
    EXPECT_STREQ(j.journal.current().document, "6     ");

    // The last booking: only the file gets shorter.
    EXPECT_TRUE(j.journal.removeBookings(8, 7));
    EXPECT_EQ(readFile(j.path), all.substr(0, 6 * 64));

    // Arguments that would not delete anything leave the file alone.
    EXPECT_FALSE(j.journal.removeBookings(3, 3));
    EXPECT_FALSE(j.journal.removeBookings(9, 7));
    EXPECT_FALSE(j.journal.removeBookings(2, 0));
    EXPECT_EQ(readFile(j.path), all.substr(0, 6 * 64));
    EXPECT_TRUE(j.messages.empty());

    // The journal stays open after the removals and takes further bookings.
    j.append(booking("09.01", "9", " 1000", " 8400", "B9", 9.0, 0.0));
    EXPECT_EQ(j.journal.count(), 7);
}

TEST(JournalTest, RemovingFromAnEmptyJournalIsReported) {
    OpenJournal j;
    EXPECT_FALSE(j.journal.removeBookings(2, 1));
    ASSERT_EQ(j.messages.entries.size(), 1u);
    EXPECT_EQ(j.messages.last().text, text::kJournalNoBookings);
    EXPECT_EQ(j.messages.last().caption, text::kCaptionError);
}

TEST(JournalTest, FailedReopenAfterWritingIsReportedAndTheWriteIsNoSuccess) {
    OpenJournal j;
    j.append(booking("02.01", "1", " 1000", " 8400", "a", 1.0, 0.0));
    std::remove(j.path.c_str());  // the journal vanished under the program (network drive gone)
    EXPECT_FALSE(j.journal.writeBooking(1, booking("02.01", "2", " 1000", " 8400", "b", 1.0, 0.0)));
    ASSERT_FALSE(j.messages.empty());
    EXPECT_EQ(j.messages.last().text, text::kJournalReopenFailed);
    EXPECT_EQ(j.messages.last().caption, text::kCaptionError);
    EXPECT_FALSE(j.journal.isOpen());

    // Later writes do not claim success against a journal that is not there.
    EXPECT_FALSE(j.journal.writeBooking(0, booking("02.01", "3", " 1000", " 8400", "c", 1.0, 0.0)));
}

TEST(JournalTest, AnotherProcessCannotOpenTheHeldJournal) {
    OpenJournal j;
    j.append(booking("02.01", "1", " 1000", " 8400", "a", 1.0, 0.0));  // held again after the reopen
    auto otherProcessOpens = [&](platform::Share share) {
        pid_t pid = fork();
        if (pid == 0) {
            platform::File f;
            _exit(f.open(j.path, share) ? 1 : 0);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 1;
    };
    EXPECT_FALSE(otherProcessOpens(platform::Share::DenyWrite));
    EXPECT_FALSE(otherProcessOpens(platform::Share::Shared));
    EXPECT_EQ(platform::probeFile(j.path), platform::kProbeLocked);

    j.journal.close();
    EXPECT_TRUE(otherProcessOpens(platform::Share::DenyWrite));
}

TEST(JournalTest, ScansFindTheAccountsBookingsOfADay) {
    OpenJournal j;
    ui::SilentMessages quiet;
    ui::NoProgress noProgress;
    j.append(booking("28.02", "1", " 1000", " 8400", "Februar", 50.00, 0.0));     // 1
    j.append(booking("01.03", "2", " 1000", " 8400", "Kasse Soll", 100.00, 0.0)); // 2
    j.append(booking("05.03", "3", " 1200", " 8400", "Bank", 70.00, 0.0));        // 3
    j.append(booking("05.03", "4", " 4930", " 1000", "Kasse Haben", 30.00, 0.0)); // 4
    j.append(booking("05.03", "5", " 1000", " 1200", "Einlage", 20.00, 0.0));     // 5
    j.append(booking("20.03", "6", " 1000", " 8400", "spaeter", 999.00, 0.0));     // 6
    CJIndex index(quiet, noProgress);
    index.attach(j.dir.file("B2009001.jdx"), j.journal);
    ASSERT_EQ(index.open(), 1);

    AccountScan hit = j.journal.nextBookingOfAccountOnDate(1, 6, 5, 3, " 1000");
    EXPECT_TRUE(hit.found);
    EXPECT_EQ(hit.number, 4);
    EXPECT_STREQ(j.journal.current().text, "Kasse Haben              ");
    hit = j.journal.nextBookingOfAccountOnDate(hit.number + 1, 6, 5, 3, "1000");
    EXPECT_TRUE(hit.found);
    EXPECT_EQ(hit.number, 5);
    hit = j.journal.nextBookingOfAccountOnDate(hit.number + 1, 6, 5, 3, " 1000");
    EXPECT_FALSE(hit.found);
    EXPECT_EQ(hit.number, 7);

    // Before the 6th of March: +100 (debit), -30 (credit), +20 (debit); February and later days stay out.
    double sum = 1000.0;
    EXPECT_EQ(j.journal.monthMovementBeforeDay(6, 3, " 1000", sum, index), 1);
    EXPECT_DOUBLE_EQ(sum, 1090.0);
    sum = 0.0;
    EXPECT_EQ(j.journal.monthMovementBeforeDay(1, 3, " 1000", sum, index), 1);
    EXPECT_DOUBLE_EQ(sum, 0.0);

    // A booking whose date is no "DD.MM" ends both as not found.
    j.journal.writeBooking(2, BookingTexts{"05/03", "3", " 1000", " 8400", "kaputt", "10.00", " 0.00"});
    hit = j.journal.nextBookingOfAccountOnDate(1, 6, 5, 3, " 1000");
    EXPECT_FALSE(hit.found);
    EXPECT_EQ(hit.number, 3);
    EXPECT_EQ(j.journal.monthMovementBeforeDay(6, 3, " 1000", sum, index), 0);
}

}  // namespace
}  // namespace tellmark::ledger
