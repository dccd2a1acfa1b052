// export: the data exports. "gdpdu" writes the tables for the digital tax audit with their index.xml;
// "companion" starts the companion online program, or hands it the transfer file of a VAT pre-return.

#include <cstdio>

#include "circles/document.h"
#include "cli/arguments.h"
#include "cli/open_circle.h"
#include "cli/command_export_datev.h"
#include "exports/companion_handover.h"
#include "exports/gdpdu_export.h"
#include "platform/codepage.h"
#include "platform/directory.h"
#include "reports/account_selection.h"
#include "reports/page_header.h"
#include "reports/vat_return_report.h"
#include "resources/texts_exports_gdpdu.h"

namespace tellmark::cli {

namespace {

// A text of the dialog as the core keeps it: CP1252, without control characters.
std::optional<std::string> dialogText(Context& ctx, const Arguments& args, const std::string& name) {
    const std::string typed = args.required(name);
    for (unsigned char c : typed)
        if (c < 0x20 || c == 0x7F) throw UsageError(name + " holds a control character");
    return fromTerminalChecked(typed, ctx.messages);
}

int runExportGdpdu(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true}, {"--name", true}, {"--place", true}, {"--cash", true}});
    args.expectPositionals(0, 0);
    const std::optional<std::string> company = dialogText(ctx, args, "--name");
    const std::optional<std::string> place = dialogText(ctx, args, "--place");
    if (!company || !place) return 1;
    exports::GdpduOptions options;
    options.company = *company;
    options.place = *place;
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    // Cash accounts as the account fields of the dialogs take them: "10" is 1000.
    for (std::string field : args.all("--cash")) {
        if (reports::CheckAccountRangeField(field, ctx.messages) != 1) return 1;
        options.cashAccounts.push_back(std::atoi(field.c_str()));
    }
    std::string directory;
    if (exports::ExportGdpdu(circle.doc, options, directory) != 1) return 1;
    printLine(text::kGdpduDoneTitle);
    printLine(directory);
    return 0;
}

int runExportCompanion(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true}, {"--from-month", true}, {"--to-month", true}, {"--start", false}});
    args.expectPositionals(0, 0);
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    const config::ProgramConfig& config = circle.doc.programConfig();
    const bool handOver = args.has("--from-month") || args.has("--to-month");
    if (!handOver) {
        if (args.has("--start")) throw UsageError("--start goes with --from-month and --to-month");
        return exports::StartCompanion(config, ctx.messages) == 1 ? 0 : 1;
    }

    // The transfer file the VAT pre-return of the period wrote ("report vat-return").
    reports::VatReturnOptions vat;
    vat.fromMonth = args.requiredInt("--from-month");
    vat.toMonth = args.requiredInt("--to-month");
    if (vat.fromMonth < 1 || vat.fromMonth > 12 || vat.toMonth < 1 || vat.toMonth > 12)
        throw UsageError("--from-month and --to-month take 1 to 12");
    vat.dataDirectory = circle.doc.dataDirectory();
    vat.circleNumber = circle.doc.number();
    const exports::VatHandOver transfer =
        exports::VatHandOverOf(vat, reports::BookingYearOf(circle.doc.settings()));
    if (transfer.transferPath.empty()) {
        std::fputs("tellmark-cli: the period is neither a month nor a calendar quarter: no transfer file\n", stderr);
        return 1;
    }
    if (!platform::fileExists(transfer.transferPath)) {
        std::fprintf(stderr, "tellmark-cli: %s does not exist: run report vat-return for the period first\n",
                     platform::cp1252ToUtf8(transfer.transferPath).c_str());
        return 1;
    }
    const exports::HandOverChoice choice =
        args.has("--start") ? exports::HandOverChoice::ExportAndStart : exports::HandOverChoice::ExportOnly;
    return exports::HandOverVatData(config, transfer, choice, ctx.messages) == 1 ? 0 : 1;
}

}  // namespace

int runExport(Context& ctx, const Words& words) {
    if (words.empty()) throw UsageError("export needs gdpdu, datev or companion");
    const Words rest(words.begin() + 1, words.end());
    if (words[0] == "gdpdu") return runExportGdpdu(ctx, rest);
    if (words[0] == "companion") return runExportCompanion(ctx, rest);
    if (words[0] == "datev") return runExportDatev(ctx, rest);
    throw UsageError("unknown export " + words[0]);
}

}  // namespace tellmark::cli
