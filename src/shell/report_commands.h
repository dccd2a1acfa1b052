#pragma once
// The report commands of the desktop program: each shows its dialog, fills the request (page geometry
// from the settings, period, print date, the report's own fields), runs the generator into the circle's
// print file and, when that succeeded, asks where the report goes: screen window, print preview (printer
// or PDF file) or text file.

#include <QPointer>

#include "circles/document.h"
#include "reports/journal_report_books.h"
#include "reports/page_header.h"
#include "reports/print_file.h"
#include "reports/vat_return_report.h"
#include "shell/journal_report_dialogs.h"
#include "shell/output_dialog.h"
#include "shell/report_printer.h"
#include "shell/screen_window.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class ReportCommands {
public:
    ReportCommands(ShellContext& context, circles::CVt36Doc& doc);
    ~ReportCommands();
    ReportCommands(const ReportCommands&) = delete;
    ReportCommands& operator=(const ReportCommands&) = delete;

    void balanceList();
    void trialBalance();
    void chartOfAccountsList();
    void resultStatement();
    void balanceSheet();
    void circleOverview();
    void journal();
    void accountSheets();
    void cashBook();
    void collectiveSheets();
    void vatReturn();
    void monthEvaluation();
    // "Standardbuchungen ausgeben": the list of every standard booking of the circle.
    void standardBookings();
    // Every booking of the account (number text as the balance file holds it) straight into the screen.
    void accountBookings(const std::string& account);

    // The one screen window, null while none is open.
    ScreenWindow* screenWindow() const { return screen_.data(); }

private:
    reports::ReportRequest newRequest() const;
    reports::BookingYear bookingYear() const;
    reports::JournalReportBooks journalBooks();
    // The output dialog; false when it was cancelled.
    bool chooseOutput(ReportOutput& output);
    // Sends the finished report where output says.
    void send(reports::PrintFile& printFile, PrintRule rule, ReportOutput output);
    void chooseAndSend(reports::PrintFile& printFile, PrintRule rule);
    // A report from the journal: its print file made by generate, then the output the person chooses.
    template <typename Options>
    void sendFromJournal(reports::ReportRequest& request, const Options& options,
                         int (*generate)(reports::PrintFile&, reports::ReportRequest&, const Options&,
                                         reports::JournalReportBooks&),
                         PrintRule rule);
    // The print preview, from which the report is printed or saved as a PDF; false when printing failed.
    bool preview(reports::PrintFile& printFile, PrintRule rule);
    // The same, telling whether the pages went to the printer.
    PrintResult printThroughPreview(reports::PrintFile& printFile, PrintRule rule);
    // After a VAT pre-return went to the printer: the offer to hand its transfer file to the companion
    // online program (only for a period that has one).
    void offerCompanionHandOver(const reports::VatReturnOptions& options);
    bool showOnScreen(reports::PrintFile& printFile);
    void writeTextFile(reports::PrintFile& printFile);

    ShellContext& context_;
    circles::CVt36Doc& doc_;
    QPointer<ScreenWindow> screen_;
    // Remembered for the open booking circle while it stays open.
    AccountSheetsChoice sheetsChoice_;
    int cashAccount_ = 0;
};

}  // namespace tellmark::shell
