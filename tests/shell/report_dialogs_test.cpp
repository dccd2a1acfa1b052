// The report commands of the desktop program: dialog, generator, output choice, screen window and text file.

#include <QCheckBox>
#include <QPointer>
#ifdef TELLMARK_PRINTER
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "shell/print_preview_dialog.h"
#endif
#include <QRadioButton>
#include <QTest>
#include <ctime>

#include "circles/document.h"
#include "config/document_paths.h"
#include "posting/account_maintenance.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/report_printer.h"
#include "shell_test_support.h"

using namespace tellmark;
using namespace tellmark::shell;

namespace {

testing::ScriptedRunner::Handler chooseOutput(const char* choice) {
    return [choice](QDialog& d) {
        auto* button = d.findChild<QRadioButton*>(QString::fromLatin1(choice));
        if (!button) return -1;
        button->setChecked(true);
        return testing::click(d, "ok");
    };
}

std::string firstLine(const std::string& bytes) { return bytes.substr(0, bytes.find("\r\n")); }

QString today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return QString::asprintf("%02i.%02i.%04i", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

}  // namespace

class ReportDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<testing::StartDirectory>();
        testing::createCircle(1, "Muster GmbH", 2024);
        {
            ui::SilentMessages silent;
            ui::NoProgress noProgress;
            circles::CVt36Doc doc(silent, noProgress);
            doc.readProgramConfig();
            QCOMPARE(doc.openCircle(1), 1);
            posting::AccountFiles files{doc.reportCursor(), doc.accountIndex(), doc.balanceFile(), 3, silent};
            // Enough accounts in several classes for a trial balance of more than one page.
            for (int number : {100, 200, 1000, 1200, 1400, 1600, 3000, 3100, 4100, 4200, 4300, 4400, 4500, 4600,
                               4700, 4800, 4900, 8000, 8100, 8200, 8300, 8400, 8500, 8600, 8700, 8800}) {
                posting::NewAccount account;
                account.number = number;
                account.name = "KONTO " + std::to_string(number);
                QCOMPARE(int(posting::createAccount(files, account)), int(posting::MaintenanceResult::Done));
            }
        }
        runner_ = std::make_unique<testing::ScriptedRunner>();
        frame_ = testing::openFrame(*runner_);
        QVERIFY(frame_);
    }
    void cleanup() {
        frame_.reset();
        runner_.reset();
        dir_.reset();
    }

    std::string printFilePath() { return frame_->document().paths()[config::DocumentPaths::kSlotPrintFile]; }

    void trialBalanceIntoTextFile() {
        runner_->on("TrialBalanceDialog", testing::answerWith("month", "12"));
        runner_->on("OutputDialog", chooseOutput("textFile"));
        // A colon in third place is refused and the name asked again.
        runner_->on("TextFileNameDialog", testing::answerWith("name", "ab:c.txt"));
        runner_->on("TextFileNameDialog", testing::answerWith("name", "saldbil.txt"));
        QVERIFY(frame_->runCommand(cmd::kTrialBalance));
        QCOMPARE(runner_->unanswered.size(), std::size_t(0));
        QCOMPARE(runner_->messages.size(), std::size_t(1));
        QVERIFY(runner_->messages[0].text.startsWith(QStringLiteral("Bitte Dateinamen in dem Format 8.3")));

        const std::string printed = testing::readAll(printFilePath());
        const std::string written = testing::readAll(dir_->file("BK000001/saldbil.txt"));
        QVERIFY(printed.size() > 2 * 67);
        QCOMPARE(printed.size() % 67, std::size_t(0));
        QVERIFY(written == printed);
        const QString title = QStringLiteral("S A L D E N B I L A N Z  zum 31.12.2024");
        const QString expected = title + QString(65 - title.size() - 10, QLatin1Char(' ')) + today();
        QCOMPARE(QString::fromLatin1(firstLine(written).c_str()), expected);
    }

    void screenWindowShowsPagesWithGaps() {
        runner_->on("TrialBalanceDialog", testing::answerWith("month", "12"));
        runner_->on("OutputDialog", testing::press("ok"));  // the screen is preselected
        QVERIFY(frame_->runCommand(cmd::kTrialBalance));
        QPointer<ScreenWindow> window = frame_->reports().screenWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Bildschirmausgabe"));
        QCOMPARE(window->lineWidth(), 67);

        const std::string printed = testing::readAll(printFilePath());
        const std::int64_t lines = static_cast<std::int64_t>(printed.size() / 67);
        QCOMPARE(window->rowText(0), QString());
        QCOMPARE(window->rowText(1), QString::fromLatin1(firstLine(printed).c_str()).trimmed());
        // The second page: its title follows an empty row, which follows the first page's footer.
        std::int64_t second = -1;
        for (std::int64_t row = 2; row < window->rowCount(); ++row)
            if (window->rowText(row).startsWith(QStringLiteral("S A L D E N B I L A N Z"))) {
                second = row;
                break;
            }
        QVERIFY(second > 2);
        QCOMPARE(window->rowText(second - 1), QString());
        QVERIFY(window->rowText(second - 2).endsWith(QStringLiteral("Blatt 01+")));
        QVERIFY(window->rowText(second + 1).endsWith(QStringLiteral("Blatt 02")));
        const int pages = static_cast<int>(window->rowCount() - lines);
        QVERIFY(pages >= 2);
        // The last line is a ruler: its soft hyphens are shown as visible dashes.
        QCOMPARE(window->rowText(window->rowCount() - 1),
                 QString::fromLatin1(printed.substr(printed.size() - 67, 65).c_str()).trimmed().replace(
                     QChar(0x00AD), QChar('-')));
        QCOMPARE(window->rowText(window->rowCount() - 1), QString(65, QChar('-')));

        // Ctrl+End shows the last page from its top, Ctrl+Home the first; Esc closes the window.
        window->setFocus();
        QTest::keyClick(window, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(window->rowText(window->topRow() + 1).startsWith(QStringLiteral("S A L D E N B I L A N Z")));
        QVERIFY(window->rowText(window->topRow() + 2).endsWith(QString::asprintf("Blatt %02i", pages)));
        QTest::keyClick(window, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(window->topRow(), std::int64_t(0));
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(!window);

        // Ctrl+W closes it as well.
        runner_->on("TrialBalanceDialog", testing::answerWith("month", "12"));
        runner_->on("OutputDialog", testing::press("ok"));
        QVERIFY(frame_->runCommand(cmd::kTrialBalance));
        window = frame_->reports().screenWindow();
        QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(!window);

        // A new report replaces the window.
        runner_->on("TrialBalanceDialog", testing::answerWith("month", "12"));
        runner_->on("OutputDialog", testing::press("ok"));
        QVERIFY(frame_->runCommand(cmd::kTrialBalance));
        window = frame_->reports().screenWindow();
        runner_->on("ResultDialog", testing::press("ok"));
        runner_->on("OutputDialog", testing::press("ok"));
        QVERIFY(frame_->runCommand(cmd::kResultStatement));
        QVERIFY(!window);
        QVERIFY(frame_->reports().screenWindow() != nullptr);
        QVERIFY(frame_->reports().screenWindow()->rowText(1).startsWith(QStringLiteral("EINNAHME")));
    }

    // On the screen the chart of accounts is the report as it is printed, not a pick list.
    void chartOfAccountsOnTheScreenIsTheReport() {
        runner_->on("OutputDialog", testing::press("ok"));
        QTest::keyClick(frame_->view(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(runner_->dialogs.back(), QStringLiteral("OutputDialog"));
        QVERIFY(runner_->unanswered.empty());
        ScreenWindow* window = frame_->reports().screenWindow();
        QVERIFY(window);
        QVERIFY2(window->rowText(1).startsWith(QStringLiteral("KONTENPLAN")), qPrintable(window->rowText(1)));
        const std::string printed = testing::readAll(printFilePath());
        QCOMPARE(window->rowText(1), QString::fromLatin1(firstLine(printed).c_str()).trimmed());
        bool pairedLine = false;
        for (std::int64_t row = 0; row < window->rowCount(); ++row)
            pairedLine = pairedLine || (window->rowText(row).contains(QStringLiteral("KONTO 100 ")) &&
                                        window->rowText(row).endsWith(QStringLiteral("KONTO 200")));
        QVERIFY(pairedLine);
    }

    void resultDialogIsTitledByTheStatementOfTheCircle() {
        QString title;
        auto seeTitle = [&title](QDialog& d) {
            title = d.windowTitle();
            return testing::click(d, "cancel");
        };
        runner_->on("ResultDialog", seeTitle);
        QVERIFY(frame_->runCommand(cmd::kResultStatement));
        QCOMPARE(title, QString::fromUtf8("Einnahme-Überschussrechnung"));

        testing::createCircle(2, "Bilanz GmbH", 2024, false);
        runner_->on("CircleSelectionDialog", testing::answerWith("number", "2"));
        QVERIFY(frame_->runCommand(cmd::kSwitchCircle));
        QCOMPARE(frame_->document().number(), 2);
        runner_->on("ResultDialog", seeTitle);
        QTest::keyClick(frame_->view(), Qt::Key_F4);
        QCOMPARE(title, QStringLiteral("Gewinn- und Verlustrechnung"));
    }

    // "Ausgabe auf Drucker" opens the preview of every page; from there the pages go into a PDF file and
    // to the printer.
    void printPreviewShowsEveryPageSavesAPdfAndPrints() {
#ifndef TELLMARK_PRINTER
        QSKIP("built without print support");
#else
        const QString printed = QString::fromStdString(dir_->file("gedruckt.pdf"));
        const QString saved = QString::fromStdString(dir_->file("bilanz.pdf"));
        runner_->on("BalanceSheetDialog", testing::answerWith("month", "12"));
        runner_->on("OutputDialog", chooseOutput("printer"));
        int previewPages = 0, lastPage = 0, firstPage = 0;
        runner_->on("PrintPreviewDialog", [&](QDialog& d) {
            auto* preview = qobject_cast<PrintPreviewDialog*>(&d);
            if (!preview) return int(QDialog::Rejected);
            d.show();
            QApplication::setActiveWindow(&d);
            if (!QTest::qWaitForWindowActive(&d)) return -2;
            previewPages = preview->pageCount();
            QTest::keyClick(&d, Qt::Key_End, Qt::ControlModifier);
            lastPage = preview->currentPage();
            QTest::keyClick(&d, Qt::Key_Home, Qt::ControlModifier);
            firstPage = preview->currentPage();
            QTest::keyClick(&d, Qt::Key_S, Qt::ControlModifier);
            return testing::click(d, "print");
        });
        runner_->on("PdfFileDialog", [saved](QDialog& d) {
            auto* dialog = qobject_cast<QFileDialog*>(&d);
            if (!dialog || dialog->acceptMode() != QFileDialog::AcceptSave) return int(QDialog::Rejected);
            // The PDF is proposed in the data directory.
            if (!dialog->selectedFiles().value(0).endsWith(QStringLiteral("/tm.pdf"))) return -3;
            dialog->selectFile(saved);
            return int(QDialog::Accepted);
        });
        runner_->on("PrintDialog", [printed](QDialog& d) {
            auto* dialog = qobject_cast<QPrintDialog*>(&d);
            if (!dialog) return int(QDialog::Rejected);
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog->printer()->setOutputFileName(printed);
            return int(QDialog::Accepted);
        });
        QVERIFY(frame_->runCommand(cmd::kBalanceSheet));
        QCOMPARE(runner_->unanswered.size(), std::size_t(0));
        QVERIFY(runner_->messages.empty());
        QCOMPARE(runner_->dialogs, (std::vector<QString>{"CircleSelectionDialog", "BalanceSheetDialog", "OutputDialog",
                                                         "PrintPreviewDialog", "PdfFileDialog", "PrintDialog"}));
        // The balance sheet has its liabilities on a page of their own: at least two pages.
        const std::string printFile = testing::readAll(printFilePath());
        int footers = 0;
        for (std::size_t at = printFile.find("Blatt 0"); at != std::string::npos; at = printFile.find("Blatt 0", at + 1))
            if (printFile[at + 8] == '+') ++footers;
        QVERIFY(footers >= 1);
        QCOMPARE(previewPages, footers + 1);
        QCOMPARE(lastPage, footers + 1);
        QCOMPARE(firstPage, 1);
        auto pdfPages = [](const std::string& bytes) {
            int pages = 0;
            for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos;
                 at = bytes.find("/Type /Page", at + 1))
                if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
            return pages;
        };
        QCOMPARE(pdfPages(testing::readAll(saved.toStdString())), footers + 1);
        QCOMPARE(pdfPages(testing::readAll(printed.toStdString())), footers + 1);
#endif
    }

    void functionKeysOfTheDateFieldOpenTheReportDialogs() {
        runner_->on("TrialBalanceDialog", testing::press("cancel"));
        QTest::keyClick(frame_->view(), Qt::Key_F3);
        QCOMPARE(runner_->dialogs.back(), QStringLiteral("TrialBalanceDialog"));
        runner_->on("BalanceListDialog", testing::press("cancel"));
        QTest::keyClick(frame_->view(), Qt::Key_F6);
        QCOMPARE(runner_->dialogs.back(), QStringLiteral("BalanceListDialog"));
        QCOMPARE(runner_->unanswered.size(), std::size_t(0));
    }

    void balanceListRefusesABadGroup() {
        runner_->on("BalanceListDialog", [](QDialog& d) {
            auto* wide = d.findChild<QCheckBox*>(QStringLiteral("wide"));
            auto* include = d.findChild<QCheckBox*>(QStringLiteral("includeAll"));
            if (!wide || !include || !wide->isChecked() || !include->isChecked()) return -2;
            testing::setField(d, "group", QStringLiteral("8x"));
            if (testing::click(d, "ok") != -1) return -3;  // still open
            testing::setField(d, "group", QStringLiteral("8"));
            testing::setField(d, "fromMonth", QStringLiteral("0"));
            testing::setField(d, "toMonth", QStringLiteral("12"));
            return testing::click(d, "ok");
        });
        runner_->on("OutputDialog", testing::press("cancel"));
        QVERIFY(frame_->runCommand(cmd::kBalanceList));
        QCOMPARE(runner_->messages.size(), std::size_t(1));
        QCOMPARE(runner_->messages[0].text, QString::fromUtf8("Ungültige Kontonummer bzw. Kontenauswahl !"));
        QCOMPARE(runner_->dialogs.back(), QStringLiteral("OutputDialog"));
        // The wide list of group 8: accounts 8000 to 8800, nothing of the other classes.
        const std::string printed = testing::readAll(printFilePath());
        QCOMPARE(printed.size() % 112, std::size_t(0));
        QVERIFY(printed.find("KONTENGRUPPE:  8???") != std::string::npos);
        QVERIFY(printed.find("KONTO 8400") != std::string::npos);
        QVERIFY(printed.find("KONTO 4100") == std::string::npos);
        // The printer moves the period of the header's booking year line into the 67 columns of the normal font.
        const std::string yearLine = printed.substr(3 * 112, 110);
        const std::string period = "Zeitraum: Anfangswerte-31.12.2024";
        QCOMPARE(yearLine.substr(110 - period.size()), period);
        std::string expected = "Buchungsjahr 2024";
        expected.resize(110 - period.size() - 44, ' ');
        expected += period + " ";
        QCOMPARE(reports::WideHeaderForPrinter(yearLine, 3, PrintRule::WideBalanceList), expected);
        QCOMPARE(reports::WideHeaderForPrinter(yearLine, 3, PrintRule::Narrow), yearLine);
    }

private:
    std::unique_ptr<testing::StartDirectory> dir_;
    std::unique_ptr<testing::ScriptedRunner> runner_;
    std::unique_ptr<CMainFrame> frame_;
};

TELLMARK_SHELL_TEST_MAIN(ReportDialogsTest)
#include "report_dialogs_test.moc"
