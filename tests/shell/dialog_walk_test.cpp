// Every dialog of the program, opened over a main window of the usual size: Alt shortcuts that reach
// their fields, titles that are not cut off, dialogs that fit the main window, disabled text that can be
// read on the grey background.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <functional>
#include <memory>

#include "config/program_config_fonts.h"
#include "posting/account_maintenance.h"
#include "posting/reorganisation.h"
#include "resources/texts_exports_datev.h"
#include "resources/texts_reorganisation.h"
#include "resources/texts_standard_bookings.h"
#include "shell/export_dialogs.h"
#include "shell/about_dialog.h"
#include "shell/account_rename_dialog.h"
#include "shell/accounts_dialog.h"
#include "shell/backup_dialogs.h"
#include "shell/balance_list_dialog.h"
#include "shell/booking_technique_dialog.h"
#include "shell/chart_list_dialog.h"
#include "shell/chart_takeover_dialog.h"
#include "shell/circle_admin_dialog.h"
#include "shell/circle_overview_dialog.h"
#include "shell/circle_selection_dialog.h"
#include "shell/cut_off_month_dialog.h"
#include "shell/datev_dialogs.h"
#include "shell/decision_account_dialog.h"
#include "shell/decision_dialog.h"
#include "shell/delete_booking_dialog.h"
#include "shell/discount_dialog.h"
#include "shell/elster_dialog.h"
#include "shell/journal_report_dialogs.h"
#include "shell/journal_tools_dialogs.h"
#include "shell/later_changes_dialog.h"
#include "shell/main_frame.h"
#include "shell/message_dialog.h"
#include "shell/missing_ledger_dialog.h"
#include "shell/import_dialogs.h"
#include "shell/year_dialogs.h"
#include "resources/texts_year_change.h"
#include "shell/new_account_dialog.h"
#include "shell/standard_booking_dialogs.h"
#include "shell/opening_balance_dialog.h"
#include "shell/output_dialog.h"
#include "shell/page_settings_dialog.h"
#include "shell/print_preview_dialog.h"
#include "shell/vat_month_dialogs.h"
#include "shell/password_dialog.h"
#include "shell/print_fonts_dialog.h"
#include "shell/program_management_dialog.h"
#include "shell/question_dialog.h"
#include "shell/result_dialog.h"
#include "shell/screen_fonts_dialog.h"
#include "shell/standard_texts_dialog.h"
#include "shell/text_convert.h"
#include "shell/text_file_name_dialog.h"
#include "shell/vat_presets_dialog.h"
#include "shell_test_support.h"

using namespace tellmark;
using namespace tellmark::shell;

namespace {

// The letter after a single '&' (a doubled one is a plain ampersand), or 0.
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1];
    }
    return {};
}

// WCAG contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ui::Question reorganisationQuestion(const char* kind, std::string caption, std::string text,
                                    std::vector<std::string> answers) {
    ui::Question q;
    q.kind = kind;
    q.caption = std::move(caption);
    q.text = std::move(text);
    q.fields = {"31.02", "3",
                "31.02 R-17    1200  8400 Rechnung Muster GmbH       119.00 19.00        19.00        "};
    q.answers = std::move(answers);
    return q;
}

}  // namespace

class DialogWalkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        dir_ = std::make_unique<testing::StartDirectory>();
        testing::createCircle(1, "Muster GmbH", 2024);
        runner_ = std::make_unique<testing::ScriptedRunner>();
        frame_ = testing::openFrame(*runner_, 1, false);
        QVERIFY(frame_);
        frame_->placeOnDesktop(config::ScreenCell{25, 8});
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    }
    void cleanupTestCase() {
        frame_.reset();
        runner_.reset();
        dir_.reset();
    }

    void everyDialogIsUsableFromTheKeyboardAndFitsTheWindow_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < dialogs().size(); ++i)
            QTest::newRow(dialogs()[i].first) << static_cast<int>(i);
    }

    void everyDialogIsUsableFromTheKeyboardAndFitsTheWindow() {
        QFETCH(int, index);
        std::unique_ptr<QDialog> dialog = dialogs()[static_cast<std::size_t>(index)].second();
        QVERIFY(dialog);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->textFormat() == Qt::PlainText || mnemonicOf(label->text()).isNull()) continue;
            // A label with a mnemonic and no buddy shows its '&' and its Alt key does nothing.
            QVERIFY2(label->buddy(), qPrintable(QStringLiteral("no buddy: ") + label->text()));
            QVERIFY2(label->buddy()->focusPolicy() & Qt::TabFocus,
                     qPrintable(QStringLiteral("buddy takes no focus: ") + label->text()));
        }

        // The whole title fits beside the window buttons.
        const QFontMetrics title(QApplication::font());
        QVERIFY2(dialog->width() >= title.horizontalAdvance(dialog->windowTitle()) + 96,
                 qPrintable(dialog->windowTitle()));
        // No dialog is wider or higher than the main window it opens over.
        QVERIFY2(dialog->frameGeometry().width() <= frame_->width(), qPrintable(QString::number(dialog->width())));
        QVERIFY2(dialog->frameGeometry().height() <= frame_->height(), qPrintable(QString::number(dialog->height())));
        // Greyed text still reads on the grey background.
        const QPalette p = dialog->palette();
        QVERIFY(contrast(p.color(QPalette::Disabled, QPalette::WindowText), p.color(QPalette::Window)) >= 3.0);
        QVERIFY(contrast(p.color(QPalette::Disabled, QPalette::ButtonText), p.color(QPalette::Button)) >= 3.0);
        QVERIFY(contrast(p.color(QPalette::Disabled, QPalette::Text), p.color(QPalette::Disabled, QPalette::Base)) >= 3.0);
        dialog->close();
    }

    // Alt+letter of "Ausdruck &von:" reaches the month field, as every label's mnemonic reaches its field.
    void altShortcutsReachTheFieldsOfTheBalanceList() {
        BalanceListDialog dialog(frame_->context(), frame_->document());
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        for (const char* field : {"fromMonth", "toMonth", "printDate"}) {
            auto* target = dialog.findChild<QWidget*>(QString::fromLatin1(field));
            QLabel* label = nullptr;
            for (QLabel* l : dialog.findChildren<QLabel*>())
                if (l->buddy() == target) label = l;
            QVERIFY2(label, field);
            dialog.findChild<QWidget*>("group")->setFocus();
            QTest::keyClick(&dialog, mnemonicOf(label->text()).toLower().toLatin1(), Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), target);
        }
    }

private:
    using Maker = std::function<std::unique_ptr<QDialog>()>;

    const std::vector<std::pair<const char*, Maker>>& dialogs() {
        if (!dialogs_.empty()) return dialogs_;
        auto add = [this](const char* name, Maker make) { dialogs_.emplace_back(name, std::move(make)); };
        ShellContext& c = frame_->context();
        circles::CVt36Doc& doc = frame_->document();
        config::CIniSB& ini = doc.programConfigFile();
        const std::string data = doc.dataDirectory();
        files_ = std::make_unique<posting::AccountFiles>(posting::AccountFiles{
            doc.reportCursor(), doc.accountIndex(), doc.balanceFile(), 3, c.messages});
        posting::AccountFiles& files = *files_;
        add("message", [] {
            return std::make_unique<MessageDialog>(nullptr, "Neues Konto wurde erfolgreich angelegt !",
                                                   "INFORMATION", 64);
        });
        add("about", [this] { return std::make_unique<AboutDialog>(frame_.get()); });
        add("accounts", [&c, &doc] { return std::make_unique<AccountsDialog>(c, doc); });
        add("new account", [&c, &files] { return std::make_unique<NewAccountDialog>(c, files, 8400); });
        add("rename", [&c, &files] { return std::make_unique<AccountRenameDialog>(c, files, 8400, "ERLOESE 19%"); });
        add("opening", [&c, &files] { return std::make_unique<OpeningBalanceDialog>(c, files, 1570, "0.00"); });
        add("chart list", [&c] {
            return std::make_unique<ChartListDialog>(c, std::vector<std::string>{"   1570    VORSTEUER"});
        });
        add("balance list", [&c, &doc] { return std::make_unique<BalanceListDialog>(c, doc); });
        add("trial balance", [&c, &doc] {
            return std::make_unique<CutOffMonthDialog>(c, doc, "Saldenbilanz", "TrialBalanceDialog");
        });
        add("result", [&c, &doc] { return std::make_unique<ResultDialog>(c, doc); });
        add("output", [&c] { return std::make_unique<OutputDialog>(c, false); });
        add("text file", [&c] { return std::make_unique<TextFileNameDialog>(c, "SALDEN.TXT"); });
        add("circle admin", [&c, data] { return std::make_unique<CircleAdminDialog>(c, data, 1); });
        add("circle admin new", [&c, data] { return std::make_unique<CircleAdminDialog>(c, data, 2); });
        add("circle overview", [&c, data] { return std::make_unique<CircleOverviewDialog>(c, data, 999); });
        add("selection", [&c, data] { return std::make_unique<CircleSelectionDialog>(c, data, 999, false); });
        add("selection admin", [&c, data] { return std::make_unique<CircleSelectionDialog>(c, data, 999, true); });
        add("missing ledger", [&c] { return std::make_unique<MissingLedgerDialog>(c); });
        add("take over", [&c] { return std::make_unique<ChartTakeOverDialog>(c); });
        add("password", [&c] { return std::make_unique<PasswordDialog>(c, "geheim"); });
        add("elster", [&c, data] { return std::make_unique<ElsterDialog>(c, data, 1); });
        add("delete booking", [&c] { return std::make_unique<DeleteBookingDialog>(c); });
        add("discount", [this, &c] { return std::make_unique<DiscountDialog>(c, *frame_->view()->model()); });
        add("page settings", [&c, &ini] { return std::make_unique<PageSettingsDialog>(c, ini); });
        add("program management", [&c, &ini] { return std::make_unique<ProgramManagementDialog>(c, ini); });
        add("screen fonts", [&c, &ini] { return std::make_unique<ScreenFontsDialog>(c, ini); });
        add("print fonts", [&c, &ini] { return std::make_unique<PrintFontsDialog>(c, ini); });
        add("standard texts", [&c, &ini] { return std::make_unique<StandardTextsDialog>(c, ini); });
        add("vat presets", [&c, &ini] { return std::make_unique<VatPresetsDialog>(c, ini); });
        add("booking technique", [&c, &ini] { return std::make_unique<BookingTechniqueDialog>(c, ini); });
        add("later changes", [&c, &ini] { return std::make_unique<LaterChangesDialog>(c, ini); });
        add("reorganisation question", [&c] {
            const std::string question = std::string(text::kReorgConfirmQuestion) + "\n\n" +
                                         std::string(text::kReorgConfirmBackup);
            return std::make_unique<QuestionDialog>(c, text::kReorgConfirmCaption, question, "ReorganisationQuestion");
        });
        add("bad date", [&c] {
            ui::Question q = reorganisationQuestion(
                posting::kAskBadDate, std::string(text::kReorgBookingErrorCaption),
                "Das Datum 31.02 im Buchungssatz Nr. 3 ist nicht korrekt.\n"
                "31.02 R-17    1200  8400 Rechnung Muster GmbH       119.00 19.00        19.00\n" +
                    std::string(text::kReorgDateQuestion),
                {std::string(text::kReorgAnswerChangeDate), std::string(text::kReorgAnswerDrop)});
            return std::make_unique<DecisionDialog>(c, q, false, false);
        });
        add("new date", [&c] {
            ui::Question q = reorganisationQuestion(posting::kAskNewDate, std::string(text::kReorgNewDateCaption),
                                                    std::string(text::kReorgNewDatePrompt),
                                                    {std::string(text::kReorgAnswerOk)});
            return std::make_unique<DecisionDialog>(c, q, true, false);
        });
        add("needs decisions", [&c] {
            ui::Question q = reorganisationQuestion(posting::kAskNeedsDecisions,
                                                    std::string(text::kReorgConfirmCaption),
                                                    std::string(text::kReorgNeedsDecisions),
                                                    {std::string(text::kReorgAnswerOk)});
            return std::make_unique<DecisionDialog>(c, q, false, true);
        });
        add("new account in reorganisation", [&c] {
            ui::Question q{posting::kAskNewAccount, std::string(text::kReorgNewAccountCaption), "",
                           {" 4711", "", "0.00"}, {std::string(text::kReorgAnswerOk),
                                                   std::string(text::kReorgAnswerCancel)}};
            return std::make_unique<DecisionAccountDialog>(c, q);
        });
        add("journal sort", [&c] { return std::make_unique<JournalSortDialog>(c); });
        add("search", [&c] { return std::make_unique<SearchDialog>(c, true, entry::SearchQuery{"RECHNUNG", false}, false); });
        add("journal", [&c, &doc] { return std::make_unique<JournalDialog>(c, doc); });
        add("account sheets", [&c, &doc] { return std::make_unique<AccountSheetsDialog>(c, doc, AccountSheetsChoice{}); });
        add("cash book", [&c, &doc] { return std::make_unique<CashBookDialog>(c, doc, 1000); });
        add("collective sheets", [&c, &doc] { return std::make_unique<CollectiveSheetsDialog>(c, doc); });
        add("vat return", [&c, &doc] { return std::make_unique<VatReturnDialog>(c, doc); });
        add("month evaluation", [&c, &doc] { return std::make_unique<MonthEvaluationDialog>(c, doc); });
#ifdef TELLMARK_PRINTER
        add("print preview", [this, &c, &doc, data] {
            printFile_ = std::make_unique<reports::PrintFile>(doc.paths()[config::DocumentPaths::kSlotPrintFile],
                                                              c.messages);
            reports::ReportRequest request;
            request.linesPerPage = 64;
            if (!printFile_->BeginReport(request, reports::kLayoutTrialBalance) || !printFile_->WriteLine("SALDEN") ||
                !printFile_->EndReport(request))
                return std::unique_ptr<PrintPreviewDialog>();
            return std::make_unique<PrintPreviewDialog>(c, *printFile_, PrintRule::Narrow, doc.programConfig(), data);
        });
#endif
        standard_ = std::make_unique<entry::StandardBookings>(doc);
        standard_->load();
        entry::StandardBookings& standard = *standard_;
        add("standard edit", [&c, &doc, &standard] { return std::make_unique<StandardEditDialog>(c, doc, standard); });
        add("standard mark", [&c, &standard] { return std::make_unique<StandardMarkDialog>(c, standard); });
        add("standard post date", [&c, &doc] { return std::make_unique<StandardPostDateDialog>(c, doc); });
        add("standard choose", [&c, &standard] { return std::make_unique<StandardChooseDialog>(c, standard, true); });
        add("standard print", [&c, &doc] { return std::make_unique<StandardPrintDialog>(c, doc); });
        add("correction", [&c, &doc] {
            ui::Question q;
            q.caption = std::string(text::kCorrectionTitle);
            q.text = std::string(text::kCorrectionAccountFault);
            q.fields = {"05.03", "R1", "1200", "9999", "Miete", "100.00", "19.00", "", ""};
            q.answers = {std::string(text::kCorrectionPost), std::string(text::kCorrectionSkip),
                         std::string(text::kCorrectionCancel)};
            return std::make_unique<CorrectionDialog>(c, doc, q);
        });
        add("import file", [&c] { return std::make_unique<ImportFileDialog>(c); });
        add("datev notes", [&c] {
            return std::make_unique<DatevTextDialog>(c, text::kTitleDatevNotes, text::kDatevNotes, true, "notes");
        });
        add("datev settings", [&c, &doc] { return std::make_unique<DatevSettingsDialog>(c, doc); });
        add("datev mapping", [&c, &doc] {
            return std::make_unique<DatevMappingDialog>(
                c, exports::datevMappingRows(doc.accountIndex(), doc.reportCursor(), exports::DatevMapping{}),
                exports::DatevMapping{}, "DATEV001.DAT");
        });
        add("datev opening", [&c] { return std::make_unique<DatevOpeningDialog>(c); });
        add("import close", [&c] { return std::make_unique<ImportCloseDialog>(c, "/tmp/import.txt", 3); });
        add("gdpdu export", [&c, &doc] { return std::make_unique<GdpduExportDialog>(c, doc); });
        add("gdpdu done", [&c] { return std::make_unique<GdpduDoneDialog>(c, "/tmp/BK000001/GDPdU/2009"); });
        add("companion hand-over", [&c] { return std::make_unique<CompanionHandOverDialog>(c); });
        add("year input", [&c] {
            return std::make_unique<YearInputDialog>(c, text::kYearInputCaption, text::kYearInputLabel, "YearInputDialog");
        });
        add("year chart", [&c, &doc] { return std::make_unique<YearChartDialog>(c, doc.settings()); });
        add("transfer", [&c] { return std::make_unique<TransferConfirmDialog>(c, 2023, 2024); });
        add("delete year", [&c] { return std::make_unique<DeleteYearDialog>(c, "2023"); });
        add("delete status", [&c] {
            yearend::YearDeletionStatus status;
            for (std::size_t i = 0; i < status.files.size(); ++i) {
                status.files[i].path = "BK000001/B2023001." + std::string(i < 2 ? "sal" : "jou");
                status.files[i].deleted = i < 2;
            }
            return std::make_unique<DeleteStatusDialog>(c, status);
        });
        add("backup", [&c] {
            return std::make_unique<BackupDirectoryDialog>(c, BackupDirectoryDialog::Purpose::Backup, "A:");
        });
        add("backup overview", [&c] { return std::make_unique<BackupOverviewDialog>(c, yearend::BackupOverview{}); });
        add("restore", [&c] {
            return std::make_unique<BackupDirectoryDialog>(c, BackupDirectoryDialog::Purpose::Restore, "A:");
        });
        return dialogs_;
    }

    std::unique_ptr<testing::StartDirectory> dir_;
    std::unique_ptr<testing::ScriptedRunner> runner_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<posting::AccountFiles> files_;
    std::unique_ptr<entry::StandardBookings> standard_;
    std::unique_ptr<reports::PrintFile> printFile_;
    std::vector<std::pair<const char*, Maker>> dialogs_;
};

TELLMARK_SHELL_TEST_MAIN(DialogWalkTest)
#include "dialog_walk_test.moc"
