#pragma once
// Lines of the page header and footer that all reports share. Every function returns one line of
// width - 2 characters (no CR LF) for a print file of the given line width (kWideLine or kNarrowLine).
//
// A header is: title with the print date at the right end; a run of '-' (0xAD under a title lengthened
// by an as-at text) with the sheet number at the right; blank; booking year line, with the period text
// at its right end for reports over a period; blank; the circle's name; blank; column headings; ruler.

#include <cstddef>
#include <string>
#include <string_view>

#include "reports/report_request.h"

namespace tellmark::config {
struct CircleSettings;
}

namespace tellmark::reports {

// Ruler lines and the underline under an as-at title are made of the soft hyphen of Windows-1252.
inline constexpr char kRulerChar = '\xAD';

// What the headers and the dates of a report need of the booking year.
struct BookingYear {
    int year = 0;            // as stored: calendar year, or the span code (809 for 2008/2009)
    bool differs = false;    // the business year does not start in January
    int firstMonth = 1;
    int lastMonth = 12;
    int firstYear = 0;       // four digits; the calendar year when the business year does not differ
    int secondYear = 0;      // four digits
};

BookingYear BookingYearOf(const config::CircleSettings& settings);

// Calendar year of a month of the booking year: in a differing business year the months before the
// first month, and month 13, lie in the second year; all others (month 0 too) in the first.
int YearOfMonth(int month, const BookingYear& bookingYear);

// The text blank-padded or cut to width - 2 characters.
std::string FitLine(std::string_view text, int width);
// Overwrites the end of the line with text, so that the text ends where the line ends.
void PutAtLineEnd(std::string& line, std::string_view text);

// Title at the left, print date "%02i.%02i.%04i" at the right end.
std::string TitleLine(std::string_view title, int day, int month, int year, int width);

// How the sheet number is written: "Blatt %02u" up to sheet 99 and "Blatt %03u" from 100 on, or always
// "Blatt %04u" (account sheets, cash book, collective account sheets).
enum class SheetDigits { ByPage, Four };
std::string SheetText(int sheet, SheetDigits digits);
// runLength characters runChar at the left, the sheet number at the right end.
std::string UnderlineLine(std::size_t runLength, char runChar, int sheet, int width,
                          SheetDigits digits = SheetDigits::ByPage);
// The continuation footer: "Blatt %02u+" (from sheet 100 "Blatt %03u+") ending at the line end.
std::string FooterLine(int sheet, int width);
// 0xAD over the whole line.
std::string RulerLine(int width);

// "Buchungsjahr %04i", or "Buchungsjahr %02i.%04i-%02i.%04i" for a differing business year.
std::string BookingYearLine(const BookingYear& bookingYear, int width);

// One end of a period: "Anfangswerte" for month 0, "Abschluss" for month 13, otherwise "%02i.%02i.%04i"
// with the day limited to the last day of its month.
std::string PeriodPart(int day, int month, int year);
// "Zeitraum: %s-%s" with both ends of the request's period.
std::string PeriodText(const ReportRequest& request);
// The booking year line with the period text at its right end.
std::string BookingYearLineWithPeriod(const BookingYear& bookingYear, const ReportRequest& request, int width);

// The as-at text of balance reports: "  zum %02i.%02i.%04i" (day limited to the month's last day),
// ",  Abschluss" for month 13, ",  Anfangswerte" for month 0.
std::string AsAtText(int day, int month, int year);
// Inserts text into a title line at column, moving what follows to the right into the blanks before the
// print date. Made only when it fits (enough blanks there); returns the inserted length, else 0.
std::size_t InsertAsAt(std::string& titleLine, std::size_t column, std::string_view text);

}  // namespace tellmark::reports
