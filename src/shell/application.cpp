#include "shell/application.h"

#include <QTimer>
#include <clocale>
#include <cstring>

#include "shell/main_frame.h"
#include "shell/screenshot_runner.h"
#include "shell/window_size.h"

namespace tellmark::shell {

QIcon programIcon() { return QIcon(QStringLiteral(":/tellmark/tellmark.svg")); }

std::unique_ptr<QApplication> createApplication(int& argc, char** argv) {
    auto app = std::make_unique<QApplication>(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(programIcon());
    // The desktop entry the window belongs to, for window managers that group by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("tellmark"));
    return app;
}

int runProgram(int& argc, char** argv) {
    auto app = createApplication(argc, argv);
    QString screenshots;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0) screenshots = QString::fromLocal8Bit(argv[i + 1]);
    std::unique_ptr<ScreenshotRunner> pictures;
    if (!screenshots.isEmpty()) pictures = std::make_unique<ScreenshotRunner>(screenshots);

    CMainFrame frame(pictures.get());
    frame.placeOnDesktop(startScreenCell(frame.context().messages));
    frame.show();
    QTimer::singleShot(0, &frame, [&frame, &pictures] {
        frame.newDocument();
        if (!pictures) return;
        QTimer::singleShot(500, &frame, [&frame, &pictures] {
            pictures->save(frame, QStringLiteral("CMainFrame"));
            QApplication::quit();
        });
    });
    return app->exec();
}

}  // namespace tellmark::shell
