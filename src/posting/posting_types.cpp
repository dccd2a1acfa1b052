#include "posting/posting_types.h"

namespace tellmark::posting {

namespace {

bool isMoneySide(int kind) { return kind == 4 || kind == 12 || kind == 13; }

bool isChart03(int chart) { return chart == 3; }

}  // namespace

int postingTypeOf(int d, int c) {
    if (isMoneySide(d) && (c == 2 || c == 7 || c == 8)) return kPostingInputVatOnCredit;
    if (isMoneySide(c) && (d == 2 || d == 6 || d == 7 || d == 8)) return kPostingInputVatOnDebit;
    if (isMoneySide(d) && (c == 9 || c == 6)) return kPostingOutputVatOnCredit;
    if (isMoneySide(c) && d == 9) return kPostingOutputVatOnDebit;
    if (isMoneySide(d) && c == 10) return kPostingSpecialOutputVatOnCredit;
    if (isMoneySide(c) && d == 10) return kPostingSpecialOutputVatOnDebit;
    if (d == 19 && c == 18) return kPostingEuPair;
    return kPostingPlain;
}

Classification classify(int debitNumber, int creditNumber, int chart) {
    const int d = chart::code(chart::AccountKindOf(debitNumber, chart));
    const int c = chart::code(chart::AccountKindOf(creditNumber, chart));
    return {d, c, postingTypeOf(d, c)};
}

PostingSplit splitOf(int postingType, double a, double v) {
    switch (postingType) {
    case kPostingInputVatOnCredit: return {a, -(a - v), -v, VatAccount::Input};
    case kPostingInputVatOnDebit: return {a - v, -a, v, VatAccount::Input};
    case kPostingOutputVatOnCredit:
    case kPostingSpecialOutputVatOnCredit: return {a, -(a - v), -v, VatAccount::Output};
    case kPostingOutputVatOnDebit:
    case kPostingSpecialOutputVatOnDebit: return {a - v, -a, v, VatAccount::Output};
    default: return {a, -a, 0.0, VatAccount::None};
    }
}

int standardInputVatAccount(int chart) { return isChart03(chart) ? 1570 : 1400; }
int standardOutputVatAccount(int chart) { return isChart03(chart) ? 1770 : 3800; }

bool isStandardVatAccount(int number, int chart) {
    return number == standardInputVatAccount(chart) || number == standardOutputVatAccount(chart);
}

// As the journal tells the EU pair when it derives VAT: chart 04 only for the value 4.
int euInputVatAccount(int chart) { return chart == 4 ? 1409 : 1579; }
int euOutputVatAccount(int chart) { return chart == 4 ? 3809 : 1779; }

}  // namespace tellmark::posting
