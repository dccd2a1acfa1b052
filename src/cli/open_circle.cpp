#include "cli/open_circle.h"

#include "cli/circle_access.h"
#include "resources/texts_common.h"
#include "resources/texts_document.h"

namespace tellmark::cli {

bool OpenCircle::open(Context& ctx, const std::string& numberText) {
    int number = requireCircleNumber(ctx, numberText);
    if (number < 1) return false;
    if (doc.readProgramConfig() != 1) return false;
    int result = doc.openCircle(number, circles::MissingLedger::Refuse);
    if (result == circles::kOpenLedgerMissing)
        ctx.messages.show(text::kBalanceFileMissingTitle, text::kCaptionError, ui::kIconStop);
    return result == 1;
}

}  // namespace tellmark::cli
