#include "shell/dialog_base.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>

#include "resources/texts_shell.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kAboveMiddle = 10;
}

QPoint dialogPosition(const QRect& clientArea, const QSize& dialogSize) {
    return {clientArea.left() + (clientArea.width() - dialogSize.width()) / 2,
            clientArea.top() + (clientArea.height() - dialogSize.height()) / 2 - kAboveMiddle};
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
    setPalette(grey);
    setAutoFillBackground(true);
}

void TellmarkDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (hasFixedPosition_) {
        move(fixedPosition_);
        return;
    }
    move(dialogPosition(frameClientArea(parentWidget()), frameGeometry().size()));
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
