#include "circles/elster_settings.h"

#include "circles/circle_settings_file.h"
#include "config/file_names.h"
#include "resources/texts_circles.h"
#include "resources/texts_common.h"

namespace tellmark::circles {

namespace {

bool openSettings(CIniBK& ini, const std::string& dataDirectory, int number, ui::Messages& messages) {
    ini.setPath(config::settingsFileName(dataDirectory, number));
    if (ini.open() != 1) {
        messages.show(text::kMsgCircleOpenFailed, text::kCaptionError, ui::kIconStop);
        return false;
    }
    if (ini.readAll() != 1) {
        ini.close();
        messages.show(text::kMsgCircleReadFailed, text::kCaptionError, ui::kIconStop);
        return false;
    }
    return true;
}

std::string_view cut(const std::string& s, std::size_t n) { return std::string_view(s).substr(0, n); }

}  // namespace

int loadElsterData(const std::string& dataDirectory, int number, ElsterData& data, ui::Messages& messages) {
    CIniBK ini(messages);
    if (!openSettings(ini, dataDirectory, number, messages)) return 0;
    ini.readSettings();
    ini.close();
    data = ini.settings().elster;
    return 1;
}

int saveElsterData(const std::string& dataDirectory, int number, const ElsterData& data,
                   ui::Messages& messages) {
    CIniBK ini(messages);
    if (!openSettings(ini, dataDirectory, number, messages)) return 0;
    const auto section = text::kCircleSection;
    ini.set(section, text::kKeyElsterTaxNumber, cut(data.taxNumber, ElsterData::kTaxNumberLength));
    ini.set(section, text::kKeyElsterTaxOffice, cut(data.taxOffice, ElsterData::kTaxOfficeLength));
    ini.set(section, text::kKeyElsterName, cut(data.name, ElsterData::kNameLength));
    ini.set(section, text::kKeyElsterStreet, cut(data.street, ElsterData::kStreetLength));
    ini.set(section, text::kKeyElsterPostcode, cut(data.postcode, ElsterData::kPostcodeLength));
    ini.set(section, text::kKeyElsterTown, cut(data.town, ElsterData::kTownLength));
    ini.set(section, text::kKeyElsterPhone, cut(data.phone, ElsterData::kPhoneLength));
    ini.set(section, text::kKeyElsterEmail, cut(data.email, ElsterData::kEmailLength));
    const int saved = ini.save();
    ini.close();
    return saved == 1 ? 1 : 0;
}

}  // namespace tellmark::circles
