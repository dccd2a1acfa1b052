#include "shell/year_commands.h"

#include "config/dates.h"
#include "resources/texts_year_change.h"
#include "shell/dialog_decisions.h"
#include "shell/year_dialogs.h"
#include "yearend/closing_balance_transfer.h"
#include "yearend/year_change.h"
#include "yearend/year_deletion.h"

namespace tellmark::shell {

YearCommands::Change YearCommands::changeYear() {
    YearInputDialog input(context_, text::kYearInputCaption, text::kYearInputLabel, "YearInputDialog");
    if (context_.runner.run(input) != QDialog::Accepted) return Change::Kept;
    const int year = yearend::parseBookingYear(input.yearText(), doc_.settings().year, doc_.messages());
    if (year < 0) return Change::Kept;

    yearend::YearChangeChoices choices;
    switch (yearend::probeNewYear(doc_, year)) {
    case yearend::NewYearState::Missing: {
        YearChartDialog chart(context_, doc_.settings());
        if (context_.runner.run(chart) != QDialog::Accepted) return Change::Kept;
        choices = chart.choices();
        break;
    }
    case yearend::NewYearState::Present:
    case yearend::NewYearState::OldFormat:
    case yearend::NewYearState::Locked: break;  // the change says what it meets
    }
    switch (yearend::changeBookingYear(doc_, year, choices)) {
    case yearend::YearChangeEnd::Changed:
    case yearend::YearChangeEnd::Restored: return Change::Opened;
    case yearend::YearChangeEnd::Refused: return Change::Kept;
    case yearend::YearChangeEnd::Closed: return Change::Closed;
    }
    return Change::Kept;
}

void YearCommands::transferClosingBalances() {
    const int openYear = doc_.settings().year;
    TransferConfirmDialog confirm(context_, config::previousYear(openYear), openYear);
    if (context_.runner.run(confirm) != QDialog::Accepted) return;
    DialogDecisions decisions(context_);
    yearend::transferClosingBalances(doc_, decisions);
}

void YearCommands::deleteYears() {
    YearInputDialog input(context_, text::kDeleteYearCaption, text::kDeleteYearLabel, "DeleteYearInputDialog");
    if (context_.runner.run(input) != QDialog::Accepted) return;
    const int year = yearend::parseBookingYear(input.yearText(), 0, doc_.messages());
    if (year < 0) return;
    yearend::YearDeletionStatus status;
    // The open year is refused before anything is asked.
    if (year == doc_.settings().year) {
        yearend::deleteBookingYear(doc_, year, false, false, status);
        return;
    }
    DeleteYearDialog files(context_, input.yearText());
    if (context_.runner.run(files) != QDialog::Accepted) return;
    if (yearend::deleteBookingYear(doc_, year, files.balances(), files.journal(), status) ==
        yearend::YearDeletionEnd::Refused)
        return;
    DeleteStatusDialog shown(context_, status);
    context_.runner.run(shown);
}

}  // namespace tellmark::shell
