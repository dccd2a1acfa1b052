#include "reports/balance_columns.h"

#include <cmath>

#include "config/amounts.h"
#include "resources/format.h"
#include "resources/texts_reports_lists.h"

namespace tellmark::reports {

double Cents(double value) { return config::roundToCents(value) + 0.0; }

DebitCredit DebitCreditColumns(double value) {
    const std::string amount = format(text::kListAmount, std::fabs(value));
    if (value >= 0) return {amount, std::string(text::kListBlankColumn)};
    return {std::string(text::kListBlankColumn), amount};
}

std::string SideAmount(double value) {
    const std::string_view side = value > 0   ? text::kBalanceListWideDebit
                                  : value < 0 ? text::kBalanceListWideCredit
                                              : text::kBalanceListWideZero;
    return format(text::kBalanceListWideAmount, std::fabs(value), side.data());
}

std::string SideTotal(double value) {
    const std::string_view side = value >= 0 ? text::kBalanceListWideDebit : text::kBalanceListWideCredit;
    return format(text::kBalanceListWideAmount, std::fabs(value), side.data());
}

}  // namespace tellmark::reports
