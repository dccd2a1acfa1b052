// The reports from the journal, the VAT pre-return and the month evaluation in the desktop program: each
// menu command's dialog, its field checks, and a text file that holds exactly the bytes tellmark-cli
// writes for the same values.

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <ctime>

#include "config/document_paths.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell_test_support.h"
#include "support/cli_runner.h"

using namespace tellmark;
using namespace tellmark::shell;

namespace {

int chooseTextFile(QDialog& d) {
    auto* button = d.findChild<QRadioButton*>(QStringLiteral("textFile"));
    if (!button) return -1;
    button->setChecked(true);
    return shell::testing::click(d, "ok");
}

// Fields set as typed, then OK.
shell::testing::ScriptedRunner::Handler fill(std::vector<std::pair<const char*, QString>> fields,
                                      std::vector<const char*> checked = {}) {
    return [fields, checked](QDialog& d) {
        for (const auto& [name, value] : fields) shell::testing::setField(d, name, value);
        for (const char* box : checked) {
            auto* b = d.findChild<QCheckBox*>(QString::fromLatin1(box));
            if (!b) return -2;
            b->setChecked(true);
        }
        return shell::testing::click(d, "ok");
    };
}

std::string todayDots() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::snprintf(text, sizeof text, "%02i.%02i.%04i", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
    return text;
}

struct Kind {
    int command;
    const char* dialog;
    shell::testing::ScriptedRunner::Handler answer;
    std::vector<std::string> cli;  // the same values for tellmark-cli report
};

}  // namespace

class JournalReportsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<shell::testing::StartDirectory>();
        const std::string here = dir_->path().toStdString();
        auto cli = [&](const std::vector<std::string>& args) {
            const auto r = tellmark::testing::runCli(here, args);
            QVERIFY2(r.exitCode == 0, r.err.c_str());
        };
        cli({"circle", "create", "1", "--name", "Muster GmbH", "--year", "2024", "--chart-from", "skr03"});
        cli({"post", "-k", "1", "--date", "15.03", "--debit", "1000", "--credit", "8400", "--amount", "119",
             "--rate", "19", "--text", "Barverkauf"});
        cli({"post", "-k", "1", "--date", "10.03", "--debit", "4930", "--credit", "1000", "--amount", "59.50",
             "--rate", "19", "--text", "Papier"});
        cli({"post", "-k", "1", "--date", "02.04", "--debit", "1200", "--credit", "8300", "--amount", "107",
             "--rate", "7", "--text", "Rechnung 7"});
        cli({"post", "-k", "1", "--date", "20.03", "--debit", "1000", "--credit", "1200", "--amount", "500",
             "--text", "Bareinzahlung"});
        runner_ = std::make_unique<shell::testing::ScriptedRunner>();
        frame_ = shell::testing::openFrame(*runner_);
        QVERIFY(frame_);
    }
    void cleanup() {
        frame_.reset();
        runner_.reset();
        dir_.reset();
    }

    // Every kind once through its dialog into a text file, then through tellmark-cli with the same values.
    void textFileEqualsTheCommandLine() {
        const std::vector<Kind> kinds = {
            {cmd::kJournal, "JournalDialog", fill({{"from", "01.03"}, {"to", "30.04"}}),
             {"journal", "--from", "01.03", "--to", "30.04"}},
            {cmd::kAccountSheets, "AccountSheetsDialog",
             fill({{"from", "12.03"}, {"to", "31.03"}, {"fromAccount", "1000"}, {"toAccount", "1600"}}, {"skipAll"}),
             {"account-sheets", "--from", "12.03", "--to", "31.03", "--from-account", "1000", "--to-account", "1600",
              "--skip-unbooked"}},
            {cmd::kCashBook, "CashBookDialog", fill({{"account", "1000"}, {"from", "01.03"}, {"to", "31.03"}}),
             {"cash-book", "--account", "1000", "--from", "01.03", "--to", "31.03"}},
            {cmd::kCollectiveAccounts, "CollectiveSheetsDialog",
             fill({{"group", "8"}, {"from", "01.01"}, {"to", "31.12"}}),
             {"collective", "--group", "8", "--from", "01.01", "--to", "31.12"}},
            {cmd::kVatReturn, "VatReturnDialog", fill({{"fromMonth", "03"}, {"toMonth", "04"}}),
             {"vat-return", "--from-month", "3", "--to-month", "4"}},
            {cmd::kMonthEvaluation, "MonthEvaluationDialog", fill({{"month", "03"}}, {"includeVat"}),
             {"month-eval", "--month", "3", "--vat"}},
        };
        std::vector<std::string> written;
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            const std::string name = "r" + std::to_string(i) + ".txt";
            runner_->on(kinds[i].dialog, kinds[i].answer);
            runner_->on("OutputDialog", chooseTextFile);
            runner_->on("TextFileNameDialog", shell::testing::answerWith("name", QString::fromStdString(name)));
            QVERIFY(frame_->runCommand(kinds[i].command));
            QCOMPARE(runner_->unanswered.size(), std::size_t(0));
            QVERIFY2(runner_->messages.empty(), kinds[i].dialog);
            written.push_back(shell::testing::readAll(dir_->file("BK000001/" + name)));
            QVERIFY2(written.back().size() > 10 * 67, kinds[i].dialog);
        }
        frame_.reset();  // the command line opens the circle on its own
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            std::vector<std::string> args{"report", "-k", "1"};
            args.insert(args.end(), kinds[i].cli.begin(), kinds[i].cli.end());
            const std::string out = dir_->file("cli" + std::to_string(i) + ".txt");
            args.insert(args.end(), {"--print-date", todayDots(), "--out", out});
            const auto r = tellmark::testing::runCli(dir_->path().toStdString(), args);
            QVERIFY2(r.exitCode == 0, r.err.c_str());
            QVERIFY2(shell::testing::readAll(out) == written[i], kinds[i].dialog);
        }
    }

    // Fields the dialogs refuse keep the dialog open on that field; an account range that finds no
    // booking says so and shows no output dialog.
    void refusedFieldsAndNothingFound() {
        runner_->on("JournalDialog", [](QDialog& d) {
            shell::testing::setField(d, "from", QStringLiteral("32.03"));
            if (shell::testing::click(d, "ok") != -1) return -2;
            shell::testing::setField(d, "from", QStringLiteral("01.03"));
            shell::testing::setField(d, "to", QStringLiteral("31.14"));
            if (shell::testing::click(d, "ok") != -1) return -3;
            return shell::testing::click(d, "cancel");
        });
        QVERIFY(frame_->runCommand(cmd::kJournal));
        QCOMPARE(runner_->dialogs.back(), QStringLiteral("JournalDialog"));

        runner_->on("AccountSheetsDialog", [](QDialog& d) {
            shell::testing::setField(d, "fromAccount", QStringLiteral("30000"));
            if (shell::testing::click(d, "ok") != -1) return -2;
            shell::testing::setField(d, "fromAccount", QStringLiteral("4000"));
            shell::testing::setField(d, "toAccount", QStringLiteral("4100"));
            // The name of the account typed stands beside the field.
            auto* name = d.findChild<QLabel*>(QStringLiteral("fromName"));
            if (!name || name->text().isEmpty()) return -3;
            // Accounts without bookings printed nowhere: nothing to show.
            auto* skip = d.findChild<QCheckBox*>(QStringLiteral("skipAll"));
            if (!skip) return -4;
            skip->setChecked(true);
            return shell::testing::click(d, "ok");
        });
        QVERIFY(frame_->runCommand(cmd::kAccountSheets));
        QCOMPARE(runner_->unanswered.size(), std::size_t(0));
        QCOMPARE(runner_->messages.size(), std::size_t(2));
        QCOMPARE(runner_->messages[0].text, QString::fromUtf8("Ungültige Kontonummer bzw. Kontenauswahl !"));
        QCOMPARE(runner_->messages[1].heading, QStringLiteral("INFORMATION"));
        QVERIFY(runner_->messages[1].text.startsWith(QStringLiteral("Keine Buchungen")));
        QVERIFY(std::find(runner_->dialogs.begin(), runner_->dialogs.end(), QStringLiteral("OutputDialog")) ==
                runner_->dialogs.end());
    }

    // F7 in the debit field: every booking of the account found there, straight into the screen window.
    void accountBookingsOfTheDebitFieldOnTheScreen() {
        QTest::keyClicks(frame_->view(), QStringLiteral("15.03"));
        QTest::keyClick(frame_->view(), Qt::Key_Tab);
        QTest::keyClick(frame_->view(), Qt::Key_Tab);
        QTest::keyClicks(frame_->view(), QStringLiteral("1000"));
        QTest::keyClick(frame_->view(), Qt::Key_F7);
        QPointer<ScreenWindow> window = frame_->reports().screenWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        const std::string printed =
            shell::testing::readAll(frame_->document().paths()[config::DocumentPaths::kSlotPrintFile]);
        QVERIFY(printed.rfind("KONTOBUCHUNGEN ZU KONTO:   01000", 0) == 0);
        QVERIFY(printed.find("Barverkauf") != std::string::npos);
        QVERIFY(printed.find("Rechnung 7") == std::string::npos);
    }

private:
    std::unique_ptr<shell::testing::StartDirectory> dir_;
    std::unique_ptr<shell::testing::ScriptedRunner> runner_;
    std::unique_ptr<CMainFrame> frame_;
};

TELLMARK_SHELL_TEST_MAIN(JournalReportsTest)
#include "journal_reports_test.moc"
