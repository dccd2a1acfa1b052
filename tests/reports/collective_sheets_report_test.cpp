#include "reports/collective_sheets_report.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "reports/account_selection.h"
#include "reports/random_books.h"
#include "reports/sheet_test_support.h"

namespace tellmark::reports {
namespace {

using posting::testing::OpenBooks;
using testing::f;
using testing::lr;
using testing::pad;
using testing::SheetDate;

constexpr std::size_t kWidth = testing::kSheetWidth;

constexpr const char* kTitle =
    "SAMMELKONTOBLATT:  %5s                                                                            %02i.%02i.%04i";
constexpr const char* kUnderline =
    "------------------------                                                                            Blatt %04u";
constexpr const char* kColumns =
    "DATUM     BELEG       S      H     BUCHUNGSTEXT               MWST%%            SOLL %3s              HABEN %3s";
constexpr const char* kLine = "%-5s.%-2s  %6s   %5s  %5s    %-25s  %5s         %11s            %11s";

struct Booking {
    std::string date, year, document, debit, credit, text, rate;
};

// Expected print file of one group.
class Sheet {
public:
    Sheet(std::string group, std::string yearLine, std::string period)
        : group_(std::move(group)), yearLine_(std::move(yearLine)), period_(std::move(period)) {}

    void header(int sheet) {
        add({f(kTitle, group_.c_str(), 15, 1, 2010), f(kUnderline, static_cast<unsigned>(sheet)), "",
             lr(yearLine_, period_), "", std::string(testing::kSampleCircleName), "", f(kColumns, "EUR", "EUR"),
             testing::sheetRuler()});
    }
    void debit(const Booking& b, double value) { booking(b, f("%11.2f", value), ""); }
    void credit(const Booking& b, double value) { booking(b, "", f("%11.2f", value)); }
    void end(double debit, double credit, SheetDate from, double before, SheetDate to) {
        add(testing::endBlock(debit, credit, from, before, to));
    }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    void add(const std::vector<std::string>& lines) { lines_.insert(lines_.end(), lines.begin(), lines.end()); }
    void booking(const Booking& b, const std::string& debit, const std::string& credit) {
        add({f(kLine, b.date.c_str(), b.year.c_str(), pad(b.document, 6).c_str(), b.debit.c_str(), b.credit.c_str(),
               pad(b.text, 25).c_str(), b.rate.c_str(), debit.c_str(), credit.c_str())});
    }

    std::string group_, yearLine_, period_;
    std::vector<std::string> lines_;
};

struct Books : testing::SheetBooks {
    using SheetBooks::SheetBooks;
    int run(CollectiveSheetsOptions& options, ReportRequest& request, std::string& printed) {
        return runReport(options, request, printed, FillCollectiveSheetsRequest, GenerateCollectiveSheets);
    }
    std::string run(CollectiveSheetsOptions& options, ReportRequest& request) {
        std::string printed;
        EXPECT_EQ(run(options, request, printed), 1);
        return printed;
    }
};

// The group as the dialog completes what was typed.
std::string Group(const char* typed) {
    AccountSelection selection;
    ui::RecordingMessages messages;
    EXPECT_EQ(SelectByGroup(typed, selection, messages), 1);
    return selection.pattern;
}

// Chart 03, the revenue accounts 84??: each sale shows its revenue net beside the rate, a transfer
// between two members shows twice (debit side and credit side), bookings of other accounts not at all;
// the group opens with the opening balance of its members.
TEST(CollectiveSheets, WholeSheetChart03CalendarYear) {
    Books books;
    OpenBooks& b = books.b;
    b.addAccount(1000, "KASSE");
    b.addAccount(1200, "BANK");
    b.addAccount(8300, std::string(cp<"ERLÖSE 7%">()));
    b.addAccount(8400, std::string(cp<"ERLÖSE 19%">()));
    b.addAccount(8410, std::string(cp<"ERLÖSE 7% ZWEIG">()), -25.00);
    books.post("05.01", "1", 1200, 8400, "Verkauf", 119.00, 19);
    books.post("06.01", "2", 1000, 8410, "Verkauf bar", 107.00, 7);
    books.post("07.02", "3", 8400, 8410, "Umbuchung", 50.00, 0);
    books.post("08.02", "4", 1200, 8300, "Andere Gruppe", 10.70, 7);

    CollectiveSheetsOptions options;
    options.group = Group("84??");
    ReportRequest request;
    const std::string printed = books.run(options, request);

    const Booking transfer{"07.02", "09", "3", " 8400", " 8410", "Umbuchung", " 0.00"};
    Sheet e(" 84??", "Buchungsjahr 2009", "Zeitraum: 01.01.2009-31.12.2009");
    e.header(1);
    e.credit({"05.01", "09", "1", " 1200", " 8400", "Verkauf", "19.00"}, 100.00);
    e.credit({"06.01", "09", "2", " 1000", " 8410", "Verkauf bar", " 7.00"}, 100.00);
    e.debit(transfer, 50.00);
    e.credit(transfer, 50.00);
    e.end(50.00, 250.00, {1, 1, 2009}, -25.00, {31, 12, 2009});
    testing::expectSameLines(printed, e.lines());
    EXPECT_EQ(request.pageCount, 1);
}

// Chart 04 in a business year from July 2008, the input VAT accounts 140?: the VAT of a purchase appears
// on the standard account in the group, the EU pair shows its line with the rate but no VAT share, and
// a sale's output VAT (outside the group) does not appear.
TEST(CollectiveSheets, VatSharesWhenTheGroupHoldsTheVatAccount) {
    Books books(4, 7);
    OpenBooks& b = books.b;
    b.addAccount(1406, "VORSTEUER 16%");
    b.addAccount(1409, "VORSTEUER EU");
    b.addAccount(1800, "BANK");
    b.addAccount(3809, "UMSATZSTEUER EU");
    b.addAccount(4400, std::string(cp<"ERLÖSE 19%">()));
    b.addAccount(6815, std::string(cp<"BÜROBEDARF">()));
    books.post("10.08", "1", 6815, 1800, "Porto", 107.00, 7);
    books.post("11.09", "2", 1406, 1800, "Vorsteuer alt", 16.00, 0);
    books.post("12.01", "3", 1409, 3809, "EU-Erwerb", 19.00, 19);
    books.post("13.02", "4", 1800, 4400, "Verkauf", 119.00, 19);
    books.post("30.06", "5", 3800, 1400, "Umbuchung", 7.00, 0);

    CollectiveSheetsOptions options;
    options.group = Group("140?");
    options.fromMonth = 7;
    options.toMonth = 6;
    ReportRequest request;
    const std::string printed = books.run(options, request);

    Sheet e(" 140?", "Buchungsjahr 07.2008-06.2009", "Zeitraum: 01.07.2008-30.06.2009");
    e.header(1);
    e.debit({"10.08", "08", "1", " 6815", " 1800", "Porto", " 7.00"}, 7.00);
    e.debit({"11.09", "08", "2", " 1406", " 1800", "Vorsteuer alt", " 0.00"}, 16.00);
    e.debit({"12.01", "09", "3", " 1409", " 3809", "EU-Erwerb", "19.00"}, 19.00);
    e.credit({"30.06", "09", "5", " 3800", " 1400", "Umbuchung", " 0.00"}, 7.00);
    e.end(42.00, 7.00, {1, 7, 2008}, 0.00, {30, 6, 2009});
    testing::expectSameLines(printed, e.lines());
}

// A group none of whose accounts has a booking in the window prints nothing, however large its balance.
TEST(CollectiveSheets, NothingFound) {
    Books books;
    OpenBooks& b = books.b;
    b.addAccount(1000, "KASSE", 100.00);
    b.addAccount(1200, "BANK");
    b.addAccount(1800, "PRIVAT");
    books.post("05.01", "1", 1200, 1800, "Einlage", 10.00, 0);

    CollectiveSheetsOptions options;
    options.group = Group("10??");
    ReportRequest request;
    std::string printed;
    EXPECT_EQ(books.run(options, request, printed), 0);
    ASSERT_EQ(b.messages.entries.size(), 1u);
    EXPECT_EQ(b.messages.last().text,
              std::string(cp<"Keine Buchungen für die gewählten Konten \nim gewünschten Zeitraum gefunden !">()));
    EXPECT_EQ(b.messages.last().caption, "INFORMATION");
}

// A random year through the posting engine: each group's sheet ends with the sum of its accounts'
// balances in the balance file, the whole chart with 0.00.
TEST(CollectiveSheets, EveryGroupEndsWithTheBalanceOfItsAccounts) {
    Books books(4, 7);
    OpenBooks& b = books.b;
    ASSERT_NO_FATAL_FAILURE(testing::PostRandomYear(b, 4, 7, 2000, 4711u));
    const std::map<int, std::int64_t> balances = testing::FileBalances(b, 13);

    for (const char* typed : {"?????", "1", "14", "38", "4", "6", "9", "1!", "2!", "18?0"}) {
        CollectiveSheetsOptions options;
        options.group = Group(typed);
        options.fromDay = typed[0] == '4' ? 12 : 1;
        options.fromMonth = 7;
        options.toMonth = 13;
        ReportRequest request;
        const std::string printed = books.run(options, request);
        std::int64_t expected = 0;
        for (const auto& [number, balance] : balances)
            if (MatchesGroup(posting::testing::numberField(number), options.group)) expected += balance;
        const std::string last = printed.substr(printed.size() - 2 * (kWidth + 2), kWidth);
        ASSERT_EQ(last.compare(0, 17, "KONTOSTAND    am "), 0) << last;
        const std::string debit = last.substr(76, 11);
        const double closing = debit.find_first_not_of(' ') != std::string::npos ? std::atof(debit.c_str())
                                                                                  : -std::atof(last.substr(99).c_str());
        EXPECT_EQ(testing::CentsOf(closing), expected) << typed << " " << options.group;
    }
}

}  // namespace
}  // namespace tellmark::reports
