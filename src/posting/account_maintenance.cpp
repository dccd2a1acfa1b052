#include "posting/account_maintenance.h"

#include "config/text_helpers.h"

#include <cstdint>

#include "chart/account_classes.h"
#include "config/amounts.h"
#include "config/field_checks.h"
#include "config/typed_numbers.h"
#include "posting/booking_kinds.h"
#include "posting/books_operation.h"
#include "posting/line_checks.h"
#include "posting/posting_types.h"
#include "posting/vat_preset.h"
#include "resources/format.h"
#include "resources/texts_accounts.h"
#include "resources/texts_checks.h"
#include "resources/texts_common.h"
#include "resources/texts_input.h"
#include "resources/texts_ledger_accounts.h"
#include "resources/texts_posting.h"
#include "resources/texts_safety.h"

namespace tellmark::posting {

namespace {

// One change of the accounts as an operation of the books, when the files belong to open books.
class MaintenanceOperation {
public:
    explicit MaintenanceOperation(AccountFiles& files) {
        if (files.books != nullptr) op_.emplace(*files.books, text::kOpAccount);
    }
    bool started() const { return !op_ || op_->started(); }
    MaintenanceResult fail() {
        if (op_) op_->fail();
        return MaintenanceResult::Refused;
    }
    bool finish() { return !op_ || op_->finish(); }

private:
    std::optional<BooksOperation> op_;
};

constexpr double kLargestOpeningChange = 999999999.99;
constexpr double kLargestOpeningNew = 99999999.99;
constexpr int kHighestAccount = 29999;

void showError(AccountFiles& files, std::string_view text) {
    files.messages.show(text, text::kCaptionError, ui::kIconStop);
}
void showInformation(AccountFiles& files, std::string_view text) {
    files.messages.show(text, text::kCaptionInformation, ui::kIconStop);
}

using config::isBlank;
std::string trimmed(std::string_view text) { return config::trim(text); }

// Puts the cursor on the account; false when it is not there.
bool findNumber(AccountFiles& files, int number) {
    std::string balance, name, numberText;
    return files.cursor.findByNumber(number, balance, name, numberText) == 1;
}

// Writes the cursor's changed record; on failure (message shown by the cursor) the cursor takes the
// record as it is on disk again.
bool writeCursor(AccountFiles& files) {
    if (files.cursor.write() == 1) return true;
    files.cursor.read(files.cursor.recordNumber());
    return false;
}

// The field filters cut a third decimal off without a word, which a dialog shows in its field; said here,
// so that a caller without a field (the command line) never fails silently.
bool decimalsFit(AccountFiles& files, std::string_view typed, std::string_view message) {
    if (config::readTypedNumber(typed).error != config::TypedNumberError::TooManyDecimals) return true;
    showError(files, message);
    return false;
}

// The rate of the VAT preset, checked like the dialog's rate field. False after its message.
bool checkPresetRate(AccountFiles& files, int number, std::string& rate) {
    if (!vatPresetAllowed(number, files.chart)) {
        showError(files, text::kVatRateNotAllowed);
        return false;
    }
    if (!decimalsFit(files, rate, text::kVatRateNotANumber)) return false;
    int caret = static_cast<int>(rate.size());
    return config::checkVatRate(rate, caret, false, files.messages) == 1;
}

}  // namespace

std::string accountNumberText(int number) {
    return number <= 9999 ? format(" %04i", number) : format("%05i", number);
}

std::string_view fixedAccountName(int number, int chart) {
    if (number == discountReceivedAccount(chart)) return text::kDiscountReceivedAccountName;
    if (number == discountGrantedAccount(chart)) return text::kDiscountGrantedAccountName;
    return {};
}

bool nameIsProtected(int number, int chart) {
    return isStandardVatAccount(number, chart) || !fixedAccountName(number, chart).empty();
}

ChosenAccount chooseAccount(AccountFiles& files, std::string_view typed) {
    ChosenAccount chosen;
    const std::string text = trimmed(typed);
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
    // Six digits and more name no account and would not fit the number field of the balance file.
    const int value = digits > 0 && digits <= 5 ? ledger::parseLeadingInt(text.substr(0, digits)) : 0;
    if (value <= 0) {
        showError(files, text::kChosenAccountInvalid);
        return chosen;
    }
    chosen.number = value;
    if (digits <= 4) {
        std::string laid = " 0000";
        laid.replace(1, digits, text.substr(0, digits));
        chosen.number = ledger::parseLeadingInt(laid);
    }
    chosen.numberText = accountNumberText(chosen.number);
    if (chosen.number > kHighestAccount || !findNumber(files, chosen.number)) {
        chosen.choice = Choice::NotFound;
        return chosen;
    }
    chosen.choice = Choice::Found;
    chosen.numberText.assign(files.cursor.numberText());
    chosen.name.assign(files.cursor.name());
    chosen.opening = format("%.2f", files.cursor.slotValue(0));
    return chosen;
}

MaintenanceResult changeOpeningBalance(AccountFiles& files, int number, std::string_view typedAmount) {
    if (!findNumber(files, number)) {
        showError(files, text::kChosenAccountInvalid);
        return MaintenanceResult::Refused;
    }
    std::string amount(typedAmount);
    int caret = static_cast<int>(amount.size());
    if (!decimalsFit(files, amount, text::kAmountTooManyDecimals)) return MaintenanceResult::FieldError;
    if (config::checkAmount(amount, caret, kLargestOpeningChange, files.messages) != 1)
        return MaintenanceResult::FieldError;
    // A value too wide for its twelve characters is refused by the cursor rather than spilling over.
    MaintenanceOperation op(files);
    if (!op.started()) return MaintenanceResult::Refused;
    if (!findNumber(files, number)) return op.fail();
    files.cursor.setSlotValue(0, config::roundToCents(typedValue(amount)));
    if (!writeCursor(files)) return op.fail();
    if (!op.finish()) return MaintenanceResult::Refused;
    showInformation(files, text::kOpeningBalanceSaved);
    return MaintenanceResult::Done;
}

MaintenanceResult renameAccount(AccountFiles& files, int number, std::string_view newName,
                                const std::optional<std::string>& rate) {
    if (nameIsProtected(number, files.chart)) {
        showError(files, text::kVatAccountNameFixed);
        return MaintenanceResult::Refused;
    }
    if (!findNumber(files, number)) {
        showError(files, text::kChosenAccountInvalid);
        return MaintenanceResult::Refused;
    }
    if (isBlank(newName)) {
        showError(files, text::kAccountNameMissing);
        return MaintenanceResult::FieldError;
    }
    std::string name(newName.substr(0, std::min(newName.size(), ledger::kAccountNameWidth)));
    name.resize(ledger::kAccountNameWidth, ' ');
    if (rate) {
        std::string typed = *rate;
        if (!checkPresetRate(files, number, typed)) return MaintenanceResult::FieldError;
        name = withVatPreset(name, typed);
    }

    MaintenanceOperation op(files);
    if (!op.started()) return MaintenanceResult::Refused;
    if (!findNumber(files, number)) return op.fail();
    const int record = files.cursor.recordNumber();
    const std::string numberText(files.cursor.numberText());
    const std::string oldName(files.cursor.name());
    int indexed = -1;
    if (files.index.findByNumber(numberText, indexed) != ledger::kIndexFound || indexed != record) {
        showError(files, text::kRenameNeedsReindex);
        files.index.rebuild();
        op.finish();
        return MaintenanceResult::Refused;
    }
    if (files.index.remove(numberText, oldName) != 1) {
        showError(files, text::kRenameIndexFailed);
        return op.fail();
    }
    if (files.index.insert(record, number, name, true) != 1) {
        showError(files, text::kRenameNeedsReindex);
        files.index.rebuild();
        return op.fail();
    }
    files.cursor.setName(name);
    if (!writeCursor(files)) {
        // The index already knows the new name; the file decides.
        files.index.rebuild();
        return op.fail();
    }
    if (!op.finish()) return MaintenanceResult::Refused;
    showInformation(files, text::kAccountNameSaved);
    return MaintenanceResult::Done;
}

MaintenanceResult deleteAccount(AccountFiles& files, int number) {
    if (!findNumber(files, number)) {
        showError(files, text::kChosenAccountInvalid);
        return MaintenanceResult::Refused;
    }
    const char status = files.cursor.status();
    if (status == ledger::kStatusPosted || status == ledger::kStatusCarriedForward) {
        showError(files, text::kAccountHasPostings);
        return MaintenanceResult::Refused;
    }
    if (isStandardVatAccount(number, files.chart)) {
        showError(files, text::kVatAccountsNotDeletable);
        return MaintenanceResult::Refused;
    }
    const std::string numberText(files.cursor.numberText());
    const std::string name(files.cursor.name());
    MaintenanceOperation op(files);
    if (!op.started()) return MaintenanceResult::Refused;
    if (!findNumber(files, number)) return op.fail();
    if (files.cursor.deleteAccount() != 1) return op.fail();
    // A failed removal rebuilds the index from the balance file, which no longer holds the account.
    files.index.remove(numberText, name);
    if (!op.finish()) return MaintenanceResult::Refused;
    showInformation(files, text::kAccountDeleted);
    return MaintenanceResult::Done;
}

MaintenanceResult createAccount(AccountFiles& files, const NewAccount& account) {
    const int number = account.number;
    const std::string_view fixed = fixedAccountName(number, files.chart);
    std::string name(fixed.empty() ? std::string_view(account.name) : fixed);
    name.resize(std::min(name.size(), ledger::kAccountNameWidth));
    if (account.rate && fixed.empty()) {
        std::string typed = *account.rate;
        if (!checkPresetRate(files, number, typed)) return MaintenanceResult::FieldError;
        name = withVatPreset(name, typed);
    }
    if (isBlank(name)) {
        showError(files, text::kAccountNameMissing);
        return MaintenanceResult::FieldError;
    }
    if (number <= 0 || number > kHighestAccount || chart::AccountKindOf(number, files.chart) == 1 ||
        findNumber(files, number)) {
        showError(files, text::kAccountNumberNotAllowed);
        return MaintenanceResult::FieldError;
    }
    std::string opening = account.opening;
    int caret = static_cast<int>(opening.size());
    if (!decimalsFit(files, opening, text::kAmountTooManyDecimals)) return MaintenanceResult::FieldError;
    if (config::checkAmount(opening, caret, kLargestOpeningNew, files.messages) != 1)
        return MaintenanceResult::FieldError;

    MaintenanceOperation op(files);
    if (!op.started()) return MaintenanceResult::Refused;
    if (files.cursor.createAccount(accountNumberText(number), name, config::roundToCents(typedValue(opening))) != 1)
        return op.fail();
    if (files.index.insert(files.cursor.count() - 1, number, name, true) != 1 && files.index.rebuild() != 1)
        return op.fail();
    if (!op.finish()) return MaintenanceResult::Refused;
    findNumber(files, number);
    showInformation(files, text::kAccountCreated);
    return MaintenanceResult::Done;
}

std::vector<std::string> chartOfAccountsList(ledger::CSalden& cursor) {
    std::vector<std::string> lines;
    const int count = cursor.count();
    lines.reserve(static_cast<std::size_t>(count));
    for (int record = 0; record < count; ++record) {
        if (cursor.read(record) < 0) break;
        const std::string number(cursor.numberText());
        const std::string name(cursor.name());
        lines.push_back(format(text::kChartPickListLine, number.c_str(), name.c_str()));
    }
    return lines;
}

}  // namespace tellmark::posting
