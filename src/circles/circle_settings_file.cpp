#include "circles/circle_settings_file.h"

#include <array>
#include <string_view>

#include "config/dates.h"
#include "config/ini_numbers.h"
#include "resources/format.h"
#include "resources/texts_circles.h"
#include "resources/texts_common.h"

namespace tellmark::circles {

namespace {

struct KeyDefault {
    std::string_view key;
    std::string_view value;
};

// Rewritten by create defaults every time, in this order.
constexpr std::array<KeyDefault, 12> kRewrittenKeys{{
    {text::kKeyCircleVersion, text::kDefaultCircleVersion},
    {text::kKeyCircleName, text::kDefaultCircleName},
    {text::kKeyCirclePassword, ""},
    {text::kKeyChart, text::kDefaultChart},
    {text::kKeyYear, text::kDefaultYear},
    {text::kKeyFirstMonth, text::kDefaultFirstMonth},
    {text::kKeyVat, text::kFlagYes},
    {text::kKeyCashBasis, text::kFlagYes},
    {text::kKeyCurrency1, text::kDefaultCurrency},
    {text::kKeyCurrency2, ""},
    {text::kKeyCurrencyFactor, ""},
    {text::kKeyAutoDocument, text::kDocumentNumberOff},
}};

// Added empty only where missing: the Elster and DATEV data outlive every re-save of the settings.
constexpr std::array<std::string_view, 18> kKeptKeys{{
    text::kKeyElsterTaxNumber, text::kKeyElsterTaxOffice, text::kKeyElsterName, text::kKeyElsterStreet,
    text::kKeyElsterPostcode, text::kKeyElsterTown, text::kKeyElsterPhone, text::kKeyElsterEmail,
    text::kKeyDatevAdviser, text::kKeyDatevClient, text::kKeyDatevDfv, text::kKeyDatevPassword,
    text::kKeyDatevCarrier, text::kKeyDatevAccountingNumber, text::kKeyDatevFrom, text::kKeyDatevTo,
    text::kKeyDatevCurrency, text::kKeyDatevExportPath,
}};

constexpr double kLastDocumentNumber = 999999;

std::string cut(std::string s, std::size_t n) {
    if (s.size() > n) s.resize(n);
    return s;
}

int decimalValue(const std::string& s) { return config::parseIniInt(s); }

int flagValue(const std::string& s) { return !s.empty() && (s[0] == 'J' || s[0] == 'j') ? 1 : 0; }

bool isBlank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

std::string trimmed(const std::string& s) {
    const std::size_t begin = s.find_first_not_of(' ');
    if (begin == std::string::npos) return {};
    return s.substr(begin, s.find_last_not_of(' ') - begin + 1);
}

bool isChartText(const std::string& t) {
    return t.empty() || t == text::kChart3 || t == text::kChart03 || t == text::kChart4 || t == text::kChart04;
}

}  // namespace

double documentNumberValue(const std::string& text) { return config::parseIniDecimal(text); }

double followingDocumentNumber(double n) { return n + 1 > kLastDocumentNumber ? 1 : n + 1; }

CIniBK::CIniBK(ui::Messages& messages) : CIniDatei(messages) {}

int CIniBK::createDefaults() {
    const int opened = open();
    if (opened != 1) return opened;
    for (const auto& kd : kRewrittenKeys) set(text::kCircleSection, kd.key, kd.value);
    std::string value;
    for (auto key : kKeptKeys) {
        if (!get(text::kCircleSection, key, value)) set(text::kCircleSection, key, "");
    }
    const int saved = save();
    close();
    return saved;
}

int CIniBK::readSettings() {
    CircleSettings s;
    std::string v;
    auto read = [&](std::string_view key) -> const std::string& {
        get(text::kCircleSection, key, v);
        return v;
    };
    s.name = cut(read(text::kKeyCircleName), kCircleNameLength);
    s.password = read(text::kKeyCirclePassword);
    chartText_ = trimmed(read(text::kKeyChart));
    chartValid_ = isChartText(chartText_);
    s.chart = decimalValue(chartText_);
    s.year = decimalValue(read(text::kKeyYear));
    s.firstMonthSetting = decimalValue(read(text::kKeyFirstMonth));
    s.vatOn = flagValue(read(text::kKeyVat));
    s.cashBasis = flagValue(read(text::kKeyCashBasis));
    s.currency1 = cut(read(text::kKeyCurrency1), kCurrencyLength);
    s.currency2 = cut(read(text::kKeyCurrency2), kCurrencyLength);
    s.currencyFactor = read(text::kKeyCurrencyFactor);
    s.nextDocumentNumber = cut(read(text::kKeyAutoDocument), kDocumentNumberLength);
    s.automaticNumbering = documentNumberValue(s.nextDocumentNumber) >= 1 ? 1 : 0;

    s.spanYear = config::splitYear(s.year, s.firstYearText, s.secondYearText, false) == 1 ? 1 : 0;
    if (s.spanYear) {
        // A span year needs a real start month; without one the business year runs January to December,
        // never to a month 0.
        const int m = s.firstMonthSetting;
        s.firstMonth = m >= 1 && m <= 12 ? m : 1;
        s.lastMonth = s.firstMonth == 1 ? 12 : s.firstMonth - 1;
    } else {
        s.firstMonth = 1;
        s.lastMonth = 12;
    }
    s.firstYear2 = decimalValue(s.firstYearText);
    s.secondYear2 = decimalValue(s.secondYearText);
    // The four-digit years are the ones the user typed: a calendar year as stored (2050 stays 2050), a
    // span by the pivot on its first half with the second half following it (4950: 2049 and 2050). Only
    // a stored two-digit year goes through the pivot alone.
    std::string first4, second4;
    config::splitYear(s.year, first4, second4, true);
    s.firstYear4 = decimalValue(first4);
    s.secondYear4 = decimalValue(second4);
    if (s.firstYear4 >= 0 && s.firstYear4 < 100) {
        config::normaliseYear(s.firstYear4, true);
        config::normaliseYear(s.secondYear4, true);
    }

    ElsterData& e = s.elster;
    e.taxNumber = cut(read(text::kKeyElsterTaxNumber), ElsterData::kTaxNumberLength);
    e.taxOffice = cut(read(text::kKeyElsterTaxOffice), ElsterData::kTaxOfficeLength);
    e.name = cut(read(text::kKeyElsterName), ElsterData::kNameLength);
    e.street = cut(read(text::kKeyElsterStreet), ElsterData::kStreetLength);
    e.postcode = cut(read(text::kKeyElsterPostcode), ElsterData::kPostcodeLength);
    e.town = cut(read(text::kKeyElsterTown), ElsterData::kTownLength);
    e.phone = cut(read(text::kKeyElsterPhone), ElsterData::kPhoneLength);
    e.email = cut(read(text::kKeyElsterEmail), ElsterData::kEmailLength);

    DatevData& d = s.datev;
    d.adviserNumber = cut(read(text::kKeyDatevAdviser), DatevData::kAdviserLength);
    d.clientNumber = cut(read(text::kKeyDatevClient), DatevData::kClientLength);
    d.dfv = cut(read(text::kKeyDatevDfv), DatevData::kDfvLength);
    d.password = cut(read(text::kKeyDatevPassword), DatevData::kPasswordLength);
    d.carrierNumber = cut(read(text::kKeyDatevCarrier), DatevData::kCarrierLength);
    d.accountingNumber = cut(read(text::kKeyDatevAccountingNumber), DatevData::kAccountingNumberLength);
    d.from = cut(read(text::kKeyDatevFrom), DatevData::kFromLength);
    d.to = cut(read(text::kKeyDatevTo), DatevData::kToLength);
    d.currency = cut(read(text::kKeyDatevCurrency), DatevData::kCurrencyLength);
    d.exportPath = cut(read(text::kKeyDatevExportPath), kPathLength);

    settings_ = std::move(s);
    return 1;
}

int CIniBK::verifyChart() const {
    if (chartValid_) return 1;
    messages_.show(format(text::kMsgInvalidChartInFile, chartText_.c_str(), path().c_str()), text::kCaptionError,
                   ui::kIconStop);
    return 0;
}

bool CIniBK::beginCounterChange(bool& openedHere) {
    openedHere = !isOpen();
    if (openedHere && open() != 1) return false;
    readSettings();
    if (settings_.automaticNumbering) return true;
    if (openedHere) close();
    return false;
}

int CIniBK::storeCounter(double nextNumber, bool openedHere) {
    set(text::kCircleSection, text::kKeyAutoDocument, format(text::kFormatDocumentNumber, nextNumber));
    const int saved = save();
    if (saved != 1) {
        // The counter in memory must stay the one on the disk, or a number would be handed out twice.
        close();
        if (open() == 1) {
            readSettings();
            if (openedHere) close();
        }
        return 0;
    }
    if (openedHere) close();
    readSettings();
    return 1;
}

int CIniBK::advanceDocumentNumber() {
    if (!settings_.automaticNumbering) return 0;
    bool openedHere = false;
    if (!beginCounterChange(openedHere)) return 0;
    return storeCounter(followingDocumentNumber(documentNumberValue(settings_.nextDocumentNumber)), openedHere);
}

int CIniBK::setDocumentNumber(double next) {
    if (!settings_.automaticNumbering) return 0;
    bool openedHere = false;
    if (!beginCounterChange(openedHere)) return 0;
    return storeCounter(next, openedHere);
}

int CIniBK::resetDocumentNumber() {
    if (!settings_.automaticNumbering) return 0;
    bool openedHere = false;
    if (!beginCounterChange(openedHere)) return 0;
    return storeCounter(1, openedHere);
}

int CIniBK::takeDocumentNumber(std::string& documentField) {
    if (!isBlank(documentField) || !settings_.automaticNumbering) return 0;
    bool openedHere = false;
    if (!beginCounterChange(openedHere)) return 0;
    const double current = documentNumberValue(settings_.nextDocumentNumber);
    // Hand out the number only once the counter behind it is stored, or it would be given twice.
    if (storeCounter(followingDocumentNumber(current), openedHere) != 1) return 0;
    documentField = format(text::kFormatDocumentNumber, current);
    return 1;
}

}  // namespace tellmark::circles
