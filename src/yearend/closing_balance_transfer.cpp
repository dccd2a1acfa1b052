#include "yearend/closing_balance_transfer.h"

#include "chart/account_classes.h"
#include "config/amounts.h"
#include "config/dates.h"
#include "ledger/account_index.h"
#include "ledger/account_record.h"
#include "ledger/salden.h"
#include "platform/file.h"
#include "posting/books_operation.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_year_change.h"
#include "resources/texts_yearend.h"
#include "yearend/year_files.h"

#include <optional>

namespace tellmark::yearend {

namespace {

constexpr int kHighestAccount = 29999;

// The progress advances once per 1, 10 or 100 accounts, by the size of the previous year.
int accountsPerStep(int count) { return count < 100 ? 1 : count < 1000 ? 10 : 100; }

bool sameCents(double a, double b) { return ledger::amountText12(a) == ledger::amountText12(b); }

}  // namespace

ClosingBalanceSurvey surveyClosingBalances(circles::CVt36Doc& doc) {
    ClosingBalanceSurvey survey;
    ui::Messages& messages = doc.messages();
    const config::CircleSettings& s = doc.settings();
    survey.previousYear = config::previousYear(s.year);
    const YearFiles files = yearFiles(doc.dataDirectory(), s.chart, survey.previousYear, doc.number());

    platform::File previousFile;
    if (!previousFile.openForReading(files.balance)) {
        messages.show(text::kMsgChartCopySourceUnreadable, text::kCaptionError, ui::kIconStop);
        return survey;
    }
    ledger::CSIndex previousIndex(messages, doc.progress());
    previousIndex.attach("", previousFile);  // in memory only: the previous year's index file stays untouched
    if (previousIndex.open() != 1) {
        messages.show(text::kMsgPreviousIndexProblem, text::kCaptionError, ui::kIconStop);
        return survey;
    }
    ledger::CSalden previous(messages);
    previous.attach(previousFile, s.spanYear, s.firstMonth, s.chart);
    ledger::CSalden& current = doc.reportCursor();

    const int count = previousIndex.count();
    const int per = accountsPerStep(count);
    ui::Progress& progress = doc.progress();
    progress.start(text::kTransferProgressCaption, "", text::kTransferProgressLine, text::kTransferProgressLabel,
                   (count + per - 1) / per, ui::kBarStayFull);
    const ledger::CSIndex::NumberSlot* slots = previousIndex.numberSlots();
    for (int i = 0; i < count; ++i) {
        if ((i + 1) % per == 0) {
            progress.step(1);
            progress.poll();
        }
        const int number = slots[i].number;
        if (number > kHighestAccount) break;
        if (!chart::IsCarriedForward(number, true, s.chart)) continue;
        if (previous.read(slots[i].record) <= 0) continue;
        int record = -1;
        if (doc.accountIndex().findByNumber(format("%i", number), record) != ledger::kIndexFound) continue;
        if (current.read(record) != number) continue;
        const double closing = config::roundToCents(previous.balance());
        const double opening = current.slotValue(0);
        if (sameCents(closing, opening)) continue;
        survey.differing.push_back(
            {number, std::string(current.numberText()), std::string(current.name()), closing, opening});
    }
    progress.end();
    survey.read = true;
    return survey;
}

TransferResult transferClosingBalances(circles::CVt36Doc& doc, ui::Decisions& decisions) {
    TransferResult result;
    posting::Books books = doc.books();
    if (!posting::booksMayChange(books)) return result;
    const ClosingBalanceSurvey survey = surveyClosingBalances(doc);
    result.previousYear = survey.previousYear;
    if (!survey.read) return result;

    const int openYear = doc.settings().year;
    ledger::CSalden& cursor = doc.reportCursor();
    std::optional<posting::BooksOperation> operation;
    result.end = TransferEnd::Done;
    for (const ClosingBalance& account : survey.differing) {
        ui::Question question;
        question.kind = kAskClosingBalance;
        question.caption = std::string(text::kTransferQuestionCaption);
        question.text = std::string(text::kTransferQuestion);
        question.fields = {account.numberText,
                           account.name,
                           format(text::kTransferPreviousLabel, survey.previousYear),
                           ledger::amountText12(account.previous),
                           format(text::kTransferCurrentLabel, openYear),
                           ledger::amountText12(account.current)};
        question.answers = {std::string(text::kAnswerYes), std::string(text::kAnswerNo),
                            std::string(text::kAnswerCancel)};
        const int answer = decisions.ask(question);
        if (answer == ui::kNoOneToAsk) {
            result.end = TransferEnd::Unasked;
            break;
        }
        // A dialog closed without an answer stops as "Abbrechen" does.
        if (answer == kStopTransfer || answer > kStopTransfer) {
            result.end = TransferEnd::Cancelled;
            break;
        }
        if (answer != kTakeClosingBalance) continue;

        // One operation of the books from the first account taken over to the last.
        if (!operation) {
            operation.emplace(books, text::kOpTransfer);
            if (!operation->started()) {
                result.end = TransferEnd::Failed;
                return result;
            }
        }
        std::string balanceText, name, numberText;
        bool written = cursor.findByNumber(account.number, balanceText, name, numberText) == 1 &&
                       cursor.numberValue() == account.number;
        if (written) {
            cursor.setSlotValue(0, account.previous);
            written = cursor.write() == 1;
        }
        if (!written) {
            operation->fail();
            result.end = TransferEnd::Failed;
            return result;
        }
        result.taken.push_back(account.numberText);
    }
    if (operation && !operation->finish()) {
        result.end = TransferEnd::Failed;
        return result;
    }
    doc.messages().show(text::kMsgTransferDone, text::kCaptionInformation, ui::kIconInformation);
    return result;
}

}  // namespace tellmark::yearend
