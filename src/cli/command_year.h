#pragma once
// year change|transfer|delete: the booking years of a booking circle.
//   year change -k N YEAR [--no-chart] [--no-balances] [--keep-private]
//   year transfer -k N [--yes | --account NUMBER ...]
//   year delete -k N YEAR [--balances] [--journal]

#include "cli/commands.h"

namespace tellmark::cli {

int runYear(Context& ctx, const Words& words);

}  // namespace tellmark::cli
