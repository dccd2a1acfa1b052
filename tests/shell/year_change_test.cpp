// The booking year commands in the desktop program: F8 into a new year with its chart and balances and the
// form on the new line of that year, the previous year's closing balances taken over again account by
// account, and a year deleted with only the chosen files.

#include <QLabel>
#include <QTest>

#include "ledger/account_record.h"
#include "ledger/journal_record.h"
#include "posting/posting_engine.h"
#include "resources/format.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/vt36_view.h"
#include "shell_test_support.h"
#include "support/cli_runner.h"

using namespace tellmark;
using namespace tellmark::shell;

namespace {

// An account of a new year: its opening balance, every other slot 0.00.
std::string record(int number, const char* name, double opening) {
    ledger::AccountRecord r;
    ledger::AccountRecord::makeNew(format(" %04i", number), name, opening, r);
    return std::string(r.bytes());
}

}  // namespace

class YearChangeTest : public QObject, public shell::testing::FrameFixture {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        startWith({
            {"circle", "create", "1", "--name", "Muster GmbH", "--year", "2009"},
            {"account", "create", "-k", "1", "1000", "--name", "Kasse", "--opening", "100.00"},
            {"account", "create", "-k", "1", "8400", "--name", "Erloese"},
            {"post", "-k", "1", "--date", "15.01", "--debit", "1000", "--credit", "8400", "--amount", "119",
             "--rate", "19"}});
    }
    void cleanup() { tearDown(); }

    void changeIntoANewYearAndBack() {
        runner_->on("YearInputDialog", shell::testing::answerWith("year", QStringLiteral("2010")));
        bool privateShown = true;
        runner_->on("YearChartDialog", [&privateShown](QDialog& d) {
            privateShown = d.findChild<QCheckBox*>(QStringLiteral("private"))->isVisibleTo(&d);
            return shell::testing::click(d, "ok");
        });
        // F8 in the entry form.
        QTest::keyClick(frame_->view(), Qt::Key_F8);
        QCOMPARE(runner_->dialogs, (std::vector<QString>{QStringLiteral("CircleSelectionDialog"),
                                                         QStringLiteral("YearInputDialog"),
                                                         QStringLiteral("YearChartDialog")}));
        QVERIFY(runner_->unanswered.empty());
        QVERIFY(privateShown);  // a cash-basis chart 03 circle
        QCOMPARE(frame_->childFrame()->windowTitle(), QStringLiteral("Nr: 1 - Muster GmbH - 2010"));
        QCOMPARE(frame_->document().settings().year, 2010);
        QCOMPARE(frame_->view()->model()->bookingCount(), 0L);
        QCOMPARE(frame_->view()->model()->currentNumber(), 1L);
        const std::string balance = shell::testing::readAll(dir_->file("BK000001/B2010001.sal"));
        QCOMPARE(balance.substr(404, 202), record(1000, "Kasse", 219.0));

        // Back into 2009, which exists: no chart question.
        runner_->on("YearInputDialog", shell::testing::answerWith("year", QStringLiteral("2009")));
        QVERIFY(frame_->runCommand(cmd::kYearChange));
        QVERIFY(runner_->unanswered.empty());
        QCOMPARE(frame_->childFrame()->windowTitle(), QStringLiteral("Nr: 1 - Muster GmbH - 2009"));
        QCOMPARE(frame_->view()->model()->bookingCount(), 1L);
        QCOMPARE(frame_->view()->model()->currentNumber(), 2L);
        QVERIFY(runner_->messages.empty());
    }

    void takeOverTheClosingBalancesAgain() {
        runner_->on("YearInputDialog", shell::testing::answerWith("year", QStringLiteral("2010")));
        runner_->on("YearChartDialog", shell::testing::press("ok"));
        QVERIFY(frame_->runCommand(cmd::kYearChange));
        runner_->on("YearInputDialog", shell::testing::answerWith("year", QStringLiteral("2009")));
        QVERIFY(frame_->runCommand(cmd::kYearChange));
        posting::Books books = frame_->document().books();
        const ledger::BookingTexts late{"30.12", "000002", " 1000", " 8400", "Nachtrag", format("%11.2f", 11.9),
                                        format("%5.2f", 19.0)};
        QCOMPARE(posting::saveBooking(books, late), 1);
        runner_->on("YearInputDialog", shell::testing::answerWith("year", QStringLiteral("2010")));
        QVERIFY(frame_->runCommand(cmd::kYearChange));

        runner_->on("TransferConfirmDialog", shell::testing::press("start"));
        QString question;
        runner_->on("DecisionDialog", [&question](QDialog& d) {
            question = d.findChild<QLabel*>(QStringLiteral("text"))->text();
            return shell::testing::click(d, "answer0");
        });
        QVERIFY(frame_->runCommand(cmd::kCarryForward));
        QVERIFY(runner_->unanswered.empty());
        QCOMPARE(question, QString::fromUtf8(" 1000  Kasse                    \n"
                                             "Vorjahresendbestand (2009):       230.90\n"
                                             "Akt. Anfangsbestand (2010):       219.00\n\n"
                                             "Wollen Sie den Vorjahresendbestand als neuen Anfangsbestand übernehmen ?"));
        QCOMPARE(runner_->messages.back().text,
                 QString::fromUtf8("Die Übernahme de Vorjahresendbestände ist beendet."));
        const std::string balance = shell::testing::readAll(dir_->file("BK000001/B2010001.sal"));
        QCOMPARE(balance.substr(404, 202), record(1000, "Kasse", 230.9));
    }

    void deleteAnotherYear() {
        runner_->on("YearInputDialog", shell::testing::answerWith("year", QStringLiteral("2010")));
        runner_->on("YearChartDialog", shell::testing::press("ok"));
        QVERIFY(frame_->runCommand(cmd::kYearChange));

        runner_->on("DeleteYearInputDialog", shell::testing::answerWith("year", QStringLiteral("2010")));
        QVERIFY(frame_->runCommand(cmd::kDeleteYears));
        QCOMPARE(runner_->messages.back().text,
                 QString::fromUtf8("Das aktuelle Buchungsjahr kann nicht gelöscht werden!"));

        runner_->on("DeleteYearInputDialog", shell::testing::answerWith("year", QStringLiteral("2009")));
        runner_->on("DeleteYearDialog", [](QDialog& d) {
            d.findChild<QCheckBox*>(QStringLiteral("journal"))->setChecked(false);
            return shell::testing::click(d, "ok");
        });
        std::vector<bool> marks;
        runner_->on("DeleteStatusDialog", [&marks](QDialog& d) {
            for (int i = 0; i < 4; ++i)
                marks.push_back(d.findChild<QCheckBox*>(QStringLiteral("file%1").arg(i))->isChecked());
            return shell::testing::click(d, "ok");
        });
        QVERIFY(frame_->runCommand(cmd::kDeleteYears));
        QVERIFY(runner_->unanswered.empty());
        QCOMPARE(marks, (std::vector<bool>{true, true, false, false}));
        QVERIFY(!QFile::exists(QString::fromStdString(dir_->file("BK000001/B2009001.sal"))));
        QVERIFY(!QFile::exists(QString::fromStdString(dir_->file("BK000001/B2009001.sdx"))));
        QVERIFY(QFile::exists(QString::fromStdString(dir_->file("BK000001/B2009001.jou"))));
        QVERIFY(QFile::exists(QString::fromStdString(dir_->file("BK000001/B2009001.jdx"))));
    }

private:
};

TELLMARK_SHELL_TEST_MAIN(YearChangeTest)
#include "year_change_test.moc"
