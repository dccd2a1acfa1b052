#pragma once
// Books for the DATEV export tests: an open booking circle (posting/open_books.h) of a calendar year or
// of a business year from July, bookings posted through the posting engine, and the export settings.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "exports/datev_export.h"
#include "posting/open_books.h"
#include "posting/posting_engine.h"
#include "reports/journal_report_books.h"

namespace tellmark::exports::testing {

class DatevBooks : public posting::testing::OpenBooks {
public:
    // firstMonth 1: the calendar year; otherwise the business year from firstMonth of year to the month
    // before in year + 1.
    DatevBooks(int year, int firstMonth = 1) : OpenBooks(3, firstMonth) {
        const bool span = firstMonth > 1;
        settings.year = span ? (year % 100) * 100 + (year + 1) % 100 : year;
        settings.firstMonthSetting = firstMonth;
        settings.spanYear = span ? 1 : 0;
        settings.firstMonth = firstMonth;
        settings.lastMonth = span ? firstMonth - 1 : 12;
        settings.firstYear4 = year;
        settings.secondYear4 = span ? year + 1 : year;
        settings.firstYear2 = settings.firstYear4 % 100;
        settings.secondYear2 = settings.secondYear4 % 100;
        settings.currency1 = "EUR";
        request.data.adviserNumber = "29098";
        request.data.clientNumber = "55003";
        request.data.dfv = "TM";
        request.data.carrierNumber = "001";
        request.data.accountingNumber = "7";
        request.data.currency = "EUR";
    }

    void account(int number, std::string_view name, double opening = 0.0) {
        addAccount(number, std::string(name), opening);
    }

    void book(const std::string& date, const std::string& document, int debit, int credit, std::string_view text,
              double amount, double rate = 0.0) {
        const int posted = posting::postNewLine(
            books, posting::testing::line(date, document, posting::testing::numberField(debit),
                                          posting::testing::numberField(credit), std::string(text), amount, rate));
        ASSERT_EQ(posted, 1) << date << " " << text;
    }

    // Sets the period as typed; fails the test when it is refused.
    void period(const std::string& from, const std::string& to) {
        request.data.from = from;
        request.data.to = to;
        ASSERT_EQ(checkDatevPeriod(request.data, settings, request.period).field, DatevField::None);
    }

    reports::JournalReportBooks bundle() {
        return {journal, journalIndex, report, accountIndex, settings, messages, progress};
    }

    DatevExportResult run(const std::string& directory) {
        reports::JournalReportBooks b = bundle();
        return exportDatev(b, request, mapping, directory, "20260105143000000");
    }

    DatevExportRequest request;
    DatevMapping mapping;
};

}  // namespace tellmark::exports::testing
