#pragma once
// The base of every dialog: grey background with black text, and placed when it opens: centred over
// the main frame's client area and 10 pixels above its middle, or centred on the desktop without frame.

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <string_view>

class QBoxLayout;
class QPushButton;

namespace tellmark::shell {

// Top-left corner of a dialog of the given size over the client area.
QPoint dialogPosition(const QRect& clientArea, const QSize& dialogSize);

class TellmarkDialog : public QDialog {
    Q_OBJECT
public:
    // title is CP1252; objectName lets tests find the dialog.
    TellmarkDialog(QWidget* parent, std::string_view title, const char* objectName);

    // A fixed position in global coordinates instead of the centred one.
    void placeAt(const QPoint& topLeft) { fixedPosition_ = topLeft; hasFixedPosition_ = true; }
    // The centred place, moved below or above the given global rectangle when it would cover it.
    void keepClear(const QRect& globalArea) { clearOf_ = globalArea; }

protected:
    void showEvent(QShowEvent* event) override;
    // "&OK" and "&Abbruch" in a row at the bottom; "&OK" is the default button.
    void addOkCancel(QBoxLayout* layout, QPushButton** ok = nullptr, QPushButton** cancel = nullptr);

private:
    // As wide as the title and the content need, no larger than the main window (or the desktop): labels
    // too wide for it wrap.
    void fitToContent();

    QPoint fixedPosition_;
    QRect clearOf_;
    bool hasFixedPosition_ = false;
};

// The client area of the main frame in global coordinates, or the desktop when there is none.
QRect frameClientArea(const QWidget* frame);

// Top-left corner of a dialog at `wanted` moved off `area` (below it, or above it when there is no room
// below within `bounds`); unchanged when they do not meet.
QPoint clearOfArea(const QRect& wanted, const QRect& area, const QRect& bounds);

}  // namespace tellmark::shell
