// "Datensicherung" and "Datenrücksicherung" in the desktop program: the backup of the open circle with its
// overview, and the restore that closes the circle, brings the backup back and opens it again.

#include <QLabel>
#include <QTest>
#include <fstream>

#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell_test_support.h"
#include "support/cli_runner.h"

using namespace tellmark;
using namespace tellmark::shell;

class BackupTest : public QObject, public shell::testing::FrameFixture {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        startWith({{"circle", "create", "1", "--name", "Muster GmbH", "--year", "2024", "--chart-from", "skr03"}});
    }
    void cleanup() { tearDown(); }

    void backupShowsTheOverviewAndRestoreBringsItBack() {
        const QString target = dir_->path() + QStringLiteral("/sich");
        runner_->on("BackupDialog", shell::testing::answerWith("directory", target));
        std::vector<QString> rows;
        runner_->on("BackupOverviewDialog", [&rows](QDialog& d) {
            for (int row = 1; row <= 7; ++row)
                rows.push_back(d.findChild<QLabel*>(QStringLiteral("row%1").arg(row))->text());
            return shell::testing::click(d, "ok");
        });
        QVERIFY(frame_->runCommand(cmd::kBackup));
        QVERIFY(runner_->unanswered.empty());
        const QString t = QStringLiteral(" ") + target;
        QCOMPARE(rows, (std::vector<QString>{t + "/BK000001/B2024001.jou ", t + "/BK000001/B2024001.jdx ",
                                             t + "/BK000001/B2024001.sal ", t + "/BK000001/B2024001.sdx ",
                                             t + "/BK000001/B001.stn ", t + "/BK000001/STAMM001.DAT ",
                                             t + "/tellmark.ini "}));
        const std::string journal = dir_->file("BK000001/B2024001.jou");
        const std::string balance = dir_->file("BK000001/B2024001.sal");
        const std::string backedUpBalance = shell::testing::readAll(balance);
        QCOMPARE(shell::testing::readAll(target.toStdString() + "/BK000001/B2024001.sal"), backedUpBalance);

        // A booking more behind the program's back; the restore takes the circle back to the backup.
        const std::string extra = "05.03R1     1200 8400Verkauf                       119.0019.00\r\n";
        QCOMPARE(extra.size(), std::size_t(64));
        { std::ofstream(journal, std::ios::binary | std::ios::app) << extra; }
        runner_->on("RestoreDialog", shell::testing::answerWith("directory", target));
        QVERIFY(frame_->runCommand(cmd::kRestore));
        QVERIFY(runner_->unanswered.empty());
        QCOMPARE(runner_->messages.back().heading, QStringLiteral("INFORMATION"));
        QCOMPARE(runner_->messages.back().text,
                 QStringLiteral("Die Datensicherung des Buchungskreises 1 (Buchungsjahr 2024) wurde zurückgesichert.\n"
                                "Die bisherigen Dateien liegen mit der Endung \".vor\" daneben."));
        QCOMPARE(shell::testing::readAll(journal), std::string());
        QCOMPARE(shell::testing::readAll(journal + ".vor"), extra);
        QCOMPARE(shell::testing::readAll(balance), backedUpBalance);
        QVERIFY(frame_->view());
        QCOMPARE(frame_->view()->model()->currentNumber(), 1L);
    }

private:
};

TELLMARK_SHELL_TEST_MAIN(BackupTest)
#include "backup_test.moc"
