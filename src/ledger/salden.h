#pragma once
// CSalden: a cursor on the balance file (".sal"). It holds one account record at a time, parsed into
// numbers. The open booking circle keeps several cursors on the one open file (debit, credit, both VAT
// accounts, reports), so a posting can hold all its accounts at once; each operation reads or writes at
// the record's own position, nothing is cached beyond the current record.
//
// Months are calendar months: 0 is the opening balance, 1-12 the months, 13 the closing-entries month. In
// a business year that starts in month F, calendar month m lies in slot m - F + 1 (m >= F) or
// m - F + 13 (m < F); 0 and 13 are never moved.

#include <array>
#include <string>
#include <string_view>

#include "ledger/account_record.h"
#include "platform/file.h"
#include "ui/messages.h"

namespace tellmark::ledger {

class CSIndex;

class CSalden {
public:
    explicit CSalden(ui::Messages& messages);
    CSalden(const CSalden&) = delete;
    CSalden& operator=(const CSalden&) = delete;

    // The file stays the caller's (shared by all cursors). spanYear is the span flag of the booking
    // circle (1 when the business year does not start in January), chart 3 or 4.
    void attach(platform::File& file, int spanYear, int firstMonth, int chart);
    // The account index used by the lookups and the stepping in number and name order.
    void useIndex(CSIndex& index) { index_ = &index; }

    // Number of records: file length / 202.
    int count() const;

    // Reads and parses the record; the account number value (0 for a blank number field). A record that
    // cannot be read (beyond the end, read error) leaves the cursor empty - no record, blank texts, zero
    // amounts - and gives -1.
    int read(int record);
    // As read, then checks the record: 1 sound, 0 damaged or unreadable. A sound record with blank slots
    // is written back at once with 0.00 in them; a damaged one is left as it is.
    int readAndCheck(int record);
    // Formats the fourteen slot values into the record and writes it at its record number. 1 written; 0
    // after the message "Konto konnte nicht in Saldendatei gespeichert werden !".
    int write();

    // Reposting starts afresh: all slots 0.00 when the status is '9' (the opening balance came from
    // carry-forward postings), otherwise slots 1-13 only (a hand-entered opening balance stays). Status
    // blank, record written.
    int resetForReposting();
    // Adds the amount to the slot of the calendar month, or to the opening balance with openingFlag (status
    // '9'); otherwise the status becomes '1' unless it is '9'. The status changes even for amount 0. The
    // record is written. 0 for a month outside 0-13 (nothing changed) or a failed write.
    int addToMonth(int calendarMonth, double amount, bool openingFlag);
    // Value of the slot of a calendar month (0 outside 0-13).
    double monthValue(int calendarMonth) const;
    // Sum of the slots from the first to the last calendar month, both included; 0 when the last lies
    // before the first in the business year.
    double periodSum(int firstMonth, int lastMonth) const;

    // Change the current record in memory; write() puts it on disk. The name is blank-padded to 25
    // characters (account maintenance: rename, new opening balance).
    void setName(std::string_view name);
    void setSlotValue(int slot, double value);

    // Appends an account: status blank, slot 0 the opening balance, the others 0.00; the cursor stands on
    // it afterwards. The caller adds it to the account index. 1 done, 0 after the write message.
    int createAccount(std::string_view numberText, std::string_view name, double opening);
    // Removes the current record; the later records move forward by one. The cursor is empty afterwards.
    // The caller removes the account from the index. 1 done, 0 after the write message.
    int deleteAccount();
    // Appends the two standard VAT accounts when the file holds fewer than two records. 1 done or nothing
    // to do, 0 after a failed write.
    int ensureVatAccounts();

    // Looks up a typed account: a text starting with a positive number is an account number ("84" finds
    // 8400, "12000" finds 12000), anything else the beginning of a name. Found: 1, the cursor on the
    // account, its balance text, name and number text. Not found: 0 and empty texts.
    int findByText(std::string_view text, std::string& balanceText, std::string& name, std::string& numberText);
    // As findByText with the number formatted " %04.0f" or " %05.0f"; 0 at once for values <= 0 or
    // above 29999.
    int findByNumber(double number, std::string& balanceText, std::string& name, std::string& numberText);

    // Step through the accounts in number or name order from the index cursor and read the account.
    // 0 at either end (the caller gives the warning beep), the cursor unchanged.
    int nextByNumber();
    int previousByNumber();
    int nextByName();
    int previousByName();

    // The current record.
    const AccountRecord& record() const { return record_; }
    std::string_view numberText() const;
    std::string_view name() const;
    char status() const { return loaded() ? record_.status() : ' '; }
    double slotValue(int slot) const;
    double balance() const { return balance_; }
    // "%12.2f" of the balance; empty when the cursor holds no record.
    const std::string& balanceText() const { return balanceText_; }
    int recordNumber() const { return recordNumber_; }
    int accountKind() const { return accountKind_; }
    int numberValue() const { return numberValue_; }
    bool loaded() const { return recordNumber_ >= 0; }

    // Slot of a calendar month in this booking circle; -1 outside 0-13.
    int slotOfMonth(int calendarMonth) const;

private:
    void clear();
    void parse();
    bool writeRecordAt(int record, const AccountRecord& data);
    void reportWriteFailure();
    int readFound(int record, std::string& balanceText, std::string& name, std::string& numberText);

    ui::Messages& messages_;
    platform::File* file_ = nullptr;
    CSIndex* index_ = nullptr;
    int spanYear_ = 0;
    int firstMonth_ = 1;
    int chart_ = 3;

    AccountRecord record_;
    std::array<double, kAccountSlotCount> slots_{};
    double balance_ = 0.0;
    std::string balanceText_;
    int recordNumber_ = -1;
    int accountKind_ = 0;
    int numberValue_ = 0;
};

}  // namespace tellmark::ledger
