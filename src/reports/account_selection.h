#pragma once
// Which accounts a balance list shows: an account group with joker ("?") or a range of account numbers,
// the order of the visit (number or name), and the checks of the dialog fields that choose them.

#include <string>
#include <string_view>

#include "ui/messages.h"

namespace tellmark::ledger {
class CSalden;
class CSIndex;
}  // namespace tellmark::ledger

namespace tellmark::reports {

inline constexpr int kHighestAccountNumber = 29999;

// The group as the dialog stores it: five characters of digits and '?', after the completion rules
// (" 8???" for "8", "1????" for "1!", "?????" for an empty group). 1 accepted; 0 after the message
// "Ungültige Kontonummer bzw. Kontenauswahl !", the text as far as it was repaired.
int CheckAccountGroup(std::string& group, ui::Messages& messages);
// One field of the range: 1 to 29999, up to four digits completed with zeros (" 1200" for "12"), five
// digits as typed. 1 accepted; 0 after the same message.
int CheckAccountRangeField(std::string& field, ui::Messages& messages);

// The range a group covers: every '?' as '0' gives the first, as '9' the last account (at most 29999).
void GroupRange(std::string_view group, int& from, int& to);
// The five-character number text of a record (right-aligned) against the group: compared character by
// character until either ends, '?' matching any character. An empty group matches every account.
bool MatchesGroup(std::string_view numberText, std::string_view group);

// Highest month the report dialogs take: 12, or 13 when the thirteenth month is in use.
int HighestReportMonth(bool thirteenthMonth);

// The selection of a balance list.
struct AccountSelection {
    bool byGroup = true;       // chosen by group, else by range
    std::string pattern;       // the completed group; empty = every account
    int from = 0;
    int to = kHighestAccountNumber;
    bool alphabetical = false;  // visit in name order
};

// Fill the selection from the typed dialog fields; 1 accepted, 0 after the message (nothing changed).
int SelectByGroup(std::string_view typedGroup, AccountSelection& selection, ui::Messages& messages);
int SelectByRange(std::string_view typedFrom, std::string_view typedTo, AccountSelection& selection,
                  ui::Messages& messages);

// Walks the accounts of a selection through the index and reads each one into the cursor: in name order
// over all accounts, or in number order over from..to; only accounts matching group and range are
// returned.
class SelectedAccounts {
public:
    SelectedAccounts(const AccountSelection& selection, ledger::CSalden& cursor, ledger::CSIndex& index);
    // Reads the next selected account into the cursor; false when there is none left.
    bool next();

private:
    bool accept() const;

    const AccountSelection& selection_;
    ledger::CSalden& cursor_;
    ledger::CSIndex& index_;
    bool started_ = false;
};

}  // namespace tellmark::reports
