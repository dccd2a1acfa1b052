#pragma once
// The record that an operation changing the books is under way. It is written and synced before the
// operation's first write and removed after its last write is synced, so a circle that still has it
// when it is opened was left by an operation that did not finish (a crash, a kill, a failed write):
// what can be derived from the journal is then built anew. The file is a few lines of text beside the
// journal, readable in any editor.

#include <cstdint>
#include <string>
#include <string_view>

namespace tellmark::ledger {

struct OperationRecord {
    std::string operation;            // what was under way, as the user would name it ("Buchung", ...)
    std::int64_t journalBefore = -1;  // journal length when it began
    std::int64_t journalAfter = -1;   // journal length once its records are whole
    std::int64_t balanceBefore = -1;  // balance file length when it began
};

class OperationMarker {
public:
    void attach(const std::string& path) { path_ = path; }
    const std::string& path() const { return path_; }

    bool present() const;
    // False when the file cannot be read or holds no record.
    bool read(OperationRecord& record) const;
    // Writes the record and syncs it and its directory. False when it is not safely on disk: then the
    // operation must not start.
    bool begin(const OperationRecord& record);
    // Removes the record (the operation's writes are on disk). False when it stays.
    bool clear();

    // An operation that spans many (a batch of bookings) holds its record from begin to clear: the
    // operations inside it write no record of their own and leave the syncing to it.
    void hold(bool held) { held_ = held; }
    bool held() const { return held_; }

private:
    std::string path_;
    bool held_ = false;
};

// Text of the record as stored, and back.
std::string operationRecordText(const OperationRecord& record);
bool parseOperationRecord(std::string_view text, OperationRecord& record);

}  // namespace tellmark::ledger
