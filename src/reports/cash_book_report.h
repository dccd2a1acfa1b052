#pragma once
// The cash book ("KASSENBUCH"): the bookings of one cash account in a date window, day by day within each
// month of the business year (not in journal order), with the running balance after every line, and the
// account balance before and at the end of the window.

#include "reports/journal_report_books.h"
#include "reports/page_header.h"
#include "reports/print_file.h"
#include "reports/report_request.h"

namespace tellmark::reports {

// The fields of the cash book dialog: the cash account and the window "&von:" / "&bis:" as day and
// calendar month (1-13).
struct CashBookOptions {
    int account = 0;
    int fromDay = 1;
    int fromMonth = 1;
    int toDay = 31;
    int toMonth = 12;
};

// The period of the request: the window's ends, each month's year by the business year.
void FillCashBookRequest(ReportRequest& request, const CashBookOptions& options, const BookingYear& year);

// Writes the cash book into the print file and sets request.pageCount: 1 on success; 0 after the print
// file's message, when the journal could not be read, or when the account does not exist
// ("Kontonummer nicht zulässig oder nicht korrekt!").
int GenerateCashBook(PrintFile& printFile, ReportRequest& request, const CashBookOptions& options,
                     JournalReportBooks& books);

}  // namespace tellmark::reports
