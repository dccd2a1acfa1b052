#include "reports/result_report.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "config/circle_settings.h"
#include "config/amounts.h"
#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "reports/page_header.h"
#include "reports/statement_accounts.h"
#include "resources/format.h"
#include "resources/texts_reports_statements.h"

namespace tellmark::reports {

namespace {

// The scan stops before the page table runs out.
constexpr int kLastPage = 9999;
// Values up to this are nothing to list.
constexpr double kListThreshold = 0.00444;
// A VAT account joins revenue or expenses of the cash-basis result beyond this.
constexpr double kVatThreshold = 0.004;

// Which VAT accounts a group takes in the cash-basis form.
enum class CashVat { None, Received, Paid };

struct ResultGroup {
    std::string_view title;
    int from;
    int to;
    int cashFrom;  // with the VAT accounts the scan starts lower
    CashVat vat;
};

constexpr std::array<ResultGroup, 4> kGroups03 = {{
    {text::kResult03Revenue, 8000, 8999, 1560, CashVat::Received},
    {text::kResult03Purchases, 3000, 3899, 3000, CashVat::None},
    {text::kResult03Expenses, 4000, 4999, 1560, CashVat::Paid},
    {text::kResult03Neutral, 2000, 2999, 2000, CashVat::None},
}};

constexpr std::array<ResultGroup, 4> kGroups04 = {{
    {text::kResult04Revenue, 4000, 4999, 1400, CashVat::Received},
    {text::kResult04Materials, 5000, 5999, 5000, CashVat::None},
    {text::kResult04Expenses, 6000, 6999, 1400, CashVat::Paid},
    {text::kResult04Other, 7000, 7999, 7000, CashVat::None},
}};

const std::array<ResultGroup, 4>& GroupsOf(int chart) { return chart == 3 ? kGroups03 : kGroups04; }

bool IsMember(const ResultGroup& group, int number, double value, int chart, bool cash) {
    if (number >= group.from && number <= group.to) return true;
    if (!cash || group.vat == CashVat::None || !IsResultVatAccount(number, chart)) return false;
    return group.vat == CashVat::Received ? value < -kVatThreshold : value > kVatThreshold;
}

std::string Amount(double value) { return format(text::kResultAmount, value); }

}  // namespace

bool IsResultVatAccount(int number, int chart) {
    if (chart == 3) return (number >= 1560 && number <= 1589) || (number >= 1760 && number <= 1799);
    return (number >= 1400 && number <= 1419) || (number >= 3800 && number <= 3829);
}

double ResultValue(int fromMonth, int toMonth, ledger::CSalden& cursor, ledger::CSIndex& index, int chart) {
    double sum = 0.0;
    for (const ResultGroup& group : GroupsOf(chart)) {
        VisitAccountsInRange(cursor, index, group.from, group.to, [&] {
            sum += cursor.periodSum(fromMonth, toMonth);
            return true;
        });
    }
    return config::roundToCents(sum);
}

int GenerateResult(PrintFile& printFile, ReportRequest& request, const ResultOptions& options, ledger::CSalden& cursor,
                   ledger::CSIndex& index, const config::CircleSettings& settings, ui::Messages& /*messages*/) {
    const bool cash =
        options.form == ResultForm::CashBasis || (options.form == ResultForm::BySettings && settings.cashBasis != 0);
    const int chart = settings.chart == 3 ? 3 : 4;  // any chart but 03 reads as 04
    const auto& groups = GroupsOf(chart);
    const ReportLayout layout = kLayoutResult;
    if (!printFile.BeginReport(request, layout)) return 0;

    const std::string_view title = cash ? text::kResultTitleCashBasis : text::kResultTitleProfitAndLoss;
    const std::string titleLine =
        TitleLine(title, request.printDay, request.printMonth, request.printYear, layout.width);
    const std::string yearLine = BookingYearLineWithPeriod(BookingYearOf(settings), request, layout.width);
    const std::string ruler = RulerLine(layout.width);
    const std::string currency = settings.currency1;
    auto groupTitle = [&](int g) {
        const std::string name(groups[static_cast<std::size_t>(g)].title);
        return format(text::kResultGroupTitle, name.c_str(), currency.c_str(), currency.c_str());
    };

    // The header closes with the title line of the group in hand.
    int headerGroup = 0;
    auto header = [&](bool continued) {
        return printFile.BeginPageHeader(continued) && printFile.WriteLine(titleLine) &&
               printFile.WriteLine(UnderlineLine(text::kResultUnderline.size(), text::kResultUnderline[0],
                                                 printFile.state().currentPage, layout.width)) &&
               printFile.WriteLine({}) && printFile.WriteLine(yearLine) && printFile.WriteLine({}) &&
               printFile.WriteLine(settings.name) && printFile.WriteLine({}) && printFile.WriteLine(ruler) &&
               printFile.WriteLine(groupTitle(headerGroup)) && printFile.WriteLine(ruler);
    };
    printFile.SetPageHeader(header);
    auto linesLeft = [&printFile] { return printFile.state().linesLeft; };

    bool ok = true;
    double totalDebit = 0.0;
    double totalCredit = 0.0;
    for (int g = 0; g < static_cast<int>(groups.size()) && ok; ++g) {
        const ResultGroup& group = groups[static_cast<std::size_t>(g)];
        headerGroup = g;
        // A group title never stands alone at the foot of a page.
        if (printFile.state().headedPage == 0) {
            ok = header(false);
        } else if (linesLeft() < 4) {
            ok = header(true);
        } else {
            ok = printFile.WriteBodyLine(groupTitle(g)) && printFile.WriteBodyLine(ruler);
        }

        double debit = 0.0;
        double credit = 0.0;
        VisitAccountsInRange(cursor, index, cash ? group.cashFrom : group.from, group.to, [&] {
            if (!ok || printFile.state().currentPage >= kLastPage) return false;
            if (linesLeft() < 1 && !(ok = header(true))) return false;
            const double value = cursor.periodSum(request.fromMonth, request.toMonth);
            if (!IsMember(group, cursor.numberValue(), value, chart, cash)) return true;
            if (std::fabs(value) <= kListThreshold) return true;
            const std::string number(cursor.numberText());
            const std::string name(cursor.name());
            const bool isDebit = value >= 0;
            const std::string amount = Amount(std::fabs(value));
            ok = printFile.WriteBodyLine(format(text::kResultAccountLine, number.c_str(), name.c_str(),
                                                isDebit ? amount.c_str() : " ", isDebit ? " " : amount.c_str()));
            (isDebit ? debit : credit) += std::fabs(value);
            return ok;
        });
        if (!ok) break;

        if (linesLeft() < 8) ok = header(true);
        ok = ok && printFile.WriteBodyLine({}) && printFile.WriteBodyLine(format(text::kResultSubtotal, debit, credit)) &&
             printFile.WriteBodyLine({}) && printFile.WriteBodyLine(ruler);
        totalDebit += debit;
        totalCredit += credit;
    }

    if (ok) {
        headerGroup = static_cast<int>(groups.size()) - 1;
        if (linesLeft() < 4) ok = header(true);
        // Decided on cents: equal sides give the same line whatever binary remainder the sums carry.
        const double result = config::roundToCents(totalDebit - totalCredit);
        std::string resultLine;
        if (result >= 0) {
            const std::string label(text::kResultLoss);
            resultLine = format(text::kResultClosingLine, label.c_str(), " ", Amount(result).c_str());
        } else {
            const std::string label(cash ? text::kResultSurplus : text::kResultProfit);
            resultLine = format(text::kResultClosingLine, label.c_str(), Amount(-result).c_str(), " ");
        }
        const std::string sum = Amount(result >= 0 ? totalDebit : totalCredit);
        const std::string sumLabel(text::kResultSum);
        ok = ok && printFile.WriteBodyLine(resultLine) && printFile.WriteBodyLine(ruler) &&
             printFile.WriteBodyLine(format(text::kResultClosingLine, sumLabel.c_str(), sum.c_str(), sum.c_str())) &&
             printFile.WriteBodyLine(ruler);
    }

    // The file is closed in every case; a failed run has shown its message already.
    const bool ended = printFile.EndReport(request);
    return ok && ended ? 1 : 0;
}

}  // namespace tellmark::reports
