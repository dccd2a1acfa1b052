// The progress window draws the state of its bar: cyan up to the filled width, white beyond, the label
// inverted over the filled part; texts and the disabled cancel button.

#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

#include "shell/progress_window.h"
#include "shell_test_support.h"

using namespace tellmark;
using namespace tellmark::shell;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kInvertedBlack = qRgb(0xBF, 0x00, 0x00);

QImage barImage(ProgressWindow& window) { return window.barWidget()->grab().toImage(); }

// A pixel in the top rows, away from the label in the middle and from the frame.
QRgb barPixel(const QImage& image, double fraction) {
    return image.pixel(static_cast<int>(fraction * image.width()), 2);
}

bool hasColour(const QImage& image, QRect area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
    return false;
}

}  // namespace

class ProgressWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void drawsTheFilledPartCyan() {
        ProgressWindow window;
        window.start("Neuindizierung", "Salden", "Index wird erstellt", "Salden-Index", 10, ui::kBarEndless);
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("Neuindizierung"));
        QCOMPARE(window.barWidget()->width(), 335 - 40);
        window.step(5);
        const QImage image = barImage(window);
        QCOMPARE(barPixel(image, 0.25) & 0xFFFFFF, kBarFillColour & 0xFFFFFF);
        QCOMPARE(barPixel(image, 0.75) & 0xFFFFFF, kWhite & 0xFFFFFF);

        // Mode 3000: full at the total, and the next step past it starts again empty.
        window.step(5);
        QCOMPARE(barPixel(barImage(window), 0.98) & 0xFFFFFF, kBarFillColour & 0xFFFFFF);
        window.step(1);
        QCOMPARE(barPixel(barImage(window), 0.25) & 0xFFFFFF, kWhite & 0xFFFFFF);
        window.step(9);
        QCOMPARE(barPixel(barImage(window), 0.85) & 0xFFFFFF, kBarFillColour & 0xFFFFFF);
    }

    void labelIsInvertedOverTheBar() {
        ProgressWindow window;
        window.start("Sortierung", "", "", "", 100, ui::kBarPercentStayFull);
        QCOMPARE(window.bar().label(), std::string("0%"));
        const QImage empty = barImage(window);
        const QRect label(empty.width() / 2 - 15, 3, 30, empty.height() - 6);
        QVERIFY(hasColour(empty, label, qRgb(0, 0, 0)));
        QVERIFY(!hasColour(empty, label, kInvertedBlack));

        // Full in mode 3004: "100%" stays, the label's black turns into the inverse of cyan.
        window.step(150);
        QCOMPARE(window.bar().label(), std::string("100%"));
        const QImage full = barImage(window);
        QVERIFY(hasColour(full, label, kInvertedBlack));
        QVERIFY(!hasColour(full, label, qRgb(0, 0, 0)));
        QCOMPARE(barPixel(full, 0.98) & 0xFFFFFF, kBarFillColour & 0xFFFFFF);
    }

    void linesAndTheDisabledCancelButton() {
        ProgressWindow window;
        const std::string sixty(60, 'x');
        window.start("Import", "Erste Zeile", sixty, "Buchungen", 0, ui::kBarStayFull);
        QCOMPARE(window.firstLine(), QStringLiteral("Erste Zeile"));
        QCOMPARE(window.secondLine(), QString(50, QLatin1Char('x')) + QLatin1Char(' ') + QString(10, QLatin1Char('x')));
        // A total of 0 counts as 1: one step fills the bar.
        window.step(1);
        QCOMPARE(barPixel(barImage(window), 0.9) & 0xFFFFFF, kBarFillColour & 0xFFFFFF);
        window.setSecondLine("Weiter");
        QCOMPARE(window.secondLine(), QStringLiteral("Weiter"));

        const QList<QPushButton*> buttons = window.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.front()->text(), QStringLiteral("&Abbruch"));
        QVERIFY(!buttons.front()->isEnabled());

        // Escape and Enter do not close it; only the operation's end does.
        QTest::keyClick(&window, Qt::Key_Escape);
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY(window.isVisible());
        window.close();
        QVERIFY(window.isVisible());
        window.end();
        QVERIFY(!window.isVisible());
    }
};

TELLMARK_SHELL_TEST_MAIN(ProgressWindowTest)
#include "progress_window_test.moc"
