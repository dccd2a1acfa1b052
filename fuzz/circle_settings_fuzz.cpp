// The settings file of a booking circle ("STAMMnnn.DAT") from any file: the input is the file. The record
// keeps its field widths and a business year that runs through real months; handing out a document
// number changes nothing but the counter; writing the defaults keeps every Elster and DATEV value.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/circle_settings.h"
#include "circles/circle_settings_file.h"
#include "fuzz_support.h"
#include "resources/format.h"
#include "resources/texts_circles.h"
#include "ui/messages.h"

namespace tellmark::fuzzing::circle_settings {
namespace {

using circles::CircleSettings;
using circles::CIniBK;

constexpr std::array<std::string_view, 18> kKeptKeys = {
    text::kKeyElsterTaxNumber, text::kKeyElsterTaxOffice, text::kKeyElsterName,   text::kKeyElsterStreet,
    text::kKeyElsterPostcode,  text::kKeyElsterTown,      text::kKeyElsterPhone,  text::kKeyElsterEmail,
    text::kKeyDatevAdviser,    text::kKeyDatevClient,     text::kKeyDatevDfv,     text::kKeyDatevPassword,
    text::kKeyDatevCarrier,    text::kKeyDatevAccountingNumber, text::kKeyDatevFrom, text::kKeyDatevTo,
    text::kKeyDatevCurrency,   text::kKeyDatevExportPath,
};

using KeptValues = std::array<std::optional<std::string>, kKeptKeys.size()>;

KeptValues keptValues(const CIniBK& bk) {
    KeptValues values;
    for (std::size_t i = 0; i < kKeptKeys.size(); ++i) {
        std::string value;
        if (bk.get(text::kCircleSection, kKeptKeys[i], value) == 1) values[i] = value;
    }
    return values;
}

void checkRecord(const CircleSettings& s) {
    FUZZ_CHECK(s.name.size() <= circles::kCircleNameLength);
    FUZZ_CHECK(s.currency1.size() <= circles::kCurrencyLength && s.currency2.size() <= circles::kCurrencyLength);
    FUZZ_CHECK(s.nextDocumentNumber.size() <= circles::kDocumentNumberLength);
    FUZZ_CHECK(s.automaticNumbering == 0 || s.automaticNumbering == 1);
    FUZZ_CHECK(s.spanYear == 0 || s.spanYear == 1);
    FUZZ_CHECK(s.firstMonth >= 1 && s.firstMonth <= 12);
    FUZZ_CHECK(s.lastMonth == (s.firstMonth == 1 ? 12 : s.firstMonth - 1));
    FUZZ_CHECK(s.spanYear == 1 || s.firstMonth == 1);
    FUZZ_CHECK(s.firstYearText.size() == 2 && s.secondYearText.size() == 2);
    FUZZ_CHECK(s.elster.taxNumber.size() <= circles::ElsterData::kTaxNumberLength);
    FUZZ_CHECK(s.elster.email.size() <= circles::ElsterData::kEmailLength);
    FUZZ_CHECK(s.datev.password.size() <= circles::DatevData::kPasswordLength);
    FUZZ_CHECK(s.datev.exportPath.size() <= circles::kPathLength);
}

// Everything but the counter.
bool sameButCounter(const CircleSettings& a, const CircleSettings& b) {
    return a.name == b.name && a.password == b.password && a.chart == b.chart && a.year == b.year &&
           a.firstMonth == b.firstMonth && a.vatOn == b.vatOn && a.cashBasis == b.cashBasis &&
           a.currency1 == b.currency1 && a.currencyFactor == b.currencyFactor &&
           a.elster.taxNumber == b.elster.taxNumber && a.elster.email == b.elster.email &&
           a.datev.adviserNumber == b.datev.adviserNumber && a.datev.exportPath == b.datev.exportPath;
}

void run(std::string_view input) {
    const std::string path = scratchDir("circle_settings") + "/STAMM001.DAT";
    writeBytes(path, input);
    ui::RecordingMessages messages;

    KeptValues kept;
    {
        CIniBK bk(messages);
        bk.setPath(path);
        FUZZ_CHECK(bk.open() == 1);
        FUZZ_CHECK(bk.readSettings() == 1);
        checkRecord(bk.settings());
        kept = keptValues(bk);
        bk.close();

        // A document number is handed out only with its counter stored behind it.
        const CircleSettings before = bk.settings();
        std::string field = "      ";
        const int taken = bk.takeDocumentNumber(field);
        FUZZ_CHECK(taken == before.automaticNumbering);
        if (taken == 1) {
            const double current = circles::documentNumberValue(before.nextDocumentNumber);
            FUZZ_CHECK(field == format(text::kFormatDocumentNumber, current));
            const std::string next =
                format(text::kFormatDocumentNumber, circles::followingDocumentNumber(current)).substr(0, 6);
            FUZZ_CHECK(bk.settings().nextDocumentNumber == next);
            FUZZ_CHECK(bk.settings().automaticNumbering == 1);
            if (onlyCrLfLineEnds(input) && sectionOnOwnLines(input, text::kCircleSection))
                FUZZ_CHECK(sameButCounter(before, bk.settings()));
            FUZZ_CHECK(!bk.isOpen());
        } else {
            FUZZ_CHECK(field == "      ");
            FUZZ_CHECK(readBytes(path) == input);
        }
    }

    // New defaults: the first keys rewritten, the Elster and DATEV values kept as they were.
    const bool properLines = onlyCrLfLineEnds(input) && sectionOnOwnLines(input, text::kCircleSection);
    {
        CIniBK bk(messages);
        bk.setPath(path);
        FUZZ_CHECK(bk.createDefaults() == 1);
        FUZZ_CHECK(bk.open() == 1);
        const KeptValues now = keptValues(bk);
        for (std::size_t i = 0; i < kKeptKeys.size(); ++i) {
            FUZZ_CHECK(now[i].has_value());
            if (kept[i] && properLines) FUZZ_CHECK(now[i] == kept[i]);
        }
        FUZZ_CHECK(bk.readSettings() == 1);
        checkRecord(bk.settings());
        if (properLines) {
            FUZZ_CHECK(bk.settings().name == text::kDefaultCircleName);
            FUZZ_CHECK(bk.settings().year == 2006 && bk.settings().automaticNumbering == 0);
        }
    }
    FUZZ_CHECK(messages.empty());
}

}  // namespace
}  // namespace tellmark::fuzzing::circle_settings

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tellmark::fuzzing::circle_settings::run(tellmark::fuzzing::asText(data, size));
    return 0;
}
