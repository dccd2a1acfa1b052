#pragma once
// CSIndex: the account index (".sdx") over the balance file. Two sorted arrays held in memory - accounts
// by number and by a 12-character upper-case name key - each slot naming the record of the balance file.
// The whole index is written back after every change; the file is only a cache and is built anew from the
// balance file whenever it is missing, of another version or does not hold together.
//
// File layout, little-endian 32-bit signed integers:
//   0   8  "W001001" and a NUL
//   8   4  count of accounts
//  12   4  capacity (slots per array)
//  16   8  reserved, written as zeros
//  24      capacity x (account number, record number)
//          capacity x (12-byte name key, record number)
// The used slots stand at the front, sorted; the slots behind them are all zeros.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::ledger {

// Search results.
inline constexpr int kIndexKeySmaller = 2200;  // the key is smaller than the slot at the cursor, or no slot there
inline constexpr int kIndexKeyGreater = 2201;
inline constexpr int kIndexFound = 2202;

inline constexpr std::size_t kIndexNameKeyWidth = 12;
inline constexpr int kIndexInitialCapacity = 64;

using IndexNameKey = std::array<char, kIndexNameKeyWidth>;

// First twelve characters of a name, blank-padded, in upper case: a-z and the umlauts of the Windows code
// page (ä ö ü) and of the old DOS code page (0x84 0x94 0x81) become capitals; ß and the rest stay.
IndexNameKey accountNameKey(std::string_view name);
// The same upper-case conversion for a whole text (search texts are not padded).
std::string accountNameUpper(std::string_view text);

// The capacity an index built afresh has for this many accounts: 64, doubled while count > capacity - 3.
int accountIndexCapacityFor(int count);

class CSIndex {
public:
    struct NumberSlot {
        std::int32_t number;
        std::int32_t record;
    };
    struct NameSlot {
        IndexNameKey key;
        std::int32_t record;
    };

    CSIndex(ui::Messages& messages, ui::Progress& progress);
    CSIndex(const CSIndex&) = delete;
    CSIndex& operator=(const CSIndex&) = delete;

    // The balance file stays the caller's and must be open. An empty index path keeps the index in
    // memory only (an index over another year's balance file).
    void attach(const std::string& indexPath, platform::File& balanceFile);

    // Reads the index file, or builds it from the balance file when it is missing, of another version or
    // does not hold together. 1 ready. 0 when it could not be made; when only the file could not be had
    // (held by another program) the index is still built in memory and usable, but 0 tells the caller.
    int open();
    // Drops the arrays and the file and builds both anew. 1 ready.
    int rebuild();
    // Puts the index file on the disk; true when there is no file to sync.
    bool sync() { return !indexFile_.isOpen() || indexFile_.flush(); }
    void close();
    // The open index file (not open when the index lives in memory only), for copying it as it stands.
    platform::File& file() { return indexFile_; }

    int count() const { return count_; }
    int capacity() const { return capacity_; }

    // The text is parsed as a decimal number; a value <= 0 is not searched (code 2200, record -1).
    // Found: 2202 and the record, the number cursor on the slot (the first of equal numbers). Not found:
    // 2200, record -1, the number cursor in the gap where the number would be inserted, so that the next
    // and previous accounts are the neighbours of the number searched.
    int findByNumber(std::string_view numberText, int& record);
    // The text, in upper case, matches every name key it is a prefix of (at most 12 characters); the
    // first matching account in name order is returned. Not found: as for numbers.
    int findByName(std::string_view text, int& record);

    // Inserts account number (> 0) in record r into both arrays; record numbers >= r already in the index
    // move up by one. With save the file is written. 1 done, 0 failed (message shown).
    int insert(int record, int number, std::string_view name, bool save);
    // Removes the account with this number and name key; record numbers above its record move down by
    // one, as the balance file closes the gap. Writes the file. 0 when the account is not in the index,
    // which is then rebuilt from the balance file.
    int remove(std::string_view numberText, std::string_view name);

    // Lowest and highest account; false when the index is empty.
    bool firstAndLastByNumber(int& firstNumber, int& firstRecord, int& lastNumber, int& lastRecord) const;
    // Sets the number cursor to the first account >= from; its record when its number <= to, else -1.
    int rangeStart(int from, int to);
    // Step the number cursor. -1, cursor unchanged, at either end or when the next account lies beyond
    // the limit (above it going forward, below it going back).
    int nextByNumber(int limit);
    int previousByNumber(int limit);
    // Puts both cursors on the slots of this account (number, name key and record must all match), so
    // that stepping goes on from it. False, cursors unchanged, when the index does not hold it.
    bool placeCursorsOn(int number, std::string_view name, int record);
    // The account number at the number cursor, 0 when the cursor stands on no account.
    int numberAtCursor() const;

    // Step the name cursor; the record, and the 12-character key in key. -1 at either end.
    int firstByName(std::string& key);
    int nextByName(std::string& key);
    int previousByName(std::string& key);

    // The used slots, in order.
    const NumberSlot* numberSlots() const { return numbers_.data(); }
    const NameSlot* nameSlots() const { return names_.data(); }

    // The bytes the index file holds for the current arrays.
    std::string fileImage() const;

private:
    int readFile();
    int build();
    int buildArrays();
    int writeFile();
    bool checkVersion();
    bool holdsTogether(std::int64_t balanceCount) const;
    bool matchesBalanceFile(std::int64_t balanceCount) const;
    void deleteFile();
    void clearArrays();
    bool reserve(int needed);
    void shrinkIfSparse();
    int lowerBoundNumber(int number) const;
    int lowerBoundName(std::string_view key) const;
    int positionOfRecordInNames(int first, const IndexNameKey& key, int record) const;

    ui::Messages& messages_;
    ui::Progress& progress_;
    std::string indexPath_;
    platform::File* balance_ = nullptr;
    platform::File indexFile_;

    int count_ = 0;
    int capacity_ = kIndexInitialCapacity;
    std::vector<NumberSlot> numbers_;  // capacity_ slots
    std::vector<NameSlot> names_;
    int numberCursor_ = 0;
    int nameCursor_ = 0;
    bool numberGap_ = false;  // the cursor stands in the gap before its slot, not on it
    bool nameGap_ = false;
};

}  // namespace tellmark::ledger
