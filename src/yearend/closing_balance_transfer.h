#pragma once
// "Vorjahresendbestand übertragen": the closing balances of the previous booking year taken over again
// as opening balances of the open year, account by account, after the previous year was changed later.
// The previous year's files are only read. Each account whose opening balance differs from the previous
// year's closing balance is asked about; an account taken over is written at once, so stopping keeps the
// accounts already taken. Only the opening balance (slot 0) changes; months and journal stay as they are.

#include <string>
#include <vector>

#include "circles/document.h"
#include "ui/decisions.h"

namespace tellmark::yearend {

// The account the question is about, and what taking it over would change.
struct ClosingBalance {
    int number = 0;
    std::string numberText;  // as the balance file writes it
    std::string name;        // 25 characters
    double previous = 0.0;   // total balance at the end of the previous year
    double current = 0.0;    // opening balance in the open year
};

struct ClosingBalanceSurvey {
    bool read = false;  // false after the message: the previous year could not be read
    int previousYear = 0;
    std::vector<ClosingBalance> differing;  // in ascending number order
};

// The accounts the transfer would ask about: every account of the previous year up to 29999 that the
// carry-forward rule keeps (chart 03's private accounts never), that exists in the open year and whose
// opening balance there is not the previous year's total. Nothing is written.
ClosingBalanceSurvey surveyClosingBalances(circles::CVt36Doc& doc);

// The per-account question: fields number, name, the previous year's label and amount, the open year's
// label and amount; answers take over, keep, stop.
inline constexpr const char* kAskClosingBalance = "closing-balance-transfer";
enum ClosingBalanceAnswer : int { kTakeClosingBalance = 0, kKeepOpeningBalance = 1, kStopTransfer = 2 };

enum class TransferEnd {
    Done,       // every account was asked about
    Cancelled,  // stopped by the answer: the accounts before it stay taken over
    Unasked,    // nobody to answer: the accounts before it stay taken over
    Refused,    // the previous year could not be read, or the books may not be changed: nothing changed
    Failed,     // a write failed (its message was shown)
};

struct TransferResult {
    TransferEnd end = TransferEnd::Refused;
    int previousYear = 0;
    std::vector<std::string> taken;  // number texts of the accounts taken over
};

// Runs the walk with the progress window and asks through decisions. "Die Übernahme de
// Vorjahresendbestände ist beendet." closes every walk that was not refused.
TransferResult transferClosingBalances(circles::CVt36Doc& doc, ui::Decisions& decisions);

}  // namespace tellmark::yearend
