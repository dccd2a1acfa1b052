#pragma once
// Posting the whole journal again onto the accounts of the balance file, in memory and in one pass: every
// slot the reposting through the cursors would write, to the byte, without reading or writing a record
// per posting. The accounts stay as the file holds them (numbers, names, order, hand-entered opening
// balances); their slots are cleared first as reposting clears them. The caller writes the result once.

#include <memory>
#include <string>
#include <vector>

#include "config/circle_settings.h"
#include "ledger/account_index.h"
#include "ledger/account_record.h"
#include "ledger/journal.h"
#include "ui/progress.h"

namespace tellmark::posting {

// Why a booking cannot be posted again as it stands.
enum class ReorgProblem {
    BadDate,            // no valid day and month of the booking year, even after the repair of its text
    MissingAccount,     // debit or credit account not in the balance file (after broken accounts are gone)
    VatAccountMissing,  // the standard VAT account its posting type needs is missing
    SlotOverflow,       // a month slot would no longer fit its twelve characters
    BadAmount,          // the amount or the VAT rate of the record is no number
};

// The account number a stored account text stands for when it is a number ("4711", "84" -> 8400), as
// the cursors look numbers up; 0 for a name.
int storedAccountNumber(std::string_view text);

// Whether a number field of a journal record reads as a number: blanks, an optional '-', digits, and
// a '.' with digits; blanks behind. A blank field is no amount (a blank rate reads as 0 and is allowed).
bool storedNumberValid(std::string_view field, bool blankAllowed);

struct RebuildProblem {
    long booking = 0;
    ReorgProblem reason = ReorgProblem::BadDate;
    std::string subject;  // the date, the account text or the VAT account number
};

struct RebuiltBalances {
    bool readFailed = false;
    // Accounts whose number appears twice, or whose record is damaged: only the reorganisation may
    // remove them, so nothing is rebuilt.
    bool accountsNeedRepair = false;
    std::vector<ledger::AccountRecord> records;
    std::vector<RebuildProblem> problems;
    long bookings = 0;
    bool ok() const { return !readFailed && !accountsNeedRepair && problems.empty(); }
};

// Reposting booking by booking, for a caller that decides about each booking on the way (the
// reorganisation): a booking with a problem is not posted, the others are.
class InMemoryReposting {
public:
    InMemoryReposting(std::vector<ledger::AccountRecord> records, ledger::CSIndex& index,
                      const config::CircleSettings& settings);
    ~InMemoryReposting();
    InMemoryReposting(const InMemoryReposting&) = delete;
    InMemoryReposting& operator=(const InMemoryReposting&) = delete;

    // False when an account is damaged or its number appears twice.
    bool prepare();
    // For records other than those the account index describes (the balance file before its clean-up):
    // the account numbers of the indexed records in their order, so that a name still finds its account.
    // Called before prepare().
    void setIndexedNumbers(std::vector<int> numbers);
    // An account appended to the balance file during the run.
    void addAccount(const ledger::AccountRecord& record);
    // Whether the account text finds an account.
    bool finds(std::string_view accountText);
    // Posts the booking, or tells why it cannot be (nothing posted then).
    bool post(long n, const ledger::ParsedBooking& b, RebuildProblem& problem);
    // The records with their slots as reposting leaves them.
    std::vector<ledger::AccountRecord> records();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The balance file's records as they stand. False on a read error or a length of no whole records.
bool readAccountRecords(platform::File& balanceFile, std::vector<ledger::AccountRecord>& records);

// Reposts the journal onto the records (in file order; the account index must describe them, it finds
// accounts typed by name). Progress: one step per hundred bookings on a window the caller started.
RebuiltBalances repostInMemory(std::vector<ledger::AccountRecord> records, ledger::Journal& journal,
                               ledger::CSIndex& index, const config::CircleSettings& settings,
                               ui::Progress* progress = nullptr);

// The bytes of the balance file for these records.
std::string balanceFileImage(const std::vector<ledger::AccountRecord>& records);

}  // namespace tellmark::posting
