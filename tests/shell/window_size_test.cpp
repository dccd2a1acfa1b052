// Size of the main window from the screen cell, the smallest size, and dialog placement.

#include <QMdiArea>
#include <QTest>
#include <fstream>

#include "config/program_config.h"
#include "shell/dialog_base.h"
#include "shell/main_frame.h"
#include "shell/window_size.h"
#include "shell_test_support.h"
#include "ui/messages.h"

using namespace tellmark;
using namespace tellmark::shell;

class WindowSizeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellOnSmallAndLargeDesktops() {
        const config::ScreenCell standard{25, 8};
        // 960 x 798 does not fit 768: cut to 768, centred there, then 24 lower for the task bar.
        WindowPlacement p = mainWindowPlacement(standard, 1024, 768);
        QCOMPARE(p.width, 960);
        QCOMPARE(p.height, 744);
        QCOMPARE(p.x, 32);
        QCOMPARE(p.y, 0);

        p = mainWindowPlacement(standard, 800, 600);
        QCOMPARE(p.width, 800);
        QCOMPARE(p.height, 576);
        QCOMPARE(p.x, 0);

        // Room enough: the full size, centred.
        p = mainWindowPlacement(standard, 1920, 1080);
        QCOMPARE(p.width, 960);
        QCOMPARE(p.height, 798);
        QCOMPARE(p.x, 480);
        QCOMPARE(p.y, 141);

        // A desktop of at most 510 pixels keeps the whole height.
        p = mainWindowPlacement(standard, 640, 480);
        QCOMPARE(p.height, 480);

        p = mainWindowPlacement(config::ScreenCell{30, 10}, 1600, 1200);
        QCOMPARE(p.width, 10 * 112 + 64);
        QCOMPARE(p.height, 30 * 30 + 48);
    }

    void snapsBelowTheSmallestSize() {
        int w = 600, h = 400;
        QVERIFY(snapToSmallestSize(w, h));
        QCOMPARE(w, 640);
        QCOMPARE(h, 480);
        w = 700, h = 431;
        QVERIFY(snapToSmallestSize(w, h));
        QCOMPARE(w, 640);
        w = 632, h = 432;
        QVERIFY(!snapToSmallestSize(w, h));
        QCOMPARE(w, 632);
        QCOMPARE(h, 432);
    }

    void mainFrameSnapsBackTo640x480() {
        testing::StartDirectory dir;
        CMainFrame frame;
        frame.resize(800, 600);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.resize(600, 400);
        QTRY_COMPARE(frame.size(), QSize(640, 480));
        frame.resize(700, 500);
        QTRY_COMPARE(frame.size(), QSize(700, 500));
    }

    void screenCellAtStart() {
        testing::StartDirectory dir;
        ui::RecordingMessages messages;
        // No tellmark.ini: the standard cell, and no file is made for it.
        config::ScreenCell cell = startScreenCell(messages);
        QCOMPARE(cell.height, 25);
        QCOMPARE(cell.width, 8);
        QVERIFY(!QFile::exists(QStringLiteral("tellmark.ini")));

        config::CIniSB ini(messages);
        QCOMPARE(ini.createDefaults(), 1);
        QCOMPARE(ini.open(), 1);
        ini.set(config::kProgramConfigSection, config::kKeyScreenCell, "30,10");
        ini.save();
        ini.close();
        cell = startScreenCell(messages);
        QCOMPARE(cell.height, 30);
        QCOMPARE(cell.width, 10);

        // Too short a value counts as the standard cell.
        QCOMPARE(ini.open(), 1);
        ini.set(config::kProgramConfigSection, config::kKeyScreenCell, "9,9");
        ini.save();
        ini.close();
        cell = startScreenCell(messages);
        QCOMPARE(cell.height, 25);
        QCOMPARE(cell.width, 8);
        QVERIFY(messages.empty());
    }

    void dialogsCentreTenPixelsAboveTheMiddle() {
        QCOMPARE(dialogPosition(QRect(100, 50, 800, 600), QSize(200, 100)), QPoint(400, 290));
    }
};

TELLMARK_SHELL_TEST_MAIN(WindowSizeTest)
#include "window_size_test.moc"
