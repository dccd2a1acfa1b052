// The balance file (".sal") from any bytes: the input is the file. Every record reads as it stands; the
// check writes back only a sound record with blank slots, changing nothing but its slot texts, and never
// touches another record. The account index built from the file finds what the cursor reads.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "config/amounts.h"
#include "fuzz_support.h"
#include "ledger/account_index.h"
#include "ledger/account_record.h"
#include "ledger/salden.h"
#include "platform/file.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::fuzzing::salden {
namespace {

using ledger::AccountRecord;
using ledger::CSalden;
using ledger::kAccountRecordSize;
using ledger::kAccountSlotCount;

constexpr int kMaxRecords = 64;
const std::string kZeroSlot = "        0.00";

std::string_view recordAt(std::string_view file, int record) {
    return file.substr(static_cast<std::size_t>(record) * kAccountRecordSize, kAccountRecordSize);
}

std::string_view slotOf(std::string_view record, int slot) {
    return record.substr(AccountRecord::kSlotOffset + static_cast<std::size_t>(slot) * ledger::kAccountSlotWidth,
                         ledger::kAccountSlotWidth);
}

// What the check may have made of a record: the slot texts rewritten from their values, blanks as 0.00;
// number, name, status and end untouched.
void checkRewritten(std::string_view before, std::string_view after) {
    FUZZ_CHECK(after.substr(0, AccountRecord::kSlotOffset) == before.substr(0, AccountRecord::kSlotOffset));
    FUZZ_CHECK(after.substr(AccountRecord::kEndMarkOffset) == before.substr(AccountRecord::kEndMarkOffset));
    for (int slot = 0; slot < kAccountSlotCount; ++slot) {
        const std::string_view old = slotOf(before, slot);
        const std::string expected =
            ledger::isAllBlanks(old) ? kZeroSlot : ledger::amountText12(ledger::parseDecimalText(old));
        FUZZ_CHECK(slotOf(after, slot) == expected);
    }
}

void checkCursor(const CSalden& cursor, std::string_view bytes) {
    FUZZ_CHECK(cursor.loaded());
    FUZZ_CHECK(cursor.record().bytes() == bytes);
    FUZZ_CHECK(cursor.numberValue() == ledger::parseLeadingInt(bytes.substr(0, ledger::kAccountNumberWidth)));
    double sum = 0.0;
    for (int slot = 0; slot < kAccountSlotCount; ++slot) sum += cursor.slotValue(slot);
    FUZZ_CHECK(cursor.balance() == config::roundToCents(sum));
    FUZZ_CHECK(cursor.balanceText() == ledger::amountText12(cursor.balance()));
    for (int month = -1; month <= 14; ++month) {
        const int slot = cursor.slotOfMonth(month);
        FUZZ_CHECK(slot >= -1 && slot <= 13);
        FUZZ_CHECK((slot == -1) == (month < 0 || month > 13));
        if (slot >= 0) FUZZ_CHECK(cursor.monthValue(month) == cursor.slotValue(slot));
    }
    (void)cursor.periodSum(1, 13);
}

void checkIndexOverFile(CSalden& cursor, platform::File& file, int records) {
    ui::RecordingMessages messages;
    ui::NoProgress progress;
    ledger::CSIndex index(messages, progress);
    index.attach("", file);  // in memory only
    FUZZ_CHECK(index.open() == 1);
    FUZZ_CHECK(index.count() <= records && index.count() <= index.capacity());
    for (int i = 1; i < index.count(); ++i) {
        FUZZ_CHECK(index.numberSlots()[i - 1].number <= index.numberSlots()[i].number);
        FUZZ_CHECK(std::memcmp(index.nameSlots()[i - 1].key.data(), index.nameSlots()[i].key.data(),
                               ledger::kIndexNameKeyWidth) <= 0);
    }
    cursor.useIndex(index);

    std::string balance, name, number;
    for (int r = 0; r < std::min(records, kMaxRecords); ++r) {
        cursor.read(r);
        FUZZ_CHECK(cursor.loaded());
        const int value = cursor.numberValue();
        const std::string ownName(cursor.name());
        if (value >= 1 && value <= 29999) {
            FUZZ_CHECK(cursor.findByNumber(value, balance, name, number) == 1);
            FUZZ_CHECK(cursor.numberValue() == value);
        }
        // Typed names find an account whose name key starts like them; typed digits are numbers.
        if (cursor.findByText(ownName, balance, name, number) == 1) FUZZ_CHECK(cursor.loaded());
    }

    // Stepping through all accounts ends, in number and in name order.
    cursor.read(0);
    int steps = 0;
    while (cursor.nextByNumber() == 1 && steps <= records) ++steps;
    FUZZ_CHECK(steps <= records);
    steps = 0;
    while (cursor.previousByName() == 1 && steps <= records) ++steps;
    FUZZ_CHECK(steps <= records);
    FUZZ_CHECK(messages.empty());
}

void run(std::string_view input) {
    const std::string path = scratchDir("salden") + "/B2009001.sal";
    writeBytes(path, input);

    // Chart and business year from the input's length, so that the corpus files stay plain balance files.
    const int chart = input.size() % 2 == 0 ? 3 : 4;
    const int firstMonth = static_cast<int>(input.size() % 12) + 1;
    const int spanYear = firstMonth == 1 ? 0 : 1;

    platform::File file;
    FUZZ_CHECK(file.open(path, platform::Share::DenyWrite));
    ui::RecordingMessages messages;
    CSalden cursor(messages);
    cursor.attach(file, spanYear, firstMonth, chart);
    const int records = static_cast<int>(input.size() / kAccountRecordSize);
    FUZZ_CHECK(cursor.count() == records);

    std::string current(input);
    for (int r = 0; r < std::min(records, kMaxRecords); ++r) {
        const std::string before(recordAt(current, r));
        cursor.read(r);
        checkCursor(cursor, before);

        const std::size_t messagesBefore = messages.entries.size();
        const int sound = cursor.readAndCheck(r);
        const std::string now = readBytes(path);
        FUZZ_CHECK(now.size() == current.size());
        const std::string after(recordAt(now, r));
        bool blankSlot = false;
        for (int slot = 0; slot < kAccountSlotCount; ++slot)
            blankSlot = blankSlot || ledger::isAllBlanks(slotOf(before, slot));
        if (sound == 1 && blankSlot && messages.entries.size() == messagesBefore) {
            checkRewritten(before, after);
        } else {
            FUZZ_CHECK(after == before);
        }
        // Nothing outside the record moved.
        FUZZ_CHECK(now.substr(0, r * kAccountRecordSize) == current.substr(0, r * kAccountRecordSize));
        FUZZ_CHECK(now.substr((r + 1) * kAccountRecordSize) == current.substr((r + 1) * kAccountRecordSize));
        current = now;
    }

    // Beyond the end the cursor is empty.
    FUZZ_CHECK(cursor.read(records) == -1 && !cursor.loaded());
    FUZZ_CHECK(cursor.read(-1) == -1 && !cursor.loaded());
    FUZZ_CHECK(cursor.balanceText().empty() && cursor.name().empty());

    checkIndexOverFile(cursor, file, records);
}

}  // namespace
}  // namespace tellmark::fuzzing::salden

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::salden::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
