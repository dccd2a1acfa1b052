#include "posting/reorganisation.h"

#include "posting/books_check.h"
#include "posting/books_operation.h"
#include "posting/recovery.h"
#include "posting/split_posting.h"
#include "posting/torn_tail.h"

#include <algorithm>
#include <array>
#include <memory>
#include <unordered_set>
#include <vector>

#include "config/amounts.h"
#include "config/dates.h"
#include "ledger/account_record.h"
#include "ledger/journal_record.h"
#include "posting/line_checks.h"
#include "posting/posting_types.h"
#include "chart/account_classes.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_ledger_accounts.h"
#include "resources/texts_ledger_journal.h"
#include "resources/texts_reorganisation.h"
#include "resources/texts_safety.h"

namespace tellmark::posting {

namespace {

constexpr long kBlockRecords = 100;

bool endsInCrLf(const char* record, std::size_t size) { return record[size - 2] == '\r' && record[size - 1] == '\n'; }

// Reads a file in blocks of 100 records; every complete record must end in CR LF. Nothing is written.
// readBlock(firstRecord, out) gives the bytes read into out (whole records or the file's tail), -1 on error.
template <typename ReadBlock>
ReorgOutcome checkRecordLengths(ReadBlock readBlock, long records, std::size_t recordSize, ui::Progress& progress,
                                std::string_view caption, std::string_view secondLine, std::string_view label,
                                std::string_view countTemplate, ReorgOutcome damaged) {
    progress.start(caption, format(countTemplate, 0.0), secondLine, label, static_cast<int>(records + 100),
                   ui::kBarEndless);
    std::vector<char> block(recordSize * kBlockRecords);
    long first = 0;
    ReorgOutcome outcome = ReorgOutcome::Done;
    for (;;) {
        const std::int64_t got = readBlock(first, block);
        if (got < 0) {
            outcome = ReorgOutcome::ReadFailed;
            break;
        }
        const std::size_t whole = static_cast<std::size_t>(got) / recordSize;
        for (std::size_t r = 0; r < whole && outcome == ReorgOutcome::Done; ++r)
            if (!endsInCrLf(block.data() + r * recordSize, recordSize)) outcome = damaged;
        if (outcome != ReorgOutcome::Done) break;
        first += static_cast<long>(whole);
        progress.setFirstLine(format(countTemplate, static_cast<double>(first)));
        progress.step(100);
        progress.poll();
        if (static_cast<std::size_t>(got) < block.size()) break;
    }
    progress.end();
    return outcome;
}

ReorgOutcome checkJournal(ledger::Journal& journal, ui::Progress& progress) {
    auto read = [&](long first, std::vector<char>& out) -> std::int64_t {
        const long got = journal.readRecords(first, kBlockRecords, out.data());
        return got < 0 ? -1 : static_cast<std::int64_t>(got) * static_cast<std::int64_t>(ledger::kJournalRecordSize);
    };
    return checkRecordLengths(read, journal.count(), ledger::kJournalRecordSize, progress, text::kReorgJournalCaption,
                              text::kReorgJournalLengths, text::kReorgBookingsLabel, text::kReorgBookingsRead,
                              ReorgOutcome::JournalDamaged);
}

ReorgOutcome checkBalanceFile(platform::File& file, ui::Progress& progress) {
    const std::int64_t length = file.length();
    if (length < 0) return ReorgOutcome::ReadFailed;
    auto read = [&](long first, std::vector<char>& out) -> std::int64_t {
        return file.readAt(static_cast<std::int64_t>(first) * static_cast<std::int64_t>(ledger::kAccountRecordSize),
                           out.data(), out.size());
    };
    return checkRecordLengths(read, static_cast<long>(length / static_cast<std::int64_t>(ledger::kAccountRecordSize)),
                              ledger::kAccountRecordSize, progress, text::kReorgBalanceCaption,
                              text::kReorgBalanceLengths, text::kReorgAccountsLabel, text::kReorgAccountsRead,
                              ReorgOutcome::BalanceDamaged);
}

bool dateHolds(const ledger::ParsedBooking& b, int year) {
    return b.month >= 1 && b.month <= 13 && config::isValidDayMonth(b.day, b.month, false, year) == 1;
}

std::string numberTextOf(int number) { return number <= 9999 ? format(" %04i", number) : format("%05i", number); }

bool findByText(ledger::CSalden& cursor, std::string_view text) {
    std::string balance, name, number;
    return cursor.findByText(text, balance, name, number) == 1;
}

bool findByNumber(ledger::CSalden& cursor, int number) {
    std::string balance, name, numberText;
    return cursor.findByNumber(number, balance, name, numberText) == 1;
}

class Reorganisation {
public:
    Reorganisation(Books& books, ui::Decisions& decisions, ui::Progress& progress)
        : books_(books), decisions_(decisions), progress_(progress), year_(books.settings.year),
          chart_(books.settings.chart) {}

    ReorganisationResult run();

private:
    struct VatAccountEntry {
        int number;
        std::string_view name;
    };
    std::array<VatAccountEntry, 2> vatAccounts() const {
        return {{{standardInputVatAccount(chart_), text::kSaldenInputVatName},
                 {standardOutputVatAccount(chart_), text::kSaldenOutputVatName}}};
    }
    ReorgOutcome plan();
    void planBooking(long n, ledger::ParsedBooking b);
    bool recreateVatAccounts();
    void cleanAccounts();
    void repairDates();
    void repost();
    void takePlannedBalances();
    void passStage(std::string_view caption, std::string_view line, std::string_view label, int range, int steps);
    void stepThrough(int steps);
    enum class Fate { Post, Drop, Leave };
    Fate settleDate(long n, ledger::ParsedBooking& b, bool& changed);
    Fate settleAccount(long n, ledger::ParsedBooking& b, bool debitSide, bool& changed,
                       InMemoryReposting& posting);
    Fate settle(long n, long shown, ledger::ParsedBooking& b, InMemoryReposting& posting);
    Fate cannotPost(long n, const ledger::ParsedBooking& b, ReorgProblem reason, std::string subject);
    void leave(long n, const ledger::ParsedBooking& b, ReorgProblem reason, std::string subject);
    void pending(long n, const ledger::ParsedBooking& b, ReorgProblem reason, std::string subject);
    int ask(ui::Question& q) { return decisions_.ask(q); }
    ui::Question bookingQuestion(const char* kind, std::string text, long n, const ledger::ParsedBooking& b,
                                 std::vector<std::string> answers);

    Books& books_;
    ui::Decisions& decisions_;
    ui::Progress& progress_;
    int year_;
    int chart_;
    ReorganisationResult result_;
    // The first pass's reposting, and whether its result is the final one.
    std::unique_ptr<InMemoryReposting> planning_;
    bool finalFromPlan_ = false;
    struct DateRepair {
        long booking;
        ledger::BookingTexts texts;
    };
    std::vector<DateRepair> dateRepairs_;
    bool writeFailed_ = false;
};

ui::Question Reorganisation::bookingQuestion(const char* kind, std::string text, long n,
                                             const ledger::ParsedBooking& b, std::vector<std::string> answers) {
    ui::Question q;
    q.kind = kind;
    q.caption = std::string(text::kReorgBookingErrorCaption);
    q.text = std::move(text);
    q.fields = {format("%li", n), ledger::displayLine(b)};
    q.answers = std::move(answers);
    return q;
}

void Reorganisation::pending(long n, const ledger::ParsedBooking& b, ReorgProblem reason, std::string subject) {
    result_.pending.push_back({n, reason, std::move(subject), ledger::displayLine(b)});
}

// --- First pass: what reposting will meet, before anything is changed ---------------------------------

// The accounts as the clean-up will leave them: damaged records and later records of a number gone (the
// first one stays), the standard VAT accounts there, which are never missing: reorganisation creates
// them anew, empty, when the balance file lost them. Then every booking, its date repaired, is posted in
// memory onto them exactly as reposting will post it; nothing is written.
ReorgOutcome Reorganisation::plan() {
    std::vector<ledger::AccountRecord> records;
    if (!readAccountRecords(books_.balanceFile, records)) return ReorgOutcome::ReadFailed;
    std::vector<int> indexedNumbers;
    indexedNumbers.reserve(records.size());
    std::vector<ledger::AccountRecord> kept;
    kept.reserve(records.size() + 2);
    std::unordered_set<int> seen;
    for (const ledger::AccountRecord& record : records) {
        const int number = record.numberValue();
        indexedNumbers.push_back(number);
        if (record.isSound() && seen.insert(number).second) kept.push_back(record);
    }
    bool unchanged = kept.size() == records.size();
    for (const auto& [number, name] : vatAccounts()) {
        if (seen.count(number) != 0) continue;
        ledger::AccountRecord created;
        ledger::AccountRecord::makeNew(format("%5i", number), name, 0.0, created);
        kept.push_back(created);
        unchanged = false;
    }
    planning_ = std::make_unique<InMemoryReposting>(std::move(kept), books_.accountIndex, books_.settings);
    planning_->setIndexedNumbers(std::move(indexedNumbers));
    // An account number no booking could ever reach: reposting cannot build that file.
    if (!planning_->prepare()) return ReorgOutcome::ReadFailed;

    ledger::Journal& journal = books_.journal;
    const long count = journal.count();
    constexpr long kBlock = 16384;
    std::vector<char> block(static_cast<std::size_t>(kBlock) * ledger::kJournalRecordSize);
    for (long first = 0; first < count; first += kBlock) {
        const long wanted = std::min(kBlock, count - first);
        if (journal.readRecords(first, wanted, block.data()) != wanted) return ReorgOutcome::ReadFailed;
        for (long r = 0; r < wanted; ++r)
            planBooking(first + r + 1,
                        ledger::parseJournalRecord(block.data() + r * ledger::kJournalRecordSize, chart_));
    }
    // Nothing to clean up and nothing to decide: what the plan built is the reposting's result.
    finalFromPlan_ = unchanged && result_.pending.empty();
    return ReorgOutcome::Done;
}

void Reorganisation::planBooking(long n, ledger::ParsedBooking b) {
    const std::string repaired = repairedBookingDate(b.date, year_);
    if (repaired != b.date) {
        ledger::BookingTexts texts = ledger::textsOf(b);
        texts.date = repaired;
        b = ledger::parseJournalRecord(ledger::makeJournalRecord(texts).data(), chart_);
        dateRepairs_.push_back({n, std::move(texts)});
    }
    RebuildProblem problem;
    if (planning_->post(n, b, problem)) return;
    // Everything that stands in the way of the booking, not only the first thing found.
    const std::size_t before = result_.pending.size();
    if (!dateHolds(b, year_)) pending(n, b, ReorgProblem::BadDate, b.date);
    if (!planning_->finds(b.debit)) pending(n, b, ReorgProblem::MissingAccount, b.debit);
    if (!planning_->finds(b.credit)) pending(n, b, ReorgProblem::MissingAccount, b.credit);
    if (result_.pending.size() == before) pending(n, b, problem.reason, problem.subject);
}

bool Reorganisation::recreateVatAccounts() {
    ledger::CSalden& cursor = books_.lists;
    bool created = false;
    for (const auto& [number, name] : vatAccounts()) {
        if (findByNumber(cursor, number)) continue;
        if (cursor.createAccount(format("%5i", number), name, 0.0) != 1) return false;
        created = true;
    }
    return !created || books_.accountIndex.rebuild() == 1;
}

// --- Step 3: accounts ---------------------------------------------------------------------------------

void Reorganisation::cleanAccounts() {
    ledger::CSalden& cursor = books_.lists;
    progress_.start(text::kReorgBalanceCaption, "", text::kReorgAccountsCheck, text::kReorgAccountsLabel,
                    cursor.count() + 1, ui::kBarStayFull);
    std::unordered_set<int> seen;
    for (int i = 0; i < cursor.count();) {
        const bool sound = cursor.readAndCheck(i) == 1;
        if (sound && seen.insert(cursor.numberValue()).second) {
            if (cursor.resetForReposting() != 1) writeFailed_ = true;
            ++i;
            progress_.step(1);
            progress_.poll();
            continue;
        }
        // Damaged, or a later record of a number already kept.
        const std::string shown = format(text::kReorgBrokenAccountLine, std::string(cursor.numberText()).c_str(),
                                         std::string(cursor.name()).c_str());
        ui::Question q{kAskBrokenAccount, std::string(text::kReorgBrokenAccountCaption),
                       std::string(text::kReorgBrokenAccount) + "\n" + shown + "\n" +
                           std::string(text::kReorgAccountDeleted),
                       {shown}, {std::string(text::kReorgAnswerOk)}};
        ask(q);
        if (cursor.recordNumber() != i) cursor.read(i);
        if (cursor.deleteAccount() != 1) {
            ++i;  // the write message has been shown; go on with the next record
            continue;
        }
        result_.deletedAccounts.push_back(shown);
    }
    progress_.end();
    books_.journalIndex.rebuild();
    books_.accountIndex.rebuild();
}

// --- Step 4: dates ----------------------------------------------------------------------------------

void Reorganisation::repairDates() {
    ledger::Journal& journal = books_.journal;
    const long count = journal.count();
    progress_.start(text::kReorgDatesCaption, "", text::kReorgDatesCheck, text::kReorgBookingsLabel,
                    static_cast<int>(count / 100 + 1), ui::kBarStayFull);
    const bool changing = journal.changeMode();
    journal.setChangeMode(true);
    // The first pass found the dates to repair; steps go by the bookings as they did while checking.
    long stepped = 0;
    auto stepTo = [&](long n) {
        const long steps = n / 100 - stepped;
        if (steps <= 0) return;
        progress_.step(static_cast<int>(steps));
        progress_.poll();
        stepped += steps;
    };
    for (const DateRepair& repair : dateRepairs_) {
        stepTo(repair.booking);
        if (journal.writeBooking(repair.booking - 1, repair.texts)) {
            ++result_.bookingsChanged;
        } else {
            writeFailed_ = true;
        }
    }
    stepTo(count);
    journal.setChangeMode(changing);
    progress_.end();
}

// --- Step 5: reposting ----------------------------------------------------------------------------------

void Reorganisation::leave(long n, const ledger::ParsedBooking& b, ReorgProblem reason, std::string subject) {
    pending(n, b, reason, std::move(subject));
}

Reorganisation::Fate Reorganisation::settleDate(long n, ledger::ParsedBooking& b, bool& changed) {
    if (dateHolds(b, year_)) return Fate::Post;
    const std::string dateText = b.date;
    ui::Question q = bookingQuestion(kAskBadDate,
                                     std::string(text::kReorgTheDate) + " " + dateText + " " +
                                         std::string(text::kReorgInBooking) + format(" %li ", n) +
                                         std::string(text::kReorgDateNotCorrect) + "\n" + ledger::displayLine(b) +
                                         "\n" + std::string(text::kReorgDateQuestion),
                                     n, b,
                                     {std::string(text::kReorgAnswerChangeDate), std::string(text::kReorgAnswerDrop)});
    q.fields.insert(q.fields.begin(), dateText);
    const int answer = ask(q);
    if (answer == ui::kNoOneToAsk) {
        leave(n, b, ReorgProblem::BadDate, dateText);
        return Fate::Leave;
    }
    if (answer != kAnswerChangeDate) return Fate::Drop;
    for (;;) {
        ui::Question entry{kAskNewDate, std::string(text::kReorgNewDateCaption),
                           std::string(text::kReorgNewDatePrompt), {""}, {std::string(text::kReorgAnswerOk)}};
        if (ask(entry) == ui::kNoOneToAsk || entry.fields.empty()) {
            leave(n, b, ReorgProblem::BadDate, dateText);
            return Fate::Leave;
        }
        ledger::BookingTexts texts = ledger::textsOf(b);
        texts.date = repairedBookingDate(entry.fields[0], year_);
        const ledger::ParsedBooking candidate =
            ledger::parseJournalRecord(ledger::makeJournalRecord(texts).data(), chart_);
        if (dateHolds(candidate, year_)) {
            b = candidate;
            changed = true;
            return Fate::Post;
        }
    }
}

Reorganisation::Fate Reorganisation::settleAccount(long n, ledger::ParsedBooking& b, bool debitSide, bool& changed,
                                                   InMemoryReposting& posting) {
    ledger::CSalden& cursor = debitSide ? books_.debit : books_.credit;
    const std::string account = debitSide ? b.debit : b.credit;
    if (findByText(cursor, account)) return Fate::Post;

    const int number = storedAccountNumber(account);
    const bool creatable = number > 0 && chart::code(chart::AccountKindOf(number, chart_)) != 1;
    for (;;) {
        ui::Question q = bookingQuestion(
            kAskMissingAccount,
            std::string(text::kReorgTheAccount) + account + " " + std::string(text::kReorgInBooking) +
                format(" %li ", n) + std::string(text::kReorgAccountNotCreated) + "\n" + ledger::displayLine(b) +
                "\n" + std::string(text::kReorgAccountQuestion),
            n, b,
            {std::string(text::kReorgAnswerChangeAccount), std::string(text::kReorgAnswerCreateAccount),
             std::string(text::kReorgAnswerDrop)});
        q.fields.insert(q.fields.begin(), account);
        const int answer = ask(q);
        if (answer == ui::kNoOneToAsk) {
            leave(n, b, ReorgProblem::MissingAccount, account);
            return Fate::Leave;
        }
        ledger::BookingTexts texts = ledger::textsOf(b);
        std::string& side = debitSide ? texts.debit : texts.credit;
        const std::string other = debitSide ? b.credit : b.debit;
        if (answer == kAnswerChangeAccount) {
            for (;;) {
                ui::Question entry{kAskNewAccountNumber, std::string(text::kReorgNewNumberCaption),
                                   std::string(text::kReorgNewNumberPrompt), {""}, {std::string(text::kReorgAnswerOk)}};
                if (ask(entry) == ui::kNoOneToAsk || entry.fields.empty()) {
                    leave(n, b, ReorgProblem::MissingAccount, account);
                    return Fate::Leave;
                }
                if (!findByText(cursor, entry.fields[0]) || cursor.accountKind() == 1) continue;
                const std::string found(cursor.numberText());
                if (storedAccountNumber(found) == storedAccountNumber(other)) continue;
                side = found;
                break;
            }
        } else if (answer == kAnswerCreateAccount) {
            if (!creatable) continue;  // the button is disabled for this number
            ui::Question entry{kAskNewAccount, std::string(text::kReorgNewAccountCaption), "",
                               {numberTextOf(number), "", "0.00"},
                               {std::string(text::kReorgAnswerOk), std::string(text::kReorgAnswerCancel)}};
            const int created = ask(entry);
            if (created == ui::kNoOneToAsk) {
                leave(n, b, ReorgProblem::MissingAccount, account);
                return Fate::Leave;
            }
            if (created != 0) return Fate::Drop;
            const std::string name = entry.fields.size() > 1 ? entry.fields[1] : std::string();
            const double opening = entry.fields.size() > 2 ? typedValue(entry.fields[2]) : 0.0;
            if (cursor.createAccount(numberTextOf(number), name.substr(0, 25), opening) != 1) {
                leave(n, b, ReorgProblem::MissingAccount, account);
                return Fate::Leave;
            }
            posting.addAccount(cursor.record());
            books_.accountIndex.rebuild();
            side = numberTextOf(number);
        } else {
            return Fate::Drop;
        }
        b = ledger::parseJournalRecord(ledger::makeJournalRecord(texts).data(), chart_);
        changed = true;
        if (findByText(cursor, debitSide ? b.debit : b.credit)) return Fate::Post;
    }
}

Reorganisation::Fate Reorganisation::cannotPost(long n, const ledger::ParsedBooking& b, ReorgProblem reason,
                                                std::string subject) {
    const std::string why = reason == ReorgProblem::VatAccountMissing
                                ? format(text::kReorgVatAccountMissing, storedAccountNumber(subject))
                            : reason == ReorgProblem::BadAmount ? format(text::kReorgBadAmount, subject.c_str())
                                                                : std::string(text::kReorgSlotOverflow);
    ui::Question q = bookingQuestion(kAskCannotPost, why + "\n" + ledger::displayLine(b), n, b,
                                     {std::string(text::kReorgAnswerDrop)});
    if (ask(q) == ui::kNoOneToAsk) {
        leave(n, b, reason, std::move(subject));
        return Fate::Leave;
    }
    return Fate::Drop;
}

// One booking of the reposting: its date and accounts settled (asking where they do not hold), written
// back when a decision changed it, then posted in memory. shown is its number as the person sees it,
// with the bookings dropped before it gone.
Reorganisation::Fate Reorganisation::settle(long n, long shown, ledger::ParsedBooking& b, InMemoryReposting& posting) {
    ledger::Journal& journal = books_.journal;
    bool changed = false;
    Fate fate = settleDate(shown, b, changed);
    if (fate == Fate::Post && !posting.finds(b.debit)) fate = settleAccount(shown, b, true, changed, posting);
    if (fate == Fate::Post && !posting.finds(b.credit)) fate = settleAccount(shown, b, false, changed, posting);
    if (fate != Fate::Post) return fate;
    if (changed) {
        findByText(books_.debit, b.debit);
        findByText(books_.credit, b.credit);
        const int postingType = postingTypeOf(books_.debit.accountKind(), books_.credit.accountKind());
        ledger::BookingTexts texts = ledger::textsOf(b);
        if (postingType == kPostingPlain) texts.rate = " 0.00";
        texts.debit.assign(books_.debit.numberText());
        texts.credit.assign(books_.credit.numberText());
        if (!journal.writeBooking(n - 1, texts)) {
            writeFailed_ = true;
            return Fate::Leave;
        }
        ++result_.bookingsChanged;
        if (journal.readBooking(n)) b = journal.current();  // the VAT as every later reading derives it
    }
    RebuildProblem problem;
    if (posting.post(shown, b, problem)) return Fate::Post;
    if (problem.reason == ReorgProblem::BadDate || problem.reason == ReorgProblem::MissingAccount) {
        leave(shown, b, problem.reason, problem.subject);
        return Fate::Leave;
    }
    return cannotPost(shown, b, problem.reason, problem.subject);
}

void Reorganisation::repost() {
    ledger::Journal& journal = books_.journal;
    const long count = journal.count();
    progress_.start(text::kReorgRepostCaption, "", text::kReorgRepostLine, text::kReorgBookingsLabel,
                    static_cast<int>(count / 100 + 1), ui::kBarStayFull);
    std::vector<ledger::AccountRecord> records;
    if (!readAccountRecords(books_.balanceFile, records)) {
        writeFailed_ = true;
        progress_.end();
        return;
    }
    // Every slot is built in memory in one pass over the journal and the balance file written once.
    InMemoryReposting posting(std::move(records), books_.accountIndex, books_.settings);
    if (!posting.prepare()) {
        writeFailed_ = true;
        progress_.end();
        return;
    }
    const bool changing = journal.changeMode();
    journal.setChangeMode(true);
    std::vector<long> dropped;
    constexpr long kBlock = 16384;
    std::vector<char> block(static_cast<std::size_t>(kBlock) * ledger::kJournalRecordSize);
    long handled = 0;
    for (long first = 0; first < count && !writeFailed_; first += kBlock) {
        const long wanted = std::min(kBlock, count - first);
        if (journal.readRecords(first, wanted, block.data()) != wanted) {
            writeFailed_ = true;
            break;
        }
        for (long r = 0; r < wanted; ++r) {
            const long n = first + r + 1;
            const long shown = n - static_cast<long>(dropped.size());
            ledger::ParsedBooking b =
                ledger::parseJournalRecord(block.data() + r * ledger::kJournalRecordSize, chart_);
            if (settle(n, shown, b, posting) == Fate::Drop) dropped.push_back(n);
            if (++handled % 100 == 0) {
                progress_.step(1);
                progress_.poll();
            }
        }
    }
    journal.setChangeMode(changing);
    // The dropped bookings leave the journal in one rewrite.
    if (!writeFailed_ && !dropped.empty()) {
        if (journal.removeBookingSet(dropped)) {
            result_.bookingsDropped += static_cast<long>(dropped.size());
        } else {
            writeFailed_ = true;
        }
    }
    if (!writeFailed_) {
                if (!replaceBalanceFile(books_, balanceFileImage(posting.records()))) writeFailed_ = true;
    }
    progress_.end();
}

// A stage whose work the first pass did: shown with its steps, so the window runs as it always does.
void Reorganisation::passStage(std::string_view caption, std::string_view line, std::string_view label, int range,
                               int steps) {
    progress_.start(caption, "", line, label, range, ui::kBarStayFull);
    stepThrough(steps);
    progress_.end();
}

void Reorganisation::stepThrough(int steps) {
    const int chunk = std::max(1, steps / 100);
    for (int done = 0; done < steps; done += chunk) {
        progress_.step(std::min(chunk, steps - done));
        progress_.poll();
    }
}

void Reorganisation::takePlannedBalances() {
    const long count = books_.journal.count();
    progress_.start(text::kReorgRepostCaption, "", text::kReorgRepostLine, text::kReorgBookingsLabel,
                    static_cast<int>(count / 100 + 1), ui::kBarStayFull);
        if (!replaceBalanceFile(books_, balanceFileImage(planning_->records()))) writeFailed_ = true;
    stepThrough(static_cast<int>(count / 100));
    progress_.end();
}

ReorganisationResult Reorganisation::run() {
    ui::Messages& messages = books_.messages;
    // A torn last record that no unfinished operation explains is the damage the open reported; it is
    // set aside first, so that what follows works on whole records.
    if (!setAsideTornTail(books_.journal.file(), ledger::kJournalRecordSize, messages) ||
        !setAsideTornTail(books_.balanceFile, ledger::kAccountRecordSize, messages)) {
        result_.outcome = ReorgOutcome::WriteFailed;
        result_.bookingCount = books_.journal.count();
        return result_;
    }
    if (books_.journal.count() == 0) {
        // As the journal's cache says when it opens on an empty journal: there is nothing to post again.
        messages.show(text::kJournalCacheEmpty, text::kCaptionError, ui::kIconStop);
        result_.outcome = ReorgOutcome::NoBookings;
        return result_;
    }
    ReorgOutcome checked = checkJournal(books_.journal, progress_);
    if (checked == ReorgOutcome::Done) checked = checkBalanceFile(books_.balanceFile, progress_);
    if (checked != ReorgOutcome::Done) {
        result_.outcome = checked;
        const std::string_view text = checked == ReorgOutcome::JournalDamaged   ? text::kReorgJournalDamaged
                                      : checked == ReorgOutcome::BalanceDamaged ? text::kReorgBalanceDamaged
                                                                                : text::kReorgReadFailed;
        messages.show(text, text::kCaptionError, ui::kIconStop);
        result_.bookingCount = books_.journal.count();
        return result_;
    }

    if (plan() != ReorgOutcome::Done) {
        result_.outcome = ReorgOutcome::ReadFailed;
        messages.show(text::kReorgReadFailed, text::kCaptionError, ui::kIconStop);
        result_.bookingCount = books_.journal.count();
        return result_;
    }
    if (!result_.pending.empty()) {
        ui::Question q{kAskNeedsDecisions, std::string(text::kReorgConfirmCaption),
                       format(text::kReorgNeedsDecisions, static_cast<int>(result_.pending.size())),
                       {},
                       {std::string(text::kReorgAnswerOk), std::string(text::kReorgAnswerCancel)}};
        for (const PendingBooking& p : result_.pending) q.fields.push_back(format("%li ", p.number) + p.displayLine);
        if (ask(q) != 0) {
            result_.outcome = ReorgOutcome::NeedsDecisions;
            result_.bookingCount = books_.journal.count();
            return result_;
        }
        result_.pending.clear();
    }

    BooksOperation op(books_, text::kOpReorganisation, 0, BooksOperation::Kind::Repair);
    if (!op.started()) {
        result_.outcome = ReorgOutcome::NotStarted;
        result_.bookingCount = books_.journal.count();
        return result_;
    }
    if (finalFromPlan_) {
        const int accounts = books_.lists.count();
        passStage(text::kReorgBalanceCaption, text::kReorgAccountsCheck, text::kReorgAccountsLabel, accounts + 1,
                  accounts);
        repairDates();
        takePlannedBalances();
    } else {
        planning_.reset();
        cleanAccounts();
        if (!recreateVatAccounts()) writeFailed_ = true;
        repairDates();
        repost();
    }
    const bool indexed = books_.journalIndex.rebuild() == 1 && books_.accountIndex.rebuild() == 1;
    result_.bookingCount = books_.journal.count();
    if (!indexed || writeFailed_ || !op.finish()) {
        if (!op.fail()) result_.outcome = ReorgOutcome::WriteFailed;
        return result_;
    }
    checkLedgerFiles(books_);
    return result_;
}

}  // namespace

std::string repairedBookingDate(const std::string& date, int year) {
    std::string text = date;
    bool changed = false;
    if (config::normaliseTypedDate(text, year, changed) != 1) return date;
    return text;
}

ReorganisationResult reorganise(Books books, ui::Decisions& decisions, ui::Progress& progress) {
    return Reorganisation(books, decisions, progress).run();
}

}  // namespace tellmark::posting
