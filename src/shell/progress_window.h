#pragma once
// The progress window: caption, two text lines, the bar with its label drawn inside, and an "&Abbruch"
// button that stays disabled. Long operations run on the one thread and poll it, which lets the
// program repaint; nothing can be cancelled from it.

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "shell/dialog_base.h"
#include "ui/progress.h"
#include "ui/progress_bar.h"

namespace tellmark::shell {

// The filled part of the bar: light cyan.
inline constexpr QRgb kBarFillColour = qRgb(0x40, 0xFF, 0xFF);

// Draws a ProgressBar: white background, the label centred in black, then the filled part painted by
// inverting it against light cyan, so the bar is cyan and the label over it shows in the inverse colour.
class ProgressBarWidget : public QWidget {
    Q_OBJECT
public:
    ProgressBarWidget(ui::ProgressBar& bar, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ui::ProgressBar& bar_;
};

class ProgressWindow : public TellmarkDialog, public ui::Progress {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    void start(std::string_view caption, std::string_view firstLine, std::string_view secondLine,
               std::string_view barLabel, int total, int mode) override;
    void setFirstLine(std::string_view text) override;
    void setSecondLine(std::string_view text) override;
    void setBarLabel(std::string_view text) override;
    void step(int units) override;
    void poll() override;
    void end() override;

    const ui::ProgressBar& bar() const { return bar_; }
    ProgressBarWidget* barWidget() const { return barWidget_; }
    QString firstLine() const { return first_->text(); }
    QString secondLine() const { return second_->text(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}

private:
    void layoutControls();
    void redrawBar();

    ui::ProgressBar bar_;
    QLabel* first_;
    QLabel* second_;
    QPushButton* cancel_;
    ProgressBarWidget* barWidget_ = nullptr;
};

}  // namespace tellmark::shell
