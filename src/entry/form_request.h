#pragma once
// What the booking entry form asks its front end to do after a key: a dialog to show, a report or
// function to start, a beep. The form never waits; dialogs that decide something for the form answer
// through the form model (answerDelete, answerDiscount).

#include <string>

namespace tellmark::entry {

enum class Request {
    None,
    Beep,                 // no account before the first or after the last one
    ConfirmDelete,        // "Buchungssatz löschen"; answer with answerDelete
    DiscountDialog,       // "Automatische Skonto-Verbuchung"; answer with answerDiscount
    // F2 ... F9 in the date field.
    AccountSheets,        // F2
    TrialBalance,         // F3
    ResultStatement,      // F4: cash-basis result or profit and loss
    BalanceSheet,         // F5
    BalanceList,          // F6
    MonthEvaluation,      // F7
    YearChange,           // F8
    SwitchCircle,         // F9
    // F7 in the debit or credit field: the account sheet of the account found there.
    AccountSheetOfAccount,
    // F2 / F3 in the document-number field.
    PostStandardBookingByNumber,
    ChooseStandardBooking,
    // Commands of the form.
    SearchForward,        // Ctrl+S
    SearchBackward,       // Ctrl+R
    AccountsDialog,       // Ctrl+A
    ChartOfAccounts,      // Ctrl+P
};

struct FormRequest {
    Request kind = Request::None;
    std::string account;  // AccountSheetOfAccount: the account number as the balance file holds it

    bool none() const { return kind == Request::None; }
};

}  // namespace tellmark::entry
