#include "posting/posting_engine.h"


#include "config/amounts.h"
#include "posting/booking_kinds.h"
#include "posting/posting_types.h"
#include "posting/split_posting.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_posting.h"

namespace tellmark::posting {

namespace {

enum class Outcome { Posted, BadLine, AccountMissing, VatAccountMissing, SlotOverflow, JournalFailed };

// A line about to be posted or reversed: what its journal record holds.
struct Line {
    ledger::ParsedBooking booking;
    int postingType = kPostingPlain;
    bool opening = false;
    int missingVatAccount = 0;
};

int chartOf(const Books& books) { return books.settings.chart; }

void showError(Books& books, std::string_view text) { books.messages.show(text, text::kCaptionError, ui::kIconStop); }
void showInformation(Books& books, std::string_view text) {
    books.messages.show(text, text::kCaptionInformation, ui::kIconStop);
}

bool findAccount(ledger::CSalden& cursor, std::string_view text) {
    std::string balance, name, number;
    return cursor.findByText(text, balance, name, number) == 1;
}

bool findAccount(ledger::CSalden& cursor, int number) {
    std::string balance, name, numberText;
    return cursor.findByNumber(number, balance, name, numberText) == 1;
}

// Puts the debit and credit cursors on the line's accounts, classifies the line, positions both VAT
// cursors and tells whether the VAT account the line needs is there. False when an account is missing.
bool prepare(Books& books, Line& line) {
    const ledger::ParsedBooking& b = line.booking;
    if (!findAccount(books.debit, b.debit) || !findAccount(books.credit, b.credit)) return false;
    line.postingType = postingTypeOf(books.debit.accountKind(), books.credit.accountKind());
    books.lastPostingType = line.postingType;
    line.opening = b.month == books.settings.firstMonth &&
                   (books.debit.accountKind() == 11 || books.credit.accountKind() == 11);

    const int chart = chartOf(books);
    const bool inputFound = findAccount(books.inputVat, standardInputVatAccount(chart));
    const bool outputFound = findAccount(books.outputVat, standardOutputVatAccount(chart));
    const VatAccount needed = splitOf(line.postingType, 0.0, 0.0).vatAccount;
    if (needed == VatAccount::Input && !inputFound) line.missingVatAccount = standardInputVatAccount(chart);
    if (needed == VatAccount::Output && !outputFound) line.missingVatAccount = standardOutputVatAccount(chart);
    return line.missingVatAccount == 0;
}

SplitCursors cursorsOf(Books& books) { return SplitCursors{books.debit, books.credit, books.inputVat, books.outputVat}; }

// Adds the line's amounts, times sign, to the accounts the cursors stand on. Runs right after prepare,
// which has read every cursor afresh.
void apply(Books& books, const Line& line, double sign) {
    const ledger::ParsedBooking& b = line.booking;
    SplitCursors cursors = cursorsOf(books);
    applySplit(cursors, b.month, splitOf(line.postingType, sign * b.amountValue, sign * b.vatValue), line.opening);
}

// Whether every slot the line's amounts (times sign) go to still fits its twelve characters afterwards.
bool fits(Books& books, const Line& line, double sign) {
    const ledger::ParsedBooking& b = line.booking;
    return splitFits(cursorsOf(books), b.month, splitOf(line.postingType, sign * b.amountValue, sign * b.vatValue),
                     line.opening);
}

Line lineOf(const ledger::BookingTexts& texts, int chart) {
    const ledger::JournalRecord record = ledger::makeJournalRecord(texts);
    return Line{ledger::parseJournalRecord(record.data(), chart)};
}

bool monthHolds(const Line& line) { return line.booking.month >= 1 && line.booking.month <= 13; }

// Writes the line as record i and posts it. Messages only for the VAT account and the journal.
Outcome postAt(Books& books, long i, const ledger::BookingTexts& texts) {
    Line line = lineOf(texts, books.journal.chart());
    if (!monthHolds(line)) return Outcome::BadLine;
    if (!prepare(books, line)) {
        if (line.missingVatAccount == 0) return Outcome::AccountMissing;
        showError(books, format(text::kVatAccountMissing, line.missingVatAccount));
        return Outcome::VatAccountMissing;
    }

    if (!fits(books, line, 1.0)) {
        showError(books, text::kSlotWouldOverflow);
        return Outcome::SlotOverflow;
    }

    // The record carries the account numbers as the balance file holds them, whatever was typed.
    ledger::BookingTexts stored = texts;
    stored.debit.assign(books.debit.numberText());
    stored.credit.assign(books.credit.numberText());
    line = Line{lineOf(stored, books.journal.chart()).booking, line.postingType, line.opening};

    if (books.numbering != nullptr) books.journal.setDocumentNumbering(books.numbering);
    if (!books.journal.writeBooking(i, stored)) {
        // A journal that could not be opened again has said so itself.
        if (books.journal.isOpen()) showError(books, text::kJournalRecordNotWritten);
        return Outcome::JournalFailed;
    }
    if (books.journalIndex.noteBooking(i, line.booking.month)) books.journalIndex.write();
    apply(books, line, 1.0);
    return Outcome::Posted;
}

// The booking n as the journal holds it; false when it cannot be read.
bool readLine(Books& books, long n, Line& line) {
    if (n < 1 || n > books.journal.count() || !books.journal.readBooking(n)) return false;
    line = Line{books.journal.current()};
    return true;
}

struct SpecialAccount {
    int number = 0;  // 0: the account is an ordinary one and is never created
    std::string_view name;
};

}  // namespace

int postNewLine(Books& books, const ledger::BookingTexts& line) {
    return postAt(books, books.journal.count(), line) == Outcome::Posted ? 1 : 0;
}

int postSecondLine(Books& books, const ledger::BookingTexts& line, SecondLine kind) {
    const int chart = chartOf(books);
    SpecialAccount debitSpecial;
    SpecialAccount creditSpecial;
    switch (kind) {
    case SecondLine::Eu:
        debitSpecial = {euInputVatAccount(chart), text::kEuInputVatAccountName};
        creditSpecial = {euOutputVatAccount(chart), text::kEuOutputVatAccountName};
        break;
    case SecondLine::DiscountGranted:
        debitSpecial = {discountGrantedAccount(chart), text::kDiscountGrantedAccountName};
        break;
    case SecondLine::DiscountReceived:
        creditSpecial = {discountReceivedAccount(chart), text::kDiscountReceivedAccountName};
        break;
    }
    const std::string_view failure =
        kind == SecondLine::Eu ? text::kEuSecondLineFailed : text::kDiscountSecondLineFailed;

    bool debitFound = findAccount(books.debit, line.debit);
    bool creditFound = findAccount(books.credit, line.credit);
    bool created = false;
    auto create = [&](ledger::CSalden& cursor, const SpecialAccount& special) {
        if (special.number == 0) return;
        cursor.createAccount(format("%5i", special.number), special.name, 0.0);
        created = true;
    };
    if (!debitFound) create(books.debit, debitSpecial);
    if (!creditFound) create(books.credit, creditSpecial);
    if (created) {
        books.accountIndex.rebuild();
        debitFound = findAccount(books.debit, line.debit);
        creditFound = findAccount(books.credit, line.credit);
    }
    if (!debitFound) showError(books, failure);
    if (!creditFound) showError(books, failure);
    if (!debitFound || !creditFound) return 0;
    return postAt(books, books.journal.count(), line) == Outcome::Posted ? 1 : 0;
}

int saveBooking(Books& books, const ledger::BookingTexts& first) { return postNewLine(books, first); }

int saveBooking(Books& books, const ledger::BookingTexts& first, const ledger::BookingTexts& second, SecondLine kind) {
    if (postNewLine(books, first) != 1) return 0;
    return 1 + postSecondLine(books, second, kind);
}

int deleteBooking(Books& books, long n) {
    Line line;
    if (!readLine(books, n, line)) return 0;
    const bool reversed = prepare(books, line);
    if (reversed && !fits(books, line, -1.0)) {
        showError(books, text::kSlotWouldOverflow);
        return 0;
    }
    if (reversed) {
        apply(books, line, -1.0);
    } else {
        showInformation(books, text::kDeletedNotReversed);
    }
    // The record goes first: should the journal refuse, the reversal is taken back and the index left
    // alone, so journal, index and balances still tell the same.
    if (!books.journal.removeBookings(n + 1, n)) {
        if (reversed && prepare(books, line)) apply(books, line, 1.0);
        return 0;
    }
    if (books.journalIndex.noteRemoval(n)) books.journalIndex.write();
    return 1;
}

int changeBooking(Books& books, long n, const ledger::BookingTexts& texts) {
    Line old;
    if (!readLine(books, n, old)) return 0;
    const bool reversed = prepare(books, old);
    if (reversed && !fits(books, old, -1.0)) {
        showError(books, text::kSlotWouldOverflow);
        return 0;
    }
    if (reversed) {
        apply(books, old, -1.0);
    } else {
        showInformation(books, text::kChangedOldNotReversed);
    }

    const bool changing = books.journal.changeMode();
    books.journal.setChangeMode(true);
    const Outcome outcome = postAt(books, n - 1, texts);
    books.journal.setChangeMode(changing);
    if (outcome == Outcome::Posted) return 1;

    if (outcome == Outcome::AccountMissing) showError(books, text::kChangedNewNotPosted);
    // The journal still holds the old booking: its posting goes back where it was.
    if (reversed && prepare(books, old)) apply(books, old, 1.0);
    return 0;
}

BalancePreview previewBalances(const ledger::CSalden& debit, const ledger::CSalden& credit, double amount,
                               double vat) {
    BalancePreview preview;
    preview.postingType = postingTypeOf(debit.accountKind(), credit.accountKind());
    const PostingSplit split = splitOf(preview.postingType, amount, vat);
    preview.debitBalance = config::roundToCents(debit.balance() + split.debit);
    preview.creditBalance = config::roundToCents(credit.balance() + split.credit);
    preview.debitText = ledger::amountText12(preview.debitBalance);
    preview.creditText = ledger::amountText12(preview.creditBalance);
    return preview;
}

}  // namespace tellmark::posting
