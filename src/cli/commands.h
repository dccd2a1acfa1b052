#pragma once
// The subcommands of tellmark-cli. Each returns the exit status: 0 success, 1 failed or refused (its
// message went to stderr), 2 wrong usage (by throwing UsageError).

#include <string>
#include <vector>

#include "cli/terminal.h"

namespace tellmark::cli {

struct Context {
    StderrMessages messages;
};

using Words = std::vector<std::string>;

int runInit(Context& ctx, const Words& words);
int runConfig(Context& ctx, const Words& words);
int runCircle(Context& ctx, const Words& words);
int runAccount(Context& ctx, const Words& words);
int runPost(Context& ctx, const Words& words);
int runChange(Context& ctx, const Words& words);
int runDelete(Context& ctx, const Words& words);
int runJournal(Context& ctx, const Words& words);
int runReport(Context& ctx, const Words& words);
int runReindex(Context& ctx, const Words& words);
int runReorg(Context& ctx, const Words& words);
int runSort(Context& ctx, const Words& words);
int runSearch(Context& ctx, const Words& words);
// export gdpdu|datev|companion ...
int runExport(Context& ctx, const Words& words);
int runBackup(Context& ctx, const Words& words);
int runRestore(Context& ctx, const Words& words);

}  // namespace tellmark::cli
