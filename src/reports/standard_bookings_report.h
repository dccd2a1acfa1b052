#pragma once
// The printed list of the standard bookings ("STANDARDBUCHUNGEN"): one line per record with its number,
// mark, document number, accounts, text, amount, VAT rate and VAT amount.

#include <vector>

#include "ledger/standard_booking_file.h"
#include "reports/print_file.h"
#include "reports/report_request.h"

namespace tellmark::config {
struct CircleSettings;
}

namespace tellmark::reports {

// Writes the whole list into the print file and sets request.pageCount. 1 on success; 0 after the
// print file's message.
int GenerateStandardBookingsList(PrintFile& printFile, ReportRequest& request,
                                 const std::vector<ledger::StandardBookingRecord>& records,
                                 const config::CircleSettings& settings);

}  // namespace tellmark::reports
