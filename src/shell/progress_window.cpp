#include "shell/progress_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

#include "resources/texts_shell.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
// 223 x 86 dialog units.
constexpr int kWidth = 335;
constexpr int kHeight = 150;
// The bar: 20 pixels in from the sides, from 60 to 40 pixels above the bottom edge.
constexpr int kBarSide = 20;
constexpr int kBarTopFromBottom = 60;
constexpr int kBarHeight = 20;
constexpr int kBarMinimumClient = 70;
}  // namespace

ProgressBarWidget::ProgressBarWidget(ui::ProgressBar& bar, QWidget* parent) : QWidget(parent), bar_(bar) {
    setObjectName(QStringLiteral("progressBar"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProgressBarWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    bar_.setWidth(width());
}

void ProgressBarWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect all = rect();
    painter.fillRect(all, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(all, Qt::AlignCenter, qt(bar_.label()));
    const int filled = std::min(bar_.filledWidth(), all.width());
    if (filled > 0) {
        // White turns light cyan, the black label turns the inverse of cyan.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(QRect(0, 0, filled, all.height()), QColor(~kBarFillColour & 0xFFFFFF));
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(Qt::darkGray);
    painter.drawRect(all.adjusted(0, 0, -1, -1));
}

ProgressWindow::ProgressWindow(QWidget* parent)
    : TellmarkDialog(parent, text::kProgressTemplateCaption, "ProgressWindow") {
    setModal(false);
    setFixedSize(kWidth, kHeight);
    first_ = new QLabel(this);
    first_->setObjectName(QStringLiteral("firstLine"));
    first_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    second_ = new QLabel(this);
    second_->setObjectName(QStringLiteral("secondLine"));
    second_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    second_->setWordWrap(true);
    cancel_ = new QPushButton(qt(text::kButtonCancel), this);
    cancel_->setEnabled(false);
    if (kWidth >= kBarMinimumClient && kHeight >= kBarMinimumClient) barWidget_ = new ProgressBarWidget(bar_, this);
    layoutControls();
}

void ProgressWindow::layoutControls() {
    const int w = width(), h = height();
    first_->setGeometry(10, 8, w - 20, 18);
    second_->setGeometry(10, 28, w - 20, 36);
    if (barWidget_) barWidget_->setGeometry(kBarSide, h - kBarTopFromBottom, w - 2 * kBarSide, kBarHeight);
    const QSize button = cancel_->sizeHint();
    cancel_->setGeometry((w - button.width()) / 2, h - button.height() - 8, button.width(), button.height());
}

void ProgressWindow::resizeEvent(QResizeEvent* event) {
    TellmarkDialog::resizeEvent(event);
    layoutControls();
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) { event->accept(); }

void ProgressWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

void ProgressWindow::start(std::string_view caption, std::string_view firstLine, std::string_view secondLine,
                           std::string_view barLabel, int total, int mode) {
    if (barWidget_) bar_.setWidth(barWidget_->width());
    bar_.start(total, mode, barLabel);
    first_->setText(qt(firstLine));
    second_->setText(qt(ui::progressSecondLine(secondLine)));
    setWindowTitle(qt(caption));
    cancel_->setEnabled(false);
    if (!isVisible()) show();
    raise();
    repaint();
}

void ProgressWindow::setFirstLine(std::string_view text) {
    first_->setText(qt(text));
    first_->repaint();
}

void ProgressWindow::setSecondLine(std::string_view text) {
    second_->setText(qt(ui::progressSecondLine(text)));
    second_->repaint();
}

void ProgressWindow::setBarLabel(std::string_view text) {
    bar_.setLabel(text);
    redrawBar();
}

void ProgressWindow::step(int units) {
    bar_.step(units);
    redrawBar();
}

void ProgressWindow::redrawBar() {
    // The work runs on this thread: paint now, not when the loop comes round.
    if (barWidget_ && isVisible()) barWidget_->repaint();
}

// Repaints and timers, but no clicks or keys: a command must not start in the middle of an operation.
void ProgressWindow::poll() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void ProgressWindow::end() { hide(); }

}  // namespace tellmark::shell
