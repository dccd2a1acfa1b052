#include "posting/posting_engine.h"


#include <vector>

#include "config/amounts.h"
#include "posting/booking_kinds.h"
#include "posting/books_operation.h"
#include "posting/posting_types.h"
#include "posting/split_posting.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_posting.h"
#include "resources/texts_safety.h"

namespace tellmark::posting {

namespace {

enum class Outcome { Posted, BadLine, AccountMissing, VatAccountMissing, SlotOverflow };

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
// which has read every cursor afresh. False when a record could not be written.
bool apply(Books& books, const Line& line, double sign) {
    const ledger::ParsedBooking& b = line.booking;
    SplitCursors cursors = cursorsOf(books);
    return applySplit(cursors, b.month, splitOf(line.postingType, sign * b.amountValue, sign * b.vatValue),
                      line.opening);
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

// A line checked and ready for the journal: the texts as the record will hold them (account numbers as
// the balance file writes them, whatever was typed) and what they post.
struct ReadyLine {
    ledger::BookingTexts stored;
    Line line;
};

// Checks a line without writing anything. Messages only for the VAT account and a slot that would overflow.
Outcome check(Books& books, const ledger::BookingTexts& texts, ReadyLine& ready) {
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
    ready.stored = texts;
    ready.stored.debit.assign(books.debit.numberText());
    ready.stored.credit.assign(books.credit.numberText());
    ready.line = Line{lineOf(ready.stored, books.journal.chart()).booking, line.postingType, line.opening};
    return Outcome::Posted;
}

int failed(BooksOperation& op) {
    op.fail();
    return 0;
}

// Posts lines already in the journal as records first..: journal index, then the balances. False when a
// write failed.
bool postWritten(Books& books, long first, const std::vector<ReadyLine>& lines) {
    bool written = true;
    bool indexChanged = false;
    for (std::size_t k = 0; k < lines.size(); ++k)
        indexChanged = books.journalIndex.noteBooking(first + static_cast<long>(k), lines[k].line.booking.month) ||
                       indexChanged;
    if (indexChanged) written = books.journalIndex.write() == 1;
    for (const ReadyLine& ready : lines) {
        Line line = ready.line;
        // Each line's accounts are read afresh: the line before may have written the same records.
        if (!prepare(books, line)) return false;
        written = apply(books, line, 1.0) && written;
    }
    return written;
}

// Appends the lines of one booking in one journal write and posts them, as one operation.
int appendAndPost(Books& books, const std::vector<ReadyLine>& lines) {
    BooksOperation op(books, text::kOpPosting, static_cast<int>(lines.size()));
    if (!op.started()) return 0;
    if (books.numbering != nullptr) books.journal.setDocumentNumbering(books.numbering);
    const long first = books.journal.count();
    std::vector<ledger::BookingTexts> records;
    for (const ReadyLine& ready : lines) records.push_back(ready.stored);
    if (!books.journal.appendBookings(records)) return failed(op);
    op.journalChanged();
    const bool counterStored = books.journal.counterStored();
    if (!postWritten(books, first, lines) || !counterStored) return failed(op);
    return op.finish() ? static_cast<int>(lines.size()) : 0;
}

struct SpecialAccount {
    int number = 0;  // 0: the account is an ordinary one and is never created
    std::string_view name;
};

// Makes sure the special accounts of a second line exist; creating one is a change of the books of its
// own. False after the message when an account of the line is still missing.
bool secondLineAccounts(Books& books, const ledger::BookingTexts& line, SecondLine kind) {
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
    const bool createDebit = !debitFound && debitSpecial.number != 0;
    const bool createCredit = !creditFound && creditSpecial.number != 0;
    if (createDebit || createCredit) {
        BooksOperation op(books, text::kOpAccount);
        if (!op.started()) return false;
        bool created = true;
        if (createDebit)
            created = books.debit.createAccount(format("%5i", debitSpecial.number), debitSpecial.name, 0.0) == 1;
        if (created && createCredit)
            created = books.credit.createAccount(format("%5i", creditSpecial.number), creditSpecial.name, 0.0) == 1;
        if (!created || books.accountIndex.rebuild() != 1) return op.fail();
        if (!op.finish()) return false;
        debitFound = findAccount(books.debit, line.debit);
        creditFound = findAccount(books.credit, line.credit);
    }
    if (!debitFound) showError(books, failure);
    if (!creditFound) showError(books, failure);
    return debitFound && creditFound;
}

// The booking number n as the journal holds it; false when it cannot be read.
bool readLine(Books& books, long n, Line& line) {
    if (n < 1 || n > books.journal.count() || !books.journal.readBooking(n)) return false;
    line = Line{books.journal.current()};
    return true;
}

}  // namespace

int postNewLine(Books& books, const ledger::BookingTexts& line) {
    ReadyLine ready;
    if (check(books, line, ready) != Outcome::Posted) return 0;
    return appendAndPost(books, {ready});
}

int postSecondLine(Books& books, const ledger::BookingTexts& line, SecondLine kind) {
    if (!secondLineAccounts(books, line, kind)) return 0;
    return postNewLine(books, line);
}

int saveBooking(Books& books, const ledger::BookingTexts& first) { return postNewLine(books, first); }

int saveBooking(Books& books, const ledger::BookingTexts& first, const ledger::BookingTexts& second, SecondLine kind) {
    // Both lines or neither: a cash discount or an EU booking is never left half in the books.
    ReadyLine one;
    if (check(books, first, one) != Outcome::Posted) return 0;
    if (!secondLineAccounts(books, second, kind)) return 0;
    ReadyLine two;
    if (check(books, second, two) != Outcome::Posted) return 0;
    return appendAndPost(books, {one, two});
}

int deleteBooking(Books& books, long n) {
    Line line;
    if (!readLine(books, n, line)) return 0;
    const bool reversed = prepare(books, line);
    if (reversed && !fits(books, line, -1.0)) {
        showError(books, text::kSlotWouldOverflow);
        return 0;
    }
    BooksOperation op(books, text::kOpDelete);
    if (!op.started()) return 0;
    // The journal goes first: it is rewritten whole or stays as it was, and the balances follow it.
    if (!books.journal.removeBookings(n + 1, n)) return failed(op);
    op.journalChanged();
    bool written = true;
    if (books.journalIndex.noteRemoval(n)) written = books.journalIndex.write() == 1;
    if (reversed) {
        if (!prepare(books, line)) return failed(op);
        written = apply(books, line, -1.0) && written;
    } else {
        showInformation(books, text::kDeletedNotReversed);
    }
    if (!written) return failed(op);
    return op.finish() ? 1 : 0;
}

int changeBooking(Books& books, long n, const ledger::BookingTexts& texts) {
    Line old;
    if (!readLine(books, n, old)) return 0;
    const bool reversed = prepare(books, old);
    if (reversed && !fits(books, old, -1.0)) {
        showError(books, text::kSlotWouldOverflow);
        return 0;
    }
    // The new line is checked before anything is written: a line that cannot be posted leaves the
    // booking as it stands.
    ReadyLine ready;
    const Outcome checked = check(books, texts, ready);
    if (checked == Outcome::AccountMissing) showError(books, text::kChangedNewNotPosted);
    if (checked != Outcome::Posted) return 0;

    BooksOperation op(books, text::kOpChange);
    if (!op.started()) return 0;
    const bool changing = books.journal.changeMode();
    books.journal.setChangeMode(true);
    const bool recorded = books.journal.writeBooking(n - 1, ready.stored);
    books.journal.setChangeMode(changing);
    if (!recorded) return failed(op);
    op.journalChanged();

    bool written = true;
    if (reversed) {
        if (!prepare(books, old)) return failed(op);
        written = apply(books, old, -1.0);
    } else {
        showInformation(books, text::kChangedOldNotReversed);
    }
    if (!postWritten(books, n - 1, {ready}) || !written) return failed(op);
    return op.finish() ? 1 : 0;
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
