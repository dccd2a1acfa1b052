// The start-up dialogue on a data directory: password, selection, creating a circle, the missing ledger
// files, a circle open in another copy, switching with F9, the administration and closing.

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include "circles/document.h"
#include "config/program_config.h"
#include "entry/entry_form.h"
#include "posting/account_maintenance.h"
#include "shell/circle_selection_dialog.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/password_dialog.h"
#include "shell_test_support.h"
#include "ui/messages.h"
#include "ui/progress.h"

using namespace tellmark;
using namespace tellmark::shell;
using testing::answerWith;
using testing::press;
using testing::ScriptedRunner;

namespace {

const QString kLockedMessage = QString::fromUtf8(
    "Der gewählte Buchungskreis wird schon bearbeitet\noder die Dateien sind schreibgeschützt\n"
    "(z.B. nach Kopieren von einer CD) !");

bool enabled(CMainFrame& frame, int id) { return frame.action(id) && frame.action(id)->isEnabled(); }

QStringList menuTitles(CMainFrame& frame) {
    QStringList titles;
    for (QAction* a : frame.menuBar()->actions()) titles << a->text();
    return titles;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensThePreparedCircleAfterTheSelection() {
        testing::StartDirectory dir;
        testing::createCircle(1, "Muster GmbH", 2024);
        ScriptedRunner runner;
        runner.on("CircleSelectionDialog", answerWith("number", "1"));
        CMainFrame frame(&runner);
        QVERIFY(!enabled(frame, cmd::kAccounts));
        QVERIFY(enabled(frame, cmd::kNewDocument));

        QVERIFY(frame.newDocument());
        QVERIFY(frame.document().isOpen());
        QCOMPARE(frame.document().number(), 1);
        QVERIFY(runner.unanswered.empty());
        QVERIFY(runner.messages.empty());
        QVERIFY(frame.childFrame());
        QCOMPARE(frame.childFrame()->windowTitle(), QStringLiteral("Nr: 1 - Muster GmbH - 2024"));
        QVERIFY(frame.view()->model());
        QCOMPARE(frame.view()->model()->currentNumber(), 1L);
        QVERIFY(frame.insertMode());

        // The menu of an open circle: handled commands enabled, the rest greyed.
        QCOMPARE(menuTitles(frame).size(), 9);
        QVERIFY(enabled(frame, cmd::kAccounts));
        QVERIFY(enabled(frame, cmd::kSwitchCircle));
        QVERIFY(enabled(frame, cmd::kBookingTechnique));
        QVERIFY(!enabled(frame, cmd::kOpenCircle));
        QVERIFY(enabled(frame, cmd::kJournal));
        QVERIFY(enabled(frame, cmd::kJournalSort));
        QVERIFY(enabled(frame, cmd::kStandardEdit));
        QVERIFY(!enabled(frame, cmd::kOptionalPrograms));
        QCOMPARE(frame.action(cmd::kSwitchCircle)->data().toInt(), int(cmd::kSwitchCircle));
        QCOMPARE(frame.action(cmd::kSwitchCircle)->statusTip(),
                 QString::fromUtf8("Wechsel zu einem anderen Buchungskreis (Buchungskreis muß schon angelegt sein)"));
        // A cash-basis circle: the result statement is the cash-basis result.
        QCOMPARE(frame.action(cmd::kResultStatement)->text(), QString::fromUtf8("Einnahme-&Überschuss-Rechnung\tF4"));

        frame.closeDocument();
        QVERIFY(!frame.document().isOpen());
        QVERIFY(!frame.childFrame());
        QCOMPARE(menuTitles(frame).size(), 3);
        QVERIFY(!enabled(frame, cmd::kAccounts));
        QVERIFY(enabled(frame, cmd::kNewDocument));
    }

    void firstStartCreatesCircleOne() {
        testing::StartDirectory dir;
        ScriptedRunner runner;
        QString offered;
        runner.on("CircleSelectionDialog", [&offered](QDialog& d) {
            offered = d.findChild<QLineEdit*>("number")->text();
            return testing::click(d, "ok");
        });
        runner.on("CircleAdminDialog", [](QDialog& d) {
            testing::setField(d, "name", QString::fromUtf8("Bäckerei Muster"));
            testing::setField(d, "year", "2024");
            return testing::click(d, "ok");
        });
        runner.on("MissingLedgerDialog", press("create"));
        CMainFrame frame(&runner);
        QVERIFY(frame.newDocument());
        QCOMPARE(offered, QStringLiteral("1"));
        QVERIFY(runner.unanswered.empty());
        QCOMPARE(runner.messages.size(), std::size_t(1));
        QCOMPARE(runner.messages[0].text, QStringLiteral("Buchungskreis ist angelegt und wird neu eingelesen !"));
        QCOMPARE(runner.messages[0].heading, QStringLiteral("INFORMATION"));
        QCOMPARE(frame.childFrame()->windowTitle(), QString::fromUtf8("Nr: 1 - Bäckerei Muster - 2024"));
        QVERIFY(QFile::exists("tellmark.ini"));
        QVERIFY(QFile::exists("BK000001/STAMM001.DAT"));
        QVERIFY(QFile::exists("BK000001/B2024001.sal"));
        QVERIFY(QFile::exists("BK000001/B2024001.jou"));
        // The name went to the settings file in CP1252.
        QVERIFY(testing::readAll(dir.file("BK000001/STAMM001.DAT")).find("\r\nName=B\xE4" "ckerei Muster\r\n") !=
                std::string::npos);
    }

    // A journal lost beside its balance file is lost bookings: the opening names the file and offers no
    // new empty journal, which would leave balances that disagree with it.
    void aLostJournalIsNotReplacedByAnEmptyOne() {
        testing::StartDirectory dir;
        {
            ScriptedRunner setUp;
            setUp.on("CircleSelectionDialog", [](QDialog& d) { return testing::click(d, "ok"); });
            setUp.on("CircleAdminDialog", [](QDialog& d) {
                testing::setField(d, "name", "Muster");
                testing::setField(d, "year", "2024");
                return testing::click(d, "ok");
            });
            setUp.on("MissingLedgerDialog", press("create"));
            CMainFrame frame(&setUp);
            QVERIFY(frame.newDocument());
        }
        QVERIFY(QFile::remove("BK000001/B2024001.jou"));
        ScriptedRunner runner;
        runner.on("CircleSelectionDialog", [](QDialog& d) { return testing::click(d, "ok"); });
        CMainFrame frame(&runner);
        QVERIFY(!frame.newDocument());
        // The selection comes back (and is cancelled); no question about setting up new files.
        QCOMPARE(runner.unanswered, std::vector<QString>{QStringLiteral("CircleSelectionDialog")});
        QCOMPARE(runner.messages.size(), std::size_t(1));
        QVERIFY(runner.messages[0].text.startsWith(QStringLiteral("Die Journaldatei des Buchungsjahres fehlt:")));
        QVERIFY(!QFile::exists("BK000001/B2024001.jou"));
    }

    void cancellingTheAdministrationReturnsToTheNumber() {
        testing::StartDirectory dir;
        ScriptedRunner runner;
        runner.on("CircleSelectionDialog", [](QDialog& d) {
            // Out of range: the message, and the dialog stays.
            testing::setField(d, "number", "0");
            if (testing::click(d, "ok") != -1) return -2;
            // A new number whose administration is cancelled: back to the field.
            testing::setField(d, "number", "5");
            if (testing::click(d, "ok") != -1) return -3;
            return testing::click(d, "cancel");
        });
        runner.on("CircleAdminDialog", press("cancel"));
        CMainFrame frame(&runner);
        QVERIFY(!frame.newDocument());
        QCOMPARE(runner.messages.size(), std::size_t(1));
        QCOMPARE(runner.messages[0].text, QStringLiteral("Nur Buchungskreisnummern von 1-999 zulässig !"));
        QCOMPARE(runner.messages[0].title, QStringLiteral("ACHTUNG"));
        QVERIFY(!QFile::exists("BK000005"));
        QVERIFY(!frame.childFrame());
        QVERIFY(enabled(frame, cmd::kNewDocument));
    }

    void aCircleOpenInAnotherCopyIsNotOpened() {
        testing::StartDirectory dir;
        testing::createCircle(1, "Muster GmbH", 2024);
        ui::SilentMessages silent;
        ui::NoProgress noProgress;
        circles::CVt36Doc other(silent, noProgress);
        other.readProgramConfig();
        QCOMPARE(other.openCircle(1), 1);

        ScriptedRunner runner;
        runner.on("CircleSelectionDialog", answerWith("number", "1"));
        runner.on("CircleSelectionDialog", press("cancel"));
        CMainFrame frame(&runner);
        QVERIFY(!frame.newDocument());
        QCOMPARE(runner.messages.size(), std::size_t(1));
        QCOMPARE(runner.messages[0].text, kLockedMessage);
        QCOMPARE(runner.messages[0].heading, QStringLiteral("FEHLER"));
        // The selection came back after the message.
        QCOMPARE(std::count(runner.dialogs.begin(), runner.dialogs.end(), QStringLiteral("CircleSelectionDialog")), 2);
        QVERIFY(!frame.document().isOpen());
        QVERIFY(!frame.childFrame());
        // The other copy still has its files.
        QVERIFY(other.isOpen());
        QVERIFY(other.journal().isOpen());
    }

    void passwordIsAskedUntilItIsRight() {
        testing::StartDirectory dir;
        testing::createCircle(1, "Muster GmbH", 2024);
        {
            ui::SilentMessages silent;
            config::CIniSB ini(silent);
            QCOMPARE(ini.readAllSettings(), 1);
            ini.config().password = "geheim";
            QCOMPARE(ini.writeAllSettings(), 1);
        }
        ScriptedRunner runner;
        int wrongEntries = -1;
        runner.on("PasswordDialog", [&wrongEntries](QDialog& d) {
            testing::setField(d, "password", "falsch");
            if (testing::click(d, "ok") != -1) return -2;
            testing::setField(d, "password", "  geheim ");
            const int result = testing::click(d, "ok");
            wrongEntries = static_cast<PasswordDialog&>(d).wait().wrongEntries();
            return result;
        });
        runner.on("CircleSelectionDialog", answerWith("number", "1"));
        CMainFrame frame(&runner);
        frame.opening().setPasswordStepUnit(std::chrono::microseconds(0));
        QVERIFY(frame.newDocument());
        QCOMPARE(wrongEntries, 1);
        QCOMPARE(runner.messages.size(), std::size_t(1));
        QCOMPARE(runner.messages[0].text, QStringLiteral("Das eingebene Passwort ist leider falsch!"));
        QCOMPARE(frame.progressWindow().windowTitle(), QStringLiteral("Falsche Passworteingabe"));
        QCOMPARE(frame.progressWindow().secondLine(),
                 QString::fromUtf8("1. Versuch\nDas Programm wird vorübergehend gesperrt..."));
        QVERIFY(!frame.progressWindow().isVisible());

        // Cancelling the password opens nothing.
        frame.closeDocument();
        runner.on("PasswordDialog", press("cancel"));
        QVERIFY(!frame.newDocument());
        QCOMPARE(runner.dialogs.back(), QStringLiteral("PasswordDialog"));
    }

    void passwordWaitGrowsFromTheThirdEntry() {
        PasswordWait wait;
        std::vector<long long> factors;
        for (int i = 0; i < 6; ++i) factors.push_back(wait.wrongEntry());
        QCOMPARE(factors, (std::vector<long long>{1, 1, 2, 6, 42, 1806}));
        for (int i = 0; i < 10; ++i) wait.wrongEntry();
        QCOMPARE(wait.factor(), kPasswordWaitFactorLimit);
    }

    void switchingWithF9() {
        testing::StartDirectory dir;
        testing::createCircle(1, "Erste GmbH", 2024);
        testing::createCircle(2, "Zweite KG", 2023, false);
        ScriptedRunner runner;
        runner.on("CircleSelectionDialog", answerWith("number", "1"));
        CMainFrame frame(&runner);
        QVERIFY(frame.newDocument());

        // Cancelled: the circle stays open.
        runner.on("CircleSelectionDialog", press("cancel"));
        QVERIFY(frame.runCommand(cmd::kSwitchCircle));
        QCOMPARE(frame.document().number(), 1);
        QVERIFY(frame.document().isOpen());

        // F9 in the date field of the form switches.
        runner.on("CircleSelectionDialog", answerWith("number", "2"));
        frame.view()->pressKey(entry::KeyPress::function(9));
        QCOMPARE(frame.document().number(), 2);
        QCOMPARE(frame.childFrame()->windowTitle(), QStringLiteral("Nr: 2 - Zweite KG - 2023"));
        QCOMPARE(frame.action(cmd::kResultStatement)->text(), QStringLiteral("Gewinn- und &Verlust-Rechnung\tF4"));
        // The first circle's files are free again.
        ui::SilentMessages silent;
        ui::NoProgress noProgress;
        circles::CVt36Doc other(silent, noProgress);
        other.readProgramConfig();
        QCOMPARE(other.openCircle(1), 1);
    }

    void takingOverTheChartOfAnotherCircle() {
        testing::StartDirectory dir;
        testing::createCircle(2, "Vorlage", 2024);
        {
            ui::SilentMessages silent;
            ui::NoProgress noProgress;
            circles::CVt36Doc doc(silent, noProgress);
            doc.readProgramConfig();
            QCOMPARE(doc.openCircle(2), 1);
            posting::AccountFiles files{doc.reportCursor(), doc.accountIndex(), doc.balanceFile(), 3, silent};
            posting::NewAccount account;
            account.number = 4711;
            account.name = "BUEROBEDARF";
            QCOMPARE(int(posting::createAccount(files, account)), int(posting::MaintenanceResult::Done));
        }
        testing::createCircleSettingsOnly(3, "Neu", 2024);
        ScriptedRunner runner;
        runner.on("CircleSelectionDialog", answerWith("number", "3"));
        runner.on("MissingLedgerDialog", press("takeOver"));
        // A circle without balance file first: its message, and the number is asked again.
        runner.on("ChartTakeOverDialog", answerWith("number", "7"));
        runner.on("ChartTakeOverDialog", answerWith("number", "2"));
        CMainFrame frame(&runner);
        QVERIFY(frame.newDocument());
        QCOMPARE(frame.document().number(), 3);
        QCOMPARE(runner.messages.size(), std::size_t(1));
        QCOMPARE(runner.messages[0].text,
                 QStringLiteral("Die Saldendatei des zu übernehmenden\nBuchungskreises konnte nicht gefunden werden."));
        std::string balance, name, number;
        QCOMPARE(frame.document().reportCursor().findByNumber(4711, balance, name, number), 1);
        QCOMPARE(QString::fromStdString(name).trimmed(), QStringLiteral("BUEROBEDARF"));
    }

    void aNewCircleTakesTheShippedTemplateOfItsChart() {
        testing::StartDirectory dir;
        testing::createCircleSettingsOnly(4, "Neu", 2024);
        ScriptedRunner runner;
        runner.on("CircleSelectionDialog", answerWith("number", "4"));
        runner.on("MissingLedgerDialog", press("takeOver"));
        runner.on("ChartTakeOverDialog", press("template"));
        CMainFrame frame(&runner);
        QVERIFY(frame.newDocument());
        QCOMPARE(frame.document().number(), 4);
        QVERIFY(runner.messages.empty());
        // Far more than the two VAT accounts, among them the revenue account with its VAT preset.
        QVERIFY(frame.document().accountIndex().count() > 200);
        std::string balance, name, number;
        QCOMPARE(frame.document().reportCursor().findByNumber(8400, balance, name, number), 1);
        QVERIFY(QString::fromLatin1(name.c_str()).endsWith(QStringLiteral("19%")));

        // The balance list offers the whole range of the chart taken over, not that of the two VAT accounts
        // the circle had before.
        int first = 0, firstRecord = -1, last = 0, lastRecord = -1;
        QVERIFY(frame.document().accountIndex().firstAndLastByNumber(first, firstRecord, last, lastRecord));
        QVERIFY(first < 1570 && last > 1770);
        QString from, to;
        runner.on("BalanceListDialog", [&from, &to](QDialog& d) {
            from = d.findChild<QLineEdit*>("fromAccount")->text();
            to = d.findChild<QLineEdit*>("toAccount")->text();
            return testing::click(d, "cancel");
        });
        QVERIFY(frame.runCommand(cmd::kBalanceList));
        QCOMPARE(from, QString::asprintf("%05i", first));
        QCOMPARE(to, QString::asprintf("%05i", last));
    }

    void administrationChangesTheOpenCircle() {
        testing::StartDirectory dir;
        testing::createCircle(1, "Alt", 2024);
        ScriptedRunner runner;
        runner.on("CircleSelectionDialog", answerWith("number", "1"));
        CMainFrame frame(&runner);
        QVERIFY(frame.newDocument());

        // In administration mode even an existing circle opens the administration dialog; the selection
        // comes again until it is cancelled.
        runner.on("CircleSelectionDialog", answerWith("number", "1"));
        QString shownName;
        runner.on("CircleAdminDialog", [&shownName](QDialog& d) {
            shownName = d.findChild<QLineEdit*>("name")->text();
            testing::setField(d, "name", "Neu");
            return testing::click(d, "ok");
        });
        runner.on("CircleSelectionDialog", press("cancel"));
        QVERIFY(frame.runCommand(cmd::kCircleAdministration));
        QCOMPARE(shownName, QStringLiteral("Alt"));
        QVERIFY(runner.unanswered.empty());
        QVERIFY(frame.document().isOpen());
        QCOMPARE(frame.childFrame()->windowTitle(), QStringLiteral("Nr: 1 - Neu - 2024"));
    }
};

TELLMARK_SHELL_TEST_MAIN(StartupTest)
#include "startup_test.moc"
