#include "posting/booking_kinds.h"

#include "config/amounts.h"
#include "posting/line_checks.h"
#include "posting/posting_types.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_posting.h"

namespace tellmark::posting {

namespace {

bool in(int n, int lower, int upper) { return n >= lower && n <= upper; }

std::string accountText(int number) { return format("%5i", number); }
std::string amountField(double value) { return format("%11.2f", value); }
std::string rateField(double value) { return format("%5.2f", value); }

const std::string kZeroRate = rateField(0.0);
const std::string kZeroVat = amountField(0.0);
const std::string kBlankVat(11, ' ');

LineAmounts amountsOf(double amount, double rate, double vat) {
    LineAmounts out;
    out.ok = true;
    out.amount = amount;
    out.rate = rate;
    out.vat = vat;
    out.amountField = amountField(amount);
    out.rateField = rateField(rate);
    out.vatField = amountField(vat);
    return out;
}

}  // namespace

std::string_view bookingKindName(BookingKind kind) {
    switch (kind) {
    case BookingKind::Net: return text::kKindNet;
    case BookingKind::TravelCosts: return text::kKindTravelCosts;
    case BookingKind::Discount: return text::kKindDiscount;
    case BookingKind::Eu: return text::kKindEu;
    case BookingKind::ReverseCharge: return text::kKindReverseCharge;
    default: return {};
    }
}

LineAmounts applyNet(double net, double rate, int debitNumber, int creditNumber, int chart, ui::Messages& messages) {
    const double gross = config::roundToCents(net + net * rate / 100.0);
    AmountCheck check = checkAmount(amountField(gross), messages);
    if (!check.ok) {
        LineAmounts refused;
        refused.amount = check.value;
        refused.amountField = check.field;
        refused.rate = rate;
        refused.rateField = rateField(rate);
        refused.vatField = kZeroVat;
        return refused;
    }
    return amountsOf(check.value, rate, vatOfGross(check.value, rate, debitNumber, creditNumber, chart));
}

LineAmounts applyTravelCosts(double gross, double rate, int debitNumber, int creditNumber, int chart,
                             ui::Messages& messages) {
    const double raised = rate < 100.0 ? config::roundToCents(rate * 100.0 / (100.0 - rate)) : kLargestVatRate + 1.0;
    if (raised > kLargestVatRate) {
        messages.show(format(text::kVatRateTooLarge, raised), text::kCaptionError, ui::kIconStop);
        LineAmounts refused;
        refused.amount = gross;
        refused.amountField = amountField(gross);
        refused.rate = rate;
        refused.rateField = rateField(rate);
        refused.vatField = kZeroVat;
        return refused;
    }
    return amountsOf(gross, raised, vatOfGross(gross, raised, debitNumber, creditNumber, chart));
}

int discountKindOf(int d, int c, int chart) {
    if (chart == 3) {
        if (in(d, 1000, 1299) && (in(c, 1400, 1499) || in(c, 10000, 19999))) return kDiscountGranted;
        if ((in(d, 1600, 1699) || in(d, 20000, 29999)) && in(c, 1000, 1299)) return kDiscountReceived;
        return kNoDiscount;
    }
    if (in(d, 1600, 1899) && (in(c, 1200, 1239) || in(c, 10000, 19999))) return kDiscountGranted;
    if ((in(d, 3300, 3799) || in(d, 20000, 29999)) && in(c, 1600, 1899)) return kDiscountReceived;
    return kNoDiscount;
}

int checkDiscountCombination(int debitNumber, int creditNumber, int chart, ui::Messages& messages) {
    const int kind = discountKindOf(debitNumber, creditNumber, chart);
    if (kind == kNoDiscount) messages.show(text::kNoDiscountForAccounts, text::kCaptionError, ui::kIconStop);
    return kind;
}

std::string discountPercentText(double paid, double discount) {
    const double full = discount + paid;
    if (full == 0.0) return {};
    return format("%.2f", discount * 100.0 / full);
}

bool checkDiscountPercent(double paid, double discount, ui::Messages& messages) {
    const std::string shown = discountPercentText(paid, discount);
    // Judged as shown, so that 9.996 % (shown 10.00) is refused like 10 %.
    const double percent = shown.empty() ? -1.0 : typedValue(shown);
    if (percent >= 0.0 && percent < 10.0) return true;
    messages.show(text::kDiscountPercentRange, text::kCaptionError, ui::kIconStop);
    return false;
}

int discountGrantedAccount(int chart) { return chart == 3 ? 8730 : 4730; }
int discountReceivedAccount(int chart) { return chart == 3 ? 3730 : 5730; }

TwoLines makeDiscountLines(const ledger::BookingTexts& entered, int discountKind, double paid, double discount,
                           double rate, int chart) {
    TwoLines lines;
    lines.first = entered;
    lines.first.amount = amountField(paid);
    lines.first.rate = kZeroRate;
    lines.firstVat = kZeroVat;

    lines.second = entered;
    if (discountKind == kDiscountGranted) {
        lines.second.debit = accountText(discountGrantedAccount(chart));
        lines.second.credit = entered.credit;
    } else {
        lines.second.debit = entered.debit;
        lines.second.credit = accountText(discountReceivedAccount(chart));
    }
    lines.second.amount = amountField(discount);
    lines.second.rate = rateField(rate);
    lines.secondVat = amountField(config::roundToCents(discount * rate / (100.0 + rate)));
    return lines;
}

TwoLines makeEuLines(const ledger::BookingTexts& entered, double net, double rate, int chart) {
    TwoLines lines;
    lines.first = entered;
    lines.first.amount = amountField(net);
    lines.first.rate = kZeroRate;
    lines.firstVat = kZeroVat;

    lines.second = entered;
    lines.second.debit = accountText(euInputVatAccount(chart));
    lines.second.credit = accountText(euOutputVatAccount(chart));
    lines.second.amount = amountField(config::roundToCents(net * rate / 100.0));
    lines.second.rate = rateField(rate);
    lines.secondVat = kBlankVat;
    return lines;
}

}  // namespace tellmark::posting
