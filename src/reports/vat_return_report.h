#pragma once
// The VAT pre-return ("UST. - VORANMELDUNG") for a range of months, gathered from the journal: turnover
// per VAT rate, tax-free turnover, VAT booked directly on the VAT accounts, intra-EU acquisitions, input
// VAT, and the payment or refund; for a return over the whole business year also the comparison with the
// VAT prepayment account. A return for one month or one calendar quarter also writes the transfer file of
// proposed values, key by key, that the hand-over to the online filing program passes on.

#include <string>

#include "reports/journal_report_books.h"
#include "reports/page_header.h"
#include "reports/print_file.h"
#include "reports/report_request.h"

namespace tellmark::reports {

// Every field of the dialog, and where the transfer file goes.
struct VatReturnOptions {
    int fromMonth = 1;             // calendar months, 13 for the closing entries
    int toMonth = 1;
    bool rounded = false;          // "&Gerundet nach deutschen Umsatzsteuerrecht"
    bool yearComparison = true;    // a return over the whole business year compares with the prepayments
    std::string dataDirectory;     // the base of the circle directories; empty: the current directory
    int circleNumber = 0;          // the booking circle; 0 writes no transfer file
};

// Period code of the transfer file: m for the single month m (1-12), 41-44 for the calendar quarters,
// 0 for any other range (no transfer file).
int VatPeriodCode(int fromMonth, int toMonth);

// Two-digit year of the return: the first year of the booking year, the second one when the business
// year differs and the return starts before its first month.
int VatReturnYear(int fromMonth, const BookingYear& year);

// Where the transfer file of the options lands ("%.03i-%.02i%.02i.u%02i" in the circle directory);
// empty when the period has no code or no circle is given. It is written completely as "~ustva~.tmp"
// beside it first and then renamed, so the name never stands for half a file.
std::string VatTransferPath(const VatReturnOptions& options, const BookingYear& year);

// Day 1 of the first month to day 31 of the last, each month's year by the business year.
void FillVatReturnRequest(ReportRequest& request, const VatReturnOptions& options, const BookingYear& year);

// Writes the printout into the print file, then the transfer file when the period has a code, and sets
// request.pageCount. 1 on success (also after the message that there were too many rates for the single
// lines); 0 after the message of a print file, journal or transfer file that could not be written or read.
int GenerateVatReturn(PrintFile& printFile, ReportRequest& request, const VatReturnOptions& options,
                      JournalReportBooks& books);

}  // namespace tellmark::reports
