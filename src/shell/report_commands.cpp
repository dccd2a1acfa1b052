#include "shell/report_commands.h"

#include "circles/circle_list.h"
#include "circles/circle_settings_file.h"
#include "config/dates.h"
#include "config/file_names.h"
#include "reports/balance_list_report.h"
#include "reports/balance_sheet_report.h"
#include "reports/chart_list_report.h"
#include "reports/circle_overview_report.h"
#include "reports/page_header.h"
#include "reports/account_bookings_report.h"
#include "reports/account_sheets_report.h"
#include "reports/cash_book_report.h"
#include "reports/collective_sheets_report.h"
#include "reports/journal_report.h"
#include "reports/month_evaluation_report.h"
#include "reports/result_report.h"
#include "reports/standard_bookings_report.h"
#include "entry/standard_bookings.h"
#include "exports/companion_handover.h"
#include "reports/vat_return_report.h"
#include "reports/text_file_output.h"
#include "reports/trial_balance_report.h"
#include "resources/texts_common.h"
#include "resources/texts_reports_output.h"
#include "resources/texts_reports_lists.h"
#include "resources/texts_shell_reports.h"
#include "shell/balance_list_dialog.h"
#include "shell/cut_off_month_dialog.h"
#include "shell/export_dialogs.h"
#include "shell/print_preview_dialog.h"
#include "shell/result_dialog.h"
#include "shell/standard_booking_dialogs.h"
#include "shell/vat_month_dialogs.h"
#include "shell/text_file_name_dialog.h"

namespace tellmark::shell {

namespace {

// The period's dates: day 1 of the first month, the last day of the last month, each month in its year.
void setPeriod(reports::ReportRequest& r, int fromMonth, int toMonth, const reports::BookingYear& year) {
    r.fromMonth = fromMonth;
    r.fromDay = 1;
    r.fromYear = reports::YearOfMonth(fromMonth, year);
    r.toMonth = toMonth;
    r.toYear = reports::YearOfMonth(toMonth, year);
    r.toDay = toMonth >= 1 && toMonth <= 12 ? config::lastDayOfMonth(toMonth, r.toYear) : 31;
}

void setPrintDate(reports::ReportRequest& request, const reports::ReportRequest& date) {
    request.printDay = date.printDay;
    request.printMonth = date.printMonth;
    request.printYear = date.printYear;
}

void setPrintDateToday(reports::ReportRequest& request) {
    const config::Today today = config::today();
    request.printDay = std::stoi(today.dayMonth.substr(0, 2));
    request.printMonth = std::stoi(today.month);
    request.printYear = std::stoi(today.year);
}

}  // namespace

ReportCommands::ReportCommands(ShellContext& context, circles::CVt36Doc& doc) : context_(context), doc_(doc) {}

ReportCommands::~ReportCommands() { delete screen_.data(); }

reports::ReportRequest ReportCommands::newRequest() const {
    reports::ReportRequest request;
    request.linesPerPage = doc_.programConfig().linesPerPage;
    request.topMargin = doc_.programConfig().topMargin;
    return request;
}

reports::BookingYear ReportCommands::bookingYear() const { return reports::BookingYearOf(doc_.settings()); }

void ReportCommands::balanceList() {
    BalanceListDialog dialog(context_, doc_);
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    reports::BalanceListOptions options = dialog.options();
    reports::ReportRequest request = newRequest();
    setPrintDate(request, dialog.printDate());
    reports::FillBalanceListRequest(request, options, bookingYear());
    reports::PrintFile printFile(doc_.paths()[config::DocumentPaths::kSlotPrintFile], context_.messages);
    if (reports::GenerateBalanceList(printFile, request, options, doc_.reportCursor(), doc_.accountIndex(),
                                     doc_.settings()) != 1)
        return;
    chooseAndSend(printFile, options.wide ? PrintRule::WideBalanceList : PrintRule::Narrow);
}

void ReportCommands::standardBookings() {
    entry::StandardBookings file(doc_);
    if (!file.load()) return;
    StandardPrintDialog dialog(context_, doc_);
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    reports::ReportRequest request = newRequest();
    setPrintDate(request, dialog.printDate());
    reports::PrintFile printFile(doc_.paths()[config::DocumentPaths::kSlotPrintFile], context_.messages);
    if (reports::GenerateStandardBookingsList(printFile, request, file.records(), doc_.settings()) != 1) return;
    chooseAndSend(printFile, reports::PrintRuleFor(printFile.width(), false));
}

void ReportCommands::trialBalance() {
    CutOffMonthDialog dialog(context_, doc_, text::kTrialBalanceDialogTitle, "TrialBalanceDialog");
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    reports::TrialBalanceOptions options;
    options.cutOffMonth = dialog.cutOffMonth();
    reports::ReportRequest request = newRequest();
    setPrintDate(request, dialog.printDate());
    reports::FillTrialBalanceRequest(request, options);
    reports::PrintFile printFile(doc_.paths()[config::DocumentPaths::kSlotPrintFile], context_.messages);
    if (reports::GenerateTrialBalance(printFile, request, options, doc_.reportCursor(), doc_.accountIndex(),
                                      doc_.settings()) != 1)
        return;
    chooseAndSend(printFile, PrintRule::Narrow);
}

void ReportCommands::chartOfAccountsList() {
    // The output comes first. The screen shows the report as printed, like every other report; the
    // accounts dialog has the pick list.
    ReportOutput output = ReportOutput::Screen;
    if (!chooseOutput(output)) return;
    reports::ReportRequest request = newRequest();
    setPrintDateToday(request);
    reports::PrintFile printFile(doc_.paths()[config::DocumentPaths::kSlotPrintFile], context_.messages);
    if (reports::GenerateChartOfAccountsList(printFile, request, doc_.reportCursor(), doc_.accountIndex(),
                                             doc_.settings(), context_.messages) != 1)
        return;
    send(printFile, PrintRule::Narrow, output);
}

void ReportCommands::resultStatement() {
    ResultDialog dialog(context_, doc_);
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    reports::ReportRequest request = newRequest();
    setPrintDate(request, dialog.printDate());
    setPeriod(request, dialog.fromMonth(), dialog.toMonth(), bookingYear());
    reports::PrintFile printFile(doc_.paths()[config::DocumentPaths::kSlotPrintFile], context_.messages);
    if (reports::GenerateResult(printFile, request, reports::ResultOptions{}, doc_.reportCursor(),
                                doc_.accountIndex(), doc_.settings(), context_.messages) != 1)
        return;
    chooseAndSend(printFile, PrintRule::Narrow);
}

void ReportCommands::balanceSheet() {
    CutOffMonthDialog dialog(context_, doc_, text::kBalanceSheetDialogTitle, "BalanceSheetDialog");
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    reports::ReportRequest request = newRequest();
    setPrintDate(request, dialog.printDate());
    setPeriod(request, 0, dialog.cutOffMonth(), bookingYear());
    reports::PrintFile printFile(doc_.paths()[config::DocumentPaths::kSlotPrintFile], context_.messages);
    if (reports::GenerateBalanceSheet(printFile, request, doc_.reportCursor(), doc_.accountIndex(), doc_.settings(),
                                      context_.messages) != 1)
        return;
    chooseAndSend(printFile, PrintRule::Narrow);
}

void ReportCommands::circleOverview() {
    if (!doc_.isOpen()) return;  // the print file lives in the open circle's directory
    std::vector<reports::CircleOverviewEntry> entries;
    for (const auto& entry : circles::listCircles(doc_.dataDirectory(), config::kMaxCircles, context_.messages)) {
        circles::CIniBK file(context_.messages);
        file.setPath(config::settingsFileName(doc_.dataDirectory(), entry.number));
        if (file.open() != 1) continue;
        file.readSettings();
        file.close();
        entries.push_back(reports::CircleOverviewEntryOf(entry.number, file.settings()));
    }
    reports::ReportRequest request = newRequest();
    setPrintDateToday(request);
    reports::PrintFile printFile(doc_.paths()[config::DocumentPaths::kSlotPrintFile], context_.messages);
    if (reports::PrintCircleOverview(printFile, request, entries) != 1) return;
    chooseAndSend(printFile, PrintRule::Narrow);
}

reports::JournalReportBooks ReportCommands::journalBooks() {
    return {doc_.journal(),  doc_.journalIndex(), doc_.reportCursor(), doc_.accountIndex(),
            doc_.settings(), context_.messages,   context_.progress};
}

void ReportCommands::journal() {
    JournalDialog dialog(context_, doc_);
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    reports::JournalOptions options;
    reports::SetWindow(options, dialog.window());
    reports::ReportRequest request = newRequest();
    setPrintDate(request, dialog.printDate());
    reports::FillJournalRequest(request, options, bookingYear());
    sendFromJournal(request, options, reports::GenerateJournal, PrintRule::Wide);
}

void ReportCommands::accountSheets() {
    AccountSheetsDialog dialog(context_, doc_, sheetsChoice_);
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    sheetsChoice_ = dialog.choice();
    const reports::DateWindow& w = dialog.window();
    reports::AccountSheetsOptions options;
    reports::SetWindow(options, w);
    options.accountFrom = sheetsChoice_.fromAccount;
    options.accountTo = sheetsChoice_.toAccount;
    options.skipWithoutBookingsZeroBalance = sheetsChoice_.skipWithoutBookingsZeroBalance;
    options.skipWithoutBookings = sheetsChoice_.skipWithoutBookings;
    reports::ReportRequest request = newRequest();
    setPrintDate(request, dialog.printDate());
    reports::FillAccountSheetsRequest(request, options, bookingYear());
    sendFromJournal(request, options, reports::GenerateAccountSheets, PrintRule::Wide);
}

void ReportCommands::cashBook() {
    CashBookDialog dialog(context_, doc_, cashAccount_);
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    cashAccount_ = dialog.account();
    const reports::DateWindow& w = dialog.window();
    reports::CashBookOptions options;
    options.account = cashAccount_;
    reports::SetWindow(options, w);
    reports::ReportRequest request = newRequest();
    setPrintDate(request, dialog.printDate());
    reports::FillCashBookRequest(request, options, bookingYear());
    sendFromJournal(request, options, reports::GenerateCashBook, PrintRule::Wide);
}

void ReportCommands::collectiveSheets() {
    CollectiveSheetsDialog dialog(context_, doc_);
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    const reports::DateWindow& w = dialog.window();
    reports::CollectiveSheetsOptions options;
    options.group = dialog.group().pattern;
    reports::SetWindow(options, w);
    reports::ReportRequest request = newRequest();
    setPrintDate(request, dialog.printDate());
    reports::FillCollectiveSheetsRequest(request, options, bookingYear());
    sendFromJournal(request, options, reports::GenerateCollectiveSheets, PrintRule::Wide);
}

void ReportCommands::vatReturn() {
    VatReturnDialog dialog(context_, doc_);
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    reports::VatReturnOptions options;
    options.fromMonth = dialog.fromMonth();
    options.toMonth = dialog.toMonth();
    options.rounded = dialog.rounded();
    options.dataDirectory = doc_.dataDirectory();
    options.circleNumber = doc_.number();
    reports::ReportRequest request = newRequest();
    setPrintDate(request, dialog.printDate());
    reports::FillVatReturnRequest(request, options, bookingYear());
    reports::PrintFile printFile(doc_.paths()[config::DocumentPaths::kSlotPrintFile], context_.messages);
    reports::JournalReportBooks books = journalBooks();
    if (reports::GenerateVatReturn(printFile, request, options, books) != 1) return;
    ReportOutput output = ReportOutput::Screen;
    if (!chooseOutput(output)) return;
    if (output != ReportOutput::Printer) {
        send(printFile, PrintRule::Narrow, output);
        return;
    }
    // Only a return on paper is offered to the companion program: its values are compared with the printout.
    const PrintResult printed = printThroughPreview(printFile, PrintRule::Narrow);
    if (printed == PrintResult::Failed) context_.messages.show(text::kOutputNotSent, text::kCaptionError, ui::kIconStop);
    if (printed == PrintResult::Printed) offerCompanionHandOver(options);
}

void ReportCommands::offerCompanionHandOver(const reports::VatReturnOptions& options) {
    const exports::VatHandOver handOver = exports::VatHandOverOf(options, bookingYear());
    if (handOver.transferPath.empty()) return;
    CompanionHandOverDialog dialog(context_);
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    exports::HandOverVatData(doc_.programConfig(), handOver, dialog.choice(), context_.messages);
}

void ReportCommands::monthEvaluation() {
    MonthEvaluationDialog dialog(context_, doc_);
    if (context_.runner.run(dialog) != QDialog::Accepted) return;
    reports::MonthEvaluationOptions options;
    options.cutOffMonth = dialog.cutOffMonth();
    options.includeVat = dialog.includeVat();
    reports::ReportRequest request = newRequest();
    setPrintDate(request, dialog.printDate());
    reports::FillMonthEvaluationRequest(request, options, bookingYear());
    sendFromJournal(request, options, reports::GenerateMonthEvaluation, PrintRule::Wide);
}

void ReportCommands::accountBookings(const std::string& account) {
    reports::AccountBookingsOptions options;
    options.account = std::atoi(account.c_str());
    if (options.account <= 0) return;
    reports::ReportRequest request = newRequest();
    setPrintDateToday(request);
    reports::PrintFile printFile(doc_.paths()[config::DocumentPaths::kSlotPrintFile], context_.messages);
    reports::JournalReportBooks books = journalBooks();
    if (reports::GenerateAccountBookings(printFile, request, options, books) != 1) return;
    if (!showOnScreen(printFile)) context_.messages.show(text::kOutputNotSent, text::kCaptionError, ui::kIconStop);
}

bool ReportCommands::chooseOutput(ReportOutput& output) {
    OutputDialog dialog(context_, PrinterAvailable());
    if (context_.runner.run(dialog) != QDialog::Accepted) return false;
    output = dialog.choice();
    return true;
}

template <typename Options>
void ReportCommands::sendFromJournal(reports::ReportRequest& request, const Options& options,
                                     int (*generate)(reports::PrintFile&, reports::ReportRequest&, const Options&,
                                                     reports::JournalReportBooks&),
                                     PrintRule rule) {
    reports::PrintFile printFile(doc_.paths()[config::DocumentPaths::kSlotPrintFile], context_.messages);
    reports::JournalReportBooks books = journalBooks();
    if (generate(printFile, request, options, books) != 1) return;
    chooseAndSend(printFile, rule);
}

void ReportCommands::chooseAndSend(reports::PrintFile& printFile, PrintRule rule) {
    ReportOutput output = ReportOutput::Screen;
    if (chooseOutput(output)) send(printFile, rule, output);
}

void ReportCommands::send(reports::PrintFile& printFile, PrintRule rule, ReportOutput output) {
    bool started = true;
    switch (output) {
    case ReportOutput::Screen: started = showOnScreen(printFile); break;
    case ReportOutput::Printer: started = preview(printFile, rule); break;
    case ReportOutput::TextFile: writeTextFile(printFile); break;
    }
    if (!started) context_.messages.show(text::kOutputNotSent, text::kCaptionError, ui::kIconStop);
}

bool ReportCommands::preview(reports::PrintFile& printFile, PrintRule rule) {
    return printThroughPreview(printFile, rule) != PrintResult::Failed;
}

PrintResult ReportCommands::printThroughPreview(reports::PrintFile& printFile, PrintRule rule) {
#ifdef TELLMARK_PRINTER
    PrintPreviewDialog dialog(context_, printFile, rule, doc_.programConfig(), doc_.dataDirectory());
    context_.runner.run(dialog);
    return dialog.printed();
#else
    return PrintReport(printFile, rule, doc_.programConfig(), context_);
#endif
}

bool ReportCommands::showOnScreen(reports::PrintFile& printFile) {
    delete screen_.data();
    auto* window = new ScreenWindow(QString::fromStdString(printFile.path()), printFile.state().pageStart,
                                    context_.frame);
    if (!window->load()) {
        delete window;
        return false;
    }
    screen_ = window;
    window->placeOverClientArea();
    window->show();
    window->setFocus();
    return true;
}

void ReportCommands::writeTextFile(reports::PrintFile& printFile) {
    std::string name(text::kTextFileDefaultName);
    for (;;) {
        TextFileNameDialog dialog(context_, name);
        if (context_.runner.run(dialog) != QDialog::Accepted) return;
        name = dialog.name();
        // 2: the name was refused and the 8.3 message shown; ask again with what was typed.
        if (reports::WriteTextFile(name, printFile.path(), doc_.dataDirectory(), doc_.number(), context_.messages) !=
            2)
            return;
    }
}

}  // namespace tellmark::shell
