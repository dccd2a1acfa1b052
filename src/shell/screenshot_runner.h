#pragma once
// A dialog runner that needs nobody: it saves each dialog as a picture and presses its default button.
// It lets the program be looked at on a display without a person at it ("--screenshot DIR").

#include <QString>

#include "shell/dialog_runner.h"

namespace tellmark::shell {

class ScreenshotRunner : public DialogRunner {
public:
    explicit ScreenshotRunner(QString directory) : directory_(std::move(directory)) {}
    int run(QDialog& dialog) override;
    // Saves a widget as <directory>/<number>-<name>.png.
    void save(QWidget& widget, const QString& name);

private:
    QString directory_;
    int count_ = 0;
};

}  // namespace tellmark::shell
