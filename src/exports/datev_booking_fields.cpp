#include "exports/datev_booking_fields.h"

#include <cmath>
#include <cstdlib>

#include "config/dates.h"
#include "config/text_helpers.h"
#include "posting/posting_types.h"
#include "resources/format.h"

namespace tellmark::exports {

namespace {

constexpr int kClosingMonth = 13;

bool rateIs(double rate, double value) { return std::fabs(rate - value) <= 0.005; }

struct KeyPair {
    std::string_view first;
    std::string_view second;
};

KeyPair keysFor(double rate, int calendarYear) {
    const bool since2007 = calendarYear >= 2007;
    if (rateIs(rate, 19)) return since2007 ? KeyPair{"09", "03"} : KeyPair{};
    if (rateIs(rate, 16)) return since2007 ? KeyPair{"07", "05"} : KeyPair{"09", "03"};
    if (rateIs(rate, 7)) return KeyPair{"08", "02"};
    return {};
}

}  // namespace

long long datevCents(double amount) { return std::llround(amount * 100.0); }

std::string datevAmountText(long long cents) { return std::to_string(cents); }

std::string datevDocumentText(std::string_view document) {
    return config::replaceOutsideExportCharacters(config::trim(document));
}

std::string datevBookingText(std::string_view text) {
    std::string out = config::trim(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '.';
    return out;
}

DatevDay datevDay(int day, int month, const config::CircleSettings& settings) {
    if (month != kClosingMonth) return {day, month};
    const int lastYear = settings.spanYear ? settings.secondYear4 : settings.firstYear4;
    return {config::lastDayOfMonth(settings.lastMonth, lastYear), settings.lastMonth};
}

std::string datevDateText(int day, int month, const config::CircleSettings& settings) {
    const DatevDay d = datevDay(day, month, settings);
    return format("%d%02d", d.day, d.month);
}

std::string_view datevVatKey(int postingType, double rate, int calendarYear) {
    const KeyPair keys = keysFor(rate, calendarYear);
    switch (postingType) {
    case posting::kPostingInputVatOnCredit:
    case posting::kPostingInputVatOnDebit: return keys.first;
    case posting::kPostingOutputVatOnCredit:
    case posting::kPostingOutputVatOnDebit: return keys.second;
    default: return {};
    }
}

}  // namespace tellmark::exports
