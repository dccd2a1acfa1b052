#include "reports/account_selection.h"

#include <algorithm>
#include <cstdlib>

#include "config/field_checks.h"
#include "ledger/account_index.h"
#include "ledger/salden.h"

namespace tellmark::reports {

namespace {

int groupBound(std::string_view group, char joker) {
    std::string text(group);
    std::replace(text.begin(), text.end(), '?', joker);
    return std::min(std::atoi(text.c_str()), kHighestAccountNumber);
}

}  // namespace

int CheckAccountGroup(std::string& group, ui::Messages& messages) {
    int caret = static_cast<int>(group.size());
    return config::checkAccountNumber(group, caret, true, true, messages);
}

int CheckAccountRangeField(std::string& field, ui::Messages& messages) {
    int caret = static_cast<int>(field.size());
    return config::checkAccountNumber(field, caret, false, true, messages);
}

void GroupRange(std::string_view group, int& from, int& to) {
    from = groupBound(group, '0');
    to = groupBound(group, '9');
}

bool MatchesGroup(std::string_view numberText, std::string_view group) {
    const std::size_t n = std::min(numberText.size(), group.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (group[i] != '?' && group[i] != numberText[i]) return false;
    }
    return true;
}

int HighestReportMonth(bool thirteenthMonth) { return thirteenthMonth ? 13 : 12; }

int SelectByGroup(std::string_view typedGroup, AccountSelection& selection, ui::Messages& messages) {
    std::string group(typedGroup);
    if (CheckAccountGroup(group, messages) != 1) return 0;
    selection.byGroup = true;
    selection.pattern = group;
    GroupRange(group, selection.from, selection.to);
    return 1;
}

int SelectByRange(std::string_view typedFrom, std::string_view typedTo, AccountSelection& selection,
                  ui::Messages& messages) {
    std::string from(typedFrom);
    std::string to(typedTo);
    if (CheckAccountRangeField(from, messages) != 1 || CheckAccountRangeField(to, messages) != 1) return 0;
    selection.byGroup = false;
    selection.pattern.clear();
    selection.from = std::atoi(from.c_str());
    selection.to = std::atoi(to.c_str());
    return 1;
}

SelectedAccounts::SelectedAccounts(const AccountSelection& selection, ledger::CSalden& cursor,
                                   ledger::CSIndex& index)
    : selection_(selection), cursor_(cursor), index_(index) {}

bool SelectedAccounts::accept() const {
    const int number = cursor_.numberValue();
    return number >= selection_.from && number <= selection_.to &&
           MatchesGroup(cursor_.numberText(), selection_.pattern);
}

bool SelectedAccounts::next() {
    std::string key;
    for (;;) {
        int record = -1;
        if (!started_) {
            started_ = true;
            record = selection_.alphabetical ? index_.firstByName(key)
                                             : index_.rangeStart(selection_.from, selection_.to);
        } else {
            record = selection_.alphabetical ? index_.nextByName(key) : index_.nextByNumber(selection_.to);
        }
        if (record < 0) return false;
        // A record the index names but the file cannot give is passed over: the index is rebuilt on the
        // next opening, the list shows what is there.
        cursor_.read(record);
        if (cursor_.loaded() && accept()) return true;
    }
}

}  // namespace tellmark::reports
