#include "shell/screenshot_runner.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

namespace tellmark::shell {

void ScreenshotRunner::save(QWidget& widget, const QString& name) {
    QDir().mkpath(directory_);
    widget.grab().save(QDir(directory_).filePath(QStringLiteral("%1-%2.png").arg(++count_, 2, 10, QLatin1Char('0')).arg(name)));
}

int ScreenshotRunner::run(QDialog& dialog) {
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    QApplication::processEvents();
    save(dialog, dialog.objectName());
    QPushButton* button = nullptr;
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->isDefault() && b->isEnabled()) button = b;
    if (button) button->click();
    // A dialog that stays open after its default button would wait for a person: it is cancelled.
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
}

}  // namespace tellmark::shell
