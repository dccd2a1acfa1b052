#include "entry/account_step.h"

#include <algorithm>
#include <string>

#include "config/text_helpers.h"

namespace tellmark::entry {

bool stepAccount(ledger::CSalden& cursor, const ledger::CSIndex& index, std::string_view typedText, bool forward) {
    int from = 0;
    std::string balance, name, number;
    const std::string typed = config::trim(typedText);
    if (!typed.empty() && cursor.findByText(typed, balance, name, number) == 1) {
        from = cursor.numberValue();
    } else if (!typed.empty() && typed.find_first_not_of("0123456789") == std::string::npos) {
        from = std::stoi(typed.size() < 5 ? (typed + "0000").substr(0, 4) : typed);
    }

    const ledger::CSIndex::NumberSlot* first = index.numberSlots();
    const ledger::CSIndex::NumberSlot* last = first + index.count();
    const ledger::CSIndex::NumberSlot* slot = nullptr;
    auto byNumber = [](const ledger::CSIndex::NumberSlot& s, int n) { return s.number < n; };
    if (forward) {
        const auto* at = std::lower_bound(first, last, from + 1, byNumber);
        if (at != last) slot = at;
    } else {
        const auto* at = from == 0 ? last : std::lower_bound(first, last, from, byNumber);
        if (at != first) slot = at - 1;
    }
    return slot != nullptr && cursor.read(slot->record) >= 0;
}

}  // namespace tellmark::entry
