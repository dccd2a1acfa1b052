#include "ledger/salden.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include "config/amounts.h"
#include "config/dates.h"
#include "ledger/account_index.h"
#include "platform/directory.h"
#include "chart/account_classes.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_ledger_accounts.h"

namespace tellmark::ledger {

namespace {

constexpr std::int64_t kRecordSize = static_cast<std::int64_t>(kAccountRecordSize);

std::int64_t offsetOf(int record) { return static_cast<std::int64_t>(record) * kRecordSize; }

std::string_view trimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

CSalden::CSalden(ui::Messages& messages) : messages_(messages) { clear(); }

void CSalden::attach(platform::File& file, int spanYear, int firstMonth, int chart) {
    file_ = &file;
    spanYear_ = spanYear;
    firstMonth_ = firstMonth;
    chart_ = chart;
    clear();
}

int CSalden::count() const {
    if (file_ == nullptr) return 0;
    const std::int64_t length = file_->length();
    return length < 0 ? 0 : static_cast<int>(length / kRecordSize);
}

void CSalden::clear() {
    record_ = AccountRecord();
    slots_.fill(0.0);
    balance_ = 0.0;
    balanceText_.clear();
    recordNumber_ = -1;
    accountKind_ = 0;
    numberValue_ = 0;
}

void CSalden::parse() {
    double sum = 0.0;
    for (int slot = 0; slot < kAccountSlotCount; ++slot) {
        slots_[slot] = record_.slotValue(slot);
        sum += slots_[slot];
    }
    balance_ = config::roundToCents(sum);
    balanceText_ = amountText12(balance_);
    numberValue_ = record_.numberValue();
    accountKind_ = chart::code(chart::AccountKindOf(numberValue_, chart_));
}

int CSalden::read(int record) {
    if (file_ == nullptr || record < 0 || !file_->readExact(offsetOf(record), record_.data(), kAccountRecordSize)) {
        clear();
        return -1;
    }
    recordNumber_ = record;
    parse();
    return numberValue_;
}

int CSalden::readAndCheck(int record) {
    read(record);
    if (!loaded() || !record_.isSound()) return 0;
    bool blankSlot = false;
    for (int slot = 0; slot < kAccountSlotCount; ++slot) blankSlot = blankSlot || record_.slotBlank(slot);
    if (blankSlot) write();
    return 1;
}

void CSalden::reportWriteFailure() {
    messages_.show(text::kSaldenWriteFailed, text::kCaptionError, ui::kIconStop);
}

bool CSalden::writeRecordAt(int record, const AccountRecord& data) {
    return file_ != nullptr && record >= 0 && file_->writeAt(offsetOf(record), data.data(), kAccountRecordSize);
}

int CSalden::write() {
    // A record another cursor has deleted in the meantime must not come back at the end of the file.
    if (!loaded() || recordNumber_ >= count()) {
        reportWriteFailure();
        return 0;
    }
    AccountRecord out = record_;
    for (int slot = 0; slot < kAccountSlotCount; ++slot) {
        if (!out.setSlot(slot, slots_[slot])) {
            reportWriteFailure();
            return 0;
        }
    }
    if (!writeRecordAt(recordNumber_, out)) {
        reportWriteFailure();
        return 0;
    }
    record_ = out;
    double sum = 0.0;
    for (double value : slots_) sum += value;
    balance_ = config::roundToCents(sum);
    balanceText_ = amountText12(balance_);
    return 1;
}

int CSalden::resetForReposting() {
    const int first = record_.status() == kStatusCarriedForward ? 0 : 1;
    for (int slot = first; slot < kAccountSlotCount; ++slot) slots_[slot] = 0.0;
    record_.setStatus(kStatusUnposted);
    return write();
}

int CSalden::slotOfMonth(int calendarMonth) const {
    if (calendarMonth < 0 || calendarMonth > 13) return -1;
    if (calendarMonth == 0 || calendarMonth == 13 || spanYear_ == 0) return calendarMonth;
    const int slot = config::monthToPeriod(calendarMonth, firstMonth_, 1);
    return slot >= 0 && slot <= 13 ? slot : -1;
}

int CSalden::addToMonth(int calendarMonth, double amount, bool openingFlag) {
    int slot = 0;
    if (openingFlag) {
        record_.setStatus(kStatusCarriedForward);
    } else {
        slot = slotOfMonth(calendarMonth);
        if (slot < 0) return 0;
        if (record_.status() != kStatusCarriedForward) record_.setStatus(kStatusPosted);
    }
    slots_[slot] += amount;
    return write();
}

double CSalden::monthValue(int calendarMonth) const {
    const int slot = slotOfMonth(calendarMonth);
    return slot < 0 ? 0.0 : slots_[slot];
}

double CSalden::periodSum(int firstMonth, int lastMonth) const {
    const int first = slotOfMonth(firstMonth);
    const int last = slotOfMonth(lastMonth);
    if (first < 0 || last < 0) return 0.0;
    double sum = 0.0;
    for (int slot = first; slot <= last; ++slot) sum += slots_[slot];
    return sum;
}

void CSalden::setName(std::string_view name) { record_.setName(name); }

void CSalden::setSlotValue(int slot, double value) {
    if (slot >= 0 && slot < kAccountSlotCount) slots_[slot] = value;
}

double CSalden::slotValue(int slot) const {
    return slot >= 0 && slot < kAccountSlotCount ? slots_[slot] : 0.0;
}

std::string_view CSalden::numberText() const { return loaded() ? record_.numberText() : std::string_view(); }

std::string_view CSalden::name() const { return loaded() ? record_.name() : std::string_view(); }

int CSalden::createAccount(std::string_view numberText, std::string_view name, double opening) {
    const std::int64_t length = file_ != nullptr ? file_->length() : -1;
    AccountRecord created;
    if (length < 0 || !AccountRecord::makeNew(numberText, name, opening, created)) {
        reportWriteFailure();
        return 0;
    }
    const int record = static_cast<int>(length / kRecordSize);
    if (!writeRecordAt(record, created) || !file_->truncate(offsetOf(record + 1))) {
        reportWriteFailure();
        return 0;
    }
    record_ = created;
    recordNumber_ = record;
    parse();
    return 1;
}

int CSalden::deleteAccount() {
    const std::int64_t length = file_ != nullptr ? file_->length() : -1;
    if (!loaded() || length < offsetOf(recordNumber_ + 1)) {
        reportWriteFailure();
        return 0;
    }
    // The file is written anew without the record and replaces the old one whole: records moved in place
    // would leave an account twice should the move stop half-way.
    std::string image(static_cast<std::size_t>(length), '\0');
    if (!file_->readExact(0, image.data(), image.size())) {
        reportWriteFailure();
        return 0;
    }
    image.erase(static_cast<std::size_t>(offsetOf(recordNumber_)), kAccountRecordSize);
    const std::string path = file_->path();
    const std::string freshPath = platform::replacementName(path);
    platform::File fresh;
    if (!fresh.createLocked(freshPath) || !fresh.writeAt(0, image.data(), image.size()) || !fresh.flush() ||
        !fresh.renameTo(path)) {
        if (fresh.path() == path) {
            // Renamed, only its directory not synced: the file without the record is the balance file now.
            *file_ = std::move(fresh);
            clear();
            reportWriteFailure();
            return 0;
        }
        fresh.close();
        platform::removeFile(freshPath);
        reportWriteFailure();
        return 0;
    }
    *file_ = std::move(fresh);
    clear();
    return 1;
}

int CSalden::ensureVatAccounts() {
    if (count() >= 2) return 1;
    const bool chart03 = chart_ == 3;
    const int inputVat = chart03 ? 1570 : 1400;
    const int outputVat = chart03 ? 1770 : 3800;
    if (createAccount(format("%5i", inputVat), text::kSaldenInputVatName, 0.0) != 1) return 0;
    return createAccount(format("%5i", outputVat), text::kSaldenOutputVatName, 0.0);
}

int CSalden::readFound(int record, std::string& balanceText, std::string& name, std::string& numberText) {
    read(record);
    if (!loaded()) return 0;
    balanceText = balanceText_;
    name.assign(record_.name());
    numberText.assign(record_.numberText());
    return 1;
}

int CSalden::findByText(std::string_view text, std::string& balanceText, std::string& name, std::string& numberText) {
    balanceText.clear();
    name.clear();
    numberText.clear();
    const std::string_view typed = trimBlanks(text);
    if (index_ == nullptr || typed.empty()) return 0;

    int record = -1;
    int code = 0;
    if (typed[0] >= '0' && typed[0] <= '9' && parseLeadingInt(typed) > 0) {
        // Typed digits are the leading digits of a four-digit account: "84" is 8400.
        std::string number(typed);
        if (number.size() <= 4) {
            std::string laid = " 0000";
            laid.replace(1, number.size(), number);
            number = laid;
        }
        code = index_->findByNumber(number, record);
    } else {
        code = index_->findByName(typed, record);
    }
    if (code != kIndexFound) return 0;
    return readFound(record, balanceText, name, numberText);
}

int CSalden::findByNumber(double number, std::string& balanceText, std::string& name, std::string& numberText) {
    if (!(number > 0.0 && number <= 29999.0)) {
        balanceText.clear();
        name.clear();
        numberText.clear();
        return 0;
    }
    const std::string text = number <= 9999.0 ? format(" %04.0f", number) : format(" %05.0f", number);
    return findByText(text, balanceText, name, numberText);
}

int CSalden::nextByNumber() {
    if (index_ == nullptr) return 0;
    if (loaded()) index_->placeCursorsOn(numberValue_, record_.name(), recordNumber_);
    const int record = index_->nextByNumber(INT_MAX);
    if (record < 0) return 0;
    read(record);
    return loaded() ? 1 : 0;
}

int CSalden::previousByNumber() {
    if (index_ == nullptr) return 0;
    if (loaded()) index_->placeCursorsOn(numberValue_, record_.name(), recordNumber_);
    const int record = index_->previousByNumber(INT_MIN);
    if (record < 0) return 0;
    read(record);
    return loaded() ? 1 : 0;
}

int CSalden::nextByName() {
    if (index_ == nullptr) return 0;
    if (loaded()) index_->placeCursorsOn(numberValue_, record_.name(), recordNumber_);
    std::string key;
    const int record = index_->nextByName(key);
    if (record < 0) return 0;
    read(record);
    return loaded() ? 1 : 0;
}

int CSalden::previousByName() {
    if (index_ == nullptr) return 0;
    if (loaded()) index_->placeCursorsOn(numberValue_, record_.name(), recordNumber_);
    std::string key;
    const int record = index_->previousByName(key);
    if (record < 0) return 0;
    read(record);
    return loaded() ? 1 : 0;
}

}  // namespace tellmark::ledger
