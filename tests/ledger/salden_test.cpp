#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "platform/file.h"
#include "resources/cp1252_literal.h"
#include "support/temp_dir.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::ledger {
namespace {

using tellmark::testing::readFile;
using tellmark::testing::TempDir;
using tellmark::testing::writeFile;

const std::string kZero = "        0.00";

std::string padRight(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

// A record put together field by field, independently of the code under test.
std::string recordOf(const std::string& number, const std::string& name, char status,
                     const std::array<std::string, 14>& slots) {
    std::string out = number + padRight(name, 25) + status;
    for (const auto& slot : slots) out += slot;
    return out + "*\r\n";
}

std::array<std::string, 14> zeroSlots() {
    std::array<std::string, 14> slots;
    slots.fill(kZero);
    return slots;
}

class SaldenTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("B2009001.sal");
        writeFile(path, "");
        ASSERT_TRUE(file.open(path, platform::Share::DenyWrite));
        cursor.attach(file, 0, 1, 3);
    }
    std::string bytes() const { return readFile(path); }
    void putRecords(const std::string& content) {
        file.close();
        writeFile(path, content);
        ASSERT_TRUE(file.open(path, platform::Share::DenyWrite));
    }

    TempDir dir;
    std::string path;
    platform::File file;
    ui::RecordingMessages messages;
    CSalden cursor{messages};
};

TEST_F(SaldenTest, CreateAndPostWriteWholeRecords) {
    ASSERT_EQ(cursor.createAccount(" 1200", "BANK", 0.0), 1);
    std::string bank = recordOf(" 1200", "BANK", ' ', zeroSlots());
    EXPECT_EQ(bytes(), bank);
    EXPECT_EQ(cursor.recordNumber(), 0);
    EXPECT_EQ(cursor.numberValue(), 1200);

    ASSERT_EQ(cursor.createAccount("8400", "ERLOESE 19%", -1234.5), 1);
    auto slots = zeroSlots();
    slots[0] = "    -1234.50";
    std::string revenue = recordOf(" 8400", "ERLOESE 19%", ' ', slots);
    EXPECT_EQ(bytes(), bank + revenue);
    EXPECT_EQ(cursor.count(), 2);

    ASSERT_EQ(cursor.read(0), 1200);
    ASSERT_EQ(cursor.addToMonth(3, 119.0, false), 1);
    slots = zeroSlots();
    slots[3] = "      119.00";
    EXPECT_EQ(bytes(), recordOf(" 1200", "BANK", '1', slots) + revenue);
    EXPECT_EQ(cursor.balanceText(), "      119.00");

    ASSERT_EQ(cursor.addToMonth(3, -19.5, false), 1);
    slots[3] = "       99.50";
    EXPECT_EQ(bytes(), recordOf(" 1200", "BANK", '1', slots) + revenue);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SaldenTest, SpanYearMapsCalendarMonthsToSlots) {
    cursor.attach(file, 1, 7, 3);  // business year July to June
    ASSERT_EQ(cursor.createAccount(" 1000", "KASSE", 0.0), 1);
    ASSERT_EQ(cursor.addToMonth(3, 30.0, false), 1);
    ASSERT_EQ(cursor.addToMonth(7, 7.0, false), 1);
    ASSERT_EQ(cursor.addToMonth(6, 6.0, false), 1);
    ASSERT_EQ(cursor.addToMonth(0, 100.0, false), 1);
    ASSERT_EQ(cursor.addToMonth(13, 13.0, false), 1);
    auto slots = zeroSlots();
    slots[0] = "      100.00";
    slots[1] = "        7.00";
    slots[9] = "       30.00";
    slots[12] = "        6.00";
    slots[13] = "       13.00";
    EXPECT_EQ(bytes(), recordOf(" 1000", "KASSE", '1', slots));

    EXPECT_EQ(cursor.monthValue(3), 30.0);
    EXPECT_EQ(cursor.monthValue(7), 7.0);
    EXPECT_EQ(cursor.monthValue(0), 100.0);
    EXPECT_EQ(cursor.periodSum(7, 3), 37.0);   // July to March of the business year
    EXPECT_EQ(cursor.periodSum(3, 7), 0.0);    // March lies after July
    EXPECT_EQ(cursor.periodSum(0, 13), 156.0);

    // A month outside 0-13 changes nothing.
    const std::string before = bytes();
    EXPECT_EQ(cursor.addToMonth(14, 5.0, false), 0);
    EXPECT_EQ(cursor.addToMonth(-1, 5.0, false), 0);
    EXPECT_EQ(bytes(), before);

    // Calendar year: months are slots.
    cursor.attach(file, 0, 1, 3);
    ASSERT_EQ(cursor.read(0), 1000);
    EXPECT_EQ(cursor.monthValue(9), 30.0);
}

TEST_F(SaldenTest, StatusFollowsPostingsAndCarryForward) {
    ASSERT_EQ(cursor.createAccount(" 1000", "KASSE", 0.0), 1);
    EXPECT_EQ(cursor.status(), ' ');
    ASSERT_EQ(cursor.addToMonth(2, 0.0, false), 1);  // even a zero amount marks the account as posted
    EXPECT_EQ(bytes()[30], '1');

    ASSERT_EQ(cursor.createAccount(" 0800", "KAPITAL", 0.0), 1);
    ASSERT_EQ(cursor.addToMonth(5, -500.0, true), 1);  // the opening flag goes to slot 0 whatever the month
    ASSERT_EQ(cursor.addToMonth(4, 20.0, false), 1);  // later postings keep the '9'
    auto slots = zeroSlots();
    slots[0] = "     -500.00";
    slots[4] = "       20.00";
    EXPECT_EQ(bytes().substr(202), recordOf(" 0800", "KAPITAL", '9', slots));
}

TEST_F(SaldenTest, ResetForRepostingKeepsOnlyHandEnteredOpeningBalances) {
    ASSERT_EQ(cursor.createAccount(" 0800", "KAPITAL", 0.0), 1);
    ASSERT_EQ(cursor.addToMonth(0, 250.0, true), 1);
    ASSERT_EQ(cursor.addToMonth(1, 1.0, false), 1);
    ASSERT_EQ(cursor.createAccount(" 1000", "KASSE", 40.0), 1);
    ASSERT_EQ(cursor.addToMonth(2, 2.0, false), 1);
    ASSERT_EQ(cursor.addToMonth(13, 3.0, false), 1);
    ASSERT_EQ(cursor.createAccount(" 4711", "MIETE", 10.0), 1);

    for (int record = 0; record < 3; ++record) {
        ASSERT_GE(cursor.read(record), 0);
        ASSERT_EQ(cursor.resetForReposting(), 1);
    }
    auto kept = zeroSlots();
    kept[0] = "       40.00";
    auto keptToo = zeroSlots();
    keptToo[0] = "       10.00";
    EXPECT_EQ(bytes(), recordOf(" 0800", "KAPITAL", ' ', zeroSlots()) + recordOf(" 1000", "KASSE", ' ', kept) +
                           recordOf(" 4711", "MIETE", ' ', keptToo));
}

TEST_F(SaldenTest, ReadAndCheckRepairsBlankSlotsAndLeavesDamageAlone) {
    auto slots = zeroSlots();
    slots[2] = "       12.50";
    slots[5] = "            ";
    const std::string blankSlot = recordOf(" 1000", "KASSE", '1', slots);
    std::string badMark = recordOf(" 1200", "BANK", ' ', zeroSlots());
    badMark[199] = '#';
    std::string badLineEnd = recordOf(" 1300", "SPARKONTO", ' ', zeroSlots());
    badLineEnd[201] = '\r';
    const std::string blankName = recordOf(" 1400", "", ' ', zeroSlots());
    const std::string blankNumber = recordOf("     ", "OHNE NUMMER", ' ', zeroSlots());
    putRecords(blankSlot + badMark + badLineEnd + blankName + blankNumber);

    EXPECT_EQ(cursor.readAndCheck(0), 1);
    slots[5] = kZero;
    const std::string repaired = recordOf(" 1000", "KASSE", '1', slots);
    EXPECT_EQ(bytes(), repaired + badMark + badLineEnd + blankName + blankNumber);
    EXPECT_EQ(cursor.balanceText(), "       12.50");

    for (int record = 1; record <= 4; ++record) EXPECT_EQ(cursor.readAndCheck(record), 0) << record;
    EXPECT_EQ(bytes(), repaired + badMark + badLineEnd + blankName + blankNumber);

    // Beyond the end: nothing read, the cursor is emptied and cannot write.
    EXPECT_EQ(cursor.read(5), -1);
    EXPECT_EQ(cursor.readAndCheck(5), 0);
    EXPECT_FALSE(cursor.loaded());
    EXPECT_EQ(cursor.numberText(), "");
    EXPECT_EQ(cursor.name(), "");
    EXPECT_EQ(cursor.balance(), 0.0);
    EXPECT_EQ(cursor.balanceText(), "");
    EXPECT_EQ(cursor.addToMonth(1, 5.0, false), 0);
    EXPECT_EQ(messages.last().text, "Konto konnte nicht in Saldendatei gespeichert werden !");
    EXPECT_EQ(bytes(), repaired + badMark + badLineEnd + blankName + blankNumber);
}

TEST_F(SaldenTest, DeleteMovesLaterRecordsForward) {
    std::string records[10];
    std::string all;
    for (int i = 0; i < 10; ++i) {
        char number[8];
        std::snprintf(number, sizeof number, " %04d", 1000 + i);
        records[i] = recordOf(number, "KONTO " + std::to_string(i), ' ', zeroSlots());
        all += records[i];
    }
    putRecords(all);

    ASSERT_EQ(cursor.read(3), 1003);
    ASSERT_EQ(cursor.deleteAccount(), 1);
    EXPECT_FALSE(cursor.loaded());
    std::string expected;
    for (int i = 0; i < 10; ++i) if (i != 3) expected += records[i];
    EXPECT_EQ(bytes(), expected);
    EXPECT_EQ(cursor.count(), 9);
    EXPECT_EQ(cursor.read(3), 1004);
    EXPECT_EQ(cursor.read(8), 1009);

    ASSERT_EQ(cursor.read(8), 1009);
    ASSERT_EQ(cursor.deleteAccount(), 1);
    EXPECT_EQ(bytes(), expected.substr(0, 8 * 202));
    EXPECT_TRUE(messages.empty());
}

TEST_F(SaldenTest, DeleteMovesBigFilesInBlocks) {
    // More records than one block holds, so the move crosses block borders.
    std::string all;
    for (int i = 0; i < 9000; ++i) {
        char number[8];
        std::snprintf(number, sizeof number, "%5d", 10000 + i);
        all += recordOf(number, "K" + std::to_string(i), ' ', zeroSlots());
    }
    putRecords(all);
    ASSERT_EQ(cursor.read(1), 10001);
    ASSERT_EQ(cursor.deleteAccount(), 1);
    EXPECT_EQ(bytes(), all.substr(0, 202) + all.substr(2 * 202));
}

TEST_F(SaldenTest, EnsureVatAccounts) {
    ASSERT_EQ(cursor.ensureVatAccounts(), 1);
    const std::string chart03 =
        recordOf(" 1570", "VORSTEUER", ' ', zeroSlots()) + recordOf(" 1770", "MEHRWERTSTEUER", ' ', zeroSlots());
    EXPECT_EQ(bytes(), chart03);
    ASSERT_EQ(cursor.ensureVatAccounts(), 1);  // two records: nothing more
    EXPECT_EQ(bytes(), chart03);

    // One record: both are appended after it. Any chart but 3 counts as chart 04.
    const std::string cash = recordOf(" 1000", "KASSE", ' ', zeroSlots());
    putRecords(cash);
    cursor.attach(file, 0, 1, 5);
    ASSERT_EQ(cursor.ensureVatAccounts(), 1);
    EXPECT_EQ(bytes(), cash + recordOf(" 1400", "VORSTEUER", ' ', zeroSlots()) +
                           recordOf(" 3800", "MEHRWERTSTEUER", ' ', zeroSlots()));
}

TEST_F(SaldenTest, BalanceIsRoundedHalfAwayFromZero) {
    auto slots = zeroSlots();
    slots[0] = "      10.125";
    auto negative = zeroSlots();
    negative[4] = "     -10.125";
    putRecords(recordOf(" 1000", "A", ' ', slots) + recordOf(" 1001", "B", ' ', negative));
    ASSERT_EQ(cursor.read(0), 1000);
    EXPECT_EQ(cursor.balanceText(), "       10.13");
    ASSERT_EQ(cursor.read(1), 1001);
    EXPECT_EQ(cursor.balanceText(), "      -10.13");
    EXPECT_DOUBLE_EQ(cursor.balance(), -10.13);
}

TEST_F(SaldenTest, AmountsThatCancelOutReadZeroNotMinusZero) {
    ASSERT_EQ(cursor.createAccount(" 1000", "KASSE", 0.0), 1);
    ASSERT_EQ(cursor.addToMonth(1, 0.3, false), 1);
    ASSERT_EQ(cursor.addToMonth(1, -0.1, false), 1);
    ASSERT_EQ(cursor.addToMonth(1, -0.2, false), 1);  // leaves a binary remainder just below zero
    EXPECT_EQ(bytes(), recordOf(" 1000", "KASSE", '1', zeroSlots()));
    EXPECT_EQ(cursor.balanceText(), kZero);
}

TEST_F(SaldenTest, WriteFailuresAreReportedAndNeverSpillIntoNeighbours) {
    ASSERT_EQ(cursor.createAccount(" 1000", "KASSE", 0.0), 1);
    const std::string before = bytes();
    // Twelve characters hold at most 999999999.99.
    EXPECT_EQ(cursor.addToMonth(1, 2e9, false), 0);
    EXPECT_EQ(bytes(), before);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, "Konto konnte nicht in Saldendatei gespeichert werden !");
    EXPECT_EQ(messages.last().caption, "FEHLER");
    EXPECT_EQ(messages.last().icon, ui::kIconStop);

    // A file that cannot be written.
    platform::File readOnly;
    file.close();
    ASSERT_TRUE(readOnly.openForReading(path));
    cursor.attach(readOnly, 0, 1, 3);
    ASSERT_EQ(cursor.read(0), 1000);
    EXPECT_EQ(cursor.addToMonth(1, 5.0, false), 0);
    EXPECT_EQ(cursor.createAccount(" 1001", "X", 0.0), 0);
    EXPECT_EQ(messages.entries.size(), 3u);
    EXPECT_EQ(bytes(), before);

    // A record another cursor deleted does not come back at the end of the file.
    readOnly.close();
    ASSERT_TRUE(file.open(path, platform::Share::DenyWrite));
    CSalden other(messages);
    other.attach(file, 0, 1, 3);
    cursor.attach(file, 0, 1, 3);
    ASSERT_EQ(cursor.read(0), 1000);
    ASSERT_EQ(other.read(0), 1000);
    ASSERT_EQ(other.deleteAccount(), 1);
    EXPECT_EQ(cursor.addToMonth(1, 5.0, false), 0);
    EXPECT_EQ(bytes(), "");
}

class SaldenLookupTest : public SaldenTest {
protected:
    void SetUp() override {
        SaldenTest::SetUp();
        ASSERT_EQ(cursor.ensureVatAccounts(), 1);
        ASSERT_EQ(cursor.createAccount(" 1200", "BANK", 119.0), 1);
        ASSERT_EQ(cursor.createAccount(" 4000", "MATERIAL", 0.0), 1);
        ASSERT_EQ(cursor.createAccount(" 8400", cp<"ERLÖSE">(), -50.0), 1);
        ASSERT_EQ(cursor.createAccount("12000", "KUNDE MAIER", 0.0), 1);
        index.attach(dir.file("B2009001.sdx"), file);
        ASSERT_EQ(index.open(), 1);
        cursor.useIndex(index);
    }
    ui::NoProgress progress;
    CSIndex index{messages, progress};
    std::string balance, name, number;
};

TEST_F(SaldenLookupTest, FindByTypedNumberOrName) {
    ASSERT_EQ(cursor.findByText("12", balance, name, number), 1);
    EXPECT_EQ(number, " 1200");
    EXPECT_EQ(name, padRight("BANK", 25));
    EXPECT_EQ(balance, "      119.00");
    EXPECT_EQ(cursor.recordNumber(), 2);

    ASSERT_EQ(cursor.findByText("4", balance, name, number), 1);
    EXPECT_EQ(number, " 4000");
    ASSERT_EQ(cursor.findByText("84", balance, name, number), 1);
    EXPECT_EQ(number, " 8400");
    EXPECT_EQ(balance, "      -50.00");
    ASSERT_EQ(cursor.findByText("12000", balance, name, number), 1);
    EXPECT_EQ(number, "12000");
    EXPECT_EQ(cursor.accountKind(), 12);
    ASSERT_EQ(cursor.findByText(" 1570", balance, name, number), 1);
    EXPECT_EQ(name, padRight("VORSTEUER", 25));
    ASSERT_EQ(cursor.findByText(cp<"erlö">(), balance, name, number), 1);  // names in any case, umlauts too
    EXPECT_EQ(number, " 8400");
    ASSERT_EQ(cursor.findByText("KUNDE ", balance, name, number), 1);
    EXPECT_EQ(number, "12000");

    for (const char* missing : {"0", "ABC", "", "   ", "5", "120000", "-12"}) {
        balance = name = number = "x";
        EXPECT_EQ(cursor.findByText(missing, balance, name, number), 0) << missing;
        EXPECT_EQ(balance + name + number, "") << missing;
    }

    ASSERT_EQ(cursor.findByNumber(8400, balance, name, number), 1);
    EXPECT_EQ(number, " 8400");
    ASSERT_EQ(cursor.findByNumber(12000, balance, name, number), 1);
    EXPECT_EQ(number, "12000");
    EXPECT_EQ(cursor.findByNumber(84, balance, name, number), 0);  // account 84, not 8400
    EXPECT_EQ(cursor.findByNumber(0, balance, name, number), 0);
    EXPECT_EQ(cursor.findByNumber(30000, balance, name, number), 0);
    EXPECT_EQ(balance + name + number, "");
}

TEST_F(SaldenLookupTest, StepsThroughNumberAndNameOrder) {
    ASSERT_EQ(cursor.findByText("1200", balance, name, number), 1);
    ASSERT_EQ(cursor.nextByNumber(), 1);
    EXPECT_EQ(cursor.numberValue(), 1570);
    ASSERT_EQ(cursor.previousByNumber(), 1);
    ASSERT_EQ(cursor.previousByNumber(), 0);  // 1200 is the first
    EXPECT_EQ(cursor.numberValue(), 1200);

    // Each cursor steps from its own account, whatever another cursor looked up meanwhile.
    CSalden credit(messages);
    credit.attach(file, 0, 1, 3);
    credit.useIndex(index);
    ASSERT_EQ(credit.findByText("12000", balance, name, number), 1);
    ASSERT_EQ(credit.nextByNumber(), 0);
    ASSERT_EQ(cursor.nextByNumber(), 1);
    EXPECT_EQ(cursor.numberValue(), 1570);

    // Name order: BANK, ERLÖSE, KUNDE MAIER, MATERIAL, MEHRWERTSTEUER, VORSTEUER.
    ASSERT_EQ(cursor.findByText("MAT", balance, name, number), 1);
    ASSERT_EQ(cursor.previousByName(), 1);
    EXPECT_EQ(cursor.numberValue(), 12000);
    ASSERT_EQ(cursor.findByText("VOR", balance, name, number), 1);
    EXPECT_EQ(cursor.nextByName(), 0);
    ASSERT_EQ(cursor.previousByName(), 1);
    EXPECT_EQ(cursor.numberValue(), 1770);
}

}  // namespace
}  // namespace tellmark::ledger
