#pragma once
// The printed overview of all booking circles: a narrow report with the number, name, currency, VAT and
// cash-basis flags, booking year and chart of every existing circle.

#include <string>
#include <vector>

#include "reports/print_file.h"
#include "reports/report_request.h"

namespace tellmark::config {
struct CircleSettings;
}

namespace tellmark::reports {

struct CircleOverviewEntry {
    int number = 0;
    std::string name;
    std::string currency;
    bool vat = false;
    bool cashBasis = false;
    int year = 0;   // as stored: calendar year or span code, printed "%04i"
    int chart = 0;  // printed "KR%02i"
};

CircleOverviewEntry CircleOverviewEntryOf(int number, const config::CircleSettings& settings);

// Writes the overview into the print file; the request gives print date and page geometry and receives
// the page count. Each circle's two lines stay on one page. 1 on success, 0 after a message.
int PrintCircleOverview(PrintFile& printFile, ReportRequest& request, const std::vector<CircleOverviewEntry>& circles);

}  // namespace tellmark::reports
