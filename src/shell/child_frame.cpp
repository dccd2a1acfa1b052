#include "shell/child_frame.h"

#include <QCloseEvent>

#include "shell/text_convert.h"

namespace tellmark::shell {

CChildFrame::CChildFrame(circles::CVt36Doc& doc, ShellContext& context, QWidget* parent)
    : QMdiSubWindow(parent), doc_(doc) {
    setObjectName(QStringLiteral("CChildFrame"));
    view_ = new CVt36View(doc, context, this);
    setWidget(view_);
    setAttribute(Qt::WA_DeleteOnClose, false);
    updateTitle();
}

void CChildFrame::updateTitle() { setWindowTitle(qt(doc_.title())); }

void CChildFrame::closeEvent(QCloseEvent* event) {
    // The main frame closes the circle and removes this frame.
    event->ignore();
    Q_EMIT closeRequested();
}

}  // namespace tellmark::shell
