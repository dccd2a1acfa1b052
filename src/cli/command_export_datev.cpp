// export datev: the options are the fields of the dialog "Datev-Export" (stored in the settings when
// the export runs, as the dialog stores them) and the pairs of the account mapping. With nobody to ask,
// a period that begins with the business year needs --opening-bookings to say whether the opening
// balances go out as opening bookings; without it the command stops before anything is written.

#include "cli/command_export_datev.h"

#include <cstdio>

#include "cli/arguments.h"
#include "cli/open_circle.h"
#include "config/document_paths.h"
#include "exports/datev_export.h"
#include "exports/datev_mapping.h"
#include "exports/datev_settings.h"
#include "platform/codepage.h"
#include "resources/texts_exports_datev.h"

namespace tellmark::cli {

namespace {

struct SettingOption {
    const char* name;
    std::string config::DatevData::*field;
};

const SettingOption kSettingOptions[] = {
    {"--adviser", &config::DatevData::adviserNumber}, {"--client", &config::DatevData::clientNumber},
    {"--dfv", &config::DatevData::dfv},               {"--password", &config::DatevData::password},
    {"--carrier", &config::DatevData::carrierNumber}, {"--accounting", &config::DatevData::accountingNumber},
    {"--from", &config::DatevData::from},             {"--to", &config::DatevData::to},
    {"--currency", &config::DatevData::currency},     {"--path", &config::DatevData::exportPath},
};

std::vector<OptionSpec> optionSpecs() {
    std::vector<OptionSpec> specs = {{"-k", true}, {"--map", true}, {"--opening-bookings", true}, {"--out", true}};
    for (const SettingOption& o : kSettingOptions) specs.push_back({o.name, true});
    return specs;
}

// "--map OWN=DATEV": an account 1-29999 and a DATEV number of one to nine digits, not 0.
std::vector<exports::DatevMapping::Pair> mapOptions(const Arguments& args) {
    std::vector<exports::DatevMapping::Pair> pairs;
    for (const std::string& value : args.all("--map")) {
        const std::size_t eq = value.find('=');
        const auto own = eq == std::string::npos ? std::nullopt : parseInt(value.substr(0, eq));
        const auto datev = eq == std::string::npos || value.size() - eq - 1 > 9 ? std::nullopt
                                                                                : parseInt(value.substr(eq + 1));
        if (!own || !datev || *own < 1 || *own > 29999 || *datev < 1)
            throw UsageError("--map takes ACCOUNT=DATEV, an account 1 to 29999 and a DATEV number of 1 to 9 digits");
        pairs.emplace_back(*own, *datev);
    }
    return pairs;
}

}  // namespace

int runExportDatev(Context& ctx, const Words& words) {
    Arguments args(words, optionSpecs());
    args.expectPositionals(0, 0);
    const std::string opening = args.valueOr("--opening-bookings", "");
    if (!opening.empty() && opening != "yes" && opening != "no")
        throw UsageError("--opening-bookings takes yes or no");
    const std::vector<exports::DatevMapping::Pair> changes = mapOptions(args);

    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    circles::CVt36Doc& doc = circle.doc;

    exports::DatevExportRequest request;
    request.data = doc.settings().datev;
    for (const SettingOption& o : kSettingOptions) {
        const auto v = args.value(o.name);
        if (!v) continue;
        std::optional<std::string> converted = fromTerminalChecked(*v, ctx.messages);
        if (!converted) return 1;
        request.data.*o.field = std::move(*converted);
    }
    if (!exports::reportDatevCheck(exports::checkDatevSettings(request.data), ctx.messages) ||
        !exports::reportDatevCheck(exports::checkDatevPeriod(request.data, doc.settings(), request.period),
                                   ctx.messages))
        return 1;

    const std::string mappingPath = doc.paths()[config::DocumentPaths::kSlotDatevMapping];
    exports::DatevMapping mapping;
    if (!exports::loadDatevMapping(mappingPath, mapping, ctx.messages)) return 1;

    if (exports::periodOpensBusinessYear(request.period, doc.settings())) {
        if (opening.empty()) {
            std::fputs("tellmark-cli: the period begins with the business year: pass --opening-bookings yes to "
                       "export the opening balances as opening bookings, or --opening-bookings no\n",
                       stderr);
            return 1;
        }
        request.openingBookings = opening == "yes";
    }

    // The settings are stored before the export, as the dialog stores them, and survive a failed export.
    if (exports::saveDatevData(doc.settingsFile(), request.data, ctx.messages) != 1) return 1;
    if (!changes.empty()) {
        mapping = exports::mergedDatevMapping(mapping, changes);
        if (!exports::writeDatevMapping(mappingPath, mapping, ctx.messages)) return 1;
    }

    const std::string directory =
        args.valueOr("--out", exports::datevExportDirectory(request.data, doc.dataDirectory(), doc.number()));
    reports::JournalReportBooks books{doc.journal(),  doc.journalIndex(), doc.reportCursor(), doc.accountIndex(),
                                      doc.settings(), ctx.messages,       circle.progress};
    const exports::DatevExportResult result =
        exports::exportDatev(books, request, mapping, directory, exports::datevTimestampNow());
    printRaw(platform::cp1252ToUtf8(result.errorList));
    if (!result.done) return 1;
    for (const std::string& file : result.files) printRaw(file + "\n");
    printLine(text::kMsgDatevDone);
    printLine(text::kMsgDatevDoneAdvice);
    return 0;
}

}  // namespace tellmark::cli
