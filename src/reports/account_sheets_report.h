#pragma once
// The account sheets ("K O N T O B L A T T"): for every account of a number range the bookings of a date
// window that touch it, in the order of the business year and within a month in booking-number order,
// with running debit and credit sums, a carry-over at every page break and an end block with sums,
// balance and the account balance before and after the window. Each account starts on a new page and
// counts its own sheets from 1. Net-booked accounts show each booking's VAT rate; the standard VAT
// accounts also show the VAT share of every booking with VAT, on the side the posting engine put it.
// The amounts are those the posting engine put on the account, so an account's last balance is its
// balance in the balance file.

#include "reports/journal_report_books.h"
#include "reports/page_header.h"
#include "reports/print_file.h"
#include "reports/report_request.h"

namespace tellmark::reports {

// Every field of the dialog "Kontendruck / Kontenvorschau" but the print date.
struct AccountSheetsOptions {
    int fromDay = 1;     // date window, calendar months 1-13
    int fromMonth = 1;
    int toDay = 31;
    int toMonth = 12;
    int accountFrom = 1;
    int accountTo = 29999;
    bool skipWithoutBookingsZeroBalance = false;  // "&Konten ohne Buchung und ohne Bestand" "nicht drucken"
    bool skipWithoutBookings = false;             // "Konten ohne Buchung &überhaupt nicht" "drucken (trotz Bestand)"
};

// The period of the request (the period text of the header and the dates of the balance lines): the
// window's ends, each month's year by the business year; a month 0 stands for the first month.
void FillAccountSheetsRequest(ReportRequest& request, const AccountSheetsOptions& options, const BookingYear& year);

// Writes the sheets of every account of the range into the print file and sets request.pageCount. The
// journal is read once for all accounts. 1 on success (the last page reached is 9,999 at most); 0 after
// the message of the print file, after "Fehler beim Lesen der Journaldatei !", or after
// text::kNoBookingsFound (caption "INFORMATION") when no sheet was printed.
int GenerateAccountSheets(PrintFile& printFile, ReportRequest& request, const AccountSheetsOptions& options,
                          JournalReportBooks& books);

}  // namespace tellmark::reports
