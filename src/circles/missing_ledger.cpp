#include "circles/missing_ledger.h"

#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_safety.h"

namespace tellmark::circles {

std::string lostLedgerMessage(const CVt36Doc& doc) {
    using P = config::DocumentPaths;
    const std::string& balance = doc.paths()[P::kSlotBalance];
    const std::string& journal = doc.paths()[P::kSlotJournal];
    const bool balanceThere = platform::probeFile(balance) != platform::kProbeMissing;
    const bool journalThere = platform::probeFile(journal) != platform::kProbeMissing;
    if (balanceThere && !journalThere) return format(text::kJournalFileMissing, journal.c_str());
    if (journalThere && !balanceThere) return format(text::kBalanceFileMissing, balance.c_str());
    return {};
}

}  // namespace tellmark::circles
