// year: the booking year change, the previous year's closing balances taken over again, and deleting the
// files of a booking year. With nobody to ask, the options are the dialogs' answers; the take-over of
// closing balances lists the accounts it would ask about and changes nothing unless an option decides.

#include "cli/command_year.h"

#include <algorithm>
#include <cstdio>

#include "cli/arguments.h"
#include "cli/open_circle.h"
#include "platform/codepage.h"
#include "resources/format.h"
#include "resources/texts_year_change.h"
#include "yearend/closing_balance_transfer.h"
#include "yearend/year_change.h"
#include "yearend/year_deletion.h"

namespace tellmark::cli {

namespace {

constexpr int kHighestAccount = 29999;

// The answers given beforehand: every account, or the accounts named.
class TransferAnswers : public ui::Decisions {
public:
    TransferAnswers(bool all, std::vector<int> accounts) : all_(all), accounts_(std::move(accounts)) {}
    int ask(ui::Question& q) override {
        if (q.kind != yearend::kAskClosingBalance || q.fields.empty()) return ui::kNoOneToAsk;
        const int number = parseInt(trimmedNumber(q.fields[0])).value_or(0);
        const bool take = all_ || std::find(accounts_.begin(), accounts_.end(), number) != accounts_.end();
        return take ? yearend::kTakeClosingBalance : yearend::kKeepOpeningBalance;
    }

private:
    static std::string trimmedNumber(const std::string& text) {
        const auto first = text.find_first_not_of(' ');
        return first == std::string::npos ? std::string() : text.substr(first);
    }
    bool all_;
    std::vector<int> accounts_;
};

// number, name, the previous year's closing balance, the open year's opening balance.
std::string balanceLine(const yearend::ClosingBalance& b) {
    return b.numberText + " " + b.name + format(" %12.2f %12.2f", b.previous, b.current);
}

int yearChange(Context& ctx, const Arguments& args) {
    args.expectPositionals(2, 2);
    const std::string typed = args.positional(1, "year");
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    const int year = yearend::parseBookingYear(fromTerminal(typed), circle.doc.settings().year, ctx.messages);
    if (year < 0) return 1;
    yearend::YearChangeChoices choices;
    choices.takeChart = !args.has("--no-chart");
    choices.takeBalances = !args.has("--no-balances");
    choices.resetPrivate = !args.has("--keep-private");
    if (yearend::changeBookingYear(circle.doc, year, choices) != yearend::YearChangeEnd::Changed) return 1;
    printLine(circle.doc.title());
    return 0;
}

int yearTransfer(Context& ctx, const Arguments& args) {
    args.expectPositionals(1, 1);
    std::vector<int> accounts;
    for (const std::string& text : args.all("--account")) {
        const auto number = parseInt(text);
        if (!number || *number < 1 || *number > kHighestAccount)
            throw UsageError("--account takes an account number from 1 to 29999");
        accounts.push_back(*number);
    }
    const bool all = args.has("--yes");
    if (all && !accounts.empty()) throw UsageError("--yes takes over every account; --account names single ones");
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;

    if (!all && accounts.empty()) {
        const yearend::ClosingBalanceSurvey survey = yearend::surveyClosingBalances(circle.doc);
        if (!survey.read) return 1;
        if (!survey.differing.empty()) {
            for (const yearend::ClosingBalance& b : survey.differing)
                std::fprintf(stderr, "%s\n", platform::cp1252ToUtf8(balanceLine(b)).c_str());
            std::fputs("tellmark-cli: nothing was changed: pass --yes to take over these closing balances, or "
                       "--account NUMBER for single accounts\n",
                       stderr);
            return 1;
        }
    }
    TransferAnswers answers(all, accounts);
    const yearend::TransferResult result = yearend::transferClosingBalances(circle.doc, answers);
    for (const std::string& taken : result.taken) printLine(taken);
    return result.end == yearend::TransferEnd::Done ? 0 : 1;
}

int yearDelete(Context& ctx, const Arguments& args) {
    args.expectPositionals(2, 2);
    const bool balances = args.has("--balances");
    const bool journal = args.has("--journal");
    if (!balances && !journal) throw UsageError("year delete needs --balances, --journal or both");
    const std::string typed = args.positional(1, "year");
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    const int year = yearend::parseBookingYear(fromTerminal(typed), 0, ctx.messages);
    if (year < 0) return 1;
    yearend::YearDeletionStatus status;
    const yearend::YearDeletionEnd end = yearend::deleteBookingYear(circle.doc, year, balances, journal, status);
    if (end == yearend::YearDeletionEnd::Refused) return 1;
    // The status dialog: a mark for each file deleted, and its path.
    printLine(text::kDeleteStatusLine);
    const std::string_view names[] = {text::kDeletedBalanceFile, text::kDeletedBalanceIndex, text::kDeletedJournal,
                                      text::kDeletedJournalIndex};
    for (std::size_t i = 0; i < status.files.size(); ++i) {
        const std::string name(names[i]);
        printLine(format("%c %-22s %s", status.files[i].deleted ? 'X' : ' ', name.c_str(),
                         status.files[i].path.c_str()));
    }
    return end == yearend::YearDeletionEnd::Done ? 0 : 1;
}

}  // namespace

int runYear(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true},
                           {"--no-chart", false},
                           {"--no-balances", false},
                           {"--keep-private", false},
                           {"--yes", false},
                           {"--account", true},
                           {"--balances", false},
                           {"--journal", false}});
    if (args.positionals().empty()) throw UsageError("year needs change, transfer or delete");
    const std::string& action = args.positionals()[0];
    auto only = [&](std::initializer_list<const char*> allowed) {
        for (const char* option : {"--no-chart", "--no-balances", "--keep-private", "--yes", "--account", "--balances",
                                   "--journal"}) {
            const bool ok = std::find_if(allowed.begin(), allowed.end(),
                                         [&](const char* a) { return std::string(a) == option; }) != allowed.end();
            if (!ok && args.has(option)) throw UsageError(std::string(option) + " does not belong to year " + action);
        }
    };
    if (action == "change") {
        only({"--no-chart", "--no-balances", "--keep-private"});
        return yearChange(ctx, args);
    }
    if (action == "transfer") {
        only({"--yes", "--account"});
        return yearTransfer(ctx, args);
    }
    if (action == "delete") {
        only({"--balances", "--journal"});
        return yearDelete(ctx, args);
    }
    throw UsageError("year action must be change, transfer or delete");
}

}  // namespace tellmark::cli
