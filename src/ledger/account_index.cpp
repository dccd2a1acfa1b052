#include "ledger/account_index.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <new>

#include "ledger/account_record.h"
#include "platform/directory.h"
#include "resources/texts_common.h"
#include "resources/texts_ledger_accounts.h"

namespace tellmark::ledger {

namespace {

constexpr char kVersionTag[8] = {'W', '0', '0', '1', '0', '0', '1', '\0'};
constexpr int kVersionNumber = 1001;  // the digits after the tag's letter
constexpr std::int64_t kHeaderSize = 24;
constexpr std::int64_t kNumberSlotSize = 8;
constexpr std::int64_t kNameSlotSize = 16;
constexpr std::size_t kBuildChunkRecords = 4096;

void putInt32(std::string& out, std::size_t at, std::int32_t value) {
    auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

std::int32_t getInt32(const char* in) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[i])) << (8 * i);
    return static_cast<std::int32_t>(u);
}

unsigned char upperByte(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
    switch (c) {
    case 0xE4: return 0xC4;  // ä, Windows code page
    case 0xF6: return 0xD6;  // ö
    case 0xFC: return 0xDC;  // ü
    case 0x84: return 0x8E;  // ä, DOS code page
    case 0x94: return 0x99;  // ö
    case 0x81: return 0x9A;  // ü
    default: return c;
    }
}

// Byte-wise comparison of the first n bytes, as the keys are ordered.
int compareKey(const IndexNameKey& key, std::string_view text, std::size_t n) {
    return std::memcmp(key.data(), text.data(), n);
}

bool keyLess(const IndexNameKey& a, const IndexNameKey& b) {
    return std::memcmp(a.data(), b.data(), kIndexNameKeyWidth) < 0;
}

std::string_view keyView(const IndexNameKey& key) { return {key.data(), key.size()}; }

}  // namespace

IndexNameKey accountNameKey(std::string_view name) {
    std::size_t end = name.find('\0');
    if (end != std::string_view::npos) name = name.substr(0, end);
    IndexNameKey key;
    key.fill(' ');
    for (std::size_t i = 0; i < kIndexNameKeyWidth && i < name.size(); ++i) {
        key[i] = static_cast<char>(upperByte(static_cast<unsigned char>(name[i])));
    }
    return key;
}

std::string accountNameUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(upperByte(static_cast<unsigned char>(c)));
    return out;
}

int accountIndexCapacityFor(int count) {
    int capacity = kIndexInitialCapacity;
    while (count > capacity - 3 && capacity <= INT_MAX / 2) capacity *= 2;
    return capacity;
}

CSIndex::CSIndex(ui::Messages& messages, ui::Progress& progress) : messages_(messages), progress_(progress) {}

void CSIndex::attach(const std::string& indexPath, platform::File& balanceFile) {
    indexPath_ = indexPath;
    balance_ = &balanceFile;
}

void CSIndex::clearArrays() {
    count_ = 0;
    capacity_ = kIndexInitialCapacity;
    numbers_.assign(static_cast<std::size_t>(capacity_), NumberSlot{0, 0});
    names_.assign(static_cast<std::size_t>(capacity_), NameSlot{{}, 0});
    numberCursor_ = 0;
    nameCursor_ = 0;
    numberGap_ = false;
    nameGap_ = false;
}

void CSIndex::close() {
    indexFile_.close();
    count_ = 0;
    numbers_.clear();
    numbers_.shrink_to_fit();
    names_.clear();
    names_.shrink_to_fit();
    numberCursor_ = 0;
    nameCursor_ = 0;
}

void CSIndex::deleteFile() {
    indexFile_.close();
    if (!indexPath_.empty()) platform::removeFile(indexPath_);
}

int CSIndex::open() {
    close();
    clearArrays();
    if (balance_ == nullptr || !balance_->isOpen()) return 0;
    if (indexPath_.empty()) return buildArrays();

    if (!indexFile_.open(indexPath_, platform::Share::DenyWrite)) {
        if (indexFile_.lastError() == ENOENT) return build();
        // The file is there but held elsewhere: work from the balance file, and say the index is not ready.
        buildArrays();
        return 0;
    }
    if (!checkVersion()) {
        deleteFile();
        return build();
    }
    if (readFile() == 1) return 1;
    // A cut or inconsistent file is a stale cache: make it anew.
    deleteFile();
    return build();
}

int CSIndex::rebuild() {
    close();
    deleteFile();
    return open();
}

bool CSIndex::checkVersion() {
    char tag[7];
    std::int64_t got = indexFile_.readAt(0, tag, sizeof tag);
    if (got < 0) {
        messages_.show(text::kAccountIndexReadError, text::kCaptionError, ui::kIconStop);
        return false;
    }
    if (got < static_cast<std::int64_t>(sizeof tag)) return false;
    return parseLeadingInt(std::string_view(tag + 1, 6)) == kVersionNumber;
}

int CSIndex::readFile() {
    char header[kHeaderSize];
    std::int64_t got = indexFile_.readAt(0, header, sizeof header);
    if (got < 0) {
        messages_.show(text::kAccountIndexReadError, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    if (got < kHeaderSize) {
        messages_.show(text::kAccountIndexHeaderReadError, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    const std::int32_t count = getInt32(header + 8);
    const std::int32_t capacity = getInt32(header + 12);
    const std::int64_t length = indexFile_.length();
    if (capacity < 1 || count < 0 || count > capacity ||
        kHeaderSize + (kNumberSlotSize + kNameSlotSize) * static_cast<std::int64_t>(capacity) > length) {
        return 0;
    }

    std::string block;
    try {
        block.resize(static_cast<std::size_t>((kNumberSlotSize + kNameSlotSize) * capacity));
        numbers_.assign(static_cast<std::size_t>(capacity), NumberSlot{0, 0});
        names_.assign(static_cast<std::size_t>(capacity), NameSlot{{}, 0});
    } catch (const std::bad_alloc&) {
        messages_.show(text::kAccountIndexMemoryBeforeRead, text::kCaptionError, ui::kIconStop);
        clearArrays();
        return 0;
    }
    got = indexFile_.readAt(kHeaderSize, block.data(), block.size());
    if (got < 0) {
        messages_.show(text::kAccountIndexReadError, text::kCaptionError, ui::kIconStop);
        clearArrays();
        return 0;
    }
    if (got < static_cast<std::int64_t>(block.size())) {
        clearArrays();
        return 0;
    }
    // Only the used slots mean anything; the rest are zeros by definition.
    const char* in = block.data();
    for (std::int32_t i = 0; i < count; ++i) {
        numbers_[i].number = getInt32(in + i * kNumberSlotSize);
        numbers_[i].record = getInt32(in + i * kNumberSlotSize + 4);
    }
    in += kNumberSlotSize * capacity;
    for (std::int32_t i = 0; i < count; ++i) {
        std::memcpy(names_[i].key.data(), in + i * kNameSlotSize, kIndexNameKeyWidth);
        names_[i].record = getInt32(in + i * kNameSlotSize + kIndexNameKeyWidth);
    }
    count_ = count;
    capacity_ = capacity;
    numberCursor_ = 0;
    nameCursor_ = 0;

    std::int64_t balanceLength = balance_->length();
    if (balanceLength < 0 || !holdsTogether(balanceLength / static_cast<std::int64_t>(kAccountRecordSize)) ||
        !matchesBalanceFile(balanceLength / static_cast<std::int64_t>(kAccountRecordSize))) {
        clearArrays();
        return 0;
    }
    return 1;
}

// An index written before the balance file changed (an interrupted creation, deletion or rename) would
// hide an account - which could then be created a second time - or send a lookup to the wrong record.
// Every account of the file must be in the index under its number and its name key, and nothing else.
bool CSIndex::matchesBalanceFile(std::int64_t balanceCount) const {
    std::vector<int> numberOf(static_cast<std::size_t>(balanceCount), 0);
    std::vector<IndexNameKey> keyOf(static_cast<std::size_t>(balanceCount));
    std::string chunk(kBuildChunkRecords * kAccountRecordSize, '\0');
    std::int64_t accounts = 0;
    for (std::int64_t first = 0; first < balanceCount; first += static_cast<std::int64_t>(kBuildChunkRecords)) {
        const std::int64_t n = std::min<std::int64_t>(static_cast<std::int64_t>(kBuildChunkRecords), balanceCount - first);
        if (!balance_->readExact(first * static_cast<std::int64_t>(kAccountRecordSize), chunk.data(),
                                 static_cast<std::size_t>(n) * kAccountRecordSize))
            return false;
        for (std::int64_t k = 0; k < n; ++k) {
            const char* record = chunk.data() + k * static_cast<std::int64_t>(kAccountRecordSize);
            const int number = parseLeadingInt(std::string_view(record, kAccountNumberWidth));
            numberOf[static_cast<std::size_t>(first + k)] = number;
            keyOf[static_cast<std::size_t>(first + k)] =
                accountNameKey(std::string_view(record + AccountRecord::kNameOffset, kIndexNameKeyWidth));
            if (number > 0) ++accounts;
        }
    }
    if (accounts != count_) return false;
    for (int i = 0; i < count_; ++i) {
        if (numberOf[static_cast<std::size_t>(numbers_[i].record)] != numbers_[i].number) return false;
        if (keyOf[static_cast<std::size_t>(names_[i].record)] != names_[i].key) return false;
    }
    return true;
}

// Sorted arrays, positive numbers, and both arrays naming the same records of the balance file, each once.
bool CSIndex::holdsTogether(std::int64_t balanceCount) const {
    if (count_ > balanceCount) return false;
    std::vector<unsigned char> seen(static_cast<std::size_t>(balanceCount), 0);
    for (int i = 0; i < count_; ++i) {
        const NumberSlot& slot = numbers_[i];
        if (slot.number <= 0 || slot.record < 0 || slot.record >= balanceCount) return false;
        if (i > 0 && slot.number < numbers_[i - 1].number) return false;
        if (seen[slot.record] != 0) return false;
        seen[slot.record] = 1;
    }
    for (int i = 0; i < count_; ++i) {
        const NameSlot& slot = names_[i];
        if (slot.record < 0 || slot.record >= balanceCount) return false;
        if (i > 0 && keyLess(slot.key, names_[i - 1].key)) return false;
        if (seen[slot.record] != 1) return false;
        seen[slot.record] = 2;
    }
    return true;
}

int CSIndex::build() {
    if (buildArrays() != 1) return 0;
    return writeFile();
}

// Reads the balance file in large blocks and sorts once. Equal numbers and equal name keys end up with
// the later record first, exactly as inserting the records one by one in file order places them.
int CSIndex::buildArrays() {
    clearArrays();
    const std::int64_t length = balance_ != nullptr ? balance_->length() : -1;
    if (length < 0) return 0;
    const std::int64_t records = length / static_cast<std::int64_t>(kAccountRecordSize);

    progress_.start(text::kAccountIndexProgressCaption, "", text::kAccountIndexProgressLine,
                    text::kAccountIndexProgressLabel, static_cast<int>(length / 2020 + 1), ui::kBarStayFull);
    std::vector<NumberSlot> numbers;
    std::vector<NameSlot> names;
    std::string chunk;
    try {
        numbers.reserve(static_cast<std::size_t>(records));
        names.reserve(static_cast<std::size_t>(records));
        chunk.resize(kBuildChunkRecords * kAccountRecordSize);
    } catch (const std::bad_alloc&) {
        progress_.end();
        messages_.show(text::kAccountIndexNoMemory, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    for (std::int64_t first = 0; first < records; first += static_cast<std::int64_t>(kBuildChunkRecords)) {
        const std::int64_t n = std::min<std::int64_t>(static_cast<std::int64_t>(kBuildChunkRecords), records - first);
        if (!balance_->readExact(first * static_cast<std::int64_t>(kAccountRecordSize), chunk.data(),
                                 static_cast<std::size_t>(n) * kAccountRecordSize)) {
            progress_.end();
            clearArrays();
            return 0;
        }
        for (std::int64_t k = 0; k < n; ++k) {
            const char* record = chunk.data() + k * static_cast<std::int64_t>(kAccountRecordSize);
            const int number = parseLeadingInt(std::string_view(record, kAccountNumberWidth));
            const auto j = static_cast<std::int32_t>(first + k);
            if (number > 0) {
                numbers.push_back({number, j});
                names.push_back({accountNameKey(std::string_view(record + AccountRecord::kNameOffset,
                                                                 kIndexNameKeyWidth)),
                                 j});
            }
            if ((j + 1) % 10 == 0) {
                progress_.step(1);
                progress_.poll();
            }
        }
    }
    std::sort(numbers.begin(), numbers.end(), [](const NumberSlot& a, const NumberSlot& b) {
        return a.number != b.number ? a.number < b.number : a.record > b.record;
    });
    std::sort(names.begin(), names.end(), [](const NameSlot& a, const NameSlot& b) {
        int c = std::memcmp(a.key.data(), b.key.data(), kIndexNameKeyWidth);
        return c != 0 ? c < 0 : a.record > b.record;
    });
    const int count = static_cast<int>(numbers.size());
    const int capacity = accountIndexCapacityFor(count);
    try {
        numbers.resize(static_cast<std::size_t>(capacity), NumberSlot{0, 0});
        names.resize(static_cast<std::size_t>(capacity), NameSlot{{}, 0});
    } catch (const std::bad_alloc&) {
        progress_.end();
        messages_.show(text::kAccountIndexNoMemory, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    numbers_ = std::move(numbers);
    names_ = std::move(names);
    count_ = count;
    capacity_ = capacity;
    progress_.end();
    return 1;
}

std::string CSIndex::fileImage() const {
    const std::size_t capacity = static_cast<std::size_t>(capacity_);
    std::string out(static_cast<std::size_t>(kHeaderSize) + capacity * (kNumberSlotSize + kNameSlotSize), '\0');
    std::memcpy(out.data(), kVersionTag, sizeof kVersionTag);
    putInt32(out, 8, count_);
    putInt32(out, 12, capacity_);
    std::size_t at = static_cast<std::size_t>(kHeaderSize);
    for (int i = 0; i < count_; ++i) {
        putInt32(out, at + i * kNumberSlotSize, numbers_[i].number);
        putInt32(out, at + i * kNumberSlotSize + 4, numbers_[i].record);
    }
    at += capacity * kNumberSlotSize;
    for (int i = 0; i < count_; ++i) {
        std::memcpy(out.data() + at + i * kNameSlotSize, names_[i].key.data(), kIndexNameKeyWidth);
        putInt32(out, at + i * kNameSlotSize + kIndexNameKeyWidth, names_[i].record);
    }
    return out;
}

int CSIndex::writeFile() {
    if (indexPath_.empty()) return 1;
    if (!indexFile_.isOpen() && !indexFile_.create(indexPath_)) {
        messages_.show(text::kAccountIndexCreateFailed, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    const std::string image = fileImage();
    if (!indexFile_.writeAt(0, image.data(), image.size()) ||
        !indexFile_.truncate(static_cast<std::int64_t>(image.size()))) {
        messages_.show(text::kAccountIndexWriteFailed, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    return 1;
}

int CSIndex::lowerBoundNumber(int number) const {
    auto end = numbers_.begin() + count_;
    auto it = std::partition_point(numbers_.begin(), end, [number](const NumberSlot& s) { return s.number < number; });
    return static_cast<int>(it - numbers_.begin());
}

// First slot whose key, cut to the length of the text, is not below the text.
int CSIndex::lowerBoundName(std::string_view key) const {
    const std::size_t n = std::min(key.size(), kIndexNameKeyWidth);
    auto end = names_.begin() + count_;
    auto it = std::partition_point(names_.begin(), end,
                                   [&](const NameSlot& s) { return compareKey(s.key, key, n) < 0; });
    return static_cast<int>(it - names_.begin());
}

int CSIndex::findByNumber(std::string_view numberText, int& record) {
    record = -1;
    const int number = parseLeadingInt(numberText);
    if (number <= 0) return kIndexKeySmaller;
    const int p = lowerBoundNumber(number);
    numberCursor_ = p;
    numberGap_ = !(p < count_ && numbers_[p].number == number);
    if (numberGap_) return kIndexKeySmaller;
    record = numbers_[p].record;
    return kIndexFound;
}

int CSIndex::findByName(std::string_view text, int& record) {
    record = -1;
    std::size_t end = text.find('\0');
    if (end != std::string_view::npos) text = text.substr(0, end);
    std::string key = accountNameUpper(text.substr(0, std::min(text.size(), kIndexNameKeyWidth)));
    const int p = lowerBoundName(key);
    nameCursor_ = p;
    nameGap_ = !(p < count_ && compareKey(names_[p].key, key, key.size()) == 0);
    if (nameGap_) return kIndexKeySmaller;
    record = names_[p].record;
    return kIndexFound;
}

bool CSIndex::reserve(int needed) {
    if (needed < capacity_ - 3) return true;
    if (capacity_ > INT_MAX / 2) return false;
    try {
        const int capacity = capacity_ * 2;
        numbers_.resize(static_cast<std::size_t>(capacity), NumberSlot{0, 0});
        names_.resize(static_cast<std::size_t>(capacity), NameSlot{{}, 0});
        capacity_ = capacity;
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

int CSIndex::insert(int record, int number, std::string_view name, bool save) {
    if (record < 0 || number <= 0 || numbers_.empty()) return 0;
    if (!reserve(count_)) {
        messages_.show(text::kAccountIndexNoMemory, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    for (int i = 0; i < count_; ++i) {
        if (numbers_[i].record >= record) ++numbers_[i].record;
        if (names_[i].record >= record) ++names_[i].record;
    }
    const int p = lowerBoundNumber(number);
    std::copy_backward(numbers_.begin() + p, numbers_.begin() + count_, numbers_.begin() + count_ + 1);
    numbers_[p] = {number, record};
    numberCursor_ = p;
    numberGap_ = false;

    const IndexNameKey key = accountNameKey(name);
    const int q = lowerBoundName(keyView(key));
    std::copy_backward(names_.begin() + q, names_.begin() + count_, names_.begin() + count_ + 1);
    names_[q] = {key, record};
    nameCursor_ = q;
    nameGap_ = false;

    ++count_;
    return save ? writeFile() : 1;
}

int CSIndex::positionOfRecordInNames(int first, const IndexNameKey& key, int record) const {
    for (int q = first; q < count_ && names_[q].key == key; ++q) {
        if (names_[q].record == record) return q;
    }
    return -1;
}

int CSIndex::remove(std::string_view numberText, std::string_view name) {
    const int number = parseLeadingInt(numberText);
    const IndexNameKey key = accountNameKey(name);
    int p = number > 0 ? lowerBoundNumber(number) : count_;
    int q = -1;
    // Among equal numbers, the one whose record carries this name.
    const int firstName = lowerBoundName(keyView(key));
    for (; p < count_ && numbers_[p].number == number; ++p) {
        q = positionOfRecordInNames(firstName, key, numbers_[p].record);
        if (q >= 0) break;
    }
    if (q < 0) {
        rebuild();
        return 0;
    }
    const int record = numbers_[p].record;
    std::copy(numbers_.begin() + p + 1, numbers_.begin() + count_, numbers_.begin() + p);
    std::copy(names_.begin() + q + 1, names_.begin() + count_, names_.begin() + q);
    --count_;
    numbers_[count_] = NumberSlot{0, 0};
    names_[count_] = NameSlot{{}, 0};
    for (int i = 0; i < count_; ++i) {
        if (numbers_[i].record >= record) --numbers_[i].record;
        if (names_[i].record >= record) --names_[i].record;
    }
    numberCursor_ = p;
    nameCursor_ = q;
    numberGap_ = true;
    nameGap_ = true;
    shrinkIfSparse();
    return writeFile();
}

// After many removals the arrays are cut back to the size a fresh build would give. This is done on the
// arrays themselves, not by reading the balance file again: while an account is renamed (removed, then
// inserted under the same record) the balance file still holds the old name, and a build from it would
// leave the account in the index twice.
void CSIndex::shrinkIfSparse() {
    if (count_ >= capacity_ / 2 - 32) return;
    const int capacity = accountIndexCapacityFor(count_);
    if (capacity >= capacity_) return;
    numbers_.resize(static_cast<std::size_t>(capacity));
    names_.resize(static_cast<std::size_t>(capacity));
    numbers_.shrink_to_fit();
    names_.shrink_to_fit();
    capacity_ = capacity;
}

bool CSIndex::placeCursorsOn(int number, std::string_view name, int record) {
    int p = lowerBoundNumber(number);
    while (p < count_ && numbers_[p].number == number && numbers_[p].record != record) ++p;
    if (p >= count_ || numbers_[p].number != number) return false;
    const IndexNameKey key = accountNameKey(name);
    const int q = positionOfRecordInNames(lowerBoundName(keyView(key)), key, record);
    if (q < 0) return false;
    numberCursor_ = p;
    nameCursor_ = q;
    numberGap_ = false;
    nameGap_ = false;
    return true;
}

bool CSIndex::firstAndLastByNumber(int& firstNumber, int& firstRecord, int& lastNumber, int& lastRecord) const {
    if (count_ < 1) return false;
    firstNumber = numbers_[0].number;
    firstRecord = numbers_[0].record;
    lastNumber = numbers_[count_ - 1].number;
    lastRecord = numbers_[count_ - 1].record;
    return true;
}

int CSIndex::rangeStart(int from, int to) {
    const int p = lowerBoundNumber(from);
    numberCursor_ = p;
    numberGap_ = p >= count_;
    if (p < count_ && numbers_[p].number <= to) return numbers_[p].record;
    return -1;
}

// A cursor in a gap (after a search that found nothing, or a removal) stands just before its slot: the
// next account is that slot, the previous one the slot before it.
int CSIndex::nextByNumber(int limit) {
    const int cursor = std::min(numberCursor_, count_);
    const int next = numberGap_ ? cursor : cursor + 1;
    if (next >= count_ || numbers_[next].number > limit) return -1;
    numberCursor_ = next;
    numberGap_ = false;
    return numbers_[next].record;
}

int CSIndex::previousByNumber(int limit) {
    const int previous = std::min(numberCursor_, count_) - 1;
    if (previous < 0 || numbers_[previous].number < limit) return -1;
    numberCursor_ = previous;
    numberGap_ = false;
    return numbers_[previous].record;
}

int CSIndex::numberAtCursor() const {
    return !numberGap_ && numberCursor_ >= 0 && numberCursor_ < count_ ? numbers_[numberCursor_].number : 0;
}

int CSIndex::firstByName(std::string& key) {
    if (count_ < 1) return -1;
    nameCursor_ = 0;
    nameGap_ = false;
    key.assign(keyView(names_[0].key));
    return names_[0].record;
}

int CSIndex::nextByName(std::string& key) {
    const int cursor = std::min(nameCursor_, count_);
    const int next = nameGap_ ? cursor : cursor + 1;
    if (next >= count_) return -1;
    nameCursor_ = next;
    nameGap_ = false;
    key.assign(keyView(names_[next].key));
    return names_[next].record;
}

int CSIndex::previousByName(std::string& key) {
    const int previous = std::min(nameCursor_, count_) - 1;
    if (previous < 0) return -1;
    nameCursor_ = previous;
    nameGap_ = false;
    key.assign(keyView(names_[previous].key));
    return names_[previous].record;
}

}  // namespace tellmark::ledger
