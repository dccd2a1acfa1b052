#include "chart/account_classes.h"

#include <array>
#include <cstddef>

#include "resources/format.h"
#include "resources/texts_account_classes.h"

namespace tellmark::chart {

namespace {

constexpr bool in(int number, int lower, int upper) { return number >= lower && number <= upper; }

// The tests run in this order; the first that holds decides. The VAT accounts come before the wider
// ranges that contain them.
AccountKind kindInChart03(int n) {
    using K = AccountKind;
    if (in(n, 1, 499)) return K::ClassZero;
    if (in(n, 500, 999)) return K::OtherBalance;
    if (in(n, 1560, 1579)) return n == 1579 ? K::EuInputVat : K::InputVat;
    if (in(n, 1760, 1779)) return n == 1779 ? K::EuOutputVat : K::OutputVat;
    if (in(n, 1000, 1999)) return K::Financial;
    if (in(n, 2000, 2899)) return K::Neutral;
    if (in(n, 2900, 2999)) return K::ClassTwoNine;
    if (in(n, 3000, 3999)) return K::Purchase;
    if (in(n, 4000, 4999)) return K::Expense;
    if (in(n, 8121, 8129)) return K::RevenueSpecial;
    if (in(n, 8000, 8999)) return K::Revenue;
    if (in(n, 9000, 9999)) return K::ClassNine;
    if (in(n, 10000, 19999)) return K::Customer;
    if (in(n, 20000, 29999)) return K::Supplier;
    return K::Other;
}

AccountKind kindInChart04(int n) {
    using K = AccountKind;
    if (in(n, 1, 999)) return K::ClassZero;
    if (in(n, 1000, 1199)) return K::Purchase;
    if (in(n, 1400, 1419)) return n == 1409 ? K::EuInputVat : K::InputVat;
    if (in(n, 1200, 1899)) return K::Financial;
    if (in(n, 1900, 1999)) return K::OtherBalance;
    if (in(n, 2000, 2899)) return K::Financial;
    if (in(n, 2900, 2999)) return K::OtherBalance;
    if (in(n, 3000, 3799)) return K::Financial;
    if (in(n, 3800, 3899)) return n == 3809 ? K::EuOutputVat : K::OutputVat;
    if (in(n, 3900, 3999)) return K::OtherBalance;
    if (in(n, 4121, 4129)) return K::RevenueSpecial;
    if (in(n, 4000, 4999)) return K::Revenue;
    if (in(n, 5000, 5999)) return K::Purchase;
    if (in(n, 6000, 6999)) return K::Expense;
    if (in(n, 7000, 7999)) return K::Neutral;
    if (in(n, 9000, 9999)) return K::ClassNine;
    if (in(n, 10000, 19999)) return K::Customer;
    if (in(n, 20000, 29999)) return K::Supplier;
    return K::Other;
}

bool carriedForwardInChart03(int n, bool privateExcluded) {
    return in(n, 1, 1569) || in(n, 1590, 1759) || in(n, 1800, 1899) ||
           (!privateExcluded && in(n, 1900, 1999)) || in(n, 3900, 3999) || in(n, 9000, 29999);
}

bool carriedForwardInChart04(int n) {
    return in(n, 1, 1399) || in(n, 1420, 3799) || in(n, 3830, 3999) || in(n, 9000, 29999);
}

struct Range {
    int lower;
    int upper;
};

// A class of the trial balance: the scan range and the parts of it whose accounts are listed.
struct AccountClass {
    std::string_view title;
    Range scan;
    std::array<Range, 3> members;
    std::size_t memberCount;
};

constexpr std::array<AccountClass, 10> kChart03Classes{{
    {text::kClass03Zero, {1, 999}, {{{1, 999}}}, 1},
    // The VAT group 1560-1589 and 1760-1799 is listed on its own.
    {text::kClass03One, {1000, 1999}, {{{1000, 1559}, {1590, 1759}, {1800, 1999}}}, 3},
    {text::kClassVatAccounts, {1560, 1799}, {{{1560, 1589}, {1760, 1799}}}, 2},
    {text::kClass03Two, {2000, 2999}, {{{2000, 2999}}}, 1},
    {text::kClass03Three, {3000, 3999}, {{{3000, 3999}}}, 1},
    {text::kClass03Four, {4000, 4999}, {{{4000, 4999}}}, 1},
    {text::kClass03Eight, {8000, 8999}, {{{8000, 8999}}}, 1},
    {text::kClassOpeningClosing, {9000, 9999}, {{{9000, 9999}}}, 1},
    {text::kClassCustomers, {10000, 19999}, {{{10000, 19999}}}, 1},
    {text::kClassSuppliers, {20000, 29999}, {{{20000, 29999}}}, 1},
}};

constexpr std::array<AccountClass, 12> kChart04Classes{{
    {text::kClass04Zero, {1, 999}, {{{1, 999}}}, 1},
    {text::kClass04One, {1000, 1999}, {{{1000, 1399}, {1420, 1999}}}, 2},
    {text::kClassVatAccounts, {1400, 3829}, {{{1400, 1419}, {3800, 3829}}}, 2},
    {text::kClass04Two, {2000, 2999}, {{{2000, 2999}}}, 1},
    {text::kClass04Three, {3000, 3999}, {{{3000, 3799}, {3830, 3999}}}, 2},
    {text::kClass04Four, {4000, 4999}, {{{4000, 4999}}}, 1},
    {text::kClass04Five, {5000, 5999}, {{{5000, 5999}}}, 1},
    {text::kClass04Six, {6000, 6999}, {{{6000, 6999}}}, 1},
    {text::kClass04Seven, {7000, 7999}, {{{7000, 7999}}}, 1},
    {text::kClassOpeningClosing, {9000, 9999}, {{{9000, 9999}}}, 1},
    {text::kClassCustomers, {10000, 19999}, {{{10000, 19999}}}, 1},
    {text::kClassSuppliers, {20000, 29999}, {{{20000, 29999}}}, 1},
}};

// nullptr for an index the chart does not have.
const AccountClass* classAt(int index, int chart) {
    if (index < 0) return nullptr;
    const auto i = static_cast<std::size_t>(index);
    if (chart == 3) return i < kChart03Classes.size() ? &kChart03Classes[i] : nullptr;
    return i < kChart04Classes.size() ? &kChart04Classes[i] : nullptr;
}

}  // namespace

AccountKind AccountKindOf(int number, int chart) {
    if (chart == 3) return kindInChart03(number);
    if (chart == 4) return kindInChart04(number);
    return chart::AccountKind::Other;
}

bool IsNetBooked(int number, int chart) {
    if (chart == 3) return number <= 499 || in(number, 2900, 4999) || in(number, 8000, 8999);
    return number <= 799 || in(number, 1000, 1199) || in(number, 4000, 6999);
}

bool IsCarriedForward(int number, bool privateExcluded, int chart) {
    if (chart == 3) return carriedForwardInChart03(number, privateExcluded);
    if (chart == 4) return carriedForwardInChart04(number);
    return false;
}

int ClassCount(int chart) {
    return chart == 3 ? static_cast<int>(kChart03Classes.size()) - 1 : static_cast<int>(kChart04Classes.size()) - 1;
}

std::string ClassTitleLine(int index, std::string_view currency, int chart) {
    const AccountClass* c = classAt(index, chart);
    const char* title = c ? c->title.data() : "";  // the titles are NUL-terminated
    const std::string cur(currency);
    return format(text::kClassTitleLine, title, cur.c_str(), cur.c_str());
}

bool ClassRange(int index, int chart, int& lower, int& upper) {
    const AccountClass* c = classAt(index, chart);
    if (!c) {
        lower = upper = -1;
        return false;
    }
    lower = c->scan.lower;
    upper = c->scan.upper;
    return true;
}

bool IsClassMember(int index, int number, int chart) {
    const AccountClass* c = classAt(index, chart);
    if (!c) return false;
    for (std::size_t i = 0; i < c->memberCount; ++i)
        if (in(number, c->members[i].lower, c->members[i].upper)) return true;
    return false;
}

}  // namespace tellmark::chart
