#pragma once
// One run of `report`: the open circle, the options, the request being filled and the booking year, and
// the option readers every report kind shares.

#include <optional>
#include <string>

#include "circles/document.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "reports/page_header.h"
#include "reports/print_file.h"
#include "reports/report_request.h"

namespace tellmark::cli {

struct ReportRun {
    Context& ctx;
    const Arguments& args;
    circles::CVt36Doc& doc;
    reports::ReportRequest request;
    reports::BookingYear year;
};

// A month option 0..12 (13 with the thirteenth month); the fallback when it is missing, a usage error
// when there is none.
int monthOption(const ReportRun& run, const std::string& name, std::optional<int> fallback);

// The print date of --print-date DD.MM.YYYY, today without it; a usage error for anything else.
void setPrintDate(reports::ReportRequest& request, const Arguments& args);

// The reports from the journal, the VAT pre-return and the month evaluation; known false for another kind.
int generateFromJournal(ReportRun& run, const std::string& kind, reports::PrintFile& printFile, bool& known);

}  // namespace tellmark::cli
