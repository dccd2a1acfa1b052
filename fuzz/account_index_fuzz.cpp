// The account index (".sdx") from any bytes over a small sound balance file: the input is the index
// file. Opening either takes the file as it stands, when it holds together, or builds it anew and writes
// it; either way the index is sorted and names each account of the balance file at most once, searching
// and stepping stay inside it, and adding and removing an account keep file and memory alike.

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "platform/file.h"
#include "resources/texts_ledger_accounts.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::fuzzing::account_index {
namespace {

using ledger::CSIndex;

std::string balanceRecord(std::string_view number, std::string_view name) {
    std::string out(number);
    out += std::string(name).append(25 - name.size(), ' ');
    out += ' ';
    for (int slot = 0; slot < 14; ++slot) out += "        0.00";
    return out + "*\r\n";
}

// Six accounts and one damaged record without a number, which the index leaves out.
std::string balanceFile() {
    return balanceRecord(" 1570", "Abziehbare Vorsteuer") + balanceRecord(" 1770", "Umsatzsteuer") +
           balanceRecord(" 1000", "Kasse") + balanceRecord(" 1200", "Bank") +
           balanceRecord(" 8400", "Erl\xF6se 19% USt") + balanceRecord("10000", "Kunde M\xFCller") +
           balanceRecord("     ", "");
}

// Sorted, positive numbers, records of the balance file, each record once and in both arrays.
void checkShape(const CSIndex& index, int records) {
    FUZZ_CHECK(index.count() >= 0 && index.count() <= index.capacity() && index.count() <= records);
    std::vector<int> seen(static_cast<std::size_t>(records), 0);
    for (int i = 0; i < index.count(); ++i) {
        const CSIndex::NumberSlot& n = index.numberSlots()[i];
        FUZZ_CHECK(n.number > 0 && n.record >= 0 && n.record < records);
        if (i > 0) FUZZ_CHECK(index.numberSlots()[i - 1].number <= n.number);
        if (n.record >= 0 && n.record < records) ++seen[static_cast<std::size_t>(n.record)];
    }
    for (int i = 0; i < index.count(); ++i) {
        const CSIndex::NameSlot& s = index.nameSlots()[i];
        FUZZ_CHECK(s.record >= 0 && s.record < records);
        if (i > 0)
            FUZZ_CHECK(std::memcmp(index.nameSlots()[i - 1].key.data(), s.key.data(), ledger::kIndexNameKeyWidth) <= 0);
        if (s.record >= 0 && s.record < records) seen[static_cast<std::size_t>(s.record)] += 2;
    }
    for (int count : seen) FUZZ_CHECK(count == 0 || count == 3);
}

// The used slots of an index.
struct Slots {
    std::vector<CSIndex::NumberSlot> numbers;
    std::vector<CSIndex::NameSlot> names;
};

Slots slotsOf(const CSIndex& index) {
    return {{index.numberSlots(), index.numberSlots() + index.count()},
            {index.nameSlots(), index.nameSlots() + index.count()}};
}

bool sameArrays(const CSIndex& index, const Slots& expected) {
    if (static_cast<std::size_t>(index.count()) != expected.numbers.size()) return false;
    for (int i = 0; i < index.count(); ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const CSIndex::NumberSlot& n = index.numberSlots()[i];
        const CSIndex::NameSlot& s = index.nameSlots()[i];
        if (n.number != expected.numbers[k].number || n.record != expected.numbers[k].record ||
            s.key != expected.names[k].key || s.record != expected.names[k].record)
            return false;
    }
    return true;
}

// What a build from the balance file gives; the balance file is the same for every input, so it is built
// once per process (a build reads in large blocks, which is slow under the sanitizers).
const Slots& builtFrom(platform::File& balance, int records) {
    static std::vector<std::pair<int, Slots>> built;
    for (const auto& [count, slots] : built)
        if (count == records) return slots;
    ui::RecordingMessages messages;
    ui::NoProgress progress;
    CSIndex index(messages, progress);
    index.attach("", balance);  // in memory only
    FUZZ_CHECK(index.open() == 1);
    built.emplace_back(records, slotsOf(index));
    return built.back().second;
}

// The arrays a file that was taken as it stands must have given.
bool arraysOfFile(const CSIndex& index, std::string_view file) {
    const std::int32_t count = int32At(file, 8);
    const std::int32_t capacity = int32At(file, 12);
    if (count != index.count() || capacity != index.capacity()) return false;
    const std::size_t names = 24 + 8 * static_cast<std::size_t>(capacity);
    for (int i = 0; i < count; ++i) {
        const std::size_t at = 24 + 8 * static_cast<std::size_t>(i);
        const CSIndex::NumberSlot& n = index.numberSlots()[i];
        if (n.number != int32At(file, at) || n.record != int32At(file, at + 4)) return false;
        const std::size_t nameAt = names + 16 * static_cast<std::size_t>(i);
        if (std::memcmp(index.nameSlots()[i].key.data(), file.data() + nameAt, 12) != 0 ||
            index.nameSlots()[i].record != int32At(file, nameAt + 12))
            return false;
    }
    return true;
}

void searchAndStep(CSIndex& index, int records) {
    for (const char* number : {" 1000", " 1200", " 1570", " 1770", " 8400", "10000", "    5", "29999", "  -12", ""}) {
        int record = -2;
        const int code = index.findByNumber(number, record);
        FUZZ_CHECK(code == ledger::kIndexFound || code == ledger::kIndexKeySmaller);
        FUZZ_CHECK(code == ledger::kIndexFound ? record >= 0 && record < records : record == -1);
        if (code == ledger::kIndexFound) FUZZ_CHECK(index.numberAtCursor() == ledger::parseLeadingInt(number));
    }
    for (const char* name : {"KA", "b", "Erl\xF6", "", "zzz", "Kunde M\xFCller und S\xF6hne"}) {
        int record = -2;
        const int code = index.findByName(name, record);
        FUZZ_CHECK(code == ledger::kIndexFound ? record >= 0 && record < records : record == -1);
    }
    int steps = 0;
    int record = index.rangeStart(1000, 2000);
    while (record >= 0 && steps <= index.count()) {
        FUZZ_CHECK(record < records);
        record = index.nextByNumber(INT_MAX);
        ++steps;
    }
    FUZZ_CHECK(steps <= index.count());
    steps = 0;
    while (index.previousByNumber(INT_MIN) >= 0 && steps <= index.count()) ++steps;
    FUZZ_CHECK(steps <= index.count());
    std::string key;
    steps = 0;
    for (record = index.firstByName(key); record >= 0 && steps <= index.count(); record = index.nextByName(key)) {
        FUZZ_CHECK(key.size() == ledger::kIndexNameKeyWidth);
        ++steps;
    }
    FUZZ_CHECK(steps == index.count());
    int first = 0, firstRecord = 0, last = 0, lastRecord = 0;
    FUZZ_CHECK(index.firstAndLastByNumber(first, firstRecord, last, lastRecord) == (index.count() > 0));
}

void run(std::string_view input) {
    const std::string& dir = scratchDir("account_index");
    const std::string balancePath = dir + "/B2009001.sal";
    const std::string indexPath = dir + "/B2009001.sdx";
    writeBytes(balancePath, balanceFile());
    writeBytes(indexPath, input);

    platform::File balance;
    FUZZ_CHECK(balance.open(balancePath, platform::Share::DenyWrite));
    int records = static_cast<int>(balance.length() / static_cast<std::int64_t>(ledger::kAccountRecordSize));
    ui::RecordingMessages messages;
    ui::NoProgress progress;

    const Slots& built = builtFrom(balance, records);
    FUZZ_CHECK(built.numbers.size() == 6);

    CSIndex index(messages, progress);
    index.attach(indexPath, balance);
    FUZZ_CHECK(index.open() == 1);
    checkShape(index, records);
    const std::string onDisk = readBytes(indexPath);
    if (onDisk == input) {
        FUZZ_CHECK(arraysOfFile(index, input));  // taken as it stands
    } else {
        FUZZ_CHECK(onDisk == index.fileImage());  // built anew and written
        FUZZ_CHECK(sameArrays(index, built));
    }
    // A file too short for its header is reported before it is built anew; nothing else is worth a word.
    FUZZ_CHECK(messages.empty() || (messages.entries.size() == 1 && input.size() < 24 &&
                                    messages.last().text == text::kAccountIndexHeaderReadError));
    messages.entries.clear();
    searchAndStep(index, records);

    // A new account, as the account maintenance adds it: appended to the balance file, then indexed.
    ledger::CSalden cursor(messages);
    cursor.attach(balance, 0, 1, 3);
    FUZZ_CHECK(cursor.createAccount(" 4711", "Fuzzkonto", 12.5) == 1);
    records = cursor.count();
    const int before = index.count();
    FUZZ_CHECK(index.insert(cursor.recordNumber(), 4711, "Fuzzkonto", true) == 1);
    FUZZ_CHECK(index.count() == before + 1);
    checkShape(index, records);
    FUZZ_CHECK(readBytes(indexPath) == index.fileImage());
    int record = -1;
    FUZZ_CHECK(index.findByNumber(" 4711", record) == ledger::kIndexFound);
    FUZZ_CHECK(index.findByName("fuzzk", record) == ledger::kIndexFound);
    searchAndStep(index, records);

    // Deleted again as the account maintenance deletes it: from the balance file, then from the index.
    FUZZ_CHECK(cursor.read(records - 1) == 4711);
    FUZZ_CHECK(cursor.deleteAccount() == 1);
    records = cursor.count();
    FUZZ_CHECK(index.remove(" 4711", "Fuzzkonto") == 1);
    FUZZ_CHECK(index.count() == before);
    checkShape(index, records);
    FUZZ_CHECK(readBytes(indexPath) == index.fileImage());

    // What was written is taken as it stands by the next open (the file is held while the index is open).
    const std::string image = index.fileImage();
    index.close();
    {
        CSIndex again(messages, progress);
        again.attach(indexPath, balance);
        FUZZ_CHECK(again.open() == 1);
        FUZZ_CHECK(again.fileImage() == image);
        FUZZ_CHECK(readBytes(indexPath) == image);
    }
    FUZZ_CHECK(index.open() == 1);
    FUZZ_CHECK(index.fileImage() == image);

    // An account the index does not hold: the index is built anew from the balance file.
    if (index.remove(" 9999", "Nirgends") == 0) {
        FUZZ_CHECK(sameArrays(index, builtFrom(balance, records)));
        FUZZ_CHECK(readBytes(indexPath) == index.fileImage());
    }
    FUZZ_CHECK(messages.empty());
}

}  // namespace
}  // namespace tellmark::fuzzing::account_index

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::account_index::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
