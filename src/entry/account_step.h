#pragma once
// Up and Down in an account field: the account after or before the one the field stands on, in number
// order. The field stands on the account its text finds, else on the number typed (leading digits
// filled up to four places), else before the first account.

#include <string_view>

#include "ledger/account_index.h"
#include "ledger/salden.h"

namespace tellmark::entry {

// True when there is such an account: the cursor then holds it (number, name, balance). False at either
// end of the chart.
bool stepAccount(ledger::CSalden& cursor, const ledger::CSIndex& index, std::string_view typed, bool forward);

}  // namespace tellmark::entry
