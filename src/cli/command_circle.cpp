// circle create, circle change, circle list, circle show.

#include <optional>
#include <string>

#include "circles/chart_template.h"
#include "circles/circle_fields.h"
#include "circles/circle_list.h"
#include "circles/circle_settings_file.h"
#include "circles/circle_title.h"
#include "circles/document.h"
#include "cli/arguments.h"
#include "cli/circle_access.h"
#include "cli/commands.h"
#include "config/file_names.h"
#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_circles.h"
#include "resources/texts_common.h"
#include "resources/texts_document.h"

namespace tellmark::cli {

namespace {

bool yesNoOption(const Arguments& args, const std::string& name, bool fallback) {
    auto v = args.value(name);
    if (!v) return fallback;
    if (*v == "J" || *v == "j") return true;
    if (*v == "N" || *v == "n") return false;
    throw UsageError("option " + name + " takes J or N");
}

bool allDigits(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// The options that set a field of the administration dialog, with the dialog's checks. False after a
// refusal (its message went to stderr); fields not named keep their value.
bool applyFieldOptions(Context& ctx, const Arguments& args, circles::CircleCreateFields& fields) {
    if (auto name = args.value("--name")) fields.name = circles::nameFieldRule(fromTerminal(*name));
    if (auto year = args.value("--year")) {
        if (!allDigits(*year) || year->size() > circles::kYearFieldLength)
            throw UsageError("--year takes four digits, e.g. 2009 or 0809");
        fields.year = *year;
    }
    if (auto m = args.intValue("--first-month")) {
        if (*m < 1 || *m > 12) throw UsageError("--first-month takes 1 to 12");
        fields.firstMonth = format("%02i", *m);
    }
    if (auto chart = args.value("--chart")) {
        fields.chart = circles::chartFieldRule(*chart, ctx.messages);
        if (fields.chart != *chart && !(*chart == "3" || *chart == "4")) return false;
    }
    fields.vat = yesNoOption(args, "--vat", fields.vat);
    fields.cashBasis = yesNoOption(args, "--cash-basis", fields.cashBasis);
    if (auto currency = args.value("--currency")) fields.currency = circles::currencyFieldRule(fromTerminal(*currency));
    if (auto doc = args.value("--auto-doc")) {
        if (!allDigits(*doc) || doc->size() > config::kDocumentNumberLength)
            throw UsageError("--auto-doc takes a number of up to six digits");
        fields.automaticNumbering = true;
        fields.nextDocumentNumber = *doc;
    }
    return true;
}

int circleCreate(Context& ctx, const Arguments& args) {
    args.expectPositionals(2, 2);
    int number = requireCircleNumber(ctx, args.positional(1, "booking circle number"));
    if (number < 1) return 1;

    circles::CircleCreateFields fields;
    args.required("--name");
    args.required("--year");
    if (!applyFieldOptions(ctx, args, fields)) return 1;

    CircleAccess access(ctx);
    if (!access.readProgramConfig()) return 1;
    // An existing circle is changed only by "circle change", which first makes sure no other copy has
    // it open; creating it again would rewrite its year and numbering under that copy.
    if (platform::probeFile(config::settingsFileName(access.dataDirectory(), number)) != platform::kProbeMissing) {
        ctx.messages.show(format(text::kMsgCircleExists, number, number), text::kCaptionError, ui::kIconStop);
        return 1;
    }
    std::optional<int> chartFrom;
    std::optional<circles::ChartTemplate> chartTemplate;
    if (auto from = args.value("--chart-from")) {
        if (int templateChart = circles::chartOfTemplateName(*from)) {
            // A shipped template must fit the chart of the new circle and be sound before anything is created.
            const int circleChart = fields.chart == text::kChart04 ? 4 : 3;
            if (templateChart != circleChart) {
                ctx.messages.show(text::kMsgTakeOverOtherChart, text::kCaptionInformation, ui::kIconInformation);
                return 1;
            }
            const std::string path =
                circles::chartTemplatePath(templateChart, circles::chartTemplateSearchDirectories(""));
            chartTemplate.emplace();
            if (circles::readChartTemplate(path, templateChart, *chartTemplate, ctx.messages) != 1) return 1;
        } else {
            chartFrom = parseInt(*from);
            if (!chartFrom) throw UsageError("--chart-from takes the number of another booking circle, skr03 or skr04");
        }
    }
    if (circles::createCircleSettings(access.dataDirectory(), number, fields, ctx.messages) != 1) return 1;

    // The ledger files of the booking year: empty, with the chart of another circle or with a template.
    ui::NoProgress progress;
    circles::CVt36Doc doc(ctx.messages, progress);
    if (doc.readProgramConfig() != 1) return 1;
    int opened = chartFrom ? doc.openCircle(number, circles::MissingLedger::TakeOver, *chartFrom)
                           : doc.openCircle(number, circles::MissingLedger::CreateNew);
    if (opened != 1) return 1;
    if (chartTemplate &&
        circles::appendTemplateAccounts(*chartTemplate, doc.reportCursor(), doc.accountIndex(), ctx.messages) != 1)
        return 1;
    return 0;
}

int circleChange(Context& ctx, const Arguments& args) {
    args.expectPositionals(1, 1);
    if (args.value("--chart-from")) throw UsageError("--chart-from is an option of circle create");
    int number = requireCircleNumber(ctx, args.required("-k"));
    if (number < 1) return 1;
    CircleAccess access(ctx);
    if (!access.readProgramConfig()) return 1;
    circles::CIniBK current(ctx.messages);
    if (!access.readCircleSettings(number, current)) return 1;
    // A chart the program does not know is refused unless this change puts it right.
    if (!args.value("--chart") && current.verifyChart() != 1) return 1;

    circles::CircleCreateFields fields = circles::fieldsFromSettings(current.settings());
    if (!applyFieldOptions(ctx, args, fields)) return 1;

    return circles::changeCircleSettings(access.dataDirectory(), number, fields, ctx.messages) == 1 ? 0 : 1;
}

int circleList(Context& ctx, const Arguments& args) {
    args.expectPositionals(1, 1);
    CircleAccess access(ctx);
    if (!access.readProgramConfig()) return 1;
    for (const auto& entry : circles::listCircles(access.dataDirectory(), config::kMaxCircles, ctx.messages))
        printLine(circles::overviewLine(entry));
    return 0;
}

int circleShow(Context& ctx, const Arguments& args) {
    args.expectPositionals(1, 1);
    int number = requireCircleNumber(ctx, args.required("-k"));
    if (number < 1) return 1;
    CircleAccess access(ctx);
    if (!access.readProgramConfig()) return 1;
    circles::CIniBK settingsFile(ctx.messages);
    if (!access.readCircleSettings(number, settingsFile)) return 1;
    printLine(circles::circleTitle(number, settingsFile.settings()));
    // The settings as stored, one "key=value" per line; the password stays hidden.
    const std::string& text = settingsFile.text();
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 2;
        if (line.empty() || line[0] == ';' || line[0] == '[' || line.rfind("BK-Passwort=", 0) == 0) continue;
        printLine(line);
    }
    return 0;
}

}  // namespace

int runCircle(Context& ctx, const Words& words) {
    Arguments args(words, {{"--name", true}, {"--year", true}, {"--first-month", true}, {"--chart", true},
                           {"--vat", true}, {"--cash-basis", true}, {"--currency", true}, {"--auto-doc", true},
                           {"--chart-from", true}, {"-k", true}});
    const std::string& action = args.positional(0, "circle action (create, change, list or show)");
    if (action == "create") return circleCreate(ctx, args);
    if (action == "change") return circleChange(ctx, args);
    if (action == "list") return circleList(ctx, args);
    if (action == "show") return circleShow(ctx, args);
    throw UsageError("circle action must be create, change, list or show");
}

}  // namespace tellmark::cli
