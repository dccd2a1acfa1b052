#pragma once
// "Journalsortierung" (the choice of the sort key after the warning) and "Suchen" (the search text and
// the case choice; "&Starten" from the first or last booking, "&Weiter" on from the booking under the
// cursor).

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>

#include "entry/journal_search.h"
#include "posting/journal_sort.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class JournalSortDialog : public TellmarkDialog {
    Q_OBJECT
public:
    explicit JournalSortDialog(ShellContext& context);
    posting::SortOrder order() const;

private:
    QRadioButton* byMonths_;
    QRadioButton* byDays_;
};

class SearchDialog : public TellmarkDialog {
    Q_OBJECT
public:
    enum Result { Cancelled = 0, Start = 1, Next = 2 };
    // firstTime: "&Starten" is the default button, else "&Weiter".
    SearchDialog(ShellContext& context, bool backward, const entry::SearchQuery& previous, bool firstTime);
    entry::SearchQuery query() const;

private:
    QLineEdit* text_;
    QCheckBox* caseSensitive_;
};

}  // namespace tellmark::shell
