#include "exports/datev_settings.h"

#include <cctype>
#include <string>

#include "config/dates.h"
#include "config/text_helpers.h"
#include "posting/date_check.h"
#include "resources/texts_circles.h"
#include "resources/texts_common.h"
#include "resources/texts_exports_datev.h"

namespace tellmark::exports {

namespace {

using config::DatevData;

constexpr int kClosingMonth = 13;

bool digitsOnly(std::string_view s) {
    if (s.empty() || s.size() > 2) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// "DD.MM" with one or two digits each; the day must exist in the month's calendar year.
bool parsePeriodDate(std::string_view text, const config::CircleSettings& settings, int& day, int& month) {
    const std::string t = config::trim(text);
    const std::size_t dot = t.find('.');
    if (dot == std::string::npos) return false;
    const std::string_view d = std::string_view(t).substr(0, dot), m = std::string_view(t).substr(dot + 1);
    if (!digitsOnly(d) || !digitsOnly(m)) return false;
    day = std::stoi(std::string(d));
    month = std::stoi(std::string(m));
    if (month < 1 || month > kClosingMonth || day < 1) return false;
    const int lastDay =
        month == kClosingMonth ? 31 : config::lastDayOfMonth(month, posting::calendarYearOfMonth(month, settings));
    return day <= lastDay;
}

std::string_view cut(const std::string& s, std::size_t n) { return std::string_view(s).substr(0, n); }

}  // namespace

DatevCheck checkDatevSettings(const DatevData& d) {
    if (d.adviserNumber.empty()) return {DatevField::Adviser, text::kMsgDatevAdviserMissing};
    if (d.clientNumber.empty()) return {DatevField::Client, text::kMsgDatevClientMissing};
    if (config::isBlank(d.dfv)) return {DatevField::Dfv, text::kMsgDatevDfvMissing};
    if (d.carrierNumber.empty()) return {DatevField::Carrier, text::kMsgDatevCarrierMissing};
    if (d.accountingNumber.empty()) return {DatevField::Accounting, text::kMsgDatevAccountingMissing};
    if (d.from.empty()) return {DatevField::From, text::kMsgDatevFromMissing};
    if (d.currency.size() < 3 || config::isBlank(d.currency)) return {DatevField::Currency, text::kMsgDatevCurrencyWrong};
    for (char c : d.currency)
        if (!std::isalpha(static_cast<unsigned char>(c))) return {DatevField::Currency, text::kMsgDatevCurrencyInvalid};
    if (d.to.empty()) return {DatevField::To, text::kMsgDatevToMissing};
    return {};
}

DatevCheck checkDatevPeriod(const DatevData& d, const config::CircleSettings& settings, DatevPeriod& period) {
    if (!parsePeriodDate(d.from, settings, period.fromDay, period.fromMonth))
        return {DatevField::From, text::kMsgDatevFromInvalid};
    if (!parsePeriodDate(d.to, settings, period.toDay, period.toMonth) ||
        businessDayKey(period.toDay, period.toMonth, settings) <
            businessDayKey(period.fromDay, period.fromMonth, settings))
        return {DatevField::To, text::kMsgDatevToInvalid};
    return {};
}

bool periodOpensBusinessYear(const DatevPeriod& period, const config::CircleSettings& settings) {
    return period.fromDay == 1 && period.fromMonth == settings.firstMonth;
}

int businessDayKey(int day, int month, const config::CircleSettings& settings) {
    const int place = month == kClosingMonth ? kClosingMonth : config::monthToPeriod(month, settings.firstMonth, 0);
    return place * 32 + day;
}

int saveDatevData(circles::CIniBK& ini, const DatevData& d, ui::Messages& messages) {
    if (ini.open() != 1) {
        messages.show(text::kMsgCircleOpenFailed, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    if (ini.readAll() != 1) {
        ini.close();
        messages.show(text::kMsgCircleReadFailed, text::kCaptionError, ui::kIconStop);
        return 0;
    }
    const auto section = text::kCircleSection;
    ini.set(section, text::kKeyDatevAdviser, cut(d.adviserNumber, DatevData::kAdviserLength));
    ini.set(section, text::kKeyDatevClient, cut(d.clientNumber, DatevData::kClientLength));
    ini.set(section, text::kKeyDatevDfv, cut(d.dfv, DatevData::kDfvLength));
    ini.set(section, text::kKeyDatevPassword, cut(d.password, DatevData::kPasswordLength));
    ini.set(section, text::kKeyDatevCarrier, cut(d.carrierNumber, DatevData::kCarrierLength));
    ini.set(section, text::kKeyDatevAccountingNumber, cut(d.accountingNumber, DatevData::kAccountingNumberLength));
    ini.set(section, text::kKeyDatevFrom, cut(d.from, DatevData::kFromLength));
    ini.set(section, text::kKeyDatevTo, cut(d.to, DatevData::kToLength));
    ini.set(section, text::kKeyDatevCurrency, cut(d.currency, DatevData::kCurrencyLength));
    ini.set(section, text::kKeyDatevExportPath, cut(d.exportPath, config::kPathLength));
    const int saved = ini.save();
    ini.readSettings();
    ini.close();
    return saved == 1 ? 1 : 0;
}

bool reportDatevCheck(const DatevCheck& check, ui::Messages& messages) {
    if (check.field == DatevField::None) return true;
    messages.show(check.message, text::kCaptionError, ui::kIconStop);
    return false;
}

}  // namespace tellmark::exports
