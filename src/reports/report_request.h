#pragma once
// What a report command hands to its generator: period, print date, page geometry from the settings,
// and the fields of the report's own dialog. The generator sets pageCount.

namespace tellmark::reports {

struct ReportRequest {
    // Period. Month 0 stands for the opening values, month 13 for the closing entries; the years are
    // four-digit calendar years (see YearOfMonth for a business year that differs from the calendar year).
    int fromDay = 1;
    int fromMonth = 1;
    int fromYear = 0;
    int toDay = 31;
    int toMonth = 12;
    int toYear = 0;

    // Print date of every page header, four-digit year.
    int printDay = 1;
    int printMonth = 1;
    int printYear = 0;

    int topMargin = 0;      // "Rand oben": blank lines before the first printed line, 0 to 3
    int linesPerPage = 68;  // "Zeilen pro Seite", 35 to 90

    int pageCount = 0;      // pages written, set by the generator

    // Fields of the single reports follow here as plain members, each with its report.
};

}  // namespace tellmark::reports
