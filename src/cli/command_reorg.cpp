// reorg: the balances of the open booking year built anew from its journal.

#include <cstdio>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/open_circle.h"
#include "platform/codepage.h"
#include "posting/reorganisation.h"
#include "resources/format.h"
#include "resources/texts_reorganisation.h"

namespace tellmark::cli {

namespace {

// Nobody sits at the terminal: informational questions are passed by, and every booking that needs a
// decision is either dropped (--drop-bad) or stops the run before anything changes.
class CommandLineDecisions : public ui::Decisions {
public:
    CommandLineDecisions(bool dropBad, bool createMissing) : dropBad_(dropBad), createMissing_(createMissing) {}
    int ask(ui::Question& q) override {
        if (q.kind == posting::kAskBrokenAccount) return 0;
        if (q.kind == posting::kAskNeedsDecisions) return dropBad_ || createMissing_ ? 0 : ui::kNoOneToAsk;
        // A missing account is created empty, under a name that says where it came from.
        if (createMissing_ && q.kind == posting::kAskMissingAccount && !creatingFailed_) {
            creatingFailed_ = true;  // asked again for the same booking: the number cannot be created
            return posting::kAnswerCreateAccount;
        }
        if (createMissing_ && q.kind == posting::kAskNewAccount) {
            if (q.fields.size() > 1) q.fields[1] = std::string(text::kReorgCreatedAccountName);
            creatingFailed_ = false;
            return 0;
        }
        creatingFailed_ = false;
        if (!dropBad_) return ui::kNoOneToAsk;
        for (std::size_t i = 0; i < q.answers.size(); ++i)
            if (q.answers[i] == text::kReorgAnswerDrop) return static_cast<int>(i);
        return ui::kNoOneToAsk;
    }

private:
    bool dropBad_;
    bool createMissing_;
    bool creatingFailed_ = false;
};

const char* reasonOf(posting::ReorgProblem reason) {
    switch (reason) {
    case posting::ReorgProblem::BadDate: return "bad date";
    case posting::ReorgProblem::MissingAccount: return "missing account";
    case posting::ReorgProblem::VatAccountMissing: return "missing VAT account";
    case posting::ReorgProblem::SlotOverflow: return "month balance would overflow";
    case posting::ReorgProblem::BadAmount: return "amount or rate is no number";
    }
    return "";
}

void printPending(const std::vector<posting::PendingBooking>& pending) {
    for (const posting::PendingBooking& p : pending) {
        const std::string line = format("%li %s '", p.number, reasonOf(p.reason)) + p.subject + "': " + p.displayLine;
        std::fprintf(stderr, "%s\n", platform::cp1252ToUtf8(line).c_str());
    }
}

}  // namespace

int runReorg(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true}, {"--drop-bad", false}, {"--create-missing", false}, {"--yes", false}});
    args.expectPositionals(0, 0);
    if (!args.has("--yes")) {
        // The confirmation the desktop program asks before it touches every account and booking.
        std::fprintf(stderr, "%s\n%s\ntellmark-cli: add --yes to go ahead\n",
                     platform::cp1252ToUtf8(text::kReorgConfirmQuestion).c_str(), platform::cp1252ToUtf8(text::kReorgConfirmBackup).c_str());
        return 1;
    }
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    CommandLineDecisions decisions(args.has("--drop-bad"), args.has("--create-missing"));
    const posting::ReorganisationResult result = posting::reorganise(circle.doc.books(), decisions, circle.progress);
    for (const std::string& account : result.deletedAccounts)
        std::fprintf(stderr, "tellmark-cli: account deleted: %s\n", platform::cp1252ToUtf8(account).c_str());
    if (result.outcome == posting::ReorgOutcome::NeedsDecisions) {
        std::fputs("tellmark-cli: these bookings need a decision; nothing was changed (--create-missing creates "
                   "missing accounts, --drop-bad drops the bookings)\n",
                   stderr);
        printPending(result.pending);
        return 1;
    }
    if (result.outcome != posting::ReorgOutcome::Done) return 1;
    if (!result.pending.empty()) {
        std::fputs("tellmark-cli: these bookings were left unposted\n", stderr);
        printPending(result.pending);
        return 1;
    }
    if (result.bookingsDropped > 0)
        std::fprintf(stderr, "tellmark-cli: %li bookings dropped\n", result.bookingsDropped);
    return 0;
}

}  // namespace tellmark::cli
