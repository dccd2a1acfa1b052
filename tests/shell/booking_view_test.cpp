// The booking form widget: real key events reach the form model, a typed line is posted, and the frame
// follows the form's insert mode and requests.

#include <fstream>

#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include "circles/document.h"
#include "entry/entry_form.h"
#include "posting/account_maintenance.h"
#include "shell/command_ids.h"
#include "shell/dialog_base.h"
#include "shell/main_frame.h"
#include "shell_test_support.h"

using namespace tellmark;
using namespace tellmark::shell;

class BookingViewTest : public QObject {
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
            for (auto [number, name] : {std::pair{1000, "KASSE"}, std::pair{8400, "ERLOESE"}}) {
                posting::NewAccount account;
                account.number = number;
                account.name = name;
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

    void typedLineIsPosted() {
        CVt36View* view = frame_->view();
        QTest::keyClicks(view, "01.02");
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClicks(view, "R1");
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClicks(view, "1");
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(QString::fromStdString(view->model()->debitName()).trimmed(), QStringLiteral("KASSE"));
        QTest::keyClicks(view, "84");
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClicks(view, "Verkauf");
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClicks(view, "119");
        QTest::keyClick(view, Qt::Key_Return);
        QTest::keyClicks(view, "19");
        QTest::keyClick(view, Qt::Key_Tab);
        QVERIFY(view->model()->savePromptShown());
        QTest::keyClicks(view, "J");
        QVERIFY(runner_->messages.empty());
        QCOMPARE(view->model()->bookingCount(), 1L);
        QCOMPARE(view->model()->currentNumber(), 2L);

        const std::string journal = testing::readAll(dir_->file("BK000001/B2024001.jou"));
        const std::string record = std::string("01.02") + "R1    " + " 1000" + " 8400" + "Verkauf" +
                                   std::string(18, ' ') + "     119.00" + "19.00" + "\r\n";
        QCOMPARE(QByteArray::fromStdString(journal), QByteArray::fromStdString(record));
        QCOMPARE(QString::fromStdString(view->model()->row(0)).left(25), QStringLiteral("01.02 R1      1000  8400 "));
    }

    // Lines typed through the widget, as a person would; the row numbers are those of the form.
    void post(const char* date, const char* text) {
        CVt36View* view = frame_->view();
        QTest::keyClicks(view, date);
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClicks(view, "1000");
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClicks(view, "8400");
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClicks(view, text);
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClicks(view, "10");
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClicks(view, "J");
    }

    void markerNettoAndBrowsingThroughTheWidget() {
        CVt36View* view = frame_->view();
        entry::EntryFormModel* form = view->model();
        for (int i = 1; i <= 3; ++i) post("03.02", "Miete");
        QCOMPARE(form->bookingCount(), 3L);
        // The new line sits directly under the last of fewer than eight bookings.
        QCOMPARE(form->cursorRow(), 3);

        // A text with ".#" keeps the cursor on the marker.
        QTest::keyClicks(view, "04.02");
        for (const char* field : {"", "1000", "8400"}) {
            QTest::keyClick(view, Qt::Key_Tab);
            QTest::keyClicks(view, field);
        }
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClicks(view, "Rechnung .# vom");
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(form->cursorColumn(), 25 + 9);

        // Typing replaces the marker; then F5 in the amount field selects "Netto", a second F5 clears it.
        QTest::keyClicks(view, "12");
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(form->cursorColumn(), 51);
        QTest::keyClick(view, Qt::Key_F5);
        QVERIFY(form->kind() == posting::BookingKind::Net);
        QTest::keyClick(view, Qt::Key_F5);
        QVERIFY(form->kind() == posting::BookingKind::Normal);

        // Page back with fewer than eight bookings before shows bookings 1 to 8 from the top row.
        QTest::keyClick(view, Qt::Key_PageUp);
        QTest::keyClick(view, Qt::Key_PageUp);
        QCOMPARE(form->rowNumber(0), 1L);
        QCOMPARE(form->currentNumber(), 1L);
    }

    // The question before a deletion never covers the line it is about, wherever that line stands.
    void deleteQuestionLeavesTheRowInSight() {
        CVt36View* view = frame_->view();
        for (int i = 1; i <= 9; ++i) post("05.02", "Miete");
        int coveredWhenCentred = 0;
        int covered = 0;
        for (int row = 8; row >= 0; --row) {
            QTest::keyClick(view, Qt::Key_Up);
            const QRect line = view->currentRowArea();
            runner_->on("DeleteBookingDialog", [&](QDialog& d) {
                d.show();
                if (!QTest::qWaitForWindowExposed(&d)) return -1;
                const QSize size = d.frameGeometry().size();
                if (QRect(dialogPosition(frameClientArea(frame_.get()), size), size).intersects(line))
                    ++coveredWhenCentred;
                if (d.frameGeometry().intersects(line)) ++covered;
                return testing::click(d, "cancel");
            });
            QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
            QCOMPARE(runner_->dialogs.back(), QStringLiteral("DeleteBookingDialog"));
        }
        QVERIFY(coveredWhenCentred > 0);
        QCOMPARE(covered, 0);
        QCOMPARE(view->model()->bookingCount(), 9L);
    }

    void insertKeyShowsOverwriteInTheStatusBar() {
        CVt36View* view = frame_->view();
        QVERIFY(frame_->insertMode());
        QCOMPARE(frame_->overwritePane()->text(), QString());
        QTest::keyClick(view, Qt::Key_Insert);
        QVERIFY(!view->model()->insertMode());
        QVERIFY(!frame_->insertMode());
        QCOMPARE(frame_->overwritePane()->text(), QString::fromUtf8("ÜB"));
        // Switching the circle opens it in insert mode again.
        runner_->on("CircleSelectionDialog", testing::answerWith("number", "1"));
        QTest::keyClick(view, Qt::Key_F9);
        QVERIFY(frame_->insertMode());
        QCOMPARE(frame_->overwritePane()->text(), QString());
    }

    void reindexingAsksAndRebuildsBothIndexFiles() {
        post("03.02", "Miete");
        const std::string jdx = testing::readAll(dir_->file("BK000001/B2024001.jdx"));
        const std::string sdx = testing::readAll(dir_->file("BK000001/B2024001.sdx"));
        runner_->on("ReindexQuestion", testing::press("cancel"));
        QVERIFY(frame_->runCommand(cmd::kReindex));
        QCOMPARE(frame_->statusBar()->currentMessage(), QString());
        // Both files spoilt behind the program's back come back whole.
        for (const char* name : {"BK000001/B2024001.jdx", "BK000001/B2024001.sdx"})
            std::ofstream(dir_->file(name), std::ios::binary | std::ios::trunc) << "kaputt";
        runner_->on("ReindexQuestion", testing::press("ok"));
        QVERIFY(frame_->runCommand(cmd::kReindex));
        QCOMPARE(runner_->dialogs.size(), std::size_t(3));  // the selection at the start, then the two questions
        QVERIFY(runner_->messages.empty());
        QCOMPARE(testing::readAll(dir_->file("BK000001/B2024001.jdx")), jdx);
        QCOMPARE(testing::readAll(dir_->file("BK000001/B2024001.sdx")), sdx);
        QCOMPARE(frame_->view()->model()->bookingCount(), 1L);
        QCOMPARE(frame_->statusBar()->currentMessage(),
                 QStringLiteral("Neuindizierung abgeschlossen: Kontenindex und Journalindex wurden neu erstellt."));
    }

    void ctrlAOpensTheAccountsDialog() {
        runner_->on("AccountsDialog", testing::press("close"));
        QTest::keyClick(frame_->view(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(runner_->dialogs.back(), QStringLiteral("AccountsDialog"));
    }

private:
    std::unique_ptr<testing::StartDirectory> dir_;
    std::unique_ptr<testing::ScriptedRunner> runner_;
    std::unique_ptr<CMainFrame> frame_;
};

TELLMARK_SHELL_TEST_MAIN(BookingViewTest)
#include "booking_view_test.moc"
