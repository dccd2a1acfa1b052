#include "shell/circle_opening.h"

#include "circles/chart_template.h"
#include "circles/missing_ledger.h"
#include "resources/texts_common.h"

#include "shell/chart_takeover_dialog.h"
#include "shell/circle_selection_dialog.h"
#include "shell/missing_ledger_dialog.h"
#include "shell/password_dialog.h"

namespace tellmark::shell {

void CircleOpening::readConfig() {
    // A configuration that cannot be written or read was reported; the defaults carry on.
    doc_.readProgramConfig();
}

bool CircleOpening::startDocument() {
    readConfig();
    const std::string& password = doc_.programConfig().password;
    if (!password.empty()) {
        PasswordDialog dialog(context_, password);
        dialog.setStepUnit(passwordStepUnit_);
        if (context_.runner.run(dialog) != QDialog::Accepted) return false;
    }
    return selectAndOpen();
}

int CircleOpening::select(bool administration) {
    CircleSelectionDialog dialog(context_, doc_.dataDirectory(), maxNumber_, administration);
    if (context_.runner.run(dialog) != QDialog::Accepted) return 0;
    return dialog.number();
}

int CircleOpening::openNumber(int number) {
    int result = doc_.openCircle(number, circles::MissingLedger::Refuse);
    while (result == circles::kOpenLedgerMissing) {
        // A lost journal or balance file is brought back from the backup, never replaced by an empty one.
        const std::string lost = circles::lostLedgerMessage(doc_);
        if (!lost.empty()) {
            context_.messages.show(lost, text::kCaptionError, ui::kIconStop);
            return 0;
        }
        MissingLedgerDialog ask(context_);
        const int choice = context_.runner.run(ask);
        if (choice == MissingLedgerDialog::kCreateNew) return doc_.openCircle(number, circles::MissingLedger::CreateNew);
        if (choice != MissingLedgerDialog::kTakeOver) return 0;
        // The number of the other circle is asked until its chart could be taken over or the user gives up;
        // each refusal was explained by its message.
        for (;;) {
            ChartTakeOverDialog from(context_);
            const int answer = context_.runner.run(from);
            if (answer == ChartTakeOverDialog::kTemplate) {
                result = openWithTemplate(number);
                if (result == 1 || result == circles::kOpenLocked) return result;
                continue;
            }
            if (answer != QDialog::Accepted) break;
            result = doc_.openCircle(number, circles::MissingLedger::TakeOver, from.number());
            if (result == 1 || result == circles::kOpenLocked) return result;
        }
        result = doc_.openCircle(number, circles::MissingLedger::Refuse);
    }
    return result;
}

// The shipped template of the circle's chart: read and checked first, so a missing or damaged template
// leaves the circle without files and the question can be asked again.
int CircleOpening::openWithTemplate(int number) {
    const int chart = doc_.settings().chart == 4 ? 4 : 3;
    circles::ChartTemplate chartTemplate;
    const std::string path = circles::chartTemplatePath(chart, circles::chartTemplateSearchDirectories(""));
    if (circles::readChartTemplate(path, chart, chartTemplate, doc_.messages()) != 1) return 0;
    int result = doc_.openCircle(number, circles::MissingLedger::CreateNew);
    if (result == 1) {
        circles::appendTemplateAccounts(chartTemplate, doc_.reportCursor(), doc_.accountIndex(), doc_.messages());
        // The account range of the report dialogs was taken before the template's accounts were there.
        doc_.fillReportDefaults();
    }
    return result;
}

bool CircleOpening::selectAndOpen() {
    // A circle that could not be opened (locked elsewhere, a file that would not open) brings the
    // selection back.
    for (;;) {
        const int number = select(false);
        if (number == 0) return false;
        if (openNumber(number) == 1) return true;
    }
}

CircleOpening::Switch CircleOpening::switchCircle() {
    readConfig();
    const int number = select(false);
    if (number == 0) return Switch::Kept;
    if (openNumber(number) == 1) return Switch::Opened;
    return selectAndOpen() ? Switch::Opened : Switch::NoneOpen;
}

bool CircleOpening::administration() {
    readConfig();
    const int current = doc_.number();
    doc_.closeCircle();
    while (select(true) != 0) {
    }
    if (current > 0 && openNumber(current) == 1) return true;
    return selectAndOpen();
}

}  // namespace tellmark::shell
