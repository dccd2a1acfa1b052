#pragma once
// import -k N FILE [--delete-file] [--skip-faulty]: bookings from an import file into the open year.

#include "cli/commands.h"

namespace tellmark::cli {

int runImport(Context& ctx, const Words& words);

}  // namespace tellmark::cli
