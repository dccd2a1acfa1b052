#include "shell/message_dialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "resources/texts_common.h"
#include "resources/texts_shell.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
// 223 x 90 dialog units at the usual dialog font.
constexpr int kWidth = 335;
constexpr int kMinimumHeight = 146;
}  // namespace

std::string_view messageWindowTitle(int icon) {
    switch (icon) {
    case ui::kIconExclamation: return text::kCaptionWarning;
    case ui::kIconInformation: return text::kCaptionInformation;
    default: return text::kCaptionError;
    }
}

int messageIcon(std::string_view caption, int icon) {
    if (icon != ui::kIconStop) return icon;
    if (caption == text::kCaptionInformation) return ui::kIconInformation;
    if (caption == text::kCaptionWarning) return ui::kIconExclamation;
    return icon;
}

MessageDialog::MessageDialog(QWidget* parent, std::string_view text, std::string_view caption, int icon)
    : TellmarkDialog(parent, messageWindowTitle(messageIcon(caption, icon)), "MessageDialog") {
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(qt(caption), this);
    heading_->setObjectName(QStringLiteral("heading"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    heading_->setAlignment(Qt::AlignHCenter);
    text_ = new QLabel(qt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
    text_->setObjectName(QStringLiteral("text"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(qt(text::kButtonOk), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(heading_);
    layout->addWidget(text_, 1);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setMinimumSize(kWidth, kMinimumHeight);
    resize(kWidth, kMinimumHeight);
}

void DialogMessages::show(std::string_view text, std::string_view caption, int icon) {
    MessageDialog dialog(parent_, text, caption, icon);
    runner_.run(dialog);
}

}  // namespace tellmark::shell
