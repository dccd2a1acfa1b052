// Journal sort and journal search in the desktop program: the dialogs, and where the entry form stands.

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell_test_support.h"
#include "support/cli_runner.h"

using namespace tellmark;
using namespace tellmark::shell;

class JournalToolsTest : public QObject {
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
        for (const char* date : {"05.03", "01.03", "20.01", "07.03"})
            cli({"post", "-k", "1", "--date", date, "--debit", "1200", "--credit", "8400", "--amount", "119",
                 "--rate", "19", "--text", std::string(date[1] == '7' ? "Gutschrift " : "Rechnung ") + date});
        runner_ = std::make_unique<shell::testing::ScriptedRunner>();
        frame_ = shell::testing::openFrame(*runner_);
        QVERIFY(frame_);
    }
    void cleanup() {
        frame_.reset();
        runner_.reset();
        dir_.reset();
    }

    void sortByDayAndMonthRenumbers() {
        runner_->on("JournalSortDialog", [](QDialog& d) {
            auto* byDays = d.findChild<QRadioButton*>(QStringLiteral("byDays"));
            if (!byDays) return -1;
            byDays->setChecked(true);
            return shell::testing::click(d, "ok");
        });
        QVERIFY(frame_->runCommand(cmd::kJournalSort));
        QVERIFY(runner_->messages.empty());
        const std::string journal = shell::testing::readAll(dir_->file("BK000001/B2024001.jou"));
        QCOMPARE(journal.size(), std::size_t(4 * 64));
        QCOMPARE(QString::fromLatin1(journal.substr(0, 5).c_str()), QStringLiteral("20.01"));
        QCOMPARE(QString::fromLatin1(journal.substr(64, 5).c_str()), QStringLiteral("01.03"));
        QCOMPARE(QString::fromLatin1(journal.substr(192, 5).c_str()), QStringLiteral("07.03"));
        QCOMPARE(frame_->view()->model()->currentNumber(), 5L);  // the new line after the four bookings
    }

    // Ctrl+S: "Starten" finds the first hit, "Weiter" the next, then none is left and the form goes to its
    // new line. Ctrl+R from the end finds the last hit first and ends on booking 1.
    void searchKeysOfTheEntryForm() {
        std::vector<long> shown;
        auto answer = [this, &shown](const char* button, const char* text) {
            runner_->on("SearchDialog", [this, &shown, button, text](QDialog& d) {
                shown.push_back(frame_->view()->model()->currentNumber());
                shell::testing::setField(d, "text", QString::fromLatin1(text));
                return shell::testing::click(d, button);
            });
        };
        answer("start", "rechnung");
        answer("next", "rechnung");
        answer("next", "rechnung");
        answer("next", "rechnung");
        QTest::keyClick(frame_->view(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(shown, (std::vector<long>{5, 1, 2, 3}));
        QCOMPARE(runner_->messages.size(), std::size_t(1));
        QCOMPARE(runner_->messages[0].text, QStringLiteral("Kein weiterer Suchbegriff mehr gefunden !"));
        QCOMPARE(runner_->messages[0].heading, QStringLiteral("INFORMATION"));
        QCOMPARE(frame_->view()->model()->currentNumber(), 5L);

        shown.clear();
        answer("start", "Gutschrift");
        answer("next", "Gutschrift");
        QTest::keyClick(frame_->view(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(shown, (std::vector<long>{5, 4}));
        QCOMPARE(frame_->view()->model()->currentNumber(), 1L);
        // Case sensitive: "RECHNUNG" is nowhere.
        runner_->on("SearchDialog", [](QDialog& d) {
            shell::testing::setField(d, "text", QStringLiteral("RECHNUNG"));
            d.findChild<QCheckBox*>(QStringLiteral("caseSensitive"))->setChecked(true);
            return shell::testing::click(d, "start");
        });
        QVERIFY(frame_->runCommand(cmd::kSearchForward));
        QCOMPARE(runner_->messages.size(), std::size_t(3));
    }

private:
    std::unique_ptr<shell::testing::StartDirectory> dir_;
    std::unique_ptr<shell::testing::ScriptedRunner> runner_;
    std::unique_ptr<CMainFrame> frame_;
};

TELLMARK_SHELL_TEST_MAIN(JournalToolsTest)
#include "journal_tools_test.moc"
