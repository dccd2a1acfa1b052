#pragma once
// The export of the open booking year for the digital tax audit: into the year's directory below the
// booking circle's "GDPdU" directory go the journal table, the cash books of the chosen cash accounts
// (only when there are any), the account sheets of every account and the balance list, then "index.xml"
// describing them and a copy of the document type "gdpdu-01-08-2002.dtd".
//
// The journal is read once, month by month in the order of the business year. The journal table holds
// every booking with a valid date of the year once, month by month and within a month in booking-number
// order; the cash books and the account sheets list an account's bookings month by month and within a
// month day by day. The account sheets show what the posting engine put on each account (net amounts on
// net-booked accounts, the VAT shares on the standard VAT accounts), so that an account's lines sum to its
// movement in the balance file. Month 13 (closing entries) is dated the last day of the business year;
// the control date keeps the booking's own date.
//
// Each table is written beside its final name and renamed into place when it is complete; index.xml is
// removed first and written last, so a directory with an index.xml always holds the tables it describes.

#include <string>
#include <vector>

#include "reports/journal_report_books.h"

namespace tellmark::circles {
class CVt36Doc;
}

namespace tellmark::exports {

// The fields of the dialog "Export der Daten zur Datenträgerüberlassung".
struct GdpduOptions {
    std::string company;             // "Name:", CP1252
    std::string place;               // "Ort:"
    std::vector<int> cashAccounts;   // "Aktuelle Kassenkonten:", in list order
};

// Where the export goes and where the document type comes from.
struct GdpduPaths {
    std::string directory;  // the export directory of the year (created with its parent when missing)
    std::string dtdSource;  // the shipped "gdpdu-01-08-2002.dtd"
    int storedYear = 0;     // the booking year as stored; the tables are named "%.04i-jou.txt" with it
};

// The export directory of the year below the data directory (relative to the current directory when it
// is empty) and the DTD found in the program's "progdata".
GdpduPaths GdpduPathsOf(const std::string& dataDirectory, int circle, int storedYear);

// The full path of the export directory as the closing dialog shows it.
std::string GdpduShownDirectory(const std::string& directory);

// 1 when every table, index.xml and the DTD are written; 0 after a message: a cash account that is no
// account ("Kontonummer nicht zulässig oder nicht korrekt!"), a directory that cannot be created, a table
// or index.xml that cannot be created or written ("Temporäre Datei konnte nicht angelegt werden !",
// "Fehler beim Schreiben der temporären Datei !"), the journal that cannot be read, or the failed copy of
// the DTD. Tables finished before a failure stay on disk; index.xml is then missing.
int ExportGdpdu(reports::JournalReportBooks& books, const GdpduOptions& options, const GdpduPaths& paths);

// The same for the open booking circle; directory receives the path for the closing dialog.
int ExportGdpdu(circles::CVt36Doc& doc, const GdpduOptions& options, std::string& directory);

}  // namespace tellmark::exports
