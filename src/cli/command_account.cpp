// account list|create|rename|opening|delete: the chart of accounts of a booking circle.

#include <cstdio>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/open_circle.h"
#include "posting/account_maintenance.h"
#include "resources/format.h"

namespace tellmark::cli {

namespace {

int accountNumberArgument(const Arguments& args) {
    auto n = parseInt(args.positional(1, "account number"));
    if (!n || *n < 1 || *n > 29999) throw UsageError("the account number must be 1 to 29999");
    return *n;
}

int exitOf(posting::MaintenanceResult result) { return result == posting::MaintenanceResult::Done ? 0 : 1; }

}  // namespace

int runAccount(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true}, {"--name", true}, {"--vat-rate", true}, {"--opening", true}});
    const std::string& action = args.positional(0, "account action");
    OpenCircle circle(ctx);
    if (action != "list" && action != "create" && action != "rename" && action != "opening" && action != "delete")
        throw UsageError("account action must be list, create, rename, opening or delete");
    std::string number = args.required("-k");
    if (action == "list") args.expectPositionals(1, 1);
    else if (action == "opening") args.expectPositionals(3, 3);
    else args.expectPositionals(2, 2);
    int account = action == "list" ? 0 : accountNumberArgument(args);
    if (!circle.open(ctx, number)) return 1;

    circles::CVt36Doc& doc = circle.doc;
    posting::Books books = doc.books();
    posting::AccountFiles files{doc.reportCursor(), doc.accountIndex(), doc.balanceFile(), doc.settings().chart,
                                ctx.messages, &books};
    if (action == "list") {
        // Number order through the account index.
        ledger::CSIndex& index = doc.accountIndex();
        ledger::CSalden& cursor = doc.reportCursor();
        for (int record = index.rangeStart(1, 29999); record >= 0; record = index.nextByNumber(29999)) {
            if (cursor.read(record) < 0) continue;
            printLine(format("%5s %-25s %c %12s", std::string(cursor.numberText()).c_str(),
                             std::string(cursor.name()).c_str(), cursor.status(), cursor.balanceText().c_str()));
        }
        return 0;
    }
    std::optional<std::string> rate;
    if (auto r = args.value("--vat-rate")) rate = fromTerminal(*r);
    if (action == "create") {
        posting::NewAccount created;
        created.number = account;
        created.name = fromTerminal(args.valueOr("--name", ""));
        created.rate = rate;
        created.opening = args.valueOr("--opening", "0.00");
        return exitOf(posting::createAccount(files, created));
    }
    if (action == "rename") return exitOf(posting::renameAccount(files, account, fromTerminal(args.required("--name")), rate));
    if (action == "opening") return exitOf(posting::changeOpeningBalance(files, account, args.positional(2, "amount")));
    return exitOf(posting::deleteAccount(files, account));
}

}  // namespace tellmark::cli
