#include "shell/password_dialog.h"

#include "config/text_helpers.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <thread>

#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_shell.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kPasswordTyped = 16;
constexpr int kPollEvery = 10;

std::string trimmedBlanks(const std::string& text) { return config::trim(text); }
}  // namespace

PasswordDialog::PasswordDialog(ShellContext& context, std::string password)
    : TellmarkDialog(context.frame, text::kPasswordDialogTitle, "PasswordDialog"),
      context_(context),
      password_(std::move(password)) {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(qt(text::kPasswordDialogText), this);
    field_ = makeField(this, kPasswordTyped, "password");
    field_->setEchoMode(QLineEdit::Password);
    label->setBuddy(field_);
    layout->addWidget(label);
    layout->addWidget(field_);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &PasswordDialog::onOk);
    field_->setFocus();
}

void PasswordDialog::onOk() {
    if (trimmedBlanks(fieldText(field_)) == password_) {
        accept();
        return;
    }
    wait_.wrongEntry();
    context_.messages.show(text::kMsgPasswordWrong, text::kCaptionInformation, ui::kIconStop);
    waitAfterWrongEntry();
    field_->selectAll();
    field_->setFocus();
}

void PasswordDialog::waitAfterWrongEntry() {
    ui::Progress& progress = context_.progress;
    progress.start(text::kPasswordWaitCaption, text::kPasswordWaitFirstLine,
                   format(text::kPasswordWaitSecondLine, wait_.wrongEntries()), text::kPasswordWaitBarLabel,
                   kPasswordWaitTotal, ui::kBarEndless);
    const auto stepTime = stepUnit_ * wait_.factor();
    for (int i = 0; i < kPasswordWaitSteps; ++i) {
        if (stepTime.count() > 0) std::this_thread::sleep_for(stepTime);
        progress.step(1);
        if (i % kPollEvery == 0) progress.poll();
    }
    progress.end();
}

}  // namespace tellmark::shell
