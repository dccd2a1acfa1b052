#include "cli/open_circle.h"

#include "cli/circle_access.h"
#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_safety.h"
#include "resources/texts_document.h"

namespace tellmark::cli {

bool OpenCircle::open(Context& ctx, const std::string& numberText) {
    int number = requireCircleNumber(ctx, numberText);
    if (number < 1) return false;
    if (doc.readProgramConfig() != 1) return false;
    int result = doc.openCircle(number, circles::MissingLedger::Refuse);
    if (result == circles::kOpenLedgerMissing) {
        // Name the file that is missing: a journal gone beside its balance file is lost bookings, not a
        // circle still to be set up.
        using P = config::DocumentPaths;
        const std::string& balance = doc.paths()[P::kSlotBalance];
        const std::string& journal = doc.paths()[P::kSlotJournal];
        const bool balanceThere = platform::probeFile(balance) != platform::kProbeMissing;
        const bool journalThere = platform::probeFile(journal) != platform::kProbeMissing;
        if (balanceThere && !journalThere)
            ctx.messages.show(format(text::kJournalFileMissing, journal.c_str()), text::kCaptionError, ui::kIconStop);
        else if (journalThere && !balanceThere)
            ctx.messages.show(format(text::kBalanceFileMissing, balance.c_str()), text::kCaptionError, ui::kIconStop);
        else
            ctx.messages.show(format(text::kLedgerNotCreated, balance.c_str(), journal.c_str()), text::kCaptionError,
                              ui::kIconStop);
    }
    return result == 1;
}

}  // namespace tellmark::cli
