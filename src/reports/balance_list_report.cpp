#include "reports/balance_list_report.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "config/circle_settings.h"
#include "config/dates.h"
#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "reports/balance_columns.h"
#include "resources/format.h"
#include "resources/texts_reports_lists.h"

namespace tellmark::reports {

namespace {

// Reports stop here even when accounts are left: the page table ends soon after.
constexpr int kLastPage = 9999;
// Below this an account balance counts as zero in the narrow list.
constexpr double kZeroBalance = 0.00444;

// Lines the closing block needs: ruler, sums, balance, ruler.
constexpr int kClosingLines = 4;

std::string Text(std::string_view view) { return std::string(view); }

double SlotSum(const ledger::CSalden& cursor, int firstSlot, int lastSlot) {
    double sum = 0.0;
    for (int slot = firstSlot; slot <= lastSlot; ++slot) sum += cursor.slotValue(slot);
    return sum;
}

bool MorePages(const PrintFile& printFile) { return printFile.state().currentPage < kLastPage; }

// "1200-1300" for the narrow header: "%5.0f-%5.0f" without its blanks.
std::string NarrowRangeText(const AccountSelection& accounts) {
    std::string range = format(text::kBalanceListRangeNumbers, static_cast<double>(accounts.from),
                               static_cast<double>(accounts.to));
    range.erase(std::remove(range.begin(), range.end(), ' '), range.end());
    return range;
}

// " 1200-1300 " for the wide header.
std::string WideRangeText(const AccountSelection& accounts) {
    const std::string from = format(text::kBalanceListWideRangeNumber, static_cast<double>(accounts.from));
    const std::string to = format(text::kBalanceListWideRangeNumber, static_cast<double>(accounts.to));
    return format(text::kBalanceListWideRangeJoin, from.c_str(), to.c_str());
}

// The header lines both forms share: title, underline, booking year with period, the circle's name.
bool WriteCommonHeader(PrintFile& printFile, const ReportRequest& request, const config::CircleSettings& settings,
                       const std::string& title, int width) {
    return printFile.WriteLine(title) &&
           printFile.WriteLine(
               UnderlineLine(text::kBalanceListTitle.size(), '-', printFile.state().currentPage, width)) &&
           printFile.WriteLine({}) &&
           printFile.WriteLine(BookingYearLineWithPeriod(BookingYearOf(settings), request, width)) &&
           printFile.WriteLine({}) && printFile.WriteLine(settings.name) && printFile.WriteLine({});
}

}  // namespace

void FillBalanceListRequest(ReportRequest& request, const BalanceListOptions& options, const BookingYear& year) {
    request.fromDay = 1;
    request.fromMonth = options.fromMonth;
    request.fromYear = YearOfMonth(options.fromMonth, year);
    request.toDay = 31;
    request.toMonth = options.toMonth;
    request.toYear = YearOfMonth(options.toMonth, year);
}

int GenerateBalanceListNarrow(PrintFile& printFile, ReportRequest& request, const BalanceListOptions& options,
                              ledger::CSalden& cursor, ledger::CSIndex& index,
                              const config::CircleSettings& settings) {
    const ReportLayout layout = kLayoutBalanceListNarrow;
    if (!printFile.BeginReport(request, layout)) return 0;
    const int width = layout.width;
    const AccountSelection& accounts = options.accounts;
    const char* currency = settings.currency1.c_str();

    const std::string title =
        TitleLine(text::kBalanceListTitle, request.printDay, request.printMonth, request.printYear, width);
    std::string selection;
    std::string columns;
    if (accounts.byGroup) {
        selection = format(text::kBalanceListGroup, accounts.pattern.c_str());
        columns = format(text::kBalanceListGroupColumns, accounts.pattern.c_str(), currency, currency);
    } else {
        const std::string range = NarrowRangeText(accounts);
        selection = format(text::kBalanceListRange, range.c_str());
        columns = format(text::kBalanceListRangeColumns, range.c_str(), currency, currency);
    }
    const std::string ruler = RulerLine(width);

    auto header = [&](bool continued) {
        return printFile.BeginPageHeader(continued) && WriteCommonHeader(printFile, request, settings, title, width) &&
               printFile.WriteLine(selection) && printFile.WriteLine({}) && printFile.WriteLine(ruler) &&
               printFile.WriteLine(columns) && printFile.WriteLine(ruler);
    };
    printFile.SetPageHeader(header);
    bool ok = header(false);

    double debitTotal = 0.0;
    double creditTotal = 0.0;
    SelectedAccounts visit(accounts, cursor, index);
    while (ok && MorePages(printFile) && visit.next()) {
        const double sum = cursor.periodSum(options.fromMonth, options.toMonth);
        if (!options.includeAll && std::fabs(sum) < kZeroBalance) continue;
        const double balance = Cents(sum);
        const DebitCredit sides = DebitCreditColumns(balance);
        ok = printFile.WriteBodyLine(format(text::kBalanceListLine, Text(cursor.numberText()).c_str(),
                                            Text(cursor.name()).c_str(), sides.debit.c_str(), sides.credit.c_str()));
        if (balance >= 0) {
            debitTotal += balance;
        } else {
            creditTotal -= balance;
        }
    }

    if (ok) {
        debitTotal = Cents(debitTotal);
        creditTotal = Cents(creditTotal);
        const DebitCredit difference = DebitCreditColumns(Cents(debitTotal - creditTotal));
        ok = printFile.NeedLines(kClosingLines) && printFile.WriteBodyLine(ruler) &&
             printFile.WriteBodyLine(format(text::kBalanceListSums, debitTotal, creditTotal)) &&
             printFile.WriteBodyLine(
                 format(text::kBalanceListBalance, difference.debit.c_str(), difference.credit.c_str())) &&
             printFile.WriteBodyLine(ruler);
    }
    const bool ended = printFile.EndReport(request);
    return ok && ended ? 1 : 0;
}

int GenerateBalanceListWide(PrintFile& printFile, ReportRequest& request, const BalanceListOptions& options,
                            ledger::CSalden& cursor, ledger::CSIndex& index, const config::CircleSettings& settings) {
    const ReportLayout layout = kLayoutBalanceListWide;
    if (!printFile.BeginReport(request, layout)) return 0;
    const int width = layout.width;
    const AccountSelection& accounts = options.accounts;
    const BookingYear bookingYear = BookingYearOf(settings);

    const std::string title =
        TitleLine(text::kBalanceListTitle, request.printDay, request.printMonth, request.printYear, width);
    std::string selection =
        accounts.byGroup
            ? format(text::kBalanceListWideGroup, accounts.pattern.c_str(), settings.currency1.c_str())
            : format(text::kBalanceListWideRange, WideRangeText(accounts).c_str(), settings.currency1.c_str());
    selection = FitLine(selection, width);
    PutAtLineEnd(selection, text::kBalanceListWideSides);

    // The opening balance stands before the first month of the business year, not before January.
    const int startMonth = options.fromMonth == 0 ? bookingYear.firstMonth : options.fromMonth;
    int endDay = request.toDay;
    int endMonth = request.toMonth;
    config::clampDayMonthWithYear(endDay, endMonth, true, request.toYear);
    const std::string columns = format(text::kBalanceListWideColumns, 1, startMonth, request.fromYear % 100, endDay,
                                       endMonth, request.toYear % 100);
    const std::string ruler = RulerLine(width);

    auto header = [&](bool continued) {
        return printFile.BeginPageHeader(continued) && WriteCommonHeader(printFile, request, settings, title, width) &&
               printFile.WriteLine(selection) && printFile.WriteLine({}) && printFile.WriteLine(ruler) &&
               printFile.WriteLine(columns) && printFile.WriteLine({});
    };
    printFile.SetPageHeader(header);
    bool ok = header(false);

    // Month 0 as the start means the movement begins with the first month of the business year (slot 1);
    // the opening balance is then the balance before.
    const int startSlot = options.fromMonth == 0 ? 1 : cursor.slotOfMonth(options.fromMonth);
    const int endSlot = cursor.slotOfMonth(options.toMonth);

    double beforeTotal = 0.0;
    double movementTotal = 0.0;
    double closingTotal = 0.0;
    SelectedAccounts visit(accounts, cursor, index);
    while (ok && MorePages(printFile) && visit.next()) {
        const double before = Cents(startSlot > 0 ? SlotSum(cursor, 0, startSlot - 1) : 0.0);
        const double movement = Cents(startSlot >= 0 && endSlot >= 0 ? SlotSum(cursor, startSlot, endSlot) : 0.0);
        const double closing = Cents(before + movement);
        if (!options.includeAll && before == 0 && movement == 0 && closing == 0) continue;
        ok = printFile.WriteBodyLine(format(text::kBalanceListWideLine, Text(cursor.numberText()).c_str(),
                                            Text(cursor.name()).c_str(), SideAmount(before).c_str(),
                                            SideAmount(movement).c_str(), SideAmount(closing).c_str()));
        beforeTotal += before;
        movementTotal += movement;
        closingTotal += closing;
    }

    if (ok) {
        ok = printFile.NeedLines(kClosingLines) && printFile.WriteBodyLine(ruler) &&
             printFile.WriteBodyLine(format(text::kBalanceListWideTotals, SideTotal(Cents(beforeTotal)).c_str(),
                                            SideTotal(Cents(movementTotal)).c_str(),
                                            SideTotal(Cents(closingTotal)).c_str())) &&
             printFile.WriteBodyLine(ruler);
    }
    const bool ended = printFile.EndReport(request);
    return ok && ended ? 1 : 0;
}

int GenerateBalanceList(PrintFile& printFile, ReportRequest& request, const BalanceListOptions& options,
                        ledger::CSalden& cursor, ledger::CSIndex& index, const config::CircleSettings& settings) {
    if (options.wide) return GenerateBalanceListWide(printFile, request, options, cursor, index, settings);
    return GenerateBalanceListNarrow(printFile, request, options, cursor, index, settings);
}

}  // namespace tellmark::reports
