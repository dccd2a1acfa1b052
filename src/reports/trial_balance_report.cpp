#include "reports/trial_balance_report.h"

#include <string>

#include "config/circle_settings.h"
#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "chart/account_classes.h"
#include "reports/balance_columns.h"
#include "resources/format.h"
#include "resources/texts_reports_lists.h"

namespace tellmark::reports {

namespace {

constexpr int kLastPage = 9999;
// The as-at text follows the title directly.
constexpr std::size_t kAsAtColumn = 23;
// A class title needs room for itself, its ruler and at least two more lines; a sum block for its ruler,
// two sum lines and the closing ruler.
constexpr int kClassStartLines = 4;
constexpr int kClassEndLines = 4;

std::string Text(std::string_view view) { return std::string(view); }

}  // namespace

void FillTrialBalanceRequest(ReportRequest& request, const TrialBalanceOptions& options) {
    request.fromDay = -1;
    request.fromMonth = -1;
    request.fromYear = -1;
    request.toDay = -1;
    request.toMonth = options.cutOffMonth;
    request.toYear = -1;
}

int GenerateTrialBalance(PrintFile& printFile, ReportRequest& request, const TrialBalanceOptions& options,
                         ledger::CSalden& cursor, ledger::CSIndex& index, const config::CircleSettings& settings) {
    const ReportLayout layout = kLayoutTrialBalance;
    if (!printFile.BeginReport(request, layout)) return 0;
    const int width = layout.width;
    const int chart = settings.chart == 3 ? 3 : 4;  // any chart but 03 reads as 04
    const int month = options.cutOffMonth;
    const BookingYear bookingYear = BookingYearOf(settings);
    const std::string& currency = settings.currency1;

    std::string title =
        TitleLine(text::kTrialBalanceTitle, request.printDay, request.printMonth, request.printYear, width);
    const std::size_t inserted =
        InsertAsAt(title, kAsAtColumn, AsAtText(31, month, YearOfMonth(month, bookingYear)));
    const std::size_t underlined = text::kTrialBalanceTitle.size() + inserted;
    const std::string ruler = RulerLine(width);

    int currentClass = 0;
    auto header = [&](bool continued) {
        return printFile.BeginPageHeader(continued) && printFile.WriteLine(title) &&
               printFile.WriteLine(UnderlineLine(underlined, kRulerChar, printFile.state().currentPage, width)) &&
               printFile.WriteLine({}) && printFile.WriteLine(BookingYearLine(bookingYear, width)) &&
               printFile.WriteLine({}) && printFile.WriteLine(settings.name) && printFile.WriteLine({}) &&
               printFile.WriteLine(ruler) && printFile.WriteLine(chart::ClassTitleLine(currentClass, currency, chart)) &&
               printFile.WriteLine(ruler);
    };
    printFile.SetPageHeader(header);

    const int lastClass = chart::ClassCount(chart);
    // Customers and suppliers, the last two classes, are summed without a line per account.
    const int lastListedClass = lastClass - 2;
    bool ok = true;
    for (int i = 0; ok && i <= lastClass; ++i) {
        currentClass = i;
        const PrintState& state = printFile.state();
        if (state.headedPage != state.currentPage) {
            ok = header(false);
        } else if (state.linesLeft < kClassStartLines) {
            ok = header(true);
        } else {
            ok = printFile.WriteBodyLine(chart::ClassTitleLine(i, currency, chart)) && printFile.WriteBodyLine(ruler);
        }

        int lower = 0;
        int upper = 0;
        if (ok && chart::ClassRange(i, chart, lower, upper)) {
            const bool listed = i <= lastListedClass;
            double debitTotal = 0.0;
            double creditTotal = 0.0;
            for (int record = index.rangeStart(lower, upper); ok && record >= 0 && state.currentPage < kLastPage;
                 record = index.nextByNumber(upper)) {
                cursor.read(record);
                if (!cursor.loaded() || !chart::IsClassMember(i, cursor.numberValue(), chart)) continue;
                const double balance = Cents(cursor.periodSum(0, month));
                if (listed) {
                    const DebitCredit columns = DebitCreditColumns(balance);
                    ok = printFile.WriteBodyLine(format(text::kTrialBalanceLine, Text(cursor.numberText()).c_str(),
                                                        Text(cursor.name()).c_str(), columns.debit.c_str(),
                                                        columns.credit.c_str()));
                }
                if (balance >= 0) {
                    debitTotal += balance;
                } else {
                    creditTotal -= balance;
                }
            }
            debitTotal = Cents(debitTotal);
            creditTotal = Cents(creditTotal);
            const DebitCredit difference = DebitCreditColumns(Cents(debitTotal - creditTotal));
            ok = ok && printFile.NeedLines(kClassEndLines) && (!listed || printFile.WriteBodyLine(ruler)) &&
                 printFile.WriteBodyLine(format(text::kTrialBalanceSums, debitTotal, creditTotal)) &&
                 printFile.WriteBodyLine(
                     format(text::kTrialBalanceBalance, difference.debit.c_str(), difference.credit.c_str())) &&
                 (state.linesLeft < 2 || printFile.WriteBodyLine({}));
        }
        ok = ok && printFile.WriteBodyLine(ruler);
    }

    const bool ended = printFile.EndReport(request);
    return ok && ended ? 1 : 0;
}

}  // namespace tellmark::reports
