#pragma once
// CChildFrame: the frame around the booking form inside the main window; its caption is the title of
// the open booking circle. Closing it closes the circle.

#include <QMdiSubWindow>

#include "shell/vt36_view.h"

namespace tellmark::shell {

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(circles::CVt36Doc& doc, ShellContext& context, QWidget* parent = nullptr);
    CVt36View* view() const { return view_; }
    // The circle's title as caption.
    void updateTitle();

Q_SIGNALS:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    circles::CVt36Doc& doc_;
    CVt36View* view_;
};

}  // namespace tellmark::shell
