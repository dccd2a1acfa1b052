// The entry form model: booking kinds, the cash-discount dialog, the save question's answers, saving,
// changing and deleting bookings, and standard bookings taken over into the new line.

#include "config/text_helpers.h"
#include "entry/entry_form.h"
#include "posting/line_checks.h"
#include "resources/format.h"

namespace tellmark::entry {

ledger::BookingTexts EntryFormModel::lineTexts() const {
    return ledger::BookingTexts{line_.field(kDateField),  line_.field(kDocumentField), line_.field(kDebitField),
                                line_.field(kCreditField), line_.field(kTextField),   line_.field(kAmountField),
                                line_.field(kRateField)};
}

void EntryFormModel::dropSecondLine() {
    second_.reset();
    discountKind_ = posting::kNoDiscount;
}

// Selecting the kind already selected clears it; another one replaces it.
void EntryFormModel::selectKind(posting::BookingKind kind) {
    const bool same = kind_ == kind;
    dropSecondLine();
    kind_ = same ? posting::BookingKind::Normal : kind;
}

FormRequest EntryFormModel::selectDiscount() {
    if (changeMode_) return {};  // a changed booking never gets a second line
    if (kind_ == posting::BookingKind::Discount) {
        selectKind(posting::BookingKind::Discount);
        return {};
    }
    dropSecondLine();
    const Accounts accounts = lookUpAccounts();
    const int discountKind = posting::checkDiscountCombination(accounts.debitNumber, accounts.creditNumber,
                                                               doc_.settings().chart, doc_.messages());
    if (discountKind == posting::kNoDiscount) {
        kind_ = posting::BookingKind::Normal;
        return {};
    }
    kind_ = posting::BookingKind::Discount;
    discountKind_ = discountKind;
    pending_ = Request::DiscountDialog;
    return {Request::DiscountDialog, {}};
}

std::string EntryFormModel::discountPercent(std::string_view paid, std::string_view discount) {
    return posting::discountPercentText(posting::typedValue(paid), posting::typedValue(discount));
}

EntryFormModel::DiscountAnswer EntryFormModel::answerDiscount(bool ok, std::string_view paid,
                                                              std::string_view discount, std::string_view rate) {
    if (pending_ != Request::DiscountDialog) return DiscountAnswer::Cancelled;
    if (!ok) {
        pending_ = Request::None;
        kind_ = posting::BookingKind::Normal;
        dropSecondLine();
        column_ = anchor_ = fieldEnd(kAmountField);
        return DiscountAnswer::Cancelled;
    }
    ui::Messages& messages = doc_.messages();
    const posting::AmountCheck paidAmount = posting::checkAmount(paid, messages);
    if (!paidAmount.ok) return DiscountAnswer::StayOpen;
    const posting::AmountCheck discountAmount = posting::checkAmount(discount, messages);
    if (!discountAmount.ok) return DiscountAnswer::StayOpen;
    if (!posting::checkDiscountPercent(paidAmount.value, discountAmount.value, messages))
        return DiscountAnswer::StayOpen;
    const std::string rateText = config::isBlank(rate) ? std::string(1, '0') : std::string(rate);
    const posting::RateCheck discountRate = posting::checkVatRate(rateText, true, messages);
    if (!discountRate.ok) return DiscountAnswer::StayOpen;

    const Accounts accounts = lookUpAccounts();
    ledger::BookingTexts entered = lineTexts();
    if (accounts.debitFound) entered.debit = accounts.debitText;
    if (accounts.creditFound) entered.credit = accounts.creditText;
    const posting::TwoLines lines = posting::makeDiscountLines(entered, discountKind_, paidAmount.value,
                                                               discountAmount.value, discountRate.value,
                                                               doc_.settings().chart);
    line_.setField(kAmountField, lines.first.amount);
    line_.setField(kRateField, "");
    line_.setField(kVatField, "");
    second_ = lines.second;
    secondKind_ = discountKind_ == posting::kDiscountGranted ? posting::SecondLine::DiscountGranted
                                                             : posting::SecondLine::DiscountReceived;
    pending_ = Request::None;
    enterField(kVatField);
    return DiscountAnswer::Accepted;
}

// The answer "J": the line is posted, or in change mode replaces the booking it shows.
void EntryFormModel::save() {
    prompt_ = false;
    ledger::BookingTexts first = lineTexts();
    // The cash discount's first line is stored with the rate 0.
    if (second_ && first.rate.find_first_not_of(' ') == std::string::npos) first.rate = format("%5.2f", 0.0);

    posting::Books books = doc_.books();
    const long n = window_.current();
    const int row = window_.currentRow();
    int posted = 0;
    if (changeMode_) {
        posted = posting::changeBooking(books, n, first);
    } else if (second_) {
        posted = posting::saveBooking(books, first, *second_, secondKind_);
    } else {
        posted = posting::saveBooking(books, first);
    }
    answer_ = ' ';
    if (posted == 0) {
        // Nothing was written (the engine said why): the line stays as typed for another try.
        debitBalance_ = plainDebitBalance_;
        creditBalance_ = plainCreditBalance_;
        enterField(kDateField);
        return;
    }
    kind_ = posting::BookingKind::Normal;
    dropSecondLine();
    window_.setCount(doc_.journal().count());
    if (changeMode_) {
        window_.goToInRow(n + 1, row);
    } else {
        window_.goToEnd();
    }
    showWindow();
}

// Any answer but "J": nothing is written, the kind is cleared and the line read afresh.
void EntryFormModel::notSaved() {
    posting::confirmSave(std::string(1, answer_), doc_.messages());
    kind_ = posting::BookingKind::Normal;
    dropSecondLine();
    prompt_ = false;
    answer_ = ' ';
    if (!window_.onNewLine()) rows_[static_cast<std::size_t>(window_.currentRow())] = readRow(window_.current());
    resetLine();
    clearAccounts();
}

void EntryFormModel::answerDelete(bool confirmed) {
    if (pending_ != Request::ConfirmDelete) return;
    pending_ = Request::None;
    const long n = pendingNumber_;
    if (!confirmed || n != window_.current() || window_.onNewLine()) return;
    posting::Books books = doc_.books();
    posting::deleteBooking(books, n);
    const int row = window_.currentRow();
    window_.setCount(doc_.journal().count());
    // The booking that followed takes the row.
    window_.goToInRow(n, row);
    showWindow();
}

void EntryFormModel::takeOverStandardBooking(const ledger::BookingTexts& record) {
    if (!window_.onNewLine()) goToEnd();
    if (prompt_) backFromPrompt();
    kind_ = posting::BookingKind::Normal;
    dropSecondLine();
    if (!config::isBlank(record.document)) line_.setField(kDocumentField, record.document);
    line_.setField(kDebitField, record.debit);
    line_.setField(kCreditField, record.credit);
    line_.setField(kTextField, record.text);
    line_.setField(kAmountField, record.amount);
    line_.setField(kRateField, record.rate);
    line_.setField(kVatField, "");

    if (selectMarker()) return;
    if (config::isBlank(record.amount) || posting::typedValue(record.amount) == 0.0) {
        enterField(kAmountField);
        return;
    }
    // Field by field up to the save question; a field that fails keeps the cursor.
    enterField(kDateField);
    for (int field = kDateField; field <= kRateField && !prompt_; ++field) {
        if (currentField() != field) break;
        leaveField();
    }
}

}  // namespace tellmark::entry
