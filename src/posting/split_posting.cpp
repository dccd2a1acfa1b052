#include "posting/split_posting.h"

#include <cmath>
#include <initializer_list>
#include <vector>

#include "config/amounts.h"
#include "ledger/account_record.h"

namespace tellmark::posting {

namespace {

// A cursor whose record another cursor has just written holds an old copy of it.
void takeFresh(ledger::CSalden& cursor, std::initializer_list<const ledger::CSalden*> written) {
    for (const ledger::CSalden* other : written) {
        if (other->recordNumber() == cursor.recordNumber()) {
            cursor.read(cursor.recordNumber());
            return;
        }
    }
}

}  // namespace

bool slotFits(double value) {
    // Far inside twelve characters: no need to print it.
    if (std::fabs(value) < 99999999.0) return true;
    return ledger::amountText12(config::roundToCents(value)).size() == ledger::kAccountSlotWidth;
}

bool splitFits(const SplitCursors& cursors, int month, const PostingSplit& split, bool opening) {
    struct Change {
        const ledger::CSalden* cursor;
        double amount;
    };
    std::vector<Change> changes{{&cursors.debit, split.debit}, {&cursors.credit, split.credit}};
    if (split.vatAccount == VatAccount::Input) changes.push_back({&cursors.inputVat, split.vat});
    if (split.vatAccount == VatAccount::Output) changes.push_back({&cursors.outputVat, split.vat});
    for (const Change& change : changes) {
        const int slot = opening ? 0 : change.cursor->slotOfMonth(month);
        if (slot < 0) return false;
        double value = change.cursor->slotValue(slot);
        for (const Change& c : changes)
            if (c.cursor->recordNumber() == change.cursor->recordNumber()) value += c.amount;
        if (!slotFits(value)) return false;
    }
    return true;
}

bool applySplit(SplitCursors& cursors, int month, const PostingSplit& split, bool opening) {
    bool written = cursors.debit.addToMonth(month, split.debit, opening) == 1;
    takeFresh(cursors.credit, {&cursors.debit});
    written = cursors.credit.addToMonth(month, split.credit, opening) == 1 && written;
    if (split.vatAccount == VatAccount::None) return written;
    ledger::CSalden& vat = split.vatAccount == VatAccount::Input ? cursors.inputVat : cursors.outputVat;
    takeFresh(vat, {&cursors.debit, &cursors.credit});
    return vat.addToMonth(month, split.vat, opening) == 1 && written;
}

}  // namespace tellmark::posting
