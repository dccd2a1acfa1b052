#pragma once
// The collective account sheet ("SAMMELKONTOBLATT"): the accounts of a group with jokers taken together
// as one sheet. A booking appears with its debit side when its debit account belongs to the group and,
// as a line of its own, with its credit side when its credit account does; when a standard VAT account
// belongs to the group, the VAT share of every booking with VAT appears on it as on its account sheet.
// Every line carries the VAT rate; amounts are those the posting engine put on the accounts. Pages,
// carry-over and end block are those of the account sheets.

#include <string>

#include "reports/journal_report_books.h"
#include "reports/page_header.h"
#include "reports/print_file.h"
#include "reports/report_request.h"

namespace tellmark::reports {

// The fields of the dialog "Sammelkontoblatt" but the print date.
struct CollectiveSheetsOptions {
    // The group as the dialog completes it (reports/account_selection.h CheckAccountGroup): five characters
    // of digits and '?', " 84??" for "84??"; empty for every account.
    std::string group;
    int fromDay = 1;  // date window, calendar months 1-13
    int fromMonth = 1;
    int toDay = 31;
    int toMonth = 12;
};

// The period of the request, as for the account sheets.
void FillCollectiveSheetsRequest(ReportRequest& request, const CollectiveSheetsOptions& options,
                                 const BookingYear& year);

// Writes the sheet of the group into the print file and sets request.pageCount. 1 on success; 0 after
// the message of the print file, after "Fehler beim Lesen der Journaldatei !", or after
// text::kNoBookingsFound (caption "INFORMATION") when no booking of the window touches the group.
int GenerateCollectiveSheets(PrintFile& printFile, ReportRequest& request, const CollectiveSheetsOptions& options,
                             JournalReportBooks& books);

}  // namespace tellmark::reports
