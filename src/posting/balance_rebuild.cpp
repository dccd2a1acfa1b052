#include "posting/balance_rebuild.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "config/amounts.h"
#include "config/dates.h"
#include "ledger/journal_record.h"
#include "posting/posting_types.h"
#include "chart/account_classes.h"
#include "resources/format.h"

namespace tellmark::posting {

namespace {

constexpr long kBlockRecords = 16384;
constexpr int kHighestAccount = 29999;

// One account as reposting builds it.
struct WorkAccount {
    std::array<double, ledger::kAccountSlotCount> slots{};
    int kind = 0;
    char status = ledger::kStatusUnposted;
};

// A slot after an amount was added, as the record holds it: the sum written "%12.2f" and read back.
// Sums of cent amounts lie within a hair of a cent value, which the division gives exactly as the text
// would read; anything else takes the way through the text.
double storedSum(double value, double amount) {
    const double sum = value + amount;
    const double cents = sum * 100.0;
    const double nearest = std::nearbyint(cents);
    if (std::fabs(cents - nearest) < 0.25 && std::fabs(nearest) < 1e15) return nearest == 0.0 ? 0.0 : nearest / 100.0;
    return ledger::parseDecimalText(ledger::amountText12(sum));
}

bool fitsSlot(double value) {
    // Far inside twelve characters: no need to print it.
    if (std::fabs(value) < 99999999.0) return true;
    return ledger::amountText12(config::roundToCents(value)).size() == ledger::kAccountSlotWidth;
}

int slotOf(int calendarMonth, const config::CircleSettings& settings) {
    if (calendarMonth < 0 || calendarMonth > 13) return -1;
    if (calendarMonth == 0 || calendarMonth == 13 || settings.spanYear == 0) return calendarMonth;
    const int slot = config::monthToPeriod(calendarMonth, settings.firstMonth, 1);
    return slot >= 0 && slot <= 13 ? slot : -1;
}

class Reposting {
public:
    Reposting(std::vector<ledger::AccountRecord> records, ledger::CSIndex& index,
              const config::CircleSettings& settings)
        : index_(index), settings_(settings) {
        result_.records = std::move(records);
        byNumber_.fill(-1);
    }

    bool prepareAccounts();
    // Posts the booking; false with the problem kept last in the result when it cannot be.
    bool post(long n, const ledger::ParsedBooking& b);
    void addAccount(const ledger::AccountRecord& record);
    int accountOf(std::string_view text);
    RebuiltBalances finish();
    RebuiltBalances& result() { return result_; }

private:
    bool problem(long n, ReorgProblem reason, std::string subject) {
        result_.problems.push_back({n, reason, std::move(subject)});
        return false;
    }

    ledger::CSIndex& index_;
    const config::CircleSettings& settings_;
    RebuiltBalances result_;
    std::vector<WorkAccount> work_;
    std::array<int, kHighestAccount + 1> byNumber_{};
    // The numbers of the records the account index describes, in its order: a name finds a record there,
    // and its number the account here.
    std::vector<int> indexedNumbers_;
    bool indexedElsewhere_ = false;

public:
    void setIndexedNumbers(std::vector<int> numbers) {
        indexedNumbers_ = std::move(numbers);
        indexedElsewhere_ = true;
    }
};

bool Reposting::prepareAccounts() {
    work_.resize(result_.records.size());
    for (std::size_t i = 0; i < result_.records.size(); ++i) {
        const ledger::AccountRecord& record = result_.records[i];
        const int number = record.numberValue();
        if (!record.isSound() || number < 1 || number > kHighestAccount || byNumber_[number] >= 0) return false;
        byNumber_[number] = static_cast<int>(i);
        if (!indexedElsewhere_) indexedNumbers_.push_back(number);
        WorkAccount& account = work_[i];
        account.kind = chart::code(chart::AccountKindOf(number, settings_.chart));
        // Reposting starts afresh: an opening balance that came from carry-forward postings goes, one
        // entered by hand stays.
        for (int slot = 0; slot < ledger::kAccountSlotCount; ++slot) account.slots[slot] = record.slotValue(slot);
        const int first = record.status() == ledger::kStatusCarriedForward ? 0 : 1;
        for (int slot = first; slot < ledger::kAccountSlotCount; ++slot) account.slots[slot] = 0.0;
    }
    return true;
}

int Reposting::accountOf(std::string_view text) {
    const int number = storedAccountNumber(text);
    if (number > 0) return number <= kHighestAccount ? byNumber_[number] : -1;
    std::string_view typed = text;
    while (!typed.empty() && typed.front() == ' ') typed.remove_prefix(1);
    while (!typed.empty() && typed.back() == ' ') typed.remove_suffix(1);
    if (typed.empty()) return -1;
    int record = -1;
    if (index_.findByName(typed, record) != ledger::kIndexFound) return -1;
    if (record < 0 || static_cast<std::size_t>(record) >= indexedNumbers_.size()) return -1;
    const int found = indexedNumbers_[static_cast<std::size_t>(record)];
    return found >= 1 && found <= kHighestAccount ? byNumber_[found] : -1;
}

void Reposting::addAccount(const ledger::AccountRecord& record) {
    result_.records.push_back(record);
    WorkAccount account;
    const int number = record.numberValue();
    account.kind = chart::code(chart::AccountKindOf(number, settings_.chart));
    for (int slot = 0; slot < ledger::kAccountSlotCount; ++slot) account.slots[slot] = record.slotValue(slot);
    const int first = record.status() == ledger::kStatusCarriedForward ? 0 : 1;
    for (int slot = first; slot < ledger::kAccountSlotCount; ++slot) account.slots[slot] = 0.0;
    work_.push_back(account);
    if (number >= 1 && number <= kHighestAccount && byNumber_[number] < 0)
        byNumber_[number] = static_cast<int>(work_.size() - 1);
    // The caller appends the record to the file and rebuilds the index over it.
    if (!indexedElsewhere_) indexedNumbers_.push_back(number);
}

bool Reposting::post(long n, const ledger::ParsedBooking& b) {
    if (!(b.month >= 1 && b.month <= 13 && config::isValidDayMonth(b.day, b.month, false, settings_.year) == 1))
        return problem(n, ReorgProblem::BadDate, b.date);
    const int debit = accountOf(b.debit);
    const int credit = accountOf(b.credit);
    if (debit < 0) return problem(n, ReorgProblem::MissingAccount, b.debit);
    if (credit < 0) return problem(n, ReorgProblem::MissingAccount, b.credit);
    // An amount that cannot be read is never posted as 0.
    if (!storedNumberValid(b.amount, false)) return problem(n, ReorgProblem::BadAmount, b.amount);
    if (!storedNumberValid(b.rate, true)) return problem(n, ReorgProblem::BadAmount, b.rate);

    const int postingType = postingTypeOf(work_[debit].kind, work_[credit].kind);
    const PostingSplit split = splitOf(postingType, b.amountValue, b.vatValue);
    int vat = -1;
    if (split.vatAccount != VatAccount::None) {
        const int vatNumber = split.vatAccount == VatAccount::Input ? standardInputVatAccount(settings_.chart)
                                                                    : standardOutputVatAccount(settings_.chart);
        vat = vatNumber <= kHighestAccount ? byNumber_[vatNumber] : -1;
        if (vat < 0) return problem(n, ReorgProblem::VatAccountMissing, format("%i", vatNumber));
    }
    const bool opening = b.month == settings_.firstMonth && (work_[debit].kind == 11 || work_[credit].kind == 11);
    const int slot = opening ? 0 : slotOf(b.month, settings_);
    if (slot < 0) return problem(n, ReorgProblem::BadDate, b.date);

    struct Change {
        int account;
        double amount;
    };
    std::array<Change, 3> changes{{{debit, split.debit}, {credit, split.credit}, {vat, split.vat}}};
    const int used = vat >= 0 ? 3 : 2;
    // Every slot must still fit, with all amounts of the line that go to the same record.
    for (int i = 0; i < used; ++i) {
        double value = work_[changes[i].account].slots[slot];
        for (int j = 0; j < used; ++j)
            if (changes[j].account == changes[i].account) value += changes[j].amount;
        if (!fitsSlot(value)) return problem(n, ReorgProblem::SlotOverflow, b.amount);
    }
    for (int i = 0; i < used; ++i) {
        WorkAccount& account = work_[changes[i].account];
        if (opening) {
            account.status = ledger::kStatusCarriedForward;
        } else if (account.status != ledger::kStatusCarriedForward) {
            account.status = ledger::kStatusPosted;
        }
        account.slots[slot] = storedSum(account.slots[slot], changes[i].amount);
    }
    return true;
}

RebuiltBalances Reposting::finish() {
    for (std::size_t i = 0; i < work_.size(); ++i) {
        ledger::AccountRecord& record = result_.records[i];
        record.setStatus(work_[i].status);
        for (int slot = 0; slot < ledger::kAccountSlotCount; ++slot) record.setSlot(slot, work_[i].slots[slot]);
    }
    return std::move(result_);
}

}  // namespace

// The account number a stored account text stands for when it is a number ("4711", "84" -> 8400), as
// the cursors look numbers up; 0 for a name.
int storedAccountNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty() || text[0] < '0' || text[0] > '9' || ledger::parseLeadingInt(text) <= 0) return 0;
    std::string number(text);
    if (number.size() <= 4) {
        std::string laid = " 0000";
        laid.replace(1, number.size(), number);
        number = laid;
    }
    const double value = ledger::parseDecimalText(number);
    return value > 0.0 && value <= 2147483647.0 ? static_cast<int>(value) : 0;
}

bool storedNumberValid(std::string_view field, bool blankAllowed) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    if (i == field.size()) return blankAllowed;
    if (field[i] == '-') ++i;
    std::size_t digits = 0;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9') ++i, ++digits;
    if (i < field.size() && field[i] == '.') {
        ++i;
        while (i < field.size() && field[i] >= '0' && field[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return false;
    while (i < field.size() && field[i] == ' ') ++i;
    return i == field.size();
}

struct InMemoryReposting::State {
    State(std::vector<ledger::AccountRecord> records, ledger::CSIndex& index, const config::CircleSettings& settings)
        : reposting(std::move(records), index, settings) {}
    Reposting reposting;
};

InMemoryReposting::InMemoryReposting(std::vector<ledger::AccountRecord> records, ledger::CSIndex& index,
                                     const config::CircleSettings& settings)
    : state_(std::make_unique<State>(std::move(records), index, settings)) {}

InMemoryReposting::~InMemoryReposting() = default;

bool InMemoryReposting::prepare() { return state_->reposting.prepareAccounts(); }

void InMemoryReposting::setIndexedNumbers(std::vector<int> numbers) {
    state_->reposting.setIndexedNumbers(std::move(numbers));
}

void InMemoryReposting::addAccount(const ledger::AccountRecord& record) { state_->reposting.addAccount(record); }

bool InMemoryReposting::finds(std::string_view accountText) { return state_->reposting.accountOf(accountText) >= 0; }

bool InMemoryReposting::post(long n, const ledger::ParsedBooking& b, RebuildProblem& problem) {
    if (state_->reposting.post(n, b)) return true;
    std::vector<RebuildProblem>& problems = state_->reposting.result().problems;
    problem = problems.back();
    problems.pop_back();
    return false;
}

std::vector<ledger::AccountRecord> InMemoryReposting::records() { return state_->reposting.finish().records; }

bool readAccountRecords(platform::File& balanceFile, std::vector<ledger::AccountRecord>& records) {
    const std::int64_t length = balanceFile.length();
    if (length < 0 || length % static_cast<std::int64_t>(ledger::kAccountRecordSize) != 0) return false;
    const std::size_t count = static_cast<std::size_t>(length / static_cast<std::int64_t>(ledger::kAccountRecordSize));
    std::string bytes(static_cast<std::size_t>(length), '\0');
    if (!bytes.empty() && !balanceFile.readExact(0, bytes.data(), bytes.size())) return false;
    records.assign(count, ledger::AccountRecord());
    for (std::size_t i = 0; i < count; ++i)
        std::copy_n(bytes.data() + i * ledger::kAccountRecordSize, ledger::kAccountRecordSize, records[i].data());
    return true;
}

RebuiltBalances repostInMemory(std::vector<ledger::AccountRecord> records, ledger::Journal& journal,
                               ledger::CSIndex& index, const config::CircleSettings& settings,
                               ui::Progress* progress) {
    Reposting reposting(std::move(records), index, settings);
    if (!reposting.prepareAccounts()) {
        RebuiltBalances refused;
        refused.accountsNeedRepair = true;
        return refused;
    }
    const long count = journal.count();
    std::vector<char> block(static_cast<std::size_t>(kBlockRecords) * ledger::kJournalRecordSize);
    bool readFailed = false;
    for (long first = 0; first < count; first += kBlockRecords) {
        const long wanted = std::min(kBlockRecords, count - first);
        if (journal.readRecords(first, wanted, block.data()) != wanted) {
            readFailed = true;
            break;
        }
        for (long r = 0; r < wanted; ++r) {
            const long n = first + r + 1;
            reposting.post(n, ledger::parseJournalRecord(block.data() + r * ledger::kJournalRecordSize, journal.chart()));
            if (progress != nullptr && n % 100 == 0) {
                progress->step(1);
                progress->poll();
            }
        }
    }
    RebuiltBalances result = reposting.finish();
    result.readFailed = readFailed;
    result.bookings = count;
    return result;
}

std::string balanceFileImage(const std::vector<ledger::AccountRecord>& records) {
    std::string image;
    image.reserve(records.size() * ledger::kAccountRecordSize);
    for (const ledger::AccountRecord& record : records) image.append(record.bytes());
    return image;
}

}  // namespace tellmark::posting
