// report KIND for the reports from the journal, the VAT pre-return and the month evaluation: the options
// are the fields of their dialogs, with the dialogs' presets where an option is left out.

#include <cstdio>
#include <filesystem>

#include "cli/report_run.h"
#include "config/dates.h"
#include "platform/directory.h"
#include "platform/file.h"
#include "reports/account_bookings_report.h"
#include "reports/account_selection.h"
#include "reports/account_sheets_report.h"
#include "reports/cash_book_report.h"
#include "reports/collective_sheets_report.h"
#include "reports/journal_report.h"
#include "reports/journal_report_books.h"
#include "reports/journal_scan.h"
#include "reports/month_evaluation_report.h"
#include "reports/vat_return_report.h"

namespace tellmark::cli {

namespace {

// "DD.MM" as the dialog's date fields take it (a day alone keeps the preset's month); month 13 only with
// the thirteenth month.
void dayMonthOption(const ReportRun& run, const std::string& name, const std::string& preset, int& day, int& month) {
    const std::string typed = run.args.valueOr(name, preset);
    std::string previous = preset;
    std::string result;
    int d = 0, m = 0;
    const int highest = run.doc.programConfig().thirteenthMonth ? 13 : 12;
    if (config::parseDayMonth(typed, previous, result) != 0 || std::sscanf(result.c_str(), "%2d.%2d", &d, &m) != 2 ||
        m < 1 || m > highest || d < 1 || d > (m == 13 ? 31 : config::lastDayOfMonth(m, 2000)))
        throw UsageError(name + " takes a day and month DD.MM (months 1 to " + std::to_string(highest) + ")");
    day = d;
    month = m;
}

reports::DateWindow windowOptions(const ReportRun& run) {
    const auto& defaults = run.doc.reportDefaults();
    reports::DateWindow w;
    dayMonthOption(run, "--from", defaults.firstOfMonth, w.fromDay, w.fromMonth);
    dayMonthOption(run, "--to", defaults.lastOfMonth, w.toDay, w.toMonth);
    return w;
}

// One account as the dialogs check it: 1 to 29999, up to four digits completed with zeros.
bool accountOption(const ReportRun& run, const std::string& name, const std::string& preset, int& account) {
    std::string field = run.args.valueOr(name, preset);
    if (field.empty()) throw UsageError("missing option " + name);
    if (reports::CheckAccountRangeField(field, run.ctx.messages) != 1) return false;
    account = std::atoi(field.c_str());
    return true;
}

// The transfer file of the return also into DIR, when asked for.
bool copyTransferFile(const ReportRun& run, const reports::VatReturnOptions& options) {
    const auto dir = run.args.value("--transfer-dir");
    if (!dir) return true;
    const std::string from = reports::VatTransferPath(options, run.year);
    if (from.empty()) {
        std::fputs("tellmark-cli: the period is neither a month nor a calendar quarter: no transfer file\n", stderr);
        return true;
    }
    std::string bytes;
    const std::string to = (std::filesystem::path(*dir) / std::filesystem::path(from).filename()).string();
    if (!platform::readWholeFile(from, bytes) || !platform::replaceWholeFile(to, bytes)) {
        std::fprintf(stderr, "tellmark-cli: the transfer file could not be written to %s\n", to.c_str());
        return false;
    }
    return true;
}

}  // namespace

int generateFromJournal(ReportRun& run, const std::string& kind, reports::PrintFile& printFile, bool& known) {
    circles::CVt36Doc& doc = run.doc;
    reports::JournalReportBooks books{doc.journal(),  doc.journalIndex(), doc.reportCursor(), doc.accountIndex(),
                                      doc.settings(), run.ctx.messages,   doc.progress()};
    const Arguments& args = run.args;
    known = true;
    if (kind == "journal") {
        reports::JournalOptions options;
        reports::SetWindow(options, windowOptions(run));
        reports::FillJournalRequest(run.request, options, run.year);
        return reports::GenerateJournal(printFile, run.request, options, books);
    }
    if (kind == "account-sheets") {
        const reports::DateWindow w = windowOptions(run);
        reports::AccountSheetsOptions options;
        reports::SetWindow(options, w);
        if (!accountOption(run, "--from-account", doc.reportDefaults().firstAccount, options.accountFrom) ||
            !accountOption(run, "--to-account", doc.reportDefaults().lastAccount, options.accountTo))
            return 0;
        options.skipWithoutBookingsZeroBalance = args.has("--skip-empty");
        options.skipWithoutBookings = args.has("--skip-unbooked");
        reports::FillAccountSheetsRequest(run.request, options, run.year);
        return reports::GenerateAccountSheets(printFile, run.request, options, books);
    }
    if (kind == "cash-book") {
        const reports::DateWindow w = windowOptions(run);
        reports::CashBookOptions options;
        if (!accountOption(run, "--account", "", options.account)) return 0;
        reports::SetWindow(options, w);
        reports::FillCashBookRequest(run.request, options, run.year);
        return reports::GenerateCashBook(printFile, run.request, options, books);
    }
    if (kind == "collective") {
        const reports::DateWindow w = windowOptions(run);
        reports::CollectiveSheetsOptions options;
        reports::AccountSelection group;
        if (reports::SelectByGroup(args.required("--group"), group, run.ctx.messages) != 1) return 0;
        options.group = group.pattern;
        reports::SetWindow(options, w);
        reports::FillCollectiveSheetsRequest(run.request, options, run.year);
        return reports::GenerateCollectiveSheets(printFile, run.request, options, books);
    }
    if (kind == "account-bookings") {
        reports::AccountBookingsOptions options;
        if (!accountOption(run, "--account", "", options.account)) return 0;
        return reports::GenerateAccountBookings(printFile, run.request, options, books);
    }
    if (kind == "vat-return") {
        reports::VatReturnOptions options;
        options.fromMonth = monthOption(run, "--from-month", std::nullopt);
        options.toMonth = monthOption(run, "--to-month", std::nullopt);
        if (options.fromMonth < 1 || options.toMonth < 1) throw UsageError("a VAT return runs over months 1 and on");
        options.rounded = args.has("--rounded");
        options.dataDirectory = doc.dataDirectory();
        options.circleNumber = doc.number();
        reports::FillVatReturnRequest(run.request, options, run.year);
        if (reports::GenerateVatReturn(printFile, run.request, options, books) != 1) return 0;
        return copyTransferFile(run, options) ? 1 : 0;
    }
    if (kind == "month-eval") {
        reports::MonthEvaluationOptions options;
        options.cutOffMonth = monthOption(run, "--month", std::nullopt);
        if (options.cutOffMonth < 1) throw UsageError("--month takes 1 and on");
        options.includeVat = args.has("--vat");
        reports::FillMonthEvaluationRequest(run.request, options, run.year);
        return reports::GenerateMonthEvaluation(printFile, run.request, options, books);
    }
    known = false;
    return 0;
}

}  // namespace tellmark::cli
