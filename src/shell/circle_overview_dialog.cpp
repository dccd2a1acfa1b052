#include "shell/circle_overview_dialog.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "circles/circle_list.h"
#include "resources/texts_common.h"
#include "resources/texts_document.h"
#include "resources/texts_shell.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kRightOfFrame = 70;
}

CircleOverviewDialog::CircleOverviewDialog(ShellContext& context, const std::string& dataDirectory, int maxNumber)
    : TellmarkDialog(context.frame, text::kOverviewDialogTitle, "CircleOverviewDialog") {
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("circles"));
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setMinimumWidth(560);
    layout->addWidget(list_);
    auto* hint = new QLabel(qt(text::kOverviewHint), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &CircleOverviewDialog::onOk);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CircleOverviewDialog::onOk);

    ui::Progress& progress = context.progress;
    progress.start(text::kOverviewProgressCaption, {}, text::kOverviewProgressText, text::kOverviewProgressLabel,
                   maxNumber, ui::kBarEndless);
    const std::vector<circles::CircleEntry> circles =
        circles::listCircles(dataDirectory, maxNumber, context.messages);
    progress.step(maxNumber);
    progress.end();
    for (const circles::CircleEntry& entry : circles) {
        list_->addItem(qt(circles::overviewLine(entry)));
        numbers_.push_back(entry.number);
    }
    if (circles.empty()) {
        context.messages.show(text::kMsgNoCirclesFound, text::kCaptionInformation, ui::kIconStop);
    } else {
        list_->setCurrentRow(0);
    }
    if (context.frame) {
        const QRect frame = context.frame->window()->frameGeometry();
        placeAt(QPoint(frame.left() + kRightOfFrame, frame.top()));
    }
}

void CircleOverviewDialog::onOk() {
    const int row = list_->currentRow();
    chosen_ = row >= 0 && row < static_cast<int>(numbers_.size()) ? numbers_[static_cast<std::size_t>(row)] : 0;
    accept();
}

}  // namespace tellmark::shell
