#include "reports/balance_sheet_report.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/circle_settings.h"
#include "config/dates.h"
#include "ledger/account_index.h"
#include "ledger/salden.h"
#include "reports/page_header.h"
#include "reports/result_report.h"
#include "reports/statement_accounts.h"
#include "resources/format.h"
#include "resources/texts_account_classes.h"
#include "resources/texts_common.h"
#include "resources/texts_reports_statements.h"

namespace tellmark::reports {

namespace {

// The scan stops before the page table runs out.
constexpr int kLastPage = 9999;
// A value beyond this is written into its column.
constexpr double kPlaceThreshold = 0.001;
// A group has something to show when one of its accounts is beyond this on its side.
constexpr double kShowThreshold = 0.00444444;
// Customer and supplier sums and the difference of the sheet totals count from here.
constexpr double kNonZero = 0.004;

// Side rules: which balances a position lists.
enum Side : int {
    kBothSides = 0,   // debit balances left, credit balances right
    kDebitOnly = 1,   // assets side of an account range that may change sides
    kCreditOnly = 2,  // liabilities side of the same range
    kByRule = 4,      // summed into one line, accounts not listed
};

struct Position {
    int from;
    int to;
    int side;
};

// Chart 03. Ranges listed twice with sides 1 and 2 (600-799, 1100-1559, 1790-1799, 1890-1899) put an
// account with a debit balance on the assets side and one with a credit balance on the liabilities side.
constexpr Position kPositions03[] = {
    {1560, 1789, kByRule},      // 0 VAT accounts
    {10000, 19999, kByRule},    // 1 customers
    {20000, 29999, kByRule},    // 2 suppliers
    {1, 599, kBothSides},       // 3
    {1000, 1099, kBothSides},   // 4
    {1100, 1559, kDebitOnly},   // 5 bank and cash
    {1590, 1599, kBothSides},   // 6
    {1790, 1799, kDebitOnly},   // 7
    {1890, 1899, kDebitOnly},   // 8
    {3900, 3999, kBothSides},   // 9
    {600, 799, kDebitOnly},     // 10
    {980, 989, kBothSides},     // 11
    {800, 800, kBothSides},     // 12 capital account
    {801, 929, kBothSides},     // 13
    {1800, 1889, kBothSides},   // 14
    {1900, 1999, kBothSides},   // 15
    {930, 949, kBothSides},     // 16
    {950, 979, kBothSides},     // 17
    {600, 799, kCreditOnly},    // 18
    {1100, 1559, kCreditOnly},  // 19 bank and cash
    {1600, 1759, kBothSides},   // 20
    {1790, 1799, kCreditOnly},  // 21
    {1890, 1899, kCreditOnly},  // 22
    {990, 999, kBothSides},     // 23
    {9000, 9999, kBothSides},   // 24 class 9
};

// Chart 04.
constexpr Position kPositions04[] = {
    {1400, 3829, kByRule},      // 0 VAT accounts
    {10000, 19999, kByRule},    // 1 customers
    {20000, 29999, kByRule},    // 2 suppliers
    {1, 79, kBothSides},        // 3
    {80, 99, kDebitOnly},       // 4
    {100, 999, kBothSides},     // 5
    {1000, 1399, kBothSides},   // 6
    {1420, 1499, kDebitOnly},   // 7
    {1500, 1699, kBothSides},   // 8
    {1700, 1899, kDebitOnly},   // 9
    {1950, 1999, kDebitOnly},   // 10
    {2100, 2899, kDebitOnly},   // 11
    {3950, 3999, kDebitOnly},   // 12
    {1900, 1949, kBothSides},   // 13
    {2900, 2900, kBothSides},   // 14 capital account
    {80, 99, kCreditOnly},      // 15
    {2000, 2099, kBothSides},   // 16
    {2100, 2899, kCreditOnly},  // 17
    {2901, 2979, kBothSides},   // 18
    {2980, 2999, kBothSides},   // 19
    {3000, 3099, kBothSides},   // 20
    {1420, 1499, kCreditOnly},  // 21
    {1700, 1899, kCreditOnly},  // 22
    {1950, 1999, kCreditOnly},  // 23
    {3100, 3799, kBothSides},   // 24
    {3821, 3899, kBothSides},   // 25 (3821-3829 are VAT accounts and stay in the VAT balance)
    {3950, 3999, kCreditOnly},  // 26
    {3900, 3949, kBothSides},   // 27
    // Class 9 stands on whichever side its sum falls: a debit sum left out would unbalance the sheet.
    {9000, 9999, kBothSides},   // 28 class 9
};

enum class GroupKind {
    Plain,
    CurrentAssets,  // customer receivables first, a VAT refund last
    Capital,        // capital account, private accounts, result, capital line instead of a subtotal
    Liabilities,    // supplier liabilities first, a VAT debt after position 22
    ClassNine,      // one sum line
};

struct Group {
    std::string_view title;
    int first;
    int last;
    GroupKind kind;
};

constexpr Group kGroups03[] = {
    {text::kBalanceSheetFixedAssets, 3, 3, GroupKind::Plain},
    {text::kBalanceSheetCurrentAssets, 4, 9, GroupKind::CurrentAssets},
    {text::kBalanceSheetLongTermReceivables, 10, 10, GroupKind::Plain},
    {text::kBalanceSheetAccruals, 11, 11, GroupKind::Plain},
    {text::kBalanceSheetCapital, 12, 15, GroupKind::Capital},
    {text::kBalanceSheetSpecialItems, 16, 16, GroupKind::Plain},
    {text::kBalanceSheetProvisions, 17, 17, GroupKind::Plain},
    {text::kBalanceSheetLongTermLiabilities, 18, 18, GroupKind::Plain},
    {text::kBalanceSheetShortTermLiabilities, 19, 22, GroupKind::Liabilities},
    {text::kBalanceSheetAccruals, 23, 23, GroupKind::Plain},
    {text::kBalanceSheetClassNine, 24, 24, GroupKind::ClassNine},
};

constexpr Group kGroups04[] = {
    {text::kBalanceSheetFixedAssets, 3, 5, GroupKind::Plain},
    {text::kBalanceSheetCurrentAssets, 6, 12, GroupKind::CurrentAssets},
    {text::kBalanceSheetAccruals, 13, 13, GroupKind::Plain},
    {text::kBalanceSheetCapital, 14, 18, GroupKind::Capital},
    {text::kBalanceSheetSpecialItems, 19, 19, GroupKind::Plain},
    {text::kBalanceSheetProvisions, 20, 20, GroupKind::Plain},
    {text::kBalanceSheetLiabilitiesGroup, 21, 26, GroupKind::Liabilities},
    {text::kBalanceSheetAccruals, 27, 27, GroupKind::Plain},
    {text::kBalanceSheetClassNine, 28, 28, GroupKind::ClassNine},
};

// The VAT debt closes position 22 in both charts.
constexpr int kVatDebtAfterPosition = 22;

struct ChartTable {
    std::span<const Position> positions;
    std::span<const Group> groups;
    int capitalPosition;  // the liabilities side starts here, on a new page
    int capitalAccount;
    int classNinePosition;
};

ChartTable TableOf(int chart) {
    if (chart == 3) return {kPositions03, kGroups03, 12, 800, kSheetClassNinePosition03};
    return {kPositions04, kGroups04, 14, 2900, kSheetClassNinePosition04};
}

struct SheetAccount {
    int number;
    std::string name;
    double value;     // months 0 to the cut-off
    double opening;   // slot 0
    double movement;  // first month of the business year to the cut-off
};

// Whether a value is written under the side rule, and into which column.
bool Placed(double value, int side, double threshold, bool& left) {
    left = value > threshold;
    if (left) return side == kBothSides || side == kDebitOnly;
    if (value < -threshold) return side == kBothSides || side == kCreditOnly;
    return false;
}

bool CapitalAccountShows(const SheetAccount& account) {
    return std::fabs(account.opening) >= kShowThreshold || std::fabs(account.movement) >= kShowThreshold;
}

std::string Amount(double value) { return format(text::kBalanceSheetAmount, value); }

class BalanceSheetWriter {
public:
    BalanceSheetWriter(PrintFile& printFile, const ReportRequest& request, const config::CircleSettings& settings,
                       int chart, std::vector<SheetAccount> accounts, double result, ui::Messages& messages)
        : print_(printFile),
          request_(request),
          settings_(settings),
          chart_(chart),
          table_(TableOf(chart)),
          accounts_(std::move(accounts)),
          result_(result),
          messages_(messages),
          bookingYear_(BookingYearOf(settings)),
          width_(kLayoutBalanceSheet.width),
          ruler_(RulerLine(width_)) {
        titleLine_ = TitleLine(text::kBalanceSheetTitle, request.printDay, request.printMonth, request.printYear, width_);
        asAtLength_ = InsertAsAt(titleLine_, text::kBalanceSheetTitle.size(),
                                 AsAtText(request.toDay, request.toMonth, request.toYear));
    }

    bool Run() {
        PrepareSums();
        print_.SetPageHeader([this](bool continued) { return Header(continued); });
        position_ = table_.groups.front().first;
        bool ok = Header(false);
        for (const Group& group : table_.groups) {
            if (!ok) break;
            ok = PrintGroup(group);
        }
        return ok && PrintTotals();
    }

private:
    using Range = std::span<const SheetAccount>;

    Range AccountsIn(int from, int to) const {
        auto less = [](const SheetAccount& a, int n) { return a.number < n; };
        const auto begin = std::lower_bound(accounts_.begin(), accounts_.end(), from, less);
        const auto end = std::lower_bound(begin, accounts_.end(), to + 1, less);
        return Range(accounts_.data() + (begin - accounts_.begin()), static_cast<std::size_t>(end - begin));
    }

    bool InVatGroup(int number) { return IsBalanceSheetRuleMember(kSheetVatPosition, number, chart_, messages_); }

    double RuleSum(int position) {
        const Position& p = table_.positions[static_cast<std::size_t>(position)];
        double sum = 0.0;
        for (const SheetAccount& a : AccountsIn(p.from, p.to))
            if (IsBalanceSheetRuleMember(position, a.number, chart_, messages_)) sum += a.value;
        return sum;
    }

    void PrepareSums() {
        vat_ = RuleSum(kSheetVatPosition);
        customers_ = RuleSum(kSheetCustomerPosition);
        suppliers_ = RuleSum(kSheetSupplierPosition);
        classNine_ = RuleSum(table_.classNinePosition);
        shows_.clear();
        for (const Group& group : table_.groups) shows_.push_back(GroupShows(group));
    }

    // Whether the group gets its title and subtotal. Besides the accounts of its positions, the sum lines
    // of the rule-formed groups count: customer receivables alone still make a current-assets subtotal, so
    // that they reach the sheet totals.
    bool GroupShows(const Group& group) {
        bool left = false;
        for (int p = group.first; p <= group.last; ++p) {
            const Position& position = table_.positions[static_cast<std::size_t>(p)];
            for (const SheetAccount& a : AccountsIn(position.from, position.to)) {
                if (p == table_.classNinePosition) {
                    if (!IsBalanceSheetRuleMember(p, a.number, chart_, messages_)) continue;
                } else if (InVatGroup(a.number)) {
                    continue;
                }
                if (p == table_.capitalPosition && a.number == table_.capitalAccount) {
                    if (CapitalAccountShows(a)) return true;
                } else if (Placed(a.value, position.side, kShowThreshold, left)) {
                    return true;
                }
            }
        }
        switch (group.kind) {
        case GroupKind::CurrentAssets:
            return std::fabs(customers_) >= kNonZero || Placed(vat_, kDebitOnly, kPlaceThreshold, left);
        case GroupKind::Liabilities:
            return std::fabs(suppliers_) >= kNonZero || Placed(vat_, kCreditOnly, kPlaceThreshold, left);
        case GroupKind::ClassNine:
            return Placed(classNine_, table_.positions[static_cast<std::size_t>(group.first)].side, kPlaceThreshold, left);
        default:
            return false;
        }
    }

    bool Header(bool continued) {
        const std::string side(position_ < table_.capitalPosition ? text::kBalanceSheetAssets
                                                                  : text::kBalanceSheetLiabilities);
        const std::string debit(text::kBalanceSheetDebit);
        const std::string credit(text::kBalanceSheetCredit);
        const std::string& currency = settings_.currency1;
        const std::size_t underline = text::kBalanceSheetTitle.size() + asAtLength_;
        return print_.BeginPageHeader(continued) && print_.WriteLine(titleLine_) &&
               print_.WriteLine(UnderlineLine(underline, asAtLength_ > 0 ? kRulerChar : '-',
                                              print_.state().currentPage, width_)) &&
               print_.WriteLine({}) && print_.WriteLine(BookingYearLine(bookingYear_, width_)) &&
               print_.WriteLine({}) && print_.WriteLine(settings_.name) && print_.WriteLine({}) &&
               print_.WriteLine(ruler_) &&
               print_.WriteLine(format(text::kBalanceSheetColumns, side.c_str(), debit.c_str(), currency.c_str(),
                                       credit.c_str(), currency.c_str())) &&
               print_.WriteLine(ruler_);
    }

    bool NewPage() { return Header(true); }
    int LinesLeft() const { return print_.state().linesLeft; }

    bool Title(const Group& group) {
        const std::string title(group.title);
        std::string underline(static_cast<std::size_t>(width_ - 2), ' ');
        underline.replace(0, title.size(), title.size(), kRulerChar);
        return print_.WriteBodyLine(format(text::kBalanceSheetGroupTitle, title.c_str())) &&
               print_.WriteBodyLine(underline);
    }

    bool WriteAmounts(std::string_view label, const std::string& left, const std::string& right) {
        const std::string text(label);
        return print_.WriteBodyLine(format(text::kBalanceSheetLine, text.c_str(), left.c_str(), right.c_str()));
    }

    // A value under a side rule; written and added to the group's totals only when the rule lists it.
    bool AmountLine(std::string_view label, double value, int side) {
        bool left = false;
        if (!Placed(value, side, kPlaceThreshold, left)) return true;
        return PlacedLine(label, value, left);
    }

    bool PlacedLine(std::string_view label, double value, bool left) {
        (left ? groupLeft_ : groupRight_) += std::fabs(value);
        const std::string amount = Amount(std::fabs(value));
        return WriteAmounts(label, left ? amount : " ", left ? " " : amount);
    }

    // A group total netted to one side, counted into the sheet totals.
    bool NettedLine(std::string_view label, double net) {
        const bool left = net >= 0;
        (left ? sheetLeft_ : sheetRight_) += std::fabs(net);
        const std::string amount = Amount(std::fabs(net));
        return WriteAmounts(label, left ? amount : " ", left ? " " : amount);
    }

    bool CapitalAccountLines(const SheetAccount& account) {
        if (!CapitalAccountShows(account)) return true;
        const std::string label = format(text::kBalanceSheetCapitalAccount, 1, bookingYear_.firstMonth,
                                         bookingYear_.firstYear);
        bool left = false;
        bool ok = Placed(account.opening, kBothSides, kPlaceThreshold, left)
                      ? PlacedLine(label, account.opening, left)
                      : WriteAmounts(label, " ", " ");
        if (ok && std::fabs(account.movement) >= kShowThreshold)
            ok = AmountLine(text::kBalanceSheetCapitalMovements, account.movement, kBothSides);
        return ok;
    }

    bool ListAccounts(const Group& group, bool shows, int p) {
        const Position& position = table_.positions[static_cast<std::size_t>(p)];
        for (const SheetAccount& a : AccountsIn(position.from, position.to)) {
            if (print_.state().currentPage >= kLastPage) break;
            // The VAT accounts are summed into their own line, never listed.
            if (InVatGroup(a.number)) continue;
            if (LinesLeft() < 1 && !(NewPage() && (!shows || Title(group)))) return false;
            const bool ok = p == table_.capitalPosition && a.number == table_.capitalAccount
                                ? CapitalAccountLines(a)
                                : AmountLine(a.name, a.value, position.side);
            if (!ok) return false;
        }
        return true;
    }

    std::string CapitalLabel() const {
        if (request_.toMonth == 13) return format(text::kBalanceSheetCapitalClosing, bookingYear_.secondYear);
        if (request_.toMonth == 0)
            return format(text::kBalanceSheetCapitalAt, 1, bookingYear_.firstMonth, bookingYear_.firstYear);
        int day = request_.toDay;
        int month = request_.toMonth;
        config::clampDayMonthWithYear(day, month, true, request_.toYear);
        return format(text::kBalanceSheetCapitalAt, day, month, request_.toYear);
    }

    bool CapitalBlock() {
        // A loss stands on the debit side of the capital, a profit (or nothing) on the credit side.
        const bool loss = result_ > 0;
        bool ok = PlacedLine(loss ? text::kBalanceSheetLoss : text::kBalanceSheetProfit, result_, loss);
        ok = ok && print_.NeedLines(4);
        const double net = groupLeft_ - groupRight_;
        return ok && print_.WriteBodyLine({}) && NettedLine(CapitalLabel(), net) && print_.WriteBodyLine({});
    }

    bool Subtotal() {
        return print_.NeedLines(2) && print_.WriteBodyLine({}) &&
               NettedLine(text::kBalanceSheetSubtotal, groupLeft_ - groupRight_) && print_.WriteBodyLine({});
    }

    bool PrintGroup(const Group& group) {
        const bool shows = shows_[static_cast<std::size_t>(&group - table_.groups.data())];
        bool ok = true;
        for (int p = group.first; p <= group.last && ok; ++p) {
            position_ = p;
            // The liabilities side starts on a page of its own.
            if (p == table_.capitalPosition) ok = NewPage();
            if (ok && p == group.first) {
                // A title never stands at the foot of a page.
                if (shows) ok = (LinesLeft() > 4 || NewPage()) && Title(group);
                if (ok && group.kind == GroupKind::CurrentAssets && std::fabs(customers_) >= kNonZero)
                    ok = AmountLine(text::kBalanceSheetCustomers, customers_, kBothSides);
                if (ok && group.kind == GroupKind::Liabilities && std::fabs(suppliers_) >= kNonZero)
                    ok = AmountLine(text::kBalanceSheetSuppliers, suppliers_, kBothSides);
            }
            if (ok && p != table_.classNinePosition) ok = ListAccounts(group, shows, p);
            if (!ok) break;
            if (group.kind == GroupKind::CurrentAssets && p == group.last)
                ok = AmountLine(text::kBalanceSheetVatBalance, vat_, kDebitOnly);
            if (group.kind == GroupKind::Liabilities && p == kVatDebtAfterPosition)
                ok = AmountLine(text::kBalanceSheetVatBalance, vat_, kCreditOnly);
            if (p == table_.classNinePosition)
                ok = AmountLine(text::kBalanceSheetClassNine, classNine_,
                                table_.positions[static_cast<std::size_t>(p)].side);
        }
        if (ok && group.kind == GroupKind::Capital) ok = CapitalBlock();
        else if (ok && shows) ok = Subtotal();
        groupLeft_ = 0.0;
        groupRight_ = 0.0;
        return ok;
    }

    bool PrintTotals() {
        const double difference = sheetLeft_ - sheetRight_;
        const bool differs = std::fabs(difference) >= kNonZero;
        if (LinesLeft() < 4 || (differs && LinesLeft() < 6)) {
            if (!NewPage()) return false;
        }
        const std::string totals(text::kBalanceSheetTotals);
        bool ok = print_.WriteBodyLine({}) &&
                  print_.WriteBodyLine(format(text::kBalanceSheetTotalsLine, totals.c_str(), sheetLeft_, sheetRight_));
        if (ok && differs) {
            const std::string label(text::kBalanceSheetDifference);
            ok = print_.WriteBodyLine(format(text::kBalanceSheetTotalsLine, label.c_str(), difference, 0.0));
        }
        return ok;
    }

    PrintFile& print_;
    const ReportRequest& request_;
    const config::CircleSettings& settings_;
    int chart_;
    ChartTable table_;
    std::vector<SheetAccount> accounts_;
    double result_;
    ui::Messages& messages_;
    BookingYear bookingYear_;
    int width_;
    std::string ruler_;
    std::string titleLine_;
    std::size_t asAtLength_ = 0;

    double vat_ = 0.0;
    double customers_ = 0.0;
    double suppliers_ = 0.0;
    double classNine_ = 0.0;
    std::vector<bool> shows_;

    int position_ = 0;  // decides the side named in the page header
    double groupLeft_ = 0.0;
    double groupRight_ = 0.0;
    double sheetLeft_ = 0.0;
    double sheetRight_ = 0.0;
};

}  // namespace

bool IsBalanceSheetRuleMember(int position, int number, int chart, ui::Messages& messages) {
    const bool chart03 = chart == 3;
    switch (position) {
    case kSheetVatPosition:
        if (chart03) return (number >= 1560 && number <= 1589) || (number >= 1760 && number <= 1789);
        return (number >= 1400 && number <= 1419) || (number >= 3800 && number <= 3829);
    case kSheetCustomerPosition:
        return number >= 10000 && number <= 19999;
    case kSheetSupplierPosition:
        return number >= 20000 && number <= 29999;
    default:
        break;
    }
    if (position == (chart03 ? kSheetClassNinePosition03 : kSheetClassNinePosition04))
        return number >= 9000 && number <= 9999;
    messages.show(text::kAccountClassUnknown, text::kCaptionError, ui::kIconStop);
    return false;
}

int GenerateBalanceSheet(PrintFile& printFile, ReportRequest& request, ledger::CSalden& cursor, ledger::CSIndex& index,
                         const config::CircleSettings& settings, ui::Messages& messages) {
    const int chart = settings.chart == 3 ? 3 : 4;  // any chart but 03 reads as 04
    const int cutOff = request.toMonth;
    // Every account once, in number order; the positions pick their ranges from it.
    std::vector<SheetAccount> accounts;
    accounts.reserve(static_cast<std::size_t>(std::max(0, index.count())));
    VisitAccountsInRange(cursor, index, 1, 29999, [&] {
        accounts.push_back({cursor.numberValue(), std::string(cursor.name()), cursor.periodSum(0, cutOff),
                            cursor.slotValue(0), cursor.periodSum(settings.firstMonth, cutOff)});
        return true;
    });
    const double result = ResultValue(0, cutOff, cursor, index, chart);

    if (!printFile.BeginReport(request, kLayoutBalanceSheet)) return 0;
    BalanceSheetWriter writer(printFile, request, settings, chart, std::move(accounts), result, messages);
    const bool ok = writer.Run();
    // The file is closed in every case; a failed run has shown its message already.
    const bool ended = printFile.EndReport(request);
    return ok && ended ? 1 : 0;
}

}  // namespace tellmark::reports
