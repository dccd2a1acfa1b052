#pragma once
// standard list|add|change|delete|mark|unmark|post|print: the standard bookings of a booking circle.

#include "circles/document.h"
#include "cli/commands.h"
#include "reports/print_file.h"
#include "reports/report_request.h"

namespace tellmark::cli {

int runStandard(Context& ctx, const Words& words);

// The printed list of the standard bookings into the print file (the report kind "standard-bookings");
// 1 on success, 0 after the message.
int generateStandardBookingsList(circles::CVt36Doc& doc, reports::PrintFile& printFile,
                                 reports::ReportRequest& request);

}  // namespace tellmark::cli
