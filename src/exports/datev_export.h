#pragma once
// The DATEV export: the bookings of a period of the open booking year, and on request the opening
// balances as opening bookings, handed to the interface record by record (header, version record,
// bookings, group sum, client end), in one run per calendar year the period touches. Both outputs - the
// record protocol and the DATEV-Format file - are written by the same run and put into place only when
// everything succeeded; otherwise the message of the failure and "Der Datev-Export wurde abgebrochen!".

#include <string>
#include <vector>

#include "config/circle_settings.h"
#include "exports/datev_mapping.h"
#include "exports/datev_record_sink.h"
#include "exports/datev_settings.h"
#include "reports/journal_report_books.h"

namespace tellmark::exports {

struct DatevExportRequest {
    config::DatevData data;  // the checked settings
    DatevPeriod period;      // as checkDatevPeriod read it
    bool openingBookings = false;
};

// One calendar part of the period, exported in a run of its own with the two-digit year of its
// calendar year. A period of a business year that does not start in January and reaches over 31
// December is exported up to 31.12 and from 01.01 on.
struct DatevRun {
    DatevPeriod period;
    int year2 = 0;
};
std::vector<DatevRun> datevRuns(const DatevPeriod& period, const config::CircleSettings& settings);

// Hands the records to the sink. 1 when every record went through; 0 after the message of the failure
// (caption "FEHLER"). errors receives the error list of the sink.
int sendDatevRecords(reports::JournalReportBooks& books, const DatevExportRequest& request,
                     const DatevMapping& mapping, DatevRecordSink& sink, std::vector<DatevError>& errors);

struct DatevExportResult {
    bool done = false;
    std::vector<std::string> files;  // in place when done
    std::string errorList;           // as printed, empty when there were no errors
};

// The protocol and the DATEV-Format file into the directory. createdAt is the creation time of the
// DATEV-Format file, YYYYMMDDHHMMSSFFF. Errors in the list end the export as a failure.
DatevExportResult exportDatev(reports::JournalReportBooks& books, const DatevExportRequest& request,
                              const DatevMapping& mapping, const std::string& directory,
                              const std::string& createdAt);

// The directory of "DatevExpPfad" without surrounding blanks, or the booking circle's directory when it
// is blank.
std::string datevExportDirectory(const config::DatevData& data, const std::string& dataDirectory, int circleNumber);

// The current local time as YYYYMMDDHHMMSSFFF.
std::string datevTimestampNow();

}  // namespace tellmark::exports
