#include "reports/collective_sheets_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "posting/open_books.h"
#include "posting/posting_engine.h"
#include "reports/account_selection.h"
#include "reports/random_books.h"
#include "reports/sample_ledgers.h"
#include "resources/cp1252_literal.h"

namespace tellmark::reports {
namespace {

using posting::testing::line;
using posting::testing::OpenBooks;

constexpr std::size_t kWidth = 110;

// The templates of the printed sheet.
constexpr const char* kTitle =
    "SAMMELKONTOBLATT:  %5s                                                                            %02i.%02i.%04i";
constexpr const char* kUnderline =
    "------------------------                                                                            Blatt %04u";
constexpr const char* kColumns =
    "DATUM     BELEG       S      H     BUCHUNGSTEXT               MWST%%            SOLL %3s              HABEN %3s";
constexpr const char* kLine = "%-5s.%-2s  %6s   %5s  %5s    %-25s  %5s         %11s            %11s";
constexpr const char* kSums =
    "SUMMEN:                                                                     %11.2f            %11.2f";
constexpr const char* kSaldoDebit =
    "SALDO:                                                                      %11.2f";
constexpr const char* kSaldoCredit =
    "SALDO:                                                                                             %11.2f";
constexpr const char* kStandDebit =
    "KONTOSTAND    %-3s  %02i.%02i.%04i                                               %11.2f";
constexpr const char* kStandCredit =
    "KONTOSTAND    %-3s  %02i.%02i.%04i                                                                      %11.2f";
const std::string kCarry = std::string(cp<"Übertrag:">()) +
                           "                                                                   %11.2f"
                           "            %11.2f";

template <typename... Args>
std::string f(const char* templ, Args... args) {
    char out[512];
    std::snprintf(out, sizeof out, templ, args...);
    return out;
}
std::string pad(std::string_view text, std::size_t width) {
    std::string out(text);
    out.resize(width, ' ');
    return out;
}
std::string lr(std::string_view left, std::string_view right) {
    std::string out = pad(left, kWidth);
    out.replace(kWidth - right.size(), right.size(), right);
    return out;
}

struct Booking {
    std::string date, year, document, debit, credit, text, rate;
};

// Expected print file of one group.
class Sheet {
public:
    Sheet(std::string group, std::string yearLine, std::string period)
        : group_(std::move(group)), yearLine_(std::move(yearLine)), period_(std::move(period)) {}

    void header(int sheet) {
        add(f(kTitle, group_.c_str(), 15, 1, 2010));
        add(f(kUnderline, static_cast<unsigned>(sheet)));
        add("");
        add(lr(yearLine_, period_));
        add("");
        add(std::string(testing::kSampleCircleName));
        add("");
        add(f(kColumns, "EUR", "EUR"));
        add(std::string(kWidth, '\xAD'));
    }
    void debit(const Booking& b, double value) { booking(b, f("%11.2f", value), ""); }
    void credit(const Booking& b, double value) { booking(b, "", f("%11.2f", value)); }
    void carry(double debit, double credit, int sheet) {
        add("");
        add(f(kCarry.c_str(), debit, credit));
        add("");
        add("");
        add(lr("", f("Blatt %02i+", sheet)));
    }
    void end(double debit, double credit, int fromDay, int fromMonth, int fromYear, double before, int toDay,
             int toMonth, int toYear) {
        add(std::string(kWidth, '\xAD'));
        add(f(kSums, debit, credit));
        add(debit > credit ? f(kSaldoDebit, debit - credit) : f(kSaldoCredit, credit - debit));
        stand("vor", fromDay, fromMonth, fromYear, before);
        stand("am", toDay, toMonth, toYear, before + debit - credit);
        add(std::string(kWidth, '\xAD'));
    }
    std::string file() const {
        std::string out;
        for (const std::string& l : lines_) out += pad(l, kWidth) + "\r\n";
        return out;
    }

private:
    void add(std::string l) { lines_.push_back(std::move(l)); }
    void booking(const Booking& b, const std::string& debit, const std::string& credit) {
        add(f(kLine, b.date.c_str(), b.year.c_str(), pad(b.document, 6).c_str(), b.debit.c_str(), b.credit.c_str(),
              pad(b.text, 25).c_str(), b.rate.c_str(), debit.c_str(), credit.c_str()));
    }
    void stand(const char* which, int day, int month, int year, double balance) {
        add(balance >= 0 ? f(kStandDebit, which, day, month, year, balance)
                         : f(kStandCredit, which, day, month, year, -balance));
    }

    std::string group_, yearLine_, period_;
    std::vector<std::string> lines_;
};

struct Books {
    explicit Books(int chart = 3, int spanFirstMonth = 0) : b(chart, spanFirstMonth) {
        b.settings = spanFirstMonth > 1 ? testing::sampleSpanSettings(chart, 2008, spanFirstMonth)
                                        : testing::sampleSettings(chart, 2009);
    }
    void post(const std::string& date, const std::string& document, int debit, int credit, const std::string& text,
              double value, double rate) {
        ASSERT_EQ(posting::postNewLine(b.books, line(date, document, posting::testing::numberField(debit),
                                                     posting::testing::numberField(credit), text, value, rate)),
                  1);
    }
    int run(CollectiveSheetsOptions& options, ReportRequest& request, std::string& printed) {
        PrintFile print(b.dir.file("~print~.tmp"), b.messages);
        request.printDay = 15;
        request.printMonth = 1;
        request.printYear = 2010;
        FillCollectiveSheetsRequest(request, options, BookingYearOf(b.settings));
        JournalReportBooks books{b.journal,  b.journalIndex, b.report,  b.accountIndex,
                                 b.settings, b.messages,     b.progress};
        const int result = GenerateCollectiveSheets(print, request, options, books);
        printed = testing::readFile(print.path());
        return result;
    }
    std::string run(CollectiveSheetsOptions& options, ReportRequest& request) {
        std::string printed;
        EXPECT_EQ(run(options, request, printed), 1);
        return printed;
    }

    OpenBooks b;
};

void ExpectSameLines(const std::string& printed, const std::string& expected) {
    ASSERT_EQ(printed.size() % (kWidth + 2), 0u);
    for (std::size_t at = 0; at < std::max(printed.size(), expected.size()); at += kWidth + 2) {
        ASSERT_EQ(printed.substr(std::min(at, printed.size()), kWidth + 2),
                  expected.substr(std::min(at, expected.size()), kWidth + 2))
            << "line " << at / (kWidth + 2);
    }
}

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
    e.end(50.00, 250.00, 1, 1, 2009, -25.00, 31, 12, 2009);
    ExpectSameLines(printed, e.file());
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
    e.end(42.00, 7.00, 1, 7, 2008, 0.00, 30, 6, 2009);
    ExpectSameLines(printed, e.file());
}

// 14 body lines a page, a withdrawal and 8 transfers inside the group: the 14th line is the debit side of
// the 7th transfer, its credit side goes onto sheet 0002 after the carry-over; the last page has no footer.
TEST(CollectiveSheets, CarryOverBetweenTheTwoSidesOfABooking) {
    Books books;
    OpenBooks& b = books.b;
    b.addAccount(1000, "KASSE", 100.00);
    b.addAccount(1001, "KASSE 2");
    b.addAccount(1200, "BANK");
    books.post("01.03", "0", 1000, 1200, "Abhebung", 100.00, 0);
    for (int i = 1; i <= 8; ++i) books.post(f("%02i.03", i), f("%i", i), 1001, 1000, "Kassenwechsel", 5.00 * i, 0);

    CollectiveSheetsOptions options;
    options.group = Group("100?");
    options.fromMonth = 3;
    options.toMonth = 3;
    ReportRequest request;
    request.linesPerPage = 35;
    const std::string printed = books.run(options, request);

    Sheet e(" 100?", "Buchungsjahr 2009", "Zeitraum: 01.03.2009-31.03.2009");
    e.header(1);
    e.debit({"01.03", "09", "0", " 1000", " 1200", "Abhebung", " 0.00"}, 100.00);
    double sum = 0;
    for (int i = 1; i <= 7; ++i) {
        const Booking t{f("%02i.03", i), "09", f("%i", i), " 1001", " 1000", "Kassenwechsel", " 0.00"};
        e.debit(t, 5.00 * i);
        if (i < 7) e.credit(t, 5.00 * i);
        sum += 5.00 * i;
    }
    e.carry(100.00 + sum, sum - 35.00, 1);
    e.header(2);
    e.credit({"07.03", "09", "7", " 1001", " 1000", "Kassenwechsel", " 0.00"}, 35.00);
    e.debit({"08.03", "09", "8", " 1001", " 1000", "Kassenwechsel", " 0.00"}, 40.00);
    e.credit({"08.03", "09", "8", " 1001", " 1000", "Kassenwechsel", " 0.00"}, 40.00);
    e.end(280.00, 180.00, 1, 3, 2009, 100.00, 31, 3, 2009);
    ExpectSameLines(printed, e.file());
    EXPECT_EQ(request.pageCount, 2);
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
