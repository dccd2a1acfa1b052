#include "cli/open_circle.h"

#include "circles/missing_ledger.h"
#include "cli/circle_access.h"
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
        const std::string lost = circles::lostLedgerMessage(doc);
        if (!lost.empty()) {
            ctx.messages.show(lost, text::kCaptionError, ui::kIconStop);
        } else {
            using P = config::DocumentPaths;
            ctx.messages.show(format(text::kLedgerNotCreated, doc.paths()[P::kSlotBalance].c_str(),
                                     doc.paths()[P::kSlotJournal].c_str()),
                              text::kCaptionError, ui::kIconStop);
        }
    }
    return result == 1;
}

}  // namespace tellmark::cli
