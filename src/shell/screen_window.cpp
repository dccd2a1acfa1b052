#include "shell/screen_window.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "reports/print_file.h"
#include "resources/texts_reports_output.h"
#include "shell/dialog_base.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kLeftMargin = 20;
constexpr int kBelowFrameTop = 49;
}  // namespace

ScreenWindow::ScreenWindow(const QString& printFile, const std::vector<std::int64_t>& pageStart, QWidget* frame)
    : QAbstractScrollArea(frame), file_(printFile), pageStart_(pageStart) {
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("ScreenWindow"));
    setWindowTitle(qt(text::kScreenWindowTitle));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool ScreenWindow::load() {
    if (!file_.open(QIODevice::ReadOnly)) return false;
    // The width from the first line end; a file without one is an empty narrow report.
    const QByteArray head = file_.read(reports::kWideLine + 2);
    const int end = static_cast<int>(head.indexOf("\r\n"));
    width_ = end >= 0 ? end + 2 : reports::kNarrowLine;
    lines_ = file_.size() / width_;
    firstLines_.clear();
    for (std::int64_t start : pageStart_) {
        if (start < 0 || start / width_ >= lines_) break;
        const std::int64_t line = start / width_;
        if (!firstLines_.empty() && line <= firstLines_.back()) break;
        firstLines_.push_back(line);
    }
    // Lines beyond the page table (or a file without one) belong to the last page there is.
    if (firstLines_.empty() && lines_ > 0) firstLines_.push_back(0);
    updateScrollBars();
    return true;
}

void ScreenWindow::placeOverClientArea() {
    const QRect area = frameClientArea(parentWidget());
    const int frameWidth = 2 * (this->frameWidth() + 2) + verticalScrollBar()->sizeHint().width();
    const int wanted = contentWidth() + frameWidth;
    const int height = std::max(100, area.height() - kBelowFrameTop);
    resize(std::min(wanted, area.width()), height);
    move(area.left(), area.top() + kBelowFrameTop);
}

QString ScreenWindow::rowText(std::int64_t row) {
    if (row < 0 || row >= rowCount()) return {};
    std::int64_t line = row;
    if (!firstLines_.empty()) {
        // The page whose gap row is the last at or before this row: page k's gap is row firstLines_[k] + k.
        std::size_t lo = 0, hi = firstLines_.size();
        while (hi - lo > 1) {
            const std::size_t mid = (lo + hi) / 2;
            if (firstLines_[mid] + static_cast<std::int64_t>(mid) <= row) {
                lo = mid;
            } else {
                hi = mid;
            }
        }
        const std::int64_t gap = firstLines_[lo] + static_cast<std::int64_t>(lo);
        if (row == gap) return {};
        line = row - static_cast<std::int64_t>(lo) - 1;
    }
    if (!file_.seek(line * width_)) return {};
    QByteArray bytes = file_.read(width_ - 2);
    while (!bytes.isEmpty() && bytes.back() == ' ') bytes.chop(1);
    return qtReportLine(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

int ScreenWindow::rowsPerStep() const {
    const std::int64_t rows = rowCount();
    if (rows <= 9999) return 1;
    if (rows <= 100000) return 10;
    if (rows <= 1000000) return 100;
    return 1000;
}

std::int64_t ScreenWindow::topRow() const {
    return static_cast<std::int64_t>(verticalScrollBar()->value()) * rowsPerStep();
}

void ScreenWindow::showPage(std::size_t page) {
    if (firstLines_.empty()) return;
    page = std::min(page, firstLines_.size() - 1);
    const std::int64_t gap = firstLines_[page] + static_cast<std::int64_t>(page);
    verticalScrollBar()->setValue(static_cast<int>(gap / rowsPerStep()));
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() == Qt::ControlModifier;
    if ((event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) ||
        (event->key() == Qt::Key_W && ctrl)) {
        close();
        return;
    }
    if (ctrl && event->key() == Qt::Key_Home) {
        showPage(0);
        return;
    }
    if (ctrl && event->key() == Qt::Key_End) {
        showPage(firstLines_.size());
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

int ScreenWindow::rowHeight() const { return std::max(1, fontMetrics().height()); }

int ScreenWindow::contentWidth() const {
    return kLeftMargin + fontMetrics().horizontalAdvance(QString(width_ - 2, QLatin1Char('M')));
}

void ScreenWindow::updateScrollBars() {
    const int step = rowsPerStep();
    const std::int64_t visible = std::max(1, viewport()->height() / rowHeight());
    const std::int64_t hidden = std::max<std::int64_t>(0, rowCount() - visible);
    // The last page can be brought to the top even when it is shorter than the window.
    const std::int64_t lastGap =
        firstLines_.empty() ? 0 : firstLines_.back() + static_cast<std::int64_t>(firstLines_.size() - 1);
    verticalScrollBar()->setRange(0, static_cast<int>(std::max((hidden + step - 1) / step, lastGap / step)));
    verticalScrollBar()->setPageStep(static_cast<int>(std::max<std::int64_t>(1, visible / step)));
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setRange(0, std::max(0, contentWidth() - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(fontMetrics().horizontalAdvance(QLatin1Char('M')));
}

void ScreenWindow::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ScreenWindow::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().base());
    painter.setPen(palette().text().color());
    const int height = rowHeight();
    const int ascent = fontMetrics().ascent();
    const std::int64_t first = topRow();
    const int x = kLeftMargin - horizontalScrollBar()->value();
    for (int y = 0; y < viewport()->height(); y += height) {
        const std::int64_t row = first + y / height;
        if (row >= rowCount()) break;
        const QString text = rowText(row);
        if (!text.isEmpty()) painter.drawText(x, y + ascent, text);
    }
}

}  // namespace tellmark::shell
