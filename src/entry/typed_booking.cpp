#include "entry/typed_booking.h"

#include <algorithm>

#include "config/text_helpers.h"
#include "posting/date_check.h"
#include "posting/line_checks.h"
#include "posting/posting_engine.h"
#include "posting/text_checks.h"
#include "posting/vat_preset.h"
#include "resources/format.h"

namespace tellmark::entry {

namespace {

struct CheckedLine {
    TypedOutcome outcome;
    ledger::BookingTexts line;
    bool hasSecond = false;
    ledger::BookingTexts second;
    posting::SecondLine secondKind = posting::SecondLine::Eu;
};

CheckedLine checkLine(circles::CVt36Doc& doc, posting::Books& books, const TypedBooking& typed, bool changing) {
    CheckedLine out;
    out.outcome.result = TypedResult::Refused;
    ui::Messages& messages = doc.messages();
    const config::CircleSettings& settings = doc.settings();

    // Date and document number.
    // The form's date field takes a ',' as the point; so does a typed line.
    std::string dateText = typed.date;
    std::replace(dateText.begin(), dateText.end(), ',', '.');
    const posting::DateCheck date =
        posting::checkDate(dateText, {}, settings, doc.programConfig().thirteenthMonth, messages);
    if (!date.ok) return out;
    out.line.date = date.field;
    if (!posting::checkDocumentNumber(typed.document, messages)) return out;
    out.line.document = typed.document;
    if (config::isBlank(out.line.document) && !changing && books.numbering && books.numbering->automatic())
        out.line.document = format("%06.f", static_cast<double>(books.numbering->next()));

    // Accounts.
    posting::AccountsCheck accounts = posting::checkAccounts(books, typed.debit, typed.credit);
    if (!accounts.ok) {
        if (!accounts.invalidText && (!accounts.debitFound || !accounts.creditFound)) {
            out.outcome.result = TypedResult::AccountMissing;
            out.outcome.missingAccount = accounts.debitFound ? typed.credit : typed.debit;
        }
        return out;
    }
    out.line.debit = accounts.debitNumber;
    out.line.credit = accounts.creditNumber;
    if (!posting::checkBookingText(typed.text, messages)) return out;
    out.line.text = typed.text;
    const int chart = settings.chart;
    const int debitNumber = std::stoi(accounts.debitNumber);
    const int creditNumber = std::stoi(accounts.creditNumber);
    const bool rateAllowed =
        posting::vatRateAllowed(accounts.postingType, settings.vatOn != 0, debitNumber, creditNumber, chart);

    std::string rateText = typed.rate;
    if (config::isBlank(rateText) && rateAllowed)
        rateText = posting::defaultVatRate(accounts.debitName, accounts.creditName);
    if (config::isBlank(rateText)) rateText.assign(1, '0');  // not = "0": a false -Wrestrict of this compiler

    if (typed.kind == posting::BookingKind::Discount) {
        if (changing) return out;
        int discountKind = posting::checkDiscountCombination(debitNumber, creditNumber, chart, messages);
        if (discountKind == posting::kNoDiscount) return out;
        posting::AmountCheck paid = posting::checkAmount(typed.paid, messages);
        if (!paid.ok) return out;
        posting::AmountCheck discount = posting::checkAmount(typed.discount, messages);
        if (!discount.ok) return out;
        if (!posting::checkDiscountPercent(paid.value, discount.value, messages)) return out;
        posting::RateCheck rate = posting::checkVatRate(rateText, true, messages);
        if (!rate.ok) return out;
        posting::TwoLines lines =
            posting::makeDiscountLines(out.line, discountKind, paid.value, discount.value, rate.value, chart);
        out.line = lines.first;
        out.second = lines.second;
        out.hasSecond = true;
        out.secondKind = discountKind == posting::kDiscountGranted ? posting::SecondLine::DiscountGranted
                                                                   : posting::SecondLine::DiscountReceived;
        out.outcome.result = TypedResult::Saved;
        return out;
    }

    posting::AmountCheck amount = posting::checkAmount(typed.amount, messages);
    if (!amount.ok) return out;
    posting::RateCheck rate = posting::checkVatRate(rateText, rateAllowed, messages);
    if (!rate.ok) return out;
    out.line.amount = amount.field;
    out.line.rate = rate.field;

    switch (typed.kind) {
    case posting::BookingKind::Net: {
        posting::LineAmounts net = posting::applyNet(amount.value, rate.value, debitNumber, creditNumber, chart, messages);
        if (!net.ok) return out;
        out.line.amount = net.amountField;
        out.line.rate = net.rateField;
        break;
    }
    case posting::BookingKind::TravelCosts: {
        posting::LineAmounts travel =
            posting::applyTravelCosts(amount.value, rate.value, debitNumber, creditNumber, chart, messages);
        if (!travel.ok) return out;
        out.line.amount = travel.amountField;
        out.line.rate = travel.rateField;
        break;
    }
    case posting::BookingKind::Eu: {
        if (changing) return out;
        posting::TwoLines lines = posting::makeEuLines(out.line, amount.value, rate.value, chart);
        out.line = lines.first;
        out.second = lines.second;
        out.hasSecond = true;
        out.secondKind = posting::SecondLine::Eu;
        break;
    }
    default: break;
    }
    out.outcome.result = TypedResult::Saved;
    return out;
}

}  // namespace

TypedOutcome postTypedBooking(circles::CVt36Doc& doc, const TypedBooking& typed) {
    posting::Books books = doc.books();
    return postTypedBooking(doc, books, typed);
}

TypedOutcome postTypedBooking(circles::CVt36Doc& doc, posting::Books& books, const TypedBooking& typed) {
    CheckedLine checked = checkLine(doc, books, typed, false);
    if (checked.outcome.result != TypedResult::Saved) return checked.outcome;
    int posted = checked.hasSecond ? posting::saveBooking(books, checked.line, checked.second, checked.secondKind)
                                   : posting::saveBooking(books, checked.line);
    checked.outcome.linesPosted = posted;
    if (posted == 0) checked.outcome.result = TypedResult::NotSaved;
    return checked.outcome;
}

TypedOutcome changeTypedBooking(circles::CVt36Doc& doc, long n, const TypedBooking& typed) {
    posting::Books books = doc.books();
    CheckedLine checked = checkLine(doc, books, typed, true);
    if (checked.outcome.result != TypedResult::Saved) return checked.outcome;
    doc.journal().setChangeMode(true);
    int changed = posting::changeBooking(books, n, checked.line);
    doc.journal().setChangeMode(false);
    checked.outcome.linesPosted = changed;
    if (changed == 0) checked.outcome.result = TypedResult::NotSaved;
    return checked.outcome;
}

}  // namespace tellmark::entry
