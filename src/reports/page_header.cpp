#include "reports/page_header.h"

#include <algorithm>

#include "config/circle_settings.h"
#include "config/dates.h"
#include "resources/format.h"
#include "resources/texts_reports_output.h"

namespace tellmark::reports {

namespace {

// "DD.MM.YYYY" at the right end of every title line.
constexpr std::size_t kPrintDateLength = 10;

std::string BlankLine(int width) {
    return std::string(width > 2 ? static_cast<std::size_t>(width - 2) : 0, ' ');
}

}  // namespace

BookingYear BookingYearOf(const config::CircleSettings& settings) {
    BookingYear y;
    y.year = settings.year;
    y.differs = settings.spanYear != 0;
    y.firstMonth = settings.firstMonth;
    y.lastMonth = settings.lastMonth;
    y.firstYear = settings.firstYear4;
    y.secondYear = settings.secondYear4;
    return y;
}

int YearOfMonth(int month, const BookingYear& bookingYear) {
    if (!bookingYear.differs) return bookingYear.firstYear;
    const bool second = (month >= 1 && month < bookingYear.firstMonth) || month == 13;
    return second ? bookingYear.secondYear : bookingYear.firstYear;
}

std::string FitLine(std::string_view text, int width) {
    std::string line = BlankLine(width);
    line.replace(0, std::min(text.size(), line.size()), text.substr(0, line.size()));
    return line;
}

void PutAtLineEnd(std::string& line, std::string_view text) {
    if (text.size() >= line.size()) {
        line.assign(text.substr(0, line.size()));
        return;
    }
    line.replace(line.size() - text.size(), text.size(), text);
}

std::string TitleLine(std::string_view title, int day, int month, int year, int width) {
    std::string line = FitLine(title, width);
    PutAtLineEnd(line, format(text::kHeaderPrintDate, day, month, year));
    return line;
}

std::string SheetText(int sheet, SheetDigits digits) {
    const auto number = static_cast<unsigned>(sheet);
    if (digits == SheetDigits::Four) return format(text::kHeaderSheetFourDigits, number);
    return format(sheet <= 99 ? text::kHeaderSheetTwoDigits : text::kHeaderSheetThreeDigits, number);
}

std::string UnderlineLine(std::size_t runLength, char runChar, int sheet, int width, SheetDigits digits) {
    std::string line = BlankLine(width);
    line.replace(0, std::min(runLength, line.size()), std::min(runLength, line.size()), runChar);
    PutAtLineEnd(line, SheetText(sheet, digits));
    return line;
}

std::string FooterLine(int sheet, int width) {
    const auto number = static_cast<unsigned>(sheet);
    std::string line = BlankLine(width);
    PutAtLineEnd(line, format(sheet < 100 ? text::kFooterSheetTwoDigits : text::kFooterSheetThreeDigits, number));
    return line;
}

std::string RulerLine(int width) {
    return std::string(width > 2 ? static_cast<std::size_t>(width - 2) : 0, kRulerChar);
}

std::string BookingYearLine(const BookingYear& bookingYear, int width) {
    if (!bookingYear.differs) return FitLine(format(text::kHeaderBookingYear, bookingYear.year), width);
    return FitLine(format(text::kHeaderBookingYearSpan, bookingYear.firstMonth, bookingYear.firstYear,
                          bookingYear.lastMonth, bookingYear.secondYear),
                   width);
}

std::string PeriodPart(int day, int month, int year) {
    if (month == 0) return std::string(text::kPeriodOpening);
    if (month == 13) return std::string(text::kPeriodClosing);
    config::clampDayMonthWithYear(day, month, true, year);
    return format(text::kPeriodDate, day, month, year);
}

std::string PeriodText(const ReportRequest& request) {
    const std::string from = PeriodPart(request.fromDay, request.fromMonth, request.fromYear);
    const std::string to = PeriodPart(request.toDay, request.toMonth, request.toYear);
    return format(text::kHeaderPeriod, from.c_str(), to.c_str());
}

std::string BookingYearLineWithPeriod(const BookingYear& bookingYear, const ReportRequest& request, int width) {
    std::string line = BookingYearLine(bookingYear, width);
    PutAtLineEnd(line, PeriodText(request));
    return line;
}

std::string AsAtText(int day, int month, int year) {
    if (month == 0) return std::string(text::kAsAtOpening);
    if (month == 13) return std::string(text::kAsAtClosing);
    config::clampDayMonthWithYear(day, month, true, year);
    return format(text::kAsAtDate, day, month, year);
}

std::size_t InsertAsAt(std::string& titleLine, std::size_t column, std::string_view text) {
    const std::size_t size = titleLine.size();
    if (size < kPrintDateLength + text.size()) return 0;
    // The blanks the insertion takes up lie right before the print date.
    const std::size_t taken = size - kPrintDateLength - text.size();
    if (column > taken) return 0;
    if (titleLine.find_first_not_of(' ', taken) < size - kPrintDateLength) return 0;
    titleLine = titleLine.substr(0, column) + std::string(text) + titleLine.substr(column, taken - column) +
                titleLine.substr(size - kPrintDateLength);
    return text.size();
}

}  // namespace tellmark::reports
