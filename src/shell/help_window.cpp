#include "shell/help_window.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "circles/chart_template.h"
#include "resources/texts_shell.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kWidth = 760;
constexpr int kHeight = 620;
}  // namespace

QString helpFilePath() {
    for (const std::string& directory : circles::chartTemplateSearchDirectories("")) {
        const QString path = QString::fromStdString(directory) + QLatin1Char('/') + qt(text::kHelpFileName);
        if (QFileInfo(path).isFile()) return QFileInfo(path).absoluteFilePath();
    }
    return {};
}

HelpWindow::HelpWindow(QWidget* frame) : QWidget(frame, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(qt(text::kHelpWindowTitle));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("guide"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    layout->addWidget(browser_);
    resize(kWidth, kHeight);
}

bool HelpWindow::load(const QString& path) {
    if (!QFileInfo(path).isReadable()) return false;
    browser_->setSource(QUrl::fromLocalFile(path));
    return !browser_->document()->isEmpty();
}

void HelpWindow::showSection(const QString& anchor) {
    section_ = anchor;
    show();
    raise();
    activateWindow();
    browser_->scrollToAnchor(anchor);
    browser_->setFocus();
    // The first showing lays the page out only now; the section is sought again once that is done.
    QTimer::singleShot(0, browser_, [browser = browser_, anchor] { browser->scrollToAnchor(anchor); });
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) ||
        (event->key() == Qt::Key_W && event->modifiers() == Qt::ControlModifier)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tellmark::shell
