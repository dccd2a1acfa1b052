#include "posting/line_checks.h"

#include <algorithm>

#include "config/amounts.h"
#include "config/typed_numbers.h"
#include "ledger/account_record.h"
#include "ledger/journal_record.h"
#include "posting/posting_types.h"
#include "posting/text_checks.h"
#include "resources/format.h"
#include "resources/texts_checks.h"
#include "resources/texts_common.h"
#include "resources/texts_input.h"
#include "resources/texts_posting.h"

namespace tellmark::posting {

namespace {

constexpr int kHighestAccountNumber = 29999;

void showError(ui::Messages& messages, std::string_view text) {
    messages.show(text, text::kCaptionError, ui::kIconStop);
}

}  // namespace

double typedValue(std::string_view text) {
    std::string copy(text);
    std::replace(copy.begin(), copy.end(), ',', '.');
    return ledger::parseDecimalText(copy);
}

bool accountTextHolds(std::string_view typed) {
    const std::size_t first = typed.find_first_not_of(' ');
    if (first == std::string_view::npos) return true;  // blank: nothing to look up, nothing found
    typed = typed.substr(first, typed.find_last_not_of(' ') - first + 1);
    if (firstControlCharacter(typed) >= 0) return false;
    if (typed[0] < '0' || typed[0] > '9') return true;  // the beginning of a name
    if (typed.size() > 5 || typed.find_first_not_of("0123456789") != std::string_view::npos) return false;
    // Up to four digits lead a four-digit number ("12" is 1200); five are the number itself.
    int value = 0;
    for (char c : typed) value = value * 10 + (c - '0');
    for (std::size_t n = typed.size(); n < 4; ++n) value *= 10;
    return value >= 1 && value <= kHighestAccountNumber;
}

AccountsCheck checkAccounts(Books& books, std::string_view debitText, std::string_view creditText) {
    AccountsCheck check;
    if (!accountTextHolds(debitText) || !accountTextHolds(creditText)) {
        showError(books.messages, text::kInvalidAccountNumber);
        check.invalidText = true;
        return check;
    }
    check.debitFound = books.debit.findByText(debitText, check.debitBalance, check.debitName, check.debitNumber) == 1;
    check.creditFound =
        books.credit.findByText(creditText, check.creditBalance, check.creditName, check.creditNumber) == 1;
    if (!check.debitFound || !check.creditFound) return check;
    if (check.debitNumber == check.creditNumber) {
        showError(books.messages, text::kSameAccountTwice);
        return check;
    }
    check.postingType = postingTypeOf(books.debit.accountKind(), books.credit.accountKind());
    books.lastPostingType = check.postingType;
    check.ok = true;
    return check;
}

AmountCheck checkAmount(std::string_view text, ui::Messages& messages) {
    AmountCheck check;
    const config::TypedNumber number = config::readTypedNumber(text);
    if (!number.ok()) {
        showError(messages, number.error == config::TypedNumberError::TooManyDecimals ? text::kAmountTooManyDecimals
                                                                                      : text::kAmountNotANumber);
        check.field = std::string(text);
        return check;
    }
    const double typed = number.value;
    if (typed > kLargestAmount) {
        showError(messages, format(text::kAmountTooLarge, typed));
        check.value = kLargestAmount;
    } else if (typed < kSmallestAmount) {
        showError(messages, format(text::kAmountTooSmall, typed));
        check.value = kSmallestAmount;
    } else if (typed == 0.0) {
        showError(messages, text::kZeroAmount);
        check.value = 0.0;
    } else {
        check.value = config::roundToCents(typed);
        check.ok = true;
    }
    check.field = format("%11.2f", check.value);
    return check;
}

bool vatRateAllowed(int postingType, bool vatOn, int debitNumber, int creditNumber, int chart) {
    if (ledger::isEuVatPair(debitNumber, creditNumber, chart)) return true;
    return postingType != kPostingPlain && vatOn;
}

RateCheck checkVatRate(std::string_view text, bool rateAllowed, ui::Messages& messages) {
    RateCheck check;
    const config::TypedNumber number = config::readTypedNumber(text);
    if (!number.ok()) {
        showError(messages, number.error == config::TypedNumberError::TooManyDecimals ? text::kVatRateTooManyDecimals
                                                                                      : text::kVatRateNotANumber);
        check.field = std::string(text);
        return check;
    }
    const double typed = number.value;
    if (!rateAllowed) {
        check.ok = typed == 0.0;
        if (!check.ok) showError(messages, text::kNoVatForAccounts);
        check.value = 0.0;
    } else if (typed > kLargestVatRate) {
        showError(messages, format(text::kVatRateTooLarge, typed));
        check.value = kLargestVatRate;
    } else if (typed < 0.0) {
        showError(messages, format(text::kVatRateTooSmall, typed));
        check.value = 0.0;
    } else {
        check.ok = true;
        check.value = config::roundToCents(typed);
    }
    check.field = format("%5.2f", check.value);
    return check;
}

double vatOfGross(double amount, double rate, int debitNumber, int creditNumber, int chart) {
    return ledger::derivedVat(amount, rate, debitNumber, creditNumber, chart);
}

std::string vatText(double vat) { return format("%11.2f", vat); }

bool confirmSave(std::string_view answer, ui::Messages& messages) {
    const std::size_t first = answer.find_first_not_of(' ');
    const std::size_t last = answer.find_last_not_of(' ');
    if (first != std::string_view::npos && answer.substr(first, last - first + 1) == "J") return true;
    messages.show(text::kBookingNotSaved, text::kCaptionInformation, ui::kIconStop);
    return false;
}

}  // namespace tellmark::posting
