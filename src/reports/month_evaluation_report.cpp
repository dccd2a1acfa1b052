#include "reports/month_evaluation_report.h"

// Choices where the evaluation leaves room:
//  - The total-cost base is the sum of the purchase and expense groups (2 and 3) and, with the VAT
//    accounts, of the input VAT and prepayment groups (4 and 5); the neutral group 6 is no cost.
//  - The running balance falls by every listed account's value, the VAT groups included: output VAT
//    raises it like revenue, input VAT and prepayments lower it like costs (a cash view of the month).
//  - A total line sums the groups since the previous total: with the VAT accounts, revenue and output
//    VAT share "GESAMT ERLÖSKONTEN", and expenses, input VAT and prepayments share the expense total.
//  - The VAT groups have no title of their own: their accounts follow the revenue and the expense
//    accounts under those groups' titles, before the total that includes them.
//  - A group title never stands alone at the foot of a page.
//  - Cut-off month 13 dates the columns by the last day of the business year; months outside 1-13 are
//    taken as the nearest of them.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/circle_settings.h"
#include "config/dates.h"
#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "reports/statement_accounts.h"
#include "resources/format.h"
#include "resources/texts_account_classes.h"
#include "resources/texts_common.h"
#include "resources/texts_reports_vat.h"

namespace tellmark::reports {

namespace {

using Money = std::int64_t;  // cents

constexpr int kGroups = 7;
constexpr int kLastPage = 9999;
constexpr std::size_t kTitleColumn = 16;
constexpr double kShareCeiling = 999999.99;
constexpr double kShareFloor = -99999.99;

Money ToCents(double value) { return std::llround(value * 100.0); }
double Euros(Money cents) { return static_cast<double>(cents) / 100.0; }

// Month and cumulative value side by side.
struct Pair {
    Money month = 0;
    Money cumulative = 0;
    Pair& operator+=(const Pair& other) {
        month += other.month;
        cumulative += other.cumulative;
        return *this;
    }
};

struct Group {
    int from03, to03, from04, to04;
    bool vatOnly;           // used only with the VAT accounts
    bool revenue;           // shown with the opposite sign, part of the turnover base
    bool cost;              // part of the total-cost base
    int totalWithoutVat;    // total printed after the group: 1 yes, 0 no
    int totalWithVat;
    std::string_view title03, title04;   // empty: no title
    std::string_view total03, total04;
};

constexpr std::array<Group, kGroups> kGroupTable = {{
    {8000, 8999, 4000, 4999, false, true, false, 1, 0, text::kMonthEvaluation03Revenue,
     text::kMonthEvaluation04Revenue, text::kMonthEvaluation03RevenueTotal, text::kMonthEvaluation04RevenueTotal},
    {1760, 1779, 3800, 3819, true, true, false, 0, 1, {}, {}, text::kMonthEvaluation03RevenueTotal,
     text::kMonthEvaluation04RevenueTotal},
    {3000, 3899, 5000, 5999, false, false, true, 1, 1, text::kMonthEvaluation03Purchases,
     text::kMonthEvaluation04Materials, text::kMonthEvaluation03PurchasesTotal,
     text::kMonthEvaluation04MaterialsTotal},
    {4000, 4999, 6000, 6999, false, false, true, 1, 0, text::kMonthEvaluation03Expenses,
     text::kMonthEvaluation04Expenses, text::kMonthEvaluation03ExpensesTotal, text::kMonthEvaluation04ExpensesTotal},
    {1560, 1589, 1400, 1419, true, false, true, 0, 0, {}, {}, text::kMonthEvaluation03ExpensesTotal,
     text::kMonthEvaluation04ExpensesTotal},
    {1780, 1799, 3820, 3829, true, false, true, 0, 1, {}, {}, text::kMonthEvaluation03ExpensesTotal,
     text::kMonthEvaluation04ExpensesTotal},
    {2000, 2999, 7000, 7999, false, false, false, 1, 1, text::kMonthEvaluation03Neutral,
     text::kMonthEvaluation04Other, text::kMonthEvaluation03NeutralTotal, text::kMonthEvaluation04OtherTotal},
}};

// The range of a group in use; -1, -1 for a group not in use. An unknown index is an error of the table.
bool GroupRange(int index, int chart, bool includeVat, int& from, int& to, ui::Messages& messages) {
    from = to = -1;
    if (index < 0 || index >= kGroups) {
        messages.show(text::kAccountClassUnknown, text::kCaptionError, ui::kIconStop);
        return false;
    }
    const Group& g = kGroupTable[static_cast<std::size_t>(index)];
    if (g.vatOnly && !includeVat) return true;
    from = chart == 3 ? g.from03 : g.from04;
    to = chart == 3 ? g.to03 : g.to04;
    return true;
}

// "%9.2f" of value x 100 / base within its limits; "-----" for a base of zero.
std::string Share(Money value, Money base) {
    if (base == 0) return std::string(text::kMonthEvaluationNoShare);
    double share = static_cast<double>(value) * 100.0 / static_cast<double>(base);
    share = std::clamp(std::round(share * 100.0) / 100.0, kShareFloor, kShareCeiling);
    if (share == 0.0) share = 0.0;  // no "-0.00"
    return format(text::kMonthEvaluationShare, share);
}

}  // namespace

void FillMonthEvaluationRequest(ReportRequest& request, const MonthEvaluationOptions& options,
                                const BookingYear& year) {
    const int cutOff = std::clamp(options.cutOffMonth, 1, 13);
    request.fromDay = 1;
    request.fromMonth = year.firstMonth;
    request.fromYear = YearOfMonth(year.firstMonth, year);
    request.toDay = 31;
    request.toMonth = cutOff;
    request.toYear = YearOfMonth(cutOff, year);
}

int GenerateMonthEvaluation(PrintFile& printFile, ReportRequest& request, const MonthEvaluationOptions& options,
                            JournalReportBooks& books) {
    const config::CircleSettings& settings = books.settings;
    const int chart = settings.chart == 3 ? 3 : 4;  // any chart but 03 reads as 04
    const BookingYear year = BookingYearOf(settings);
    const int cutOff = std::clamp(options.cutOffMonth, 1, 13);
    ledger::CSalden& cursor = books.cursor;
    ledger::CSIndex& index = books.accountIndex;

    // The values of the account at the cursor, revenue shown positive.
    auto valuesOf = [&](bool revenue) {
        Pair p{ToCents(cursor.monthValue(cutOff)), ToCents(cursor.periodSum(0, cutOff))};
        if (revenue) {
            p.month = -p.month;
            p.cumulative = -p.cumulative;
        }
        return p;
    };

    // First pass: the bases of the shares.
    Pair turnover;
    Pair costs;
    for (int g = 0; g < kGroups; ++g) {
        int from = -1;
        int to = -1;
        if (!GroupRange(g, chart, options.includeVat, from, to, books.messages)) return 0;
        const Group& group = kGroupTable[static_cast<std::size_t>(g)];
        if (from < 0 || !(group.revenue || group.cost)) continue;
        Pair sum;
        VisitAccountsInRange(cursor, index, from, to, [&] {
            sum += valuesOf(group.revenue);
            return true;
        });
        (group.revenue ? turnover : costs) += sum;
    }

    const ReportLayout layout = kLayoutMonthEvaluation;
    if (!printFile.BeginReport(request, layout)) return 0;
    const int width = layout.width;

    std::string title =
        TitleLine(text::kMonthEvaluationTitle, request.printDay, request.printMonth, request.printYear, width);
    const std::size_t inserted =
        InsertAsAt(title, kTitleColumn, AsAtText(31, cutOff, YearOfMonth(cutOff, year)));
    const std::size_t underlined = text::kMonthEvaluationTitle.size() + inserted;
    const char underlineChar = inserted > 0 ? kRulerChar : '-';
    std::string yearLine = BookingYearLine(year, width);
    PutAtLineEnd(yearLine, format(text::kMonthEvaluationCurrency, settings.currency1.c_str()));
    const int endMonth = cutOff == 13 ? year.lastMonth : cutOff;
    const int endYear = YearOfMonth(endMonth, year);
    const int endDay = config::lastDayOfMonth(endMonth, endYear);
    const int startYear = YearOfMonth(year.firstMonth, year);
    const std::string columns1 = format(text::kMonthEvaluationColumns1);
    const std::string columns2 = format(text::kMonthEvaluationColumns2, endDay, endMonth, endYear % 100, 1,
                                        year.firstMonth, startYear % 100, endDay, endMonth, endYear % 100);
    const std::string ruler = RulerLine(width);

    auto header = [&](bool continued) {
        return printFile.BeginPageHeader(continued) && printFile.WriteLine(title) &&
               printFile.WriteLine(UnderlineLine(underlined, underlineChar, printFile.state().currentPage, width)) &&
               printFile.WriteLine({}) && printFile.WriteLine(yearLine) && printFile.WriteLine({}) &&
               printFile.WriteLine(settings.name) && printFile.WriteLine({}) && printFile.WriteLine(ruler) &&
               printFile.WriteLine(columns1) && printFile.WriteLine(columns2) && printFile.WriteLine(ruler);
    };
    printFile.SetPageHeader(header);
    bool ok = header(false);

    auto amountsLine = [&](std::string_view templ, const std::string& first, const std::string& second,
                           const Pair& p) {
        return format(templ, first.c_str(), second.c_str(), Euros(p.month), Share(p.month, turnover.month).c_str(),
                      Share(p.month, costs.month).c_str(), Euros(p.cumulative),
                      Share(p.cumulative, turnover.cumulative).c_str(), Share(p.cumulative, costs.cumulative).c_str());
    };
    auto totalLine = [&](std::string_view label, const Pair& p) {
        const std::string name(label);
        return format(text::kMonthEvaluationTotalLine, name.c_str(), Euros(p.month),
                      Share(p.month, turnover.month).c_str(), Share(p.month, costs.month).c_str(), Euros(p.cumulative),
                      Share(p.cumulative, turnover.cumulative).c_str(),
                      Share(p.cumulative, costs.cumulative).c_str());
    };
    auto morePages = [&printFile] { return printFile.state().currentPage < kLastPage; };

    // Second pass: the lines.
    Pair running;
    Pair block;  // the groups since the last total
    for (int g = 0; g < kGroups && ok; ++g) {
        int from = -1;
        int to = -1;
        if (!GroupRange(g, chart, options.includeVat, from, to, books.messages)) {
            ok = false;
            break;
        }
        if (from < 0) continue;
        const Group& group = kGroupTable[static_cast<std::size_t>(g)];
        const std::string_view groupTitle = chart == 3 ? group.title03 : group.title04;
        if (!groupTitle.empty()) {
            const std::string name(groupTitle);
            ok = printFile.NeedLines(2) &&
                 printFile.WriteBodyLine(format(text::kMonthEvaluationGroupTitle, name.c_str()));
        }
        VisitAccountsInRange(cursor, index, from, to, [&] {
            if (!ok || !morePages()) return false;
            const Pair shown = valuesOf(group.revenue);
            if (shown.month == 0 && shown.cumulative == 0) return true;
            const std::string number(cursor.numberText());
            const std::string name(cursor.name());
            ok = printFile.WriteBodyLine(amountsLine(text::kMonthEvaluationAccountLine, number, name, shown));
            block += shown;
            // The running balance falls by the account's value: revenue (a credit) raises it.
            const Pair value = valuesOf(false);
            running.month -= value.month;
            running.cumulative -= value.cumulative;
            return ok;
        });
        if (!ok) break;

        const bool total = options.includeVat ? group.totalWithVat != 0 : group.totalWithoutVat != 0;
        if (!total) continue;
        if (printFile.state().linesLeft <= 2) ok = header(true);
        const std::string_view totalLabel = chart == 3 ? group.total03 : group.total04;
        const std::string_view runningLabel = g == kGroups - 1 ? text::kMonthEvaluationResult
                                                               : text::kMonthEvaluationSubtotal;
        ok = ok && printFile.WriteBodyLine(totalLine(totalLabel, block)) &&
             printFile.WriteBodyLine(totalLine(runningLabel, running));
        if (ok && printFile.state().linesLeft >= 2) ok = printFile.WriteBodyLine({});
        block = Pair{};
    }

    const bool ended = printFile.EndReport(request);
    return ok && ended ? 1 : 0;
}

}  // namespace tellmark::reports
