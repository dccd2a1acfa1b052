#pragma once
// Reorganisation: the balances of the open booking year built anew from its journal. Both files are
// checked for broken records first, broken and duplicate accounts are removed, all month slots cleared
// (hand-entered opening balances stay), every booking date repaired and every booking posted again with
// the rules of posting. Bookings whose date or accounts cannot be used are put to the person through the
// decisions port; they are found before anything is changed, so that with nobody to ask the run stops
// with the books untouched and tells which bookings stand in the way.

#include <string>
#include <vector>

#include "posting/books.h"
#include "posting/balance_rebuild.h"
#include "ui/decisions.h"
#include "ui/progress.h"

namespace tellmark::posting {

struct PendingBooking {
    long number = 0;          // booking number at the time it was found
    ReorgProblem reason = ReorgProblem::BadDate;
    std::string subject;      // the date, the account text or the VAT account number (CP1252)
    std::string displayLine;  // the booking's 80-character display line
};

enum class ReorgOutcome {
    Done,
    JournalDamaged,  // a record without CR LF; nothing changed
    BalanceDamaged,  // an account record without CR LF; nothing changed
    ReadFailed,      // a file error while checking; nothing changed
    NeedsDecisions,  // bookings need a decision and nobody answered; nothing changed
    NotStarted,      // the record of the operation could not be written; nothing changed
    NoBookings,      // the journal holds no booking; nothing changed
    WriteFailed,     // a write failed on the way; the message said what the books hold
};

struct ReorganisationResult {
    ReorgOutcome outcome = ReorgOutcome::Done;
    // NeedsDecisions: every booking that needs one. Done: bookings left in the journal unposted because a
    // question in the middle of the run went unanswered (the balances then lack them).
    std::vector<PendingBooking> pending;
    std::vector<std::string> deletedAccounts;  // "number   name" of each broken or duplicate account removed
    long bookingsDropped = 0;
    long bookingsChanged = 0;  // dates repaired and bookings rewritten after a decision
    long bookingCount = 0;     // the journal's count afterwards; the next booking number is count + 1
};

// Question kinds asked through the decisions port.
inline constexpr const char* kAskNeedsDecisions = "reorganisation-needs-decisions";
inline constexpr const char* kAskBrokenAccount = "reorganisation-broken-account";
inline constexpr const char* kAskBadDate = "reorganisation-bad-date";
inline constexpr const char* kAskNewDate = "reorganisation-new-date";
inline constexpr const char* kAskMissingAccount = "reorganisation-missing-account";
inline constexpr const char* kAskNewAccountNumber = "reorganisation-new-account-number";
inline constexpr const char* kAskNewAccount = "reorganisation-new-account";
inline constexpr const char* kAskCannotPost = "reorganisation-cannot-post";

// Answers of the bad-date question ("&Datum ändern", "Satz &löschen") and of the missing-account question
// ("&Konto ändern", "Konto &anlegen", "Satz &löschen").
inline constexpr int kAnswerChangeDate = 0;
inline constexpr int kAnswerDropBadDate = 1;
inline constexpr int kAnswerChangeAccount = 0;
inline constexpr int kAnswerCreateAccount = 1;
inline constexpr int kAnswerDropMissingAccount = 2;

// The text of a stored booking date repaired as reorganisation repairs it ("3,5" and "0305" -> "03.05",
// "31.02" -> "28.02" in 2009); a text that holds no date comes back unchanged.
std::string repairedBookingDate(const std::string& date, int year);

// Runs the reorganisation on the books of the open booking circle. Messages (caption "FEHLER") go to
// books.messages.
ReorganisationResult reorganise(Books books, ui::Decisions& decisions, ui::Progress& progress);

}  // namespace tellmark::posting
