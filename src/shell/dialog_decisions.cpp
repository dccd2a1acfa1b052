#include "shell/dialog_decisions.h"

#include "posting/reorganisation.h"
#include "shell/decision_account_dialog.h"
#include "shell/decision_dialog.h"
#include "yearend/closing_balance_transfer.h"

namespace tellmark::shell {

int DialogDecisions::ask(ui::Question& question) {
    const int closed = static_cast<int>(question.answers.size());
    if (question.kind == posting::kAskNewAccount) {
        DecisionAccountDialog dialog(context_, question);
        const int answer = DecisionDialog::answerOf(context_.runner.run(dialog), closed);
        if (answer == 0) dialog.writeBack(question);
        return answer;
    }
    if (question.kind == yearend::kAskClosingBalance && question.fields.size() >= 6) {
        // The account and both balances above the question.
        ui::Question shown = question;
        shown.text = question.fields[0] + "  " + question.fields[1] + "\n" + question.fields[2] + " " +
                     question.fields[3] + "\n" + question.fields[4] + " " + question.fields[5] + "\n\n" + question.text;
        DecisionDialog dialog(context_, shown, false, false);
        return DecisionDialog::answerOf(context_.runner.run(dialog), closed);
    }
    const bool withInput = question.kind == posting::kAskNewDate || question.kind == posting::kAskNewAccountNumber;
    // The other questions name their booking or account in the text; only the list of waiting bookings is
    // not in it.
    const bool listFields = question.kind == posting::kAskNeedsDecisions;
    DecisionDialog dialog(context_, question, withInput, listFields);
    const int answer = DecisionDialog::answerOf(context_.runner.run(dialog), closed);
    dialog.writeBack(question);
    return answer;
}

}  // namespace tellmark::shell
