// report: a report of the open booking circle into its print file, then to stdout or into a text file.

#include <cstdio>
#include <ctime>

#include "circles/circle_list.h"
#include "circles/circle_settings_file.h"
#include "cli/arguments.h"
#include "cli/command_standard.h"
#include "cli/commands.h"
#include "cli/open_circle.h"
#include "cli/report_run.h"
#include "config/dates.h"
#include "config/file_names.h"
#include "platform/codepage.h"
#include "platform/file.h"
#include "reports/balance_list_report.h"
#include "reports/balance_sheet_report.h"
#include "reports/chart_list_report.h"
#include "reports/circle_overview_report.h"
#include "reports/page_header.h"
#include "reports/pdf_output.h"
#include "reports/print_file.h"
#include "reports/result_report.h"
#include "reports/trial_balance_report.h"

namespace tellmark::cli {

int monthOption(const ReportRun& run, const std::string& name, std::optional<int> fallback) {
    std::optional<int> month = run.args.intValue(name);
    if (!month) {
        if (!fallback) throw UsageError("missing option " + name);
        month = fallback;
    }
    int highest = run.doc.programConfig().thirteenthMonth ? 13 : 12;
    if (*month < 0 || *month > highest) throw UsageError(name + " takes 0 to " + std::to_string(highest));
    return *month;
}

void setPrintDate(reports::ReportRequest& request, const Arguments& args) {
    if (auto date = args.value("--print-date")) {
        int d = 0, m = 0, y = 0;
        char tail = 0;
        if (std::sscanf(date->c_str(), "%2d.%2d.%4d%c", &d, &m, &y, &tail) != 3 || m < 1 || m > 12 || d < 1 ||
            d > config::lastDayOfMonth(m, y) || y < 1900)
            throw UsageError("--print-date takes DD.MM.YYYY");
        request.printDay = d;
        request.printMonth = m;
        request.printYear = y;
        return;
    }
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    request.printDay = local.tm_mday;
    request.printMonth = local.tm_mon + 1;
    request.printYear = local.tm_year + 1900;
}

namespace {

// The period's dates: day 1 of the first month, the last day of the last month, each month in its year.
void setPeriod(ReportRun& run, int fromMonth, int toMonth) {
    reports::ReportRequest& r = run.request;
    r.fromMonth = fromMonth;
    r.fromDay = 1;
    r.fromYear = reports::YearOfMonth(fromMonth, run.year);
    r.toMonth = toMonth;
    r.toYear = reports::YearOfMonth(toMonth, run.year);
    r.toDay = toMonth >= 1 && toMonth <= 12 ? config::lastDayOfMonth(toMonth, r.toYear) : 31;
}


int currentMonth() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_mon + 1;
}

int generate(ReportRun& run, const std::string& kind, reports::PrintFile& printFile) {
    circles::CVt36Doc& doc = run.doc;
    ledger::CSalden& cursor = doc.reportCursor();
    ledger::CSIndex& index = doc.accountIndex();
    const config::CircleSettings& settings = doc.settings();
    ui::Messages& messages = run.ctx.messages;
    const Arguments& args = run.args;

    if (kind == "balance-list") {
        reports::BalanceListOptions options;
        options.fromMonth = monthOption(run, "--from-month", 1);
        options.toMonth = monthOption(run, "--to-month", currentMonth());
        options.wide = !args.has("--narrow");
        options.includeAll = !args.has("--nonzero-only");
        bool byRange = args.has("--from-account") || args.has("--to-account");
        if (byRange && args.has("--group")) throw UsageError("--group and --from-account/--to-account exclude each other");
        int selected = byRange ? reports::SelectByRange(args.required("--from-account"), args.required("--to-account"),
                                                        options.accounts, messages)
                               : reports::SelectByGroup(args.valueOr("--group", ""), options.accounts, messages);
        if (selected != 1) return 0;
        options.accounts.alphabetical = args.has("--alphabetical");
        reports::FillBalanceListRequest(run.request, options, run.year);
        return reports::GenerateBalanceList(printFile, run.request, options, cursor, index, settings);
    }
    if (kind == "trial-balance") {
        reports::TrialBalanceOptions options;
        options.cutOffMonth = monthOption(run, "--month", std::nullopt);
        reports::FillTrialBalanceRequest(run.request, options);
        return reports::GenerateTrialBalance(printFile, run.request, options, cursor, index, settings);
    }
    if (kind == "chart") return reports::GenerateChartOfAccountsList(printFile, run.request, cursor, index, settings, messages);
    if (kind == "result") {
        setPeriod(run, monthOption(run, "--from-month", std::nullopt), monthOption(run, "--to-month", std::nullopt));
        return reports::GenerateResult(printFile, run.request, reports::ResultOptions{}, cursor, index, settings, messages);
    }
    if (kind == "balance-sheet") {
        int month = monthOption(run, "--month", std::nullopt);
        setPeriod(run, 0, month);
        return reports::GenerateBalanceSheet(printFile, run.request, cursor, index, settings, messages);
    }
    if (kind == "circles") {
        std::vector<reports::CircleOverviewEntry> entries;
        for (const auto& entry : circles::listCircles(doc.dataDirectory(), config::kMaxCircles, messages)) {
            circles::CIniBK file(messages);
            file.setPath(config::settingsFileName(doc.dataDirectory(), entry.number));
            if (file.open() != 1) continue;
            file.readSettings();
            file.close();
            entries.push_back(reports::CircleOverviewEntryOf(entry.number, file.settings()));
        }
        return reports::PrintCircleOverview(printFile, run.request, entries);
    }
    if (kind == "standard-bookings") return generateStandardBookingsList(doc, printFile, run.request);
    bool known = false;
    const int result = generateFromJournal(run, kind, printFile, known);
    if (!known) throw UsageError("unknown report " + kind);
    return result;
}

// The print file to stdout: its text in UTF-8, one line per line.
bool printToStdout(const std::string& path) {
    std::string bytes;
    if (!platform::readWholeFile(path, bytes)) return false;
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text += bytes[i];
    }
    printRaw(platform::cp1252ToUtf8(text));
    return true;
}

}  // namespace

int runReport(Context& ctx, const Words& words) {
    Arguments args(words, {{"-k", true},           {"--print-date", true},   {"--out", true},
                           {"--pdf", true},
                           {"--from-month", true}, {"--to-month", true},     {"--month", true},
                           {"--group", true},      {"--from-account", true}, {"--to-account", true},
                           {"--narrow", false},    {"--alphabetical", false}, {"--nonzero-only", false},
                           {"--from", true},       {"--to", true},           {"--account", true},
                           {"--skip-empty", false}, {"--skip-unbooked", false}, {"--rounded", false},
                           {"--transfer-dir", true}, {"--vat", false}});
    args.expectPositionals(1, 1);
    const std::string& kind = args.positional(0, "report kind");
    OpenCircle circle(ctx);
    if (!circle.open(ctx, args.required("-k"))) return 1;
    circles::CVt36Doc& doc = circle.doc;

    ReportRun run{ctx, args, doc, {}, reports::BookingYearOf(doc.settings())};
    run.request.linesPerPage = doc.programConfig().linesPerPage;
    run.request.topMargin = doc.programConfig().topMargin;
    setPrintDate(run.request, args);

    reports::PrintFile printFile(doc.paths()[config::DocumentPaths::kSlotPrintFile], ctx.messages);
    if (generate(run, kind, printFile) != 1) return 1;
    const auto out = args.value("--out");
    const auto pdf = args.value("--pdf");
    if (!out && !pdf) return printToStdout(printFile.path()) ? 0 : 1;
    if (out && printFile.CopyPrintFileTo(fromTerminal(*out)) != 1) return 1;
    if (pdf) {
        const reports::PrintRule rule = reports::PrintRuleFor(printFile.width(), kind == "balance-list");
        if (reports::WriteReportPdf(printFile, rule, reports::PrintedPageSetupOf(doc.programConfig()),
                                    fromTerminal(*pdf), ctx.messages) != 1)
            return 1;
    }
    return 0;
}

}  // namespace tellmark::cli
