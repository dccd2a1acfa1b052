#include "circles/circle_fields.h"

#include "circles/circle_lock.h"
#include "circles/circle_settings_file.h"
#include "config/dates.h"
#include "config/file_names.h"
#include "config/ini_numbers.h"
#include "platform/directory.h"
#include "resources/format.h"
#include "resources/texts_circles.h"
#include "resources/texts_common.h"
#include "resources/texts_document.h"

namespace tellmark::circles {

namespace {

constexpr int kFirstCreatableYear = 1950;
constexpr int kLastCreatableYear = 2050;

std::string cut(std::string_view s, std::size_t n) { return std::string(s.substr(0, n)); }

bool allDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

void showError(ui::Messages& messages, std::string_view text) {
    messages.show(text, text::kCaptionError, ui::kIconStop);
}

// The year as typed: a span ("0809") or a calendar year from 1950 to 2050. -1 when neither.
int yearFromField(std::string_view yearText) {
    if (!allDigits(yearText) || yearText.size() > kYearFieldLength) return -1;
    const int year = config::parseIniInt(yearText);
    if (config::isSpan(yearText) == 1) return year;
    return year >= kFirstCreatableYear && year <= kLastCreatableYear ? year : -1;
}

// A start month outside 1-12 would give a business year without a last month; such a field stores "01".
int monthFromField(std::string_view monthText) {
    const int month = config::parseIniInt(monthText);
    return month >= 1 && month <= kMonthFieldMaximum ? month : 1;
}

double documentNumberFromField(const CircleCreateFields& fields) {
    if (!fields.automaticNumbering) return 0;
    const double n = documentNumberValue(cut(fields.nextDocumentNumber, kDocumentNumberLength));
    return n > 0 ? n : 0;
}

}  // namespace

std::string chartFieldRule(std::string_view text, ui::Messages& messages) {
    if (text == text::kChart3 || text == text::kChart03) return std::string(text::kChart03);
    if (text == text::kChart4 || text == text::kChart04) return std::string(text::kChart04);
    showError(messages, text::kMsgOnlyCharts03Or04);
    return std::string(text::kChart03);
}

std::string currencyFieldRule(std::string_view text) {
    std::string out = cut(text, kCurrencyLength);
    for (char& c : out) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b >= 'a' && b <= 'z') c = static_cast<char>(b - 'a' + 'A');
        else if (b == 0xE4) c = static_cast<char>(0xC4);  // ä
        else if (b == 0xF6) c = static_cast<char>(0xD6);  // ö
        else if (b == 0xFC) c = static_cast<char>(0xDC);  // ü
    }
    return out;
}

std::string nameFieldRule(std::string_view text) { return cut(text, kCircleNameLength); }

bool startMonthEnabled(std::string_view yearText) {
    return yearText.size() == kYearFieldLength && config::isSpan(yearText) == 1;
}

CircleCreateFields fieldsFromSettings(const CircleSettings& s) {
    CircleCreateFields f;
    f.year = format(text::kFormatAdminYear, s.year);
    f.firstMonth = format(text::kFormatAdminMonth, s.firstMonthSetting);
    f.name = s.name;
    f.chart = format(text::kFormatAdminChart, s.chart);
    f.cashBasis = s.cashBasis != 0;
    f.vat = s.vatOn != 0;
    f.currency = s.currency1;
    const double next = documentNumberValue(s.nextDocumentNumber);
    f.automaticNumbering = next > 0;
    f.nextDocumentNumber = format(text::kFormatAdminNextNumber, static_cast<int>(next));
    return f;
}

int loadCircleFields(const std::string& dataDirectory, int number, CircleCreateFields& fields,
                     ui::Messages& messages) {
    CIniBK ini(messages);
    ini.setPath(config::settingsFileName(dataDirectory, number));
    if (ini.open() != 1) {
        showError(messages, text::kMsgCircleOpenFailed);
        return 0;
    }
    if (ini.readAll() != 1) {
        ini.close();
        showError(messages, text::kMsgCircleReadFailed);
        return 0;
    }
    ini.readSettings();
    ini.close();
    fields = fieldsFromSettings(ini.settings());
    return 1;
}

int createCircleSettings(const std::string& dataDirectory, int number, const CircleCreateFields& fields,
                         ui::Messages& messages) {
    const int year = yearFromField(fields.year);
    if (year < 0) {
        showError(messages, text::kMsgInvalidBookingYear);
        return 0;
    }
    if (platform::createDirectory(config::circleDirectoryName(dataDirectory, number), messages) != 1) return 0;

    CIniBK ini(messages);
    ini.setPath(config::settingsFileName(dataDirectory, number));
    if (ini.createDefaults() != 1) {
        showError(messages, text::kMsgCircleDefaultsFailed);
        return 0;
    }
    if (ini.open() != 1) {
        showError(messages, text::kMsgCircleOpenFailed);
        return 0;
    }
    const auto section = text::kCircleSection;
    ini.set(section, text::kKeyYear, format(text::kFormatYearValue, year));
    ini.set(section, text::kKeyFirstMonth, format(text::kFormatMonthValue, monthFromField(fields.firstMonth)));
    ini.set(section, text::kKeyCircleName, nameFieldRule(fields.name));
    ini.set(section, text::kKeyChart, fields.chart == text::kChart04 ? text::kChart04 : text::kChart03);
    ini.set(section, text::kKeyCashBasis, fields.cashBasis ? text::kFlagYes : text::kFlagNo);
    ini.set(section, text::kKeyVat, fields.vat ? text::kFlagYes : text::kFlagNo);
    ini.set(section, text::kKeyCurrency1, cut(fields.currency, kCurrencyLength));
    const double next = documentNumberFromField(fields);
    ini.set(section, text::kKeyAutoDocument,
            next > 0 ? format(text::kFormatDocumentNumber, next) : std::string(text::kDocumentNumberOff));
    const int saved = ini.save();
    ini.close();
    return saved == 1 ? 1 : 0;
}

int changeCircleSettings(const std::string& dataDirectory, int number, const CircleCreateFields& fields,
                         ui::Messages& messages) {
    CIniBK current(messages);
    current.setPath(config::settingsFileName(dataDirectory, number));
    if (current.open() != 1) {
        showError(messages, text::kMsgCircleOpenFailed);
        return 0;
    }
    current.readSettings();
    current.close();
    CircleSettings changed = current.settings();
    changed.chart = fields.chart == text::kChart04 ? 4 : 3;
    changed.year = config::parseIniInt(fields.year);
    CircleLock lock;
    int held = lock.acquire(dataDirectory, number, current.settings());
    if (held == 1) held = lock.add(dataDirectory, number, changed);
    if (held != 1) {
        showError(messages, held == platform::kProbeLocked ? text::kMsgCircleLocked : text::kMsgCircleUnknownError);
        return 0;
    }
    return createCircleSettings(dataDirectory, number, fields, messages);
}

}  // namespace tellmark::circles
