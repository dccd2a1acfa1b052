// The user guide: F1 in the booking form opens it at the form, the help commands at its start, one window
// for all of them; the guide shipped with the program is found from the build and links only to its own
// sections. Every window carries the program's icon.

#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include "shell/application.h"
#include "shell/command_ids.h"
#include "shell/help_window.h"
#include "shell/main_frame.h"
#include "shell_test_support.h"

using namespace tellmark;
using namespace tellmark::shell;

class HelpWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<testing::StartDirectory>();
        testing::createCircle(1, "Muster GmbH", 2024);
        runner_ = std::make_unique<testing::ScriptedRunner>();
        frame_ = testing::openFrame(*runner_);
        QVERIFY(frame_);
    }
    void cleanup() {
        frame_.reset();
        runner_.reset();
        dir_.reset();
    }

    void f1InTheBookingFormOpensTheGuideAtTheForm() {
        QTest::keyClick(frame_->view(), Qt::Key_F1);
        HelpWindow* help = frame_->helpWindow();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QVERIFY(runner_->messages.empty());
        QCOMPARE(help->windowTitle(), QString::fromUtf8("Tellmark – Hilfe"));
        QCOMPARE(help->section(), QString::fromLatin1(kHelpEntryForm));
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Tasten der Erfassungsmaske")));
        // Scrolled down to the section, away from the start of the page.
        QTRY_VERIFY(help->browser()->verticalScrollBar()->value() > 0);
        const int atForm = help->browser()->verticalScrollBar()->value();

        // The help command uses the same window, at the start.
        QVERIFY(frame_->runCommand(cmd::kHelpFile));
        QCOMPARE(frame_->helpWindow(), help);
        QCOMPARE(help->section(), QString::fromLatin1(kHelpStart));
        QTRY_VERIFY(help->browser()->verticalScrollBar()->value() < atForm / 2);

        QTest::keyClick(help->browser(), Qt::Key_Escape);
        QTRY_VERIFY(!frame_->helpWindow());
        // The form keeps its own function keys: F1 did not reach the booking line.
        QVERIFY(frame_->view()->model()->statusText().find_first_not_of(' ') == std::string::npos);
    }

    void helpMenuItemsOpenTheGuide() {
        for (int id : {cmd::kHelpIndex, cmd::kHelpUsing}) {
            QVERIFY(frame_->runCommand(id));
            QVERIFY(frame_->helpWindow() && frame_->helpWindow()->isVisible());
        }
        QVERIFY(runner_->messages.empty());
    }

    void shippedGuideLinksOnlyToItsOwnSections() {
        const QString path = helpFilePath();
        QVERIFY(!path.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QSet<QString> sections;
        for (const auto& m : QRegularExpression(QStringLiteral("<a name=\"([^\"]+)\"")).globalMatch(html))
            sections << m.captured(1);
        QVERIFY(sections.contains(QString::fromLatin1(kHelpStart)));
        QVERIFY(sections.contains(QString::fromLatin1(kHelpEntryForm)));
        int links = 0;
        for (const auto& m : QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).globalMatch(html)) {
            QVERIFY2(m.captured(1).startsWith(QLatin1Char('#')), qPrintable(m.captured(1)));
            QVERIFY2(sections.contains(m.captured(1).mid(1)), qPrintable(m.captured(1)));
            ++links;
        }
        QVERIFY(links >= 8);
    }

    void everyWindowHasTheProgramsIcon() {
        const QIcon icon = programIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.pixmap(32).isNull());
        const QImage picture = icon.pixmap(32).toImage();
        auto same = [&picture](const QIcon& shown) { return shown.pixmap(32).toImage() == picture; };
        QVERIFY(same(QApplication::windowIcon()));
        QVERIFY(same(frame_->windowIcon()));
        QVERIFY(same(frame_->childFrame()->windowIcon()));
        QVERIFY(frame_->runCommand(cmd::kHelpFile));
        QVERIFY(same(frame_->helpWindow()->windowIcon()));
    }

private:
    std::unique_ptr<testing::StartDirectory> dir_;
    std::unique_ptr<testing::ScriptedRunner> runner_;
    std::unique_ptr<CMainFrame> frame_;
};

TELLMARK_SHELL_TEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
