#pragma once
// export datev: the bookings of a period for the tax adviser, as record protocol and DATEV-Format file.

#include "cli/commands.h"

namespace tellmark::cli {

int runExportDatev(Context& ctx, const Words& words);

}  // namespace tellmark::cli
