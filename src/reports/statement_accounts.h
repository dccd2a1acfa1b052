#pragma once
// Walking the accounts of a number range for the annual statements: in number order through the account
// index, each account read into the report cursor of the balance file.

#include "ledger/account_index.h"
#include "ledger/salden.h"

namespace tellmark::reports {

// Calls visit() with the cursor on each account from..to in number order until visit returns false. An
// index slot whose record cannot be read (an index older than its balance file) is passed over.
template <typename Visit>
void VisitAccountsInRange(ledger::CSalden& cursor, ledger::CSIndex& index, int from, int to, Visit&& visit) {
    for (int record = index.rangeStart(from, to); record >= 0; record = index.nextByNumber(to)) {
        if (cursor.read(record) < 0) continue;
        if (!visit()) return;
    }
}

}  // namespace tellmark::reports
