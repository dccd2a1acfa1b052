#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "platform/directory.h"
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

std::string le32(std::int32_t value) {
    std::string out(4, '\0');
    auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((u >> (8 * i)) & 0xFF);
    return out;
}

std::string numberText(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%5d", number);
    return text;
}

// One balance record with zero slots, put together by hand.
std::string balanceRecord(const std::string& number, std::string name) {
    name.resize(25, ' ');
    std::string out = number + name + ' ';
    for (int i = 0; i < 14; ++i) out += "        0.00";
    return out + "*\r\n";
}

// The upper-case rule of the name keys, written out once more for the model.
std::string modelKey(const std::string& name) {
    std::string key = name.substr(0, std::min<std::size_t>(name.size(), 12));
    key.resize(12, ' ');
    for (char& c : key) {
        auto u = static_cast<unsigned char>(c);
        if (u >= 'a' && u <= 'z') u = static_cast<unsigned char>(u - 32);
        else if (u == 0xE4) u = 0xC4;
        else if (u == 0xF6) u = 0xD6;
        else if (u == 0xFC) u = 0xDC;
        else if (u == 0x84) u = 0x8E;
        else if (u == 0x94) u = 0x99;
        else if (u == 0x81) u = 0x9A;
        c = static_cast<char>(u);
    }
    return key;
}

struct RecordingProgress : ui::Progress {
    void start(std::string_view caption, std::string_view first, std::string_view second, std::string_view label,
               int total, int mode) override {
        started = std::string(caption) + "|" + std::string(first) + "|" + std::string(second) + "|" +
                  std::string(label) + "|" + std::to_string(total) + "|" + std::to_string(mode);
    }
    void setFirstLine(std::string_view) override {}
    void setSecondLine(std::string_view) override {}
    void setBarLabel(std::string_view) override {}
    void step(int units) override { steps += units; }
    void poll() override {}
    void end() override { ++ended; }
    std::string started;
    int steps = 0;
    int ended = 0;
};

class AccountIndexTest : public ::testing::Test {
protected:
    void SetUp() override {
        balancePath = dir.file("B2009001.sal");
        indexPath = dir.file("B2009001.sdx");
        writeFile(balancePath, "");
        ASSERT_TRUE(balance.open(balancePath, platform::Share::DenyWrite));
        salden.attach(balance, 0, 1, 3);
        index.attach(indexPath, balance);
    }
    void putBalance(const std::string& content) {
        balance.close();
        writeFile(balancePath, content);
        ASSERT_TRUE(balance.open(balancePath, platform::Share::DenyWrite));
    }
    // A new account in the balance file and the index, as account maintenance adds one.
    void addAccount(int number, const std::string& name) {
        ASSERT_EQ(salden.createAccount(numberText(number), name, 0.0), 1);
        ASSERT_EQ(index.insert(salden.recordNumber(), number, name, true), 1);
    }
    void deleteAccount(int record) {
        ASSERT_GT(salden.read(record), 0);
        const std::string number(salden.numberText());
        const std::string name(salden.name());
        ASSERT_EQ(salden.deleteAccount(), 1);
        ASSERT_EQ(index.remove(number, name), 1);
    }
    // The index a fresh build from the balance file gives, in memory.
    std::string freshImage() {
        CSIndex fresh(messages, progress);
        fresh.attach("", balance);
        EXPECT_EQ(fresh.open(), 1);
        return fresh.fileImage();
    }
    int find(const std::string& number) {
        int record = -2;
        int code = index.findByNumber(number, record);
        return code == kIndexFound ? record : (code == kIndexKeySmaller && record == -1 ? -1 : -99);
    }
    int findName(const std::string& text) {
        int record = -2;
        int code = index.findByName(text, record);
        return code == kIndexFound ? record : (code == kIndexKeySmaller && record == -1 ? -1 : -99);
    }

    TempDir dir;
    std::string balancePath;
    std::string indexPath;
    platform::File balance;
    ui::RecordingMessages messages;
    RecordingProgress progress;
    CSalden salden{messages};
    CSIndex index{messages, progress};
};

TEST_F(AccountIndexTest, BuildsTheWholeFileFromTheBalanceFile) {
    putBalance(balanceRecord(" 1570", "VORSTEUER") + balanceRecord(" 1770", "MEHRWERTSTEUER") +
               balanceRecord(" 1200", std::string(cp<"Bank ärger">())) + balanceRecord("     ", "OHNE NUMMER") +
               balanceRecord("  -12", "NEGATIV") + balanceRecord(" 4000", "s\x94\x81\xDF mit DOS-Umlauten"));
    ASSERT_EQ(index.open(), 1);

    std::string expected = std::string("W001001\0", 8) + le32(4) + le32(64) + std::string(8, '\0');
    expected += le32(1200) + le32(2) + le32(1570) + le32(0) + le32(1770) + le32(1) + le32(4000) + le32(5);
    expected += std::string(60 * 8, '\0');
    expected += std::string(cp<"BANK ÄRGER  ">()) + le32(2);
    expected += "MEHRWERTSTEU" + le32(1);
    expected += std::string("S\x99\x9A\xDF", 4) + " MIT DOS" + le32(5);
    expected += "VORSTEUER   " + le32(0);
    expected += std::string(60 * 16, '\0');
    EXPECT_EQ(readFile(indexPath), expected);
    EXPECT_EQ(index.fileImage(), expected);
    EXPECT_EQ(progress.started, std::string(cp<"Index zu den Konten||Der Index für die Konten wird aktualisiert.|Konten...|1|3003">()));
    EXPECT_EQ(progress.ended, 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(AccountIndexTest, ProgressStepsOncePerTenRecords) {
    std::string content;
    for (int i = 0; i < 25; ++i) content += balanceRecord(numberText(1000 + i), "K");
    putBalance(content);
    ASSERT_EQ(index.open(), 1);
    EXPECT_EQ(progress.started.substr(progress.started.size() - 7), "|3|3003");  // 5050 / 2020 + 1
    EXPECT_EQ(progress.steps, 2);
}

TEST_F(AccountIndexTest, MissingForeignAndDamagedFilesAreBuiltAnew) {
    ASSERT_EQ(index.open(), 1);  // empty balance file: empty index
    EXPECT_EQ(readFile(indexPath).size(), 24u + 24 * 64);
    const char* names[] = {"KASSE", "BANK", "kasse", "ZINSEN", "Bank", "MIETE", "KASSE 2"};
    for (int i = 0; i < 7; ++i) addAccount(1000 + 37 * ((i * 5) % 7), names[i]);
    const std::string maintained = readFile(indexPath);
    EXPECT_EQ(maintained, freshImage());
    index.close();

    platform::removeFile(indexPath);
    ASSERT_EQ(index.open(), 1);
    EXPECT_EQ(readFile(indexPath), maintained);
    index.close();

    // Another version, and otherwise nonsense: deleted and built anew, not read.
    auto damaged = [&](std::string bytes) {
        writeFile(indexPath, bytes);
        ASSERT_EQ(index.open(), 1);
        EXPECT_EQ(readFile(indexPath), maintained);
        index.close();
    };
    std::string foreign = maintained;
    foreign.replace(0, 7, "W001000");
    foreign[28] = 5;  // a record number nobody would read
    damaged(foreign);
    damaged("W00");
    damaged(maintained.substr(0, 20));
    damaged(maintained.substr(0, 500));
    std::string beyond = maintained;
    beyond[28] = 7;  // record 7 of a balance file with 7 records
    damaged(beyond);
    std::string unsorted = maintained;
    std::swap_ranges(unsorted.begin() + 24, unsorted.begin() + 32, unsorted.begin() + 32);
    damaged(unsorted);
    EXPECT_EQ(messages.entries.size(), 1u);  // only the cut header is worth a word
    EXPECT_EQ(messages.last().text, "Fehler beim Lesen des Index-Headers !");
    EXPECT_EQ(messages.last().caption, "FEHLER");
}

TEST_F(AccountIndexTest, CapacityDoublesAtTheSixtySecondAccount) {
    ASSERT_EQ(index.open(), 1);
    for (int i = 0; i < 61; ++i) addAccount(1000 + i, "K" + std::to_string(i));
    EXPECT_EQ(index.capacity(), 64);
    EXPECT_EQ(readFile(indexPath).size(), 24u + 24 * 64);
    addAccount(2000, "LETZTES");
    EXPECT_EQ(index.capacity(), 128);
    EXPECT_EQ(readFile(indexPath).size(), 24u + 24 * 128);
    EXPECT_EQ(readFile(indexPath), freshImage());
    EXPECT_EQ(accountIndexCapacityFor(0), 64);
    EXPECT_EQ(accountIndexCapacityFor(125), 128);
    EXPECT_EQ(accountIndexCapacityFor(126), 256);
}

TEST_F(AccountIndexTest, SearchesByNameAndNumberAndSteps) {
    putBalance(balanceRecord(" 1000", "BARKASSE HAUPTSTELLE") + balanceRecord(" 1200", "BANK") +
               balanceRecord(" 1300", "CASH") + balanceRecord(" 1250", "bankgebühren"));
    ASSERT_EQ(index.open(), 1);
    EXPECT_EQ(findName("BA"), 1);
    EXPECT_EQ(findName("bank"), 1);
    EXPECT_EQ(findName("BANKG"), 3);
    EXPECT_EQ(findName("BAR"), 0);
    EXPECT_EQ(findName(""), 1);
    EXPECT_EQ(findName("barkasse hauptkasse"), 0);  // only twelve characters count
    EXPECT_EQ(findName("BARKASSE HAL"), -1);
    EXPECT_EQ(findName("BB"), -1);
    std::string key;
    EXPECT_EQ(index.nextByName(key), 2);  // the neighbours of the text searched
    EXPECT_EQ(key, "CASH        ");
    EXPECT_EQ(index.nextByName(key), -1);
    EXPECT_EQ(findName("BB"), -1);
    EXPECT_EQ(index.previousByName(key), 0);
    EXPECT_EQ(index.firstByName(key), 1);
    EXPECT_EQ(index.previousByName(key), -1);

    for (const char* missing : {"0", "ABC", "-5", "", "999", "1201"}) EXPECT_EQ(find(missing), -1) << missing;
    EXPECT_EQ(find(" 1250"), 3);
    EXPECT_EQ(find("1250"), 3);

    EXPECT_EQ(find("1210"), -1);
    EXPECT_EQ(index.numberAtCursor(), 0);
    EXPECT_EQ(index.nextByNumber(INT_MAX), 3);
    EXPECT_EQ(index.numberAtCursor(), 1250);
    EXPECT_EQ(find("1210"), -1);
    EXPECT_EQ(index.previousByNumber(0), 1);

    EXPECT_EQ(index.rangeStart(1100, 1300), 1);
    EXPECT_EQ(index.nextByNumber(1300), 3);
    EXPECT_EQ(index.nextByNumber(1300), 2);
    EXPECT_EQ(index.nextByNumber(1300), -1);
    EXPECT_EQ(index.rangeStart(1100, 1299), 1);
    EXPECT_EQ(index.nextByNumber(1299), 3);
    EXPECT_EQ(index.nextByNumber(1299), -1);   // 1300 lies beyond the limit
    EXPECT_EQ(index.previousByNumber(1200), 1);
    EXPECT_EQ(index.previousByNumber(1200), -1);  // 1000 lies below the limit
    EXPECT_EQ(index.rangeStart(1301, 9999), -1);
    EXPECT_EQ(index.rangeStart(1260, 1299), -1);

    int firstNumber = 0, firstRecord = 0, lastNumber = 0, lastRecord = 0;
    ASSERT_TRUE(index.firstAndLastByNumber(firstNumber, firstRecord, lastNumber, lastRecord));
    EXPECT_EQ(std::make_tuple(firstNumber, firstRecord, lastNumber, lastRecord), std::make_tuple(1000, 0, 1300, 2));
}

TEST_F(AccountIndexTest, RemovingRenumbersAndTakesTheRightSlotOfASharedName) {
    ASSERT_EQ(index.open(), 1);
    addAccount(1000, "KASSE");
    addAccount(1001, "Kasse");
    addAccount(1002, "ZINSEN");
    addAccount(1003, "MIETE");
    addAccount(1004, "PORTO");
    addAccount(1005, "KASSE");

    deleteAccount(3);  // MIETE: records 4 and 5 become 3 and 4
    EXPECT_EQ(find("1004"), 3);
    EXPECT_EQ(find("1005"), 4);
    EXPECT_EQ(find("1002"), 2);
    EXPECT_EQ(find("1003"), -1);
    EXPECT_EQ(readFile(indexPath), freshImage());

    deleteAccount(1);  // one of three accounts with the key "KASSE       "
    EXPECT_EQ(find("1000"), 0);
    EXPECT_EQ(find("1005"), 3);
    std::multiset<std::pair<std::string, int>> names;
    for (int i = 0; i < index.count(); ++i) {
        names.insert({std::string(index.nameSlots()[i].key.data(), 12), index.nameSlots()[i].record});
    }
    EXPECT_EQ(names, (std::multiset<std::pair<std::string, int>>{
                         {"KASSE       ", 0}, {"KASSE       ", 3}, {"PORTO       ", 2}, {"ZINSEN      ", 1}}));

    // An account the index does not hold: failure, and the index is built anew.
    EXPECT_EQ(index.remove(" 1004", "FALSCHER NAME"), 0);
    EXPECT_EQ(index.count(), 4);
    EXPECT_EQ(index.remove(" 4711", "PORTO"), 0);
    EXPECT_EQ(readFile(indexPath), freshImage());
}

// A rename is a removal and an insertion under the same record. When the removal thins the index out
// enough to shrink it, the balance file still holds the old name: the index must not be read from it then.
TEST_F(AccountIndexTest, RenameAtTheShrinkingPointKeepsTheIndexRight) {
    ASSERT_EQ(index.open(), 1);
    for (int i = 0; i < 62; ++i) addAccount(1000 + i, "KONTO " + std::to_string(i));
    for (int i = 0; i < 30; ++i) deleteAccount(10);
    ASSERT_EQ(index.count(), 32);
    ASSERT_EQ(index.capacity(), 128);

    ASSERT_GT(salden.read(5), 0);
    const std::string number(salden.numberText());
    ASSERT_EQ(index.remove(number, salden.name()), 1);
    EXPECT_EQ(index.capacity(), 64);
    ASSERT_EQ(index.insert(5, 1005, "NEUER NAME", true), 1);
    salden.setName("NEUER NAME");
    ASSERT_EQ(salden.write(), 1);

    EXPECT_EQ(index.count(), 32);
    EXPECT_EQ(find("1005"), 5);
    EXPECT_EQ(findName("NEUER"), 5);
    EXPECT_EQ(findName("KONTO 5 "), -1);
    EXPECT_EQ(findName("KONTO 4 "), 4);
    EXPECT_EQ(readFile(indexPath), freshImage());
}

TEST_F(AccountIndexTest, AnIndexFileHeldElsewhereStillAnswersButIsReported) {
    putBalance(balanceRecord(" 1200", "BANK"));
    writeFile(indexPath, "");
    platform::File holder;
    ASSERT_TRUE(holder.open(indexPath, platform::Share::DenyWrite));
    EXPECT_EQ(index.open(), 0);
    EXPECT_EQ(find("1200"), 0);
    EXPECT_EQ(readFile(indexPath), "");
}

TEST_F(AccountIndexTest, BuildingSortsToTheArraysInsertionGives) {
    // Duplicate numbers and names, as a hand-edited balance file may hold them.
    std::mt19937 random(7);
    CSIndex incremental(messages, progress);
    incremental.attach("", balance);
    ASSERT_EQ(incremental.open(), 1);
    const std::string letters = "AB\xE4\xC4 ";
    for (int record = 0; record < 3000; ++record) {
        const int number = 1 + static_cast<int>(random() % 800);
        std::string name;
        for (int k = 0, n = 1 + static_cast<int>(random() % 14); k < n; ++k) name += letters[random() % letters.size()];
        ASSERT_EQ(salden.createAccount(numberText(number), name, 0.0), 1);
        ASSERT_EQ(incremental.insert(record, number, name, false), 1);
    }
    EXPECT_EQ(incremental.fileImage(), freshImage());
}

// Random creations, deletions, renames and searches against a plain model of the balance file.
TEST_F(AccountIndexTest, AgreesWithASimpleModel) {
    struct Account {
        int number;
        std::string name;
    };
    std::vector<Account> model;  // in record order
    std::mt19937 random(20240611);
    const std::string letters = "ABab\xE4\xC4\x84 ";
    auto randomName = [&] {
        std::string name;
        for (int k = 0, n = 1 + static_cast<int>(random() % 14); k < n; ++k) name += letters[random() % letters.size()];
        return name;
    };
    auto unusedNumber = [&] {
        for (;;) {
            const int number = 1 + static_cast<int>(random() % 29999);
            if (std::none_of(model.begin(), model.end(), [&](const Account& a) { return a.number == number; }))
                return number;
        }
    };
    ASSERT_EQ(index.open(), 1);

    for (int step = 0; step < 4000; ++step) {
        const int op = static_cast<int>(random() % 100);
        const int size = static_cast<int>(model.size());
        if (op < 45 || size < 5) {
            const Account account{unusedNumber(), randomName()};
            addAccount(account.number, account.name);
            model.push_back(account);
        } else if (op < 70 - (size > 300 ? 0 : 10)) {
            const int record = static_cast<int>(random() % size);
            deleteAccount(record);
            model.erase(model.begin() + record);
        } else if (op < 80) {
            const int record = static_cast<int>(random() % size);
            const std::string name = randomName();
            ASSERT_EQ(index.remove(numberText(model[record].number), model[record].name), 1);
            ASSERT_EQ(index.insert(record, model[record].number, name, true), 1);
            model[record].name = name;
            ASSERT_GT(salden.read(record), 0);
            salden.setName(name);
            ASSERT_EQ(salden.write(), 1);
        } else {
            // Number search: an existing number or any number.
            const int number = op < 90 ? model[random() % size].number : static_cast<int>(random() % 30001);
            int expected = -1;
            for (int r = 0; r < size; ++r) if (model[r].number == number) expected = r;
            ASSERT_EQ(find(std::to_string(number)), expected) << number;
            // Name search: the first key in name order that starts with the text.
            std::string text;
            for (int k = 0, n = static_cast<int>(random() % 4); k < n; ++k) text += letters[random() % letters.size()];
            const std::string prefix = modelKey(text).substr(0, text.size());
            std::string best;
            for (const auto& account : model) {
                const std::string key = modelKey(account.name);
                if (key.compare(0, prefix.size(), prefix) == 0 && (best.empty() || key < best)) best = key;
            }
            const int record = findName(text);
            if (best.empty()) {
                ASSERT_EQ(record, -1) << text;
            } else {
                ASSERT_GE(record, 0) << text;
                ASSERT_EQ(modelKey(model[record].name), best) << text;
            }
        }
        // The index holds exactly the model's accounts, sorted, and the file equals the arrays.
        const int count = index.count();
        ASSERT_EQ(count, static_cast<int>(model.size()));
        ASSERT_LE(count, index.capacity() - 3);
        ASSERT_GE(count, index.capacity() / 2 - 32);
        std::vector<std::pair<int, int>> numbers, expectedNumbers;
        std::vector<std::pair<std::string, int>> names, expectedNames;
        for (int i = 0; i < count; ++i) {
            numbers.push_back({index.numberSlots()[i].number, index.numberSlots()[i].record});
            names.push_back({std::string(index.nameSlots()[i].key.data(), 12), index.nameSlots()[i].record});
            expectedNumbers.push_back({model[i].number, i});
            expectedNames.push_back({modelKey(model[i].name), i});
        }
        ASSERT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
        // std::string orders bytes as unsigned, as the keys are ordered.
        ASSERT_TRUE(std::is_sorted(names.begin(), names.end(),
                                   [](const auto& a, const auto& b) { return a.first < b.first; }));
        std::sort(expectedNumbers.begin(), expectedNumbers.end());
        ASSERT_EQ(numbers, expectedNumbers);
        std::sort(names.begin(), names.end());
        std::sort(expectedNames.begin(), expectedNames.end());
        ASSERT_EQ(names, expectedNames);
        if (step % 50 == 0) {
            ASSERT_EQ(readFile(indexPath), index.fileImage());
        }
    }
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace tellmark::ledger
