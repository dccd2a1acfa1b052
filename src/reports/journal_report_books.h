#pragma once
// What the reports from the journal read: the journal with its index, the balance file through a report
// cursor with the account index, and the booking circle's settings; messages and the progress window
// for their long scans. The open booking circle hands these over; tests build them from their own files.

#include "config/circle_settings.h"
#include "ledger/account_index.h"
#include "ledger/journal.h"
#include "ledger/journal_index.h"
#include "ledger/salden.h"
#include "ui/messages.h"
#include "ui/progress.h"

namespace tellmark::reports {

struct JournalReportBooks {
    ledger::Journal& journal;
    const ledger::CJIndex& journalIndex;
    ledger::CSalden& cursor;
    ledger::CSIndex& accountIndex;
    const config::CircleSettings& settings;
    ui::Messages& messages;
    ui::Progress& progress;
};

}  // namespace tellmark::reports
