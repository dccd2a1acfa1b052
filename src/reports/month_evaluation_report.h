#pragma once
// The month evaluation ("AUSWERTUNG/MONAT"), a short business evaluation from the balance file: every
// revenue and expense account with its value in the cut-off month and from the start of the business
// year to it, each with its share of turnover and of total costs, in seven groups with their totals,
// running balances ("ZWISCHENSALDO") and the result ("ERGEBNIS"); on request with the VAT accounts.

#include "reports/journal_report_books.h"
#include "reports/page_header.h"
#include "reports/print_file.h"
#include "reports/report_request.h"

namespace tellmark::reports {

// Every field of the dialog.
struct MonthEvaluationOptions {
    int cutOffMonth = 1;      // calendar month 1-12, 13 with the thirteenth month
    bool includeVat = false;  // "&Umsatzsteuerkonten einbeziehen "
};

// Day 1 of the business year's first month to day 31 of the cut-off month, each month's year by the
// business year.
void FillMonthEvaluationRequest(ReportRequest& request, const MonthEvaluationOptions& options,
                                const BookingYear& year);

// Reads only the balance file (books.cursor through books.accountIndex); the journal is not touched.
// Writes the whole report into the print file and sets request.pageCount: 1 on success, 0 after the print
// file's message.
int GenerateMonthEvaluation(PrintFile& printFile, ReportRequest& request, const MonthEvaluationOptions& options,
                            JournalReportBooks& books);

}  // namespace tellmark::reports
