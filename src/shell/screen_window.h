#pragma once
// "Bildschirmausgabe": the report in the print file on the screen, one print line per text line with an
// empty line before the first line of every page. The line width comes from the first CR LF of the file
// (67 or 112); lines are read from the file only when they are drawn, so a long report opens at once.

#include <QAbstractScrollArea>
#include <QFile>
#include <QString>
#include <cstdint>
#include <vector>

namespace tellmark::shell {

class ScreenWindow : public QAbstractScrollArea {
    Q_OBJECT
public:
    // pageStart: the page table of the print file (byte offset of every page, -1 behind the last).
    ScreenWindow(const QString& printFile, const std::vector<std::int64_t>& pageStart, QWidget* frame);

    // False when the print file cannot be read.
    bool load();
    // Over the frame's client area, 49 pixels below its top, as wide as the lines need or the area allows.
    void placeOverClientArea();

    int lineWidth() const { return width_; }
    // Text rows: print lines plus one empty row before every page.
    std::int64_t rowCount() const { return lines_ + static_cast<std::int64_t>(firstLines_.size()); }
    // The row's text (the print line without its trailing blanks), empty for a page gap.
    QString rowText(std::int64_t row);
    // Rows per step of the vertical scroll bar: 1 up to 9,999 rows, then 10, 100 or 1,000.
    int rowsPerStep() const;
    // The row at the top of the window.
    std::int64_t topRow() const;
    // Scrolls so that the page's gap row is at the top (0 = first page; beyond the last: the last).
    void showPage(std::size_t page);
    std::size_t pageCount() const { return firstLines_.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Esc and Ctrl+W close the window, Ctrl+Home and Ctrl+End go to the first and the last page.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateScrollBars();
    int rowHeight() const;
    int contentWidth() const;

    QFile file_;
    std::vector<std::int64_t> pageStart_;
    std::vector<std::int64_t> firstLines_;  // first print line of every page
    int width_ = 67;
    std::int64_t lines_ = 0;
};

}  // namespace tellmark::shell
