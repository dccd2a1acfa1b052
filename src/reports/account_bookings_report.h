#pragma once
// The bookings of one account ("KONTOBUCHUNGEN ZU KONTO:"): every booking of the journal whose debit or
// credit account is the account, in booking-number order, each with its booking number. The list goes
// straight to the screen window, without the output choice.

#include "reports/journal_report_books.h"
#include "reports/print_file.h"
#include "reports/report_request.h"

namespace tellmark::reports {

struct AccountBookingsOptions {
    int account = 0;
};

// Writes the list into the print file and sets request.pageCount: 1 when it holds at least one booking.
// 0 when the journal holds none of the account ("Keine Buchungen für die gewählten Konten \nim gewünschten
// Zeitraum gefunden !", caption "INFORMATION"), after the print file's message, or when the journal could
// not be read.
int GenerateAccountBookings(PrintFile& printFile, ReportRequest& request, const AccountBookingsOptions& options,
                            JournalReportBooks& books);

}  // namespace tellmark::reports
