// Switching the circle with F9 to one that another copy holds, then leaving the selection that comes back:
// the form whose key started it all must outlive its own key handling.

#include <QPointer>
#include <algorithm>
#include <QTest>

#include "config/file_names.h"
#include "platform/file.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell_test_support.h"

using namespace tellmark;
using namespace tellmark::shell;
using testing::answerWith;
using testing::press;
using testing::ScriptedRunner;

namespace {

const QString kLockedMessage = QString::fromUtf8(
    "Der gewählte Buchungskreis wird schon bearbeitet\noder die Dateien sind schreibgeschützt\n"
    "(z.B. nach Kopieren von einer CD) !");

// Esc in the selection, as a person leaves it.
int escape(QDialog& dialog) {
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    return dialog.result();
}

}  // namespace

class CircleSwitchTest : public QObject {
    Q_OBJECT
private:
    void switchToAHeldCircleAndLeave(ScriptedRunner::Handler leave) {
        testing::StartDirectory dir;
        testing::createCircle(1, "Erste GmbH", 2024);
        testing::createCircle(2, "Zweite KG", 2024);
        // Another copy of the program has circle 1 open.
        platform::File otherCopy;
        QVERIFY(otherCopy.open(config::balanceFileName("", 3, 2024, 1), platform::Share::DenyWrite));

        ScriptedRunner runner;
        runner.on("CircleSelectionDialog", answerWith("number", "2"));
        CMainFrame frame(&runner);
        frame.show();
        QVERIFY(frame.newDocument());
        QCOMPARE(frame.document().number(), 2);

        runner.on("CircleSelectionDialog", answerWith("number", "1"));
        runner.on("CircleSelectionDialog", std::move(leave));
        QPointer<CVt36View> view = frame.view();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_F9);
        // Qt still works on the form after its key handler returns: deleting it there would leave Qt
        // reading freed memory.
        QVERIFY2(!view.isNull(), "the form was deleted inside its own key handling");
        QVERIFY(!view->isVisible());

        QCOMPARE(runner.messages.size(), std::size_t(1));
        QCOMPARE(runner.messages[0].text, kLockedMessage);
        QVERIFY(!frame.document().isOpen());
        QVERIFY(!frame.childFrame());
        QVERIFY(!frame.view());
        QVERIFY(!frame.action(cmd::kAccounts)->isEnabled());
        // The old form goes once its key is handled; painting meanwhile finds nothing to read.
        QTest::qWait(50);
        QVERIFY(view.isNull());
        frame.repaint();

        // The program goes on: the circle can be opened again once the other copy lets go.
        otherCopy.close();
        runner.on("CircleSelectionDialog", answerWith("number", "1"));
        QVERIFY(frame.newDocument());
        QCOMPARE(frame.document().number(), 1);
        QVERIFY(frame.view() && frame.view()->model());
    }

private Q_SLOTS:
    void leavingWithBeenden() { switchToAHeldCircleAndLeave(press("cancel")); }
    void leavingWithEscape() { switchToAHeldCircleAndLeave(&escape); }

    void administrationRefusesACircleOpenElsewhere() {
        testing::StartDirectory dir;
        testing::createCircle(1, "Erste GmbH", 2024);
        testing::createCircle(2, "Zweite KG", 2024);
        platform::File otherCopy;
        QVERIFY(otherCopy.open(config::balanceFileName("", 3, 2024, 1), platform::Share::DenyWrite));
        const std::string before = testing::readAll(dir.file("BK000001/STAMM001.DAT"));

        ScriptedRunner runner;
        runner.on("CircleSelectionDialog", answerWith("number", "2"));
        CMainFrame frame(&runner);
        QVERIFY(frame.newDocument());
        runner.on("CircleSelectionDialog", answerWith("number", "1"));
        QVERIFY(frame.runCommand(cmd::kCircleAdministration));
        QCOMPARE(runner.messages.size(), std::size_t(1));
        QCOMPARE(runner.messages[0].text, kLockedMessage);
        QVERIFY(std::find(runner.dialogs.begin(), runner.dialogs.end(), QStringLiteral("CircleAdminDialog")) ==
                runner.dialogs.end());
        QCOMPARE(testing::readAll(dir.file("BK000001/STAMM001.DAT")), before);
        // The own circle, closed for the administration, is open again.
        QVERIFY(frame.document().isOpen());
        QCOMPARE(frame.document().number(), 2);
    }
};

TELLMARK_SHELL_TEST_MAIN(CircleSwitchTest)
#include "circle_switch_test.moc"
