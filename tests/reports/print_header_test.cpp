#include "reports/page_header.h"

#include <gtest/gtest.h>

#include <string>

#include "config/circle_settings.h"
#include "reports/print_file.h"
#include "resources/cp1252_literal.h"

namespace tellmark::reports {
namespace {

std::string blanks(std::size_t n) { return std::string(n, ' '); }

config::CircleSettings julyBusinessYear() {
    config::CircleSettings s;
    s.year = 809;
    s.spanYear = 1;
    s.firstMonthSetting = 7;
    s.firstMonth = 7;
    s.lastMonth = 6;
    s.firstYear4 = 2008;
    s.secondYear4 = 2009;
    return s;
}

config::CircleSettings calendarYear() {
    config::CircleSettings s;
    s.year = 2024;
    s.firstYear4 = 2024;
    s.secondYear4 = 2024;
    return s;
}

TEST(PrintHeaderTest, YearOfMonthInABusinessYearStartingInJuly) {
    const BookingYear july = BookingYearOf(julyBusinessYear());
    EXPECT_EQ(YearOfMonth(3, july), 2009);
    EXPECT_EQ(YearOfMonth(1, july), 2009);
    EXPECT_EQ(YearOfMonth(6, july), 2009);
    EXPECT_EQ(YearOfMonth(13, july), 2009);
    EXPECT_EQ(YearOfMonth(7, july), 2008);
    EXPECT_EQ(YearOfMonth(12, july), 2008);
    EXPECT_EQ(YearOfMonth(0, july), 2008);

    const BookingYear calendar = BookingYearOf(calendarYear());
    EXPECT_EQ(YearOfMonth(3, calendar), 2024);
    EXPECT_EQ(YearOfMonth(13, calendar), 2024);

    // A report over March of that business year carries 2009 in its dates.
    ReportRequest request;
    request.fromDay = 1;
    request.fromMonth = 3;
    request.fromYear = YearOfMonth(3, july);
    request.toDay = 31;
    request.toMonth = 3;
    request.toYear = YearOfMonth(3, july);
    EXPECT_EQ(BookingYearLineWithPeriod(july, request, kNarrowLine),
              "Buchungsjahr 07.2008-06.2009" + blanks(6) + "Zeitraum: 01.03.2009-31.03.2009");
}

TEST(PrintHeaderTest, PeriodTextsAtTheEndOfTheBookingYearLine) {
    const BookingYear calendar = BookingYearOf(calendarYear());
    ReportRequest request;
    request.fromMonth = 0;
    request.toMonth = 13;
    EXPECT_EQ(PeriodText(request), "Zeitraum: Anfangswerte-Abschluss");
    EXPECT_EQ(BookingYearLineWithPeriod(calendar, request, kWideLine),
              "Buchungsjahr 2024" + blanks(61) + "Zeitraum: Anfangswerte-Abschluss");

    // Days beyond the month's end are cut back to its last day, February by the year.
    request.fromDay = 31;
    request.fromMonth = 2;
    request.fromYear = 2024;
    request.toDay = 31;
    request.toMonth = 4;
    request.toYear = 2024;
    EXPECT_EQ(BookingYearLineWithPeriod(calendar, request, kWideLine),
              "Buchungsjahr 2024" + blanks(62) + "Zeitraum: 29.02.2024-30.04.2024");
    EXPECT_EQ(PeriodPart(30, 2, 2023), "28.02.2023");
    EXPECT_EQ(PeriodPart(5, 13, 2023), "Abschluss");

    EXPECT_EQ(BookingYearLine(calendar, kNarrowLine), "Buchungsjahr 2024" + blanks(48));
    EXPECT_EQ(BookingYearLine(BookingYearOf(julyBusinessYear()), kWideLine),
              "Buchungsjahr 07.2008-06.2009" + blanks(82));
}

TEST(PrintHeaderTest, AsAtTextLengthensTitleAndUnderline) {
    std::string title = TitleLine("B I L A N Z", 5, 1, 2025, kNarrowLine);
    EXPECT_EQ(title, "B I L A N Z" + blanks(44) + "05.01.2025");
    const std::size_t inserted = InsertAsAt(title, 11, AsAtText(31, 12, 2024));
    EXPECT_EQ(inserted, 16u);
    EXPECT_EQ(title, "B I L A N Z  zum 31.12.2024" + blanks(28) + "05.01.2025");
    EXPECT_EQ(UnderlineLine(11 + inserted, kRulerChar, 1, kNarrowLine),
              std::string(27, '\xAD') + blanks(30) + "Blatt 01");

    EXPECT_EQ(AsAtText(31, 13, 2024), ",  Abschluss");
    EXPECT_EQ(AsAtText(31, 0, 2024), ",  Anfangswerte");
    EXPECT_EQ(AsAtText(31, 2, 2024), "  zum 29.02.2024");

    // An insertion that would run into the print date is not made.
    std::string longTitle = TitleLine(std::string(50, 'T'), 5, 1, 2025, kNarrowLine);
    const std::string before = longTitle;
    EXPECT_EQ(InsertAsAt(longTitle, 50, AsAtText(31, 12, 2024)), 0u);
    EXPECT_EQ(longTitle, before);
}

TEST(PrintHeaderTest, SheetNumbersAndRuler) {
    EXPECT_EQ(UnderlineLine(0, '-', 7, kWideLine, SheetDigits::Four), blanks(100) + "Blatt 0007");
    EXPECT_EQ(UnderlineLine(24, '-', 12, kWideLine, SheetDigits::Four), std::string(24, '-') + blanks(76) + "Blatt 0012");
    EXPECT_EQ(UnderlineLine(19, '-', 100, kNarrowLine), std::string(19, '-') + blanks(37) + "Blatt 100");
    EXPECT_EQ(FooterLine(99, kNarrowLine), blanks(56) + "Blatt 99+");
    EXPECT_EQ(FooterLine(100, kNarrowLine), blanks(55) + "Blatt 100+");
    EXPECT_EQ(RulerLine(kWideLine), std::string(110, '\xAD'));
}

}  // namespace
}  // namespace tellmark::reports
