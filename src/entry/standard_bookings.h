#pragma once
// The standard bookings of the open booking circle: editing, marking and posting them. Every record is
// checked as the entry form checks its fields, and every line is posted through the same checks and the
// same posting engine as a typed line, so a standard booking writes exactly what typing it writes.
//
// Posting runs ask about a line that is incomplete (".#" in its text, an amount of 0.00) or does not pass
// its checks through the correction question (ui::Decisions, kind "standard-booking-correction"). All
// questions are asked before the first line is posted: a front end with nobody to ask gets the faulty
// lines back and nothing is posted.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "circles/document.h"
#include "ledger/journal_record.h"
#include "ledger/standard_booking_file.h"
#include "ui/decisions.h"

namespace tellmark::entry {

// A standard booking as typed: accounts as in the entry form (number, leading digits or the beginning of
// a name), amount and rate as typed (a blank rate takes the accounts' preset where a rate is allowed).
struct TypedStandardBooking {
    bool marked = true;  // a new record is marked, as the editing dialog's empty slots are
    std::string document;
    std::string debit;
    std::string credit;
    std::string text;
    std::string amount;
    std::string rate;
};

struct StandardCheck {
    std::optional<ledger::StandardBookingRecord> record;  // the record as it is stored, when it passes
    std::string missingAccount;                           // the account text that finds no account
};

// The checks of the editing dialog: document number and text (no control character, within their
// width), both accounts found and different, the amount (0.00 is kept: it is entered when posting, as
// is a ".#" in the text), the VAT rate. A check that fails shows its message (an account that finds
// none shows none, as in the entry form).
StandardCheck checkStandardBooking(circles::CVt36Doc& doc, const TypedStandardBooking& typed);

// The records of the open circle's file, each change written at once.
class StandardBookings {
public:
    explicit StandardBookings(circles::CVt36Doc& doc) : doc_(doc) {}

    // Reads the file; false after its message.
    bool load();
    const std::vector<ledger::StandardBookingRecord>& records() const { return records_; }
    int count() const { return static_cast<int>(records_.size()); }

    enum class Edit {
        Done,
        Full,          // 999 records exist already
        NoSuchRecord,  // the number is not 1..count (1..count + 1 to insert)
        NotWritten,    // the file refused the change (after its message); the records are as before
    };
    // Inserts the record as number `at` (later records move up one place); 0 appends.
    Edit insert(const ledger::StandardBookingRecord& record, int at = 0);
    // An empty record at `at` (mark "X", every text blank), for the editing dialog.
    Edit insertBlank(int at);
    Edit replace(int n, const ledger::StandardBookingRecord& record);
    // Later records move down one place.
    Edit remove(int n);
    Edit setMarked(int n, bool marked);

    // The check at the end of editing: the number of the first record whose debit or credit finds no
    // account in the account index or whose debit and credit are the same account, 0 when all pass.
    int firstAccountFault() const;
    // "Kontofehler in Buchungssatz Nummer: ..." (caption "FEHLER") for that record.
    void showAccountFault(int n) const;

private:
    Edit write(std::vector<ledger::StandardBookingRecord> next);

    circles::CVt36Doc& doc_;
    std::vector<ledger::StandardBookingRecord> records_;
};

// A record as the line posted on `date`: the record's document number, accounts, text, amount and rate.
ledger::BookingTexts standardLine(const ledger::StandardBookingRecord& record, std::string_view date);

// Why a line may not be posted as it stands, as the correction question's information line names it
// ("Fehler im Datumsfeld", "Kontonummer falsch oder noch nicht angelegt!", the ".#" marker, the amount,
// the VAT rate; the same account twice and a control character in document or text with the entry
// form's own message); empty when it may. No message is shown.
std::string standardLineFault(circles::CVt36Doc& doc, const ledger::BookingTexts& line);

// The answers of the correction question, in the order of Question::answers.
enum CorrectionAnswer : int { kCorrectionPost = 0, kCorrectionSkip = 1, kCorrectionCancel = 2 };

// The lines of a posting run: the record's number and its line.
struct StandardLine {
    int number = 0;
    ledger::BookingTexts line;
};

struct FaultyStandardLine {
    int number = 0;
    std::string fault;  // CP1252, the information line of the correction question
};

struct StandardPostingResult {
    enum class Outcome {
        Done,                // every line not skipped is posted (cancelled tells whether the run was ended)
        NoStandardBookings,  // the file holds none (after its message)
        Unanswered,          // a faulty line found nobody to ask: nothing is posted; faulty lists them all
        Failed,              // the file could not be read or a line not posted (after its message)
    };
    Outcome outcome = Outcome::Done;
    int posted = 0;          // lines posted, from booking firstBooking on
    long firstBooking = 0;
    bool cancelled = false;  // "Verbuchen abbrechen": the lines before the cancelled one are posted
    std::vector<FaultyStandardLine> faulty;  // skipped or unanswered lines
};

// How a faulty line is handled: asked about, or skipped without asking (a front end's option).
enum class FaultyLines { Ask, Skip };

// Posts the lines in order as new bookings (never of a booking kind); each faulty one is asked about
// first. The lines are posted in one block: should a line fail to be written, the block is undone and
// the run reports how many stayed posted.
StandardPostingResult postStandardLines(circles::CVt36Doc& doc, std::vector<StandardLine> lines,
                                        ui::Decisions& decisions, FaultyLines faulty);

// "Markierung verbuchen": every marked record with the one date, then "Es wurden %i Standardbuchungen
// erfolgreich verbucht" (caption "INFORMATION") unless nothing could be decided or a line failed.
StandardPostingResult postMarkedStandardBookings(circles::CVt36Doc& doc, std::string_view date,
                                                 ui::Decisions& decisions, FaultyLines faulty);

}  // namespace tellmark::entry
