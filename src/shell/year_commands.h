#pragma once
// The booking year commands of the "Sonstiges" menu: "Buchungsjahrwechsel" (F8), "Vorjahresendbestand
// übertragen" and "Löschen Buchungsjahre". Each runs its dialogs and calls the core; the frame shows the
// circle again after a year change.

#include "circles/document.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class YearCommands {
public:
    YearCommands(ShellContext& context, circles::CVt36Doc& doc) : context_(context), doc_(doc) {}

    enum class Change {
        Kept,    // cancelled or refused: the year that was open is open
        Opened,  // the document was opened again, on the new year or back on the old one
        Closed,  // no year could be opened
    };
    Change changeYear();
    void transferClosingBalances();
    void deleteYears();

private:
    ShellContext& context_;
    circles::CVt36Doc& doc_;
};

}  // namespace tellmark::shell
