#include "shell/dialog_base.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "resources/texts_shell.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kAboveMiddle = 10;
// Room in the title bar for the window manager's icon and buttons.
constexpr int kTitleButtons = 120;
// Space kept between a dialog and the area it must not cover.
constexpr int kClearance = 8;
// Greyed text: dark enough to read on the dialog grey, lighter than the black of enabled text.
const QColor kDisabledText(90, 90, 90);

// The largest size a dialog may take: the main window it opens over, else the desktop.
QSize largestDialogSize(const QWidget* parent) {
    if (parent && parent->window()->isVisible()) return parent->window()->frameGeometry().size();
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}

int titleWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + kTitleButtons;
}
}  // namespace

QPoint dialogPosition(const QRect& clientArea, const QSize& dialogSize) {
    return {clientArea.left() + (clientArea.width() - dialogSize.width()) / 2,
            clientArea.top() + (clientArea.height() - dialogSize.height()) / 2 - kAboveMiddle};
}

QPoint clearOfArea(const QRect& wanted, const QRect& area, const QRect& bounds) {
    if (area.isNull() || !wanted.intersects(area)) return wanted.topLeft();
    const int below = area.bottom() + 1 + kClearance;
    if (below + wanted.height() <= bounds.bottom() + 1) return {wanted.left(), below};
    const int above = area.top() - kClearance - wanted.height();
    return {wanted.left(), std::max(bounds.top(), above)};
}

QRect frameClientArea(const QWidget* frame) {
    if (frame) {
        const QMainWindow* main = qobject_cast<const QMainWindow*>(frame->window());
        const QWidget* client = main && main->centralWidget() ? main->centralWidget() : frame->window();
        if (client->isVisible()) return QRect(client->mapToGlobal(QPoint(0, 0)), client->size());
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

TellmarkDialog::TellmarkDialog(QWidget* parent, std::string_view title, const char* objectName)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(qt(title));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    // Black text where controls are enabled; disabled ones keep their grey.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        grey.setColor(group, QPalette::WindowText, Qt::black);
        grey.setColor(group, QPalette::ButtonText, Qt::black);
        grey.setColor(group, QPalette::Text, Qt::black);
    }
    // The style's own greyed text is nearly the dialog grey; greyed fields stay readable.
    grey.setColor(QPalette::Disabled, QPalette::Window, QColor(192, 192, 192));
    grey.setColor(QPalette::Disabled, QPalette::Base, QColor(212, 212, 212));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        grey.setColor(QPalette::Disabled, role, kDisabledText);
    setPalette(grey);
    setAutoFillBackground(true);
}

void TellmarkDialog::fitToContent() {
    const QSize largest = largestDialogSize(parentWidget());
    // The window manager's frame around the dialog.
    const QSize frame = frameGeometry().size() - size();
    const int widest = largest.width() - std::max(0, frame.width());
    const int highest = largest.height() - std::max(0, frame.height());
    if (QLayout* l = layout()) {
        l->activate();
        if (sizeHint().width() > widest) {
            for (QLabel* label : findChildren<QLabel*>())
                if (!label->wordWrap() && label->sizeHint().width() > widest / 2) label->setWordWrap(true);
            l->invalidate();
            l->activate();
        }
        // A dialog that chose its own size keeps it where the content allows.
        const int base = testAttribute(Qt::WA_Resized) ? width() : sizeHint().width();
        const int width = std::min(std::max({base, minimumSizeHint().width(), titleWidth(windowTitle())}), widest);
        const int natural = l->hasHeightForWidth() ? l->totalHeightForWidth(width) : sizeHint().height();
        const int height = std::min(std::max(testAttribute(Qt::WA_Resized) ? this->height() : 0, natural), highest);
        resize(width, height);
        return;
    }
    if (width() < titleWidth(windowTitle())) resize(std::min(titleWidth(windowTitle()), widest), height());
}

void TellmarkDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fitToContent();
    if (hasFixedPosition_) {
        move(fixedPosition_);
        return;
    }
    const QPoint centred = dialogPosition(frameClientArea(parentWidget()), frameGeometry().size());
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect bounds = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    move(clearOfArea(QRect(centred, frameGeometry().size()), clearOf_, bounds));
}

void TellmarkDialog::addOkCancel(QBoxLayout* layout, QPushButton** ok, QPushButton** cancel) {
    auto* row = new QHBoxLayout;
    auto* okButton = new QPushButton(qt(text::kButtonOk), this);
    auto* cancelButton = new QPushButton(qt(text::kButtonCancel), this);
    okButton->setObjectName(QStringLiteral("ok"));
    cancelButton->setObjectName(QStringLiteral("cancel"));
    okButton->setDefault(true);
    row->addStretch();
    row->addWidget(okButton);
    row->addWidget(cancelButton);
    row->addStretch();
    layout->addLayout(row);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    if (ok) *ok = okButton;
    if (cancel) *cancel = cancelButton;
}

}  // namespace tellmark::shell
