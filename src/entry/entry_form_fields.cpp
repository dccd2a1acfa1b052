// The entry form model: leaving a field (Tab, Enter) runs its check and decides where the cursor goes;
// before the save question the whole line is checked once more from right to left.

#include "config/amounts.h"
#include "config/text_helpers.h"
#include "entry/entry_form.h"
#include "ledger/account_record.h"
#include "posting/date_check.h"
#include "posting/line_checks.h"
#include "posting/posting_types.h"
#include "posting/text_checks.h"
#include "posting/vat_preset.h"
#include "resources/format.h"
#include "resources/texts_checks.h"
#include "resources/texts_common.h"
#include "resources/texts_posting.h"

namespace tellmark::entry {

namespace {

// Typed digits as the account number they stand for: up to four digits are the leading digits of a
// four-digit number behind a blank ("12" -> " 1200"), five stay. Empty for anything else.
std::string completedAccountNumber(std::string_view typed) {
    if (typed.empty() || typed.size() > 5 || typed.find_first_not_of("0123456789") != std::string_view::npos)
        return {};
    if (typed.find_first_not_of('0') == std::string_view::npos) return {};
    if (typed.size() == 5) return std::string(typed);
    std::string laid = " 0000";
    laid.replace(1, typed.size(), typed);
    return laid;
}

int accountValue(const std::string& numberText) {
    const std::string trimmed = config::trim(numberText);
    if (trimmed.empty() || trimmed.find_first_not_of("0123456789") != std::string::npos) return 0;
    return std::stoi(trimmed);
}

}  // namespace

void EntryFormModel::enterField(int field) { column_ = anchor_ = fieldStart(field); }

EntryFormModel::Accounts EntryFormModel::lookUpAccounts() {
    Accounts accounts;
    std::string balance;
    ledger::CSalden& debit = doc_.debitCursor();
    ledger::CSalden& credit = doc_.creditCursor();
    accounts.debitFound =
        debit.findByText(line_.field(kDebitField), balance, accounts.debitName, accounts.debitText) == 1;
    accounts.creditFound =
        credit.findByText(line_.field(kCreditField), balance, accounts.creditName, accounts.creditText) == 1;
    if (accounts.debitFound) accounts.debitNumber = debit.numberValue();
    if (accounts.creditFound) accounts.creditNumber = credit.numberValue();
    return accounts;
}

bool EntryFormModel::rateAllowed(const Accounts& accounts) const {
    const int chart = doc_.settings().chart;
    const int type = posting::classify(accounts.debitNumber, accounts.creditNumber, chart).postingType;
    return posting::vatRateAllowed(type, doc_.settings().vatOn != 0, accounts.debitNumber, accounts.creditNumber,
                                   chart);
}

void EntryFormModel::leaveField() {
    switch (currentField()) {
    case kDateField:
        if (leaveDate()) enterField(kDocumentField);
        break;
    case kDocumentField:
        if (leaveDocument()) enterField(kDebitField);
        break;
    case kDebitField:
        if (leaveAccount(kDebitField)) enterField(kCreditField);
        break;
    case kCreditField:
        if (leaveAccount(kCreditField)) enterField(kTextField);
        break;
    case kTextField:
        if (leaveText()) enterField(kAmountField);
        break;
    case kAmountField: leaveAmount(); break;
    case kRateField: leaveRate(); break;
    default: toSaveQuestion(kVatField); break;  // the VAT amount column, after a cash discount
    }
}

// The date field as a date of the booking year (posting/date_check.h); an empty field repeats the date
// of the line above. A date that does not exist is refused with its message, not repaired.
bool EntryFormModel::dateHolds(std::string& date) {
    const posting::DateCheck check = posting::checkDate(line_.field(kDateField), previousDate_, doc_.settings(),
                                                        doc_.programConfig().thirteenthMonth, doc_.messages());
    if (!check.ok) return false;
    date = check.field;
    previousDate_ = date;
    return true;
}

bool EntryFormModel::leaveDate() {
    std::string date;
    if (dateHolds(date)) {
        line_.setField(kDateField, date);
        return true;
    }
    enterField(kDateField);
    return false;
}

bool EntryFormModel::leaveDocument() {
    if (!posting::checkDocumentNumber(line_.field(kDocumentField), doc_.messages())) {
        enterField(kDocumentField);
        return false;
    }
    if (line_.fieldBlank(kDocumentField)) {
        ledger::DocumentNumbering& numbering = doc_.documentNumbering();
        if (!changeMode_ && numbering.automatic()) {
            line_.setField(kDocumentField, format("%06.f", static_cast<double>(numbering.next())));
        } else if (!reference_.fieldBlank(kDocumentField)) {
            line_.setField(kDocumentField, reference_.field(kDocumentField));
        }
    }
    return true;
}

bool EntryFormModel::leaveAccount(int field) {
    if (line_.fieldBlank(field)) line_.setField(field, reference_.field(field));
    std::string& shownName = field == kDebitField ? debitName_ : creditName_;
    std::string& shownBalance = field == kDebitField ? debitBalance_ : creditBalance_;
    std::string& plainBalance = field == kDebitField ? plainDebitBalance_ : plainCreditBalance_;
    ledger::CSalden& cursor = field == kDebitField ? doc_.debitCursor() : doc_.creditCursor();

    const std::string typed = config::trim(line_.field(field));
    if (!posting::accountTextHolds(typed)) {
        doc_.messages().show(text::kInvalidAccountNumber, text::kCaptionError, ui::kIconStop);
        enterField(field);
        return false;
    }
    std::string balance, name, number;
    if (typed.empty() || cursor.findByText(typed, balance, name, number) != 1) {
        const std::string completed = completedAccountNumber(typed);
        if (!completed.empty()) line_.setField(field, completed);
        shownName.clear();
        shownBalance.clear();
        plainBalance.clear();
        enterField(field);
        return false;
    }
    line_.setField(field, number);
    shownName = name;
    shownBalance = plainBalance = balance;
    if (field == kCreditField && line_.field(kDebitField) == line_.field(kCreditField)) {
        doc_.messages().show(text::kSameAccountTwice, text::kCaptionError, ui::kIconStop);
        enterField(field);
        return false;
    }
    return true;
}

bool EntryFormModel::selectMarker() {
    const std::size_t at = line_.field(kTextField).find(".#");
    if (at == std::string::npos) return false;
    // The marker is selected, so that typing replaces it.
    column_ = fieldStart(kTextField) + static_cast<int>(at);
    anchor_ = column_ + 2;
    return true;
}

bool EntryFormModel::leaveText() {
    if (line_.fieldBlank(kTextField)) line_.setField(kTextField, reference_.field(kTextField));
    if (!posting::checkBookingText(line_.field(kTextField), doc_.messages())) {
        enterField(kTextField);
        return false;
    }
    return !selectMarker();
}

void EntryFormModel::leaveAmount() {
    const posting::AmountCheck amount = posting::checkAmount(line_.field(kAmountField), doc_.messages());
    line_.setField(kAmountField, amount.field);
    if (!amount.ok) {
        enterField(kAmountField);
        return;
    }
    const Accounts accounts = lookUpAccounts();
    if (rateAllowed(accounts)) {
        if (line_.fieldBlank(kRateField))
            line_.setField(kRateField, posting::defaultVatRate(accounts.debitName, accounts.creditName));
        line_.setField(kVatField, "");
        enterField(kRateField);
        return;
    }
    if (applyVatRules(false)) toSaveQuestion(kAmountField);
}

void EntryFormModel::leaveRate() {
    if (applyVatRules(rateAllowed(lookUpAccounts()))) toSaveQuestion(kRateField);
}

// The VAT rate checked and the VAT amount computed; the kinds Netto, Reisekosten and EU-Buchung take
// effect here. Netto and Reisekosten are cleared once applied, so that leaving the field again does
// not apply them twice; EU-Buchung stays until its second line is saved.
bool EntryFormModel::applyVatRules(bool allowed) {
    ui::Messages& messages = doc_.messages();
    const std::string rateText = line_.fieldBlank(kRateField) ? std::string(1, '0') : line_.field(kRateField);
    const posting::RateCheck rate = posting::checkVatRate(rateText, allowed, messages);
    line_.setField(kRateField, rate.field);
    if (!rate.ok) {
        line_.setField(kVatField, allowed ? std::string() : posting::vatText(0.0));
        enterField(kRateField);
        return false;
    }

    const int chart = doc_.settings().chart;
    const int debit = accountValue(line_.field(kDebitField));
    const int credit = accountValue(line_.field(kCreditField));
    const double amount = posting::typedValue(line_.field(kAmountField));
    switch (kind_) {
    case posting::BookingKind::Net: {
        const posting::LineAmounts net = posting::applyNet(amount, rate.value, debit, credit, chart, messages);
        line_.setField(kAmountField, net.amountField);
        if (!net.ok) {
            enterField(kAmountField);
            return false;
        }
        line_.setField(kRateField, net.rateField);
        line_.setField(kVatField, net.vatField);
        kind_ = posting::BookingKind::Normal;
        return true;
    }
    case posting::BookingKind::TravelCosts: {
        const posting::LineAmounts travel =
            posting::applyTravelCosts(amount, rate.value, debit, credit, chart, messages);
        if (!travel.ok) {
            enterField(kRateField);
            return false;
        }
        line_.setField(kRateField, travel.rateField);
        line_.setField(kVatField, travel.vatField);
        kind_ = posting::BookingKind::Normal;
        return true;
    }
    case posting::BookingKind::Eu: {
        const posting::TwoLines lines = posting::makeEuLines(lineTexts(), amount, rate.value, chart);
        line_.setField(kAmountField, lines.first.amount);
        line_.setField(kRateField, lines.first.rate);
        line_.setField(kVatField, lines.firstVat);
        second_ = lines.second;
        secondKind_ = posting::SecondLine::Eu;
        return true;
    }
    default:
        line_.setField(kVatField, posting::vatText(posting::vatOfGross(amount, rate.value, debit, credit, chart)));
        return true;
    }
}

// Every field once more, from right to left; the first one that fails, or -1.
int EntryFormModel::validateRightToLeft() {
    ui::Messages& messages = doc_.messages();
    const bool discountLine = second_.has_value() && secondKind_ != posting::SecondLine::Eu;

    // The cash discount's first line carries no rate of its own.
    if (!(discountLine && line_.fieldBlank(kRateField))) {
        const std::string rateText = line_.fieldBlank(kRateField) ? std::string(1, '0') : line_.field(kRateField);
        const posting::RateCheck rate = posting::checkVatRate(rateText, rateAllowed(lookUpAccounts()), messages);
        line_.setField(kRateField, rate.field);
        if (!rate.ok) return kRateField;
    }

    const posting::AmountCheck amount = posting::checkAmount(line_.field(kAmountField), messages);
    line_.setField(kAmountField, amount.field);
    if (!amount.ok) return kAmountField;

    if (line_.field(kTextField).find(".#") != std::string::npos) return kTextField;
    if (!posting::checkBookingText(line_.field(kTextField), messages)) return kTextField;

    posting::Books books = doc_.books();
    const posting::AccountsCheck accounts =
        posting::checkAccounts(books, line_.field(kDebitField), line_.field(kCreditField));
    if (accounts.invalidText) return posting::accountTextHolds(line_.field(kCreditField)) ? kDebitField : kCreditField;
    if (!accounts.creditFound) {
        creditName_.clear();
        creditBalance_.clear();
        return kCreditField;
    }
    if (!accounts.debitFound) {
        debitName_.clear();
        debitBalance_.clear();
        return kDebitField;
    }
    line_.setField(kDebitField, accounts.debitNumber);
    line_.setField(kCreditField, accounts.creditNumber);
    debitName_ = accounts.debitName;
    creditName_ = accounts.creditName;
    debitBalance_ = plainDebitBalance_ = accounts.debitBalance;
    creditBalance_ = plainCreditBalance_ = accounts.creditBalance;
    if (!accounts.ok) return kCreditField;

    if (!posting::checkDocumentNumber(line_.field(kDocumentField), messages)) return kDocumentField;
    std::string date;
    if (!dateHolds(date)) return kDateField;
    line_.setField(kDateField, date);
    return -1;
}

void EntryFormModel::toSaveQuestion(int fromField) {
    const int failed = validateRightToLeft();
    if (failed >= 0) {
        if (failed != kTextField || !selectMarker()) enterField(failed);
        return;
    }
    // The debit and credit cursors stand on the line's accounts after the check.
    const int chart = doc_.settings().chart;
    const int debit = doc_.debitCursor().numberValue();
    const int credit = doc_.creditCursor().numberValue();
    const double amount = posting::typedValue(line_.field(kAmountField));
    const double vat = posting::vatOfGross(amount, posting::typedValue(line_.field(kRateField)), debit, credit, chart);
    if (!second_) line_.setField(kVatField, posting::vatText(vat));
    const posting::BalancePreview preview =
        posting::previewBalances(doc_.debitCursor(), doc_.creditCursor(), amount, vat);
    double debitBalance = preview.debitBalance;
    double creditBalance = preview.creditBalance;
    if (changeMode_) leaveOutOldPosting(debit, credit, debitBalance, creditBalance);
    debitBalance_ = ledger::amountText12(config::roundToCents(debitBalance));
    creditBalance_ = ledger::amountText12(config::roundToCents(creditBalance));

    prompt_ = true;
    answer_ = 'J';
    promptReturnField_ = fromField;
    enterField(fromField);
}

// A changed booking's old posting is taken back before the new line is posted; the preview leaves it
// out as well, or an account of both lines would show the old amount on top of the new one.
void EntryFormModel::leaveOutOldPosting(int debit, int credit, double& debitBalance, double& creditBalance) {
    const ledger::ParsedBooking* old = doc_.journal().readParsed(window_.current());
    if (old == nullptr) return;
    const int chart = doc_.settings().chart;
    const int type = posting::classify(old->debitNumber, old->creditNumber, chart).postingType;
    const posting::PostingSplit split = posting::splitOf(type, old->amountValue, old->vatValue);
    int vatAccount = 0;
    if (split.vatAccount == posting::VatAccount::Input) vatAccount = posting::standardInputVatAccount(chart);
    if (split.vatAccount == posting::VatAccount::Output) vatAccount = posting::standardOutputVatAccount(chart);
    auto oldShare = [&](int account) {
        double share = 0.0;
        if (account == old->debitNumber) share += split.debit;
        if (account == old->creditNumber) share += split.credit;
        if (account == vatAccount) share += split.vat;
        return share;
    };
    debitBalance -= oldShare(debit);
    creditBalance -= oldShare(credit);
}

void EntryFormModel::backField() {
    const int field = currentField();
    if (field == kDateField) return;
    int target = field - 1;
    if (field == kVatField) {
        // Back from a cash discount: the amount paid stays, the discount line goes.
        kind_ = posting::BookingKind::Normal;
        dropSecondLine();
        target = kAmountField;
    }
    if (target >= kAmountField) line_.setField(kVatField, "");
    enterField(target);
}

void EntryFormModel::backFromPrompt() {
    prompt_ = false;
    answer_ = ' ';
    debitBalance_ = plainDebitBalance_;
    creditBalance_ = plainCreditBalance_;
    const int target = promptReturnField_;
    if (second_ && secondKind_ == posting::SecondLine::Eu) {
        // The EU line is prepared anew when the rate is left again: the rate typed comes back.
        line_.setField(kRateField, target == kRateField ? second_->rate : std::string());
        dropSecondLine();
    }
    if (target == kAmountField || target == kRateField) line_.setField(kVatField, "");
    enterField(target);
}

}  // namespace tellmark::entry
