#pragma once
// The journal printout ("J O U R N A L"): every booking of a date window month by month in the order of
// the business year, within a month in booking-number order, each line with its two-digit year and its
// booking number. The pages are numbered through the whole report.

#include "reports/journal_report_books.h"
#include "reports/page_header.h"
#include "reports/print_file.h"
#include "reports/report_request.h"

namespace tellmark::reports {

// "Ausdruck &von:" and "Ausdruck &bis:" of the journal dialog, as day and calendar month (1-13).
struct JournalOptions {
    int fromDay = 1;
    int fromMonth = 1;
    int toDay = 31;
    int toMonth = 12;
};

// The period of the request (the period text of the header): the window's ends, each month's year by the
// business year.
void FillJournalRequest(ReportRequest& request, const JournalOptions& options, const BookingYear& year);

// Writes the whole journal into the print file and sets request.pageCount: 1 on success, 0 after the
// message of the print file or when the journal could not be read.
int GenerateJournal(PrintFile& printFile, ReportRequest& request, const JournalOptions& options,
                    JournalReportBooks& books);

}  // namespace tellmark::reports
