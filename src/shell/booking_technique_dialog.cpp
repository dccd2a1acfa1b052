#include "shell/booking_technique_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/program_config_dialogs.h"
#include "resources/texts_shell.h"
#include "shell/field_edit.h"
#include "shell/later_changes_dialog.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kPasswordTyped = 16;
}

BookingTechniqueDialog::BookingTechniqueDialog(ShellContext& context, config::CIniSB& settings)
    : TellmarkDialog(context.frame, text::kBookingTechniqueTitle, "BookingTechniqueDialog"),
      context_(context),
      settings_(settings) {
    const config::ProgramConfig& config = settings_.config();
    auto* layout = new QVBoxLayout(this);
    usePassword_ = new QCheckBox(qt(text::kBookingTechniqueUsePassword), this);
    usePassword_->setObjectName(QStringLiteral("usePassword"));
    password_ = makeField(this, kPasswordTyped, "password");
    checkWhileTyping(password_, [](std::string& t, int& caret) {
        const std::size_t before = t.size();
        t = config::filterPasswordTyping(t);
        caret -= static_cast<int>(before - t.size());
        return before == t.size() ? 1 : 0;
    });
    auto* passwordRow = new QHBoxLayout;
    auto* passwordLabel = new QLabel(qt(text::kBookingTechniquePasswordLabel), this);
    passwordLabel->setBuddy(password_);
    passwordRow->addWidget(passwordLabel);
    passwordRow->addWidget(password_, 1);
    layout->addWidget(usePassword_);
    layout->addLayout(passwordRow);

    twelveMonths_ = new QRadioButton(qt(text::kBookingTechnique12Months), this);
    twelveMonths_->setObjectName(QStringLiteral("twelveMonths"));
    thirteenMonths_ = new QRadioButton(qt(text::kBookingTechnique13Months), this);
    thirteenMonths_->setObjectName(QStringLiteral("thirteenMonths"));
    layout->addWidget(twelveMonths_);
    layout->addWidget(thirteenMonths_);
    auto* extended = new QPushButton(qt(text::kBookingTechniqueExtended), this);
    extended->setObjectName(QStringLiteral("extended"));
    layout->addWidget(extended, 0, Qt::AlignLeft);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);

    usePassword_->setChecked(!config.password.empty());
    password_->setText(qt(config.password));
    password_->setEnabled(usePassword_->isChecked());
    thirteenMonths_->setChecked(config.thirteenthMonth);
    twelveMonths_->setChecked(!config.thirteenthMonth);
    connect(usePassword_, &QCheckBox::toggled, password_, &QLineEdit::setEnabled);
    connect(extended, &QPushButton::clicked, this, &BookingTechniqueDialog::onExtended);
    connect(ok, &QPushButton::clicked, this, &BookingTechniqueDialog::onOk);
}

void BookingTechniqueDialog::onExtended() {
    LaterChangesDialog dialog(context_, settings_);
    context_.runner.run(dialog);
}

void BookingTechniqueDialog::onOk() {
    config::storeBookingTechnique(settings_.config(), usePassword_->isChecked(), fieldText(password_),
                                  thirteenMonths_->isChecked());
    if (settings_.writeAllSettings() == 1) accept();
}

}  // namespace tellmark::shell
