#include "shell/circle_selection_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "circles/circle_lock.h"
#include "config/field_checks.h"
#include "config/file_names.h"
#include "config/ini_numbers.h"
#include "platform/file.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_document.h"
#include "resources/texts_shell.h"
#include "shell/circle_admin_dialog.h"
#include "shell/circle_overview_dialog.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kNumberTyped = 3;
}

CircleSelectionDialog::CircleSelectionDialog(ShellContext& context, std::string dataDirectory, int maxNumber,
                                             bool administration)
    : TellmarkDialog(context.frame, text::kSelectionDialogTitle, "CircleSelectionDialog"),
      context_(context),
      dataDirectory_(std::move(dataDirectory)),
      maxNumber_(maxNumber),
      administration_(administration) {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(qt(format(text::kSelectionNumberLabel, maxNumber)), this);
    field_ = makeField(this, kNumberTyped, "number");
    checkWhileTyping(field_, [](std::string& t, int& caret) { return config::checkDigitsOnly(t, caret); });
    label->setBuddy(field_);
    layout->addWidget(label);
    layout->addWidget(field_);
    auto* hint = new QLabel(qt(administration ? text::kSelectionAdminHint : text::kSelectionNewHint), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(qt(text::kButtonOk), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* exit = new QPushButton(qt(text::kSelectionExit), this);
    exit->setObjectName(QStringLiteral("cancel"));
    auto* overview = new QPushButton(qt(text::kSelectionOverview), this);
    overview->setObjectName(QStringLiteral("overview"));
    row->addWidget(ok);
    row->addWidget(exit);
    row->addWidget(overview);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &CircleSelectionDialog::onOk);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(overview, &QPushButton::clicked, this, &CircleSelectionDialog::onOverview);

    field_->setText(QStringLiteral("1"));
    backToField();
}

void CircleSelectionDialog::backToField() {
    field_->setFocus();
    field_->selectAll();
}

void CircleSelectionDialog::onOk() {
    const int number = config::parseIniInt(fieldText(field_));
    if (number < 1 || number > maxNumber_) {
        context_.messages.show(format(text::kMsgCircleNumberRange, maxNumber_), text::kCaptionError,
                               ui::kIconExclamation);
        backToField();
        return;
    }
    const int probe = platform::probeFile(config::settingsFileName(dataDirectory_, number));
    // The administration changes no circle that another copy has open.
    if (administration_ && probe == platform::kProbePresent &&
        circles::probeCircleFiles(dataDirectory_, number) == platform::kProbeLocked) {
        context_.messages.show(text::kMsgCircleLocked, text::kCaptionError, ui::kIconExclamation);
        backToField();
        return;
    }
    if (administration_ || probe == platform::kProbeMissing || probe == platform::kProbeOther) {
        CircleAdminDialog admin(context_, dataDirectory_, number);
        if (context_.runner.run(admin) == QDialog::Accepted) {
            context_.messages.show(text::kMsgCircleCreated, text::kCaptionInformation, ui::kIconStop);
            number_ = number;
            accept();
        } else {
            backToField();
        }
        return;
    }
    if (probe == platform::kProbePresent) {
        number_ = number;
        accept();
        return;
    }
    if (probe == platform::kProbeLocked)
        context_.messages.show(text::kMsgCircleLocked, text::kCaptionError, ui::kIconExclamation);
    else
        context_.messages.show(text::kMsgCircleUnknownError, text::kCaptionError, ui::kIconExclamation);
    backToField();
}

void CircleSelectionDialog::onOverview() {
    CircleOverviewDialog overview(context_, dataDirectory_, maxNumber_);
    if (overview.circleCount() > 0 && context_.runner.run(overview) == QDialog::Accepted &&
        overview.chosenNumber() > 0)
        field_->setText(QString::number(overview.chosenNumber()));
    backToField();
}

}  // namespace tellmark::shell
