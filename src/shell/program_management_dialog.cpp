#include "shell/program_management_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/program_config_dialogs.h"
#include "resources/texts_common.h"
#include "resources/texts_shell.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kPathTyped = static_cast<int>(config::kPathChars);
}

ProgramManagementDialog::ProgramManagementDialog(ShellContext& context, config::CIniSB& settings)
    : TellmarkDialog(context.frame, text::kProgramManagementTitle, "ProgramManagementDialog"),
      context_(context),
      settings_(settings) {
    const config::ProgramConfig& config = settings_.config();
    auto* layout = new QVBoxLayout(this);
    shared_ = new QRadioButton(qt(text::kProgramManagementShared), this);
    shared_->setObjectName(QStringLiteral("shared"));
    separate_ = new QRadioButton(qt(text::kProgramManagementSeparate), this);
    separate_->setObjectName(QStringLiteral("separate"));
    layout->addWidget(shared_);
    layout->addWidget(separate_);

    auto* pathRow = new QHBoxLayout;
    dataPath_ = makeField(this, kPathTyped, "dataPath");
    auto* pathLabel = new QLabel(qt(text::kProgramManagementPathLabel), this);
    pathLabel->setBuddy(dataPath_);
    auto* browse = new QPushButton(qt(text::kProgramManagementBrowse), this);
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(dataPath_, 1);
    pathRow->addWidget(browse);
    layout->addLayout(pathRow);

    auto* form = new QFormLayout;
    companionProgram_ = makeField(this, kPathTyped, "companionProgram");
    companionImport_ = makeField(this, kPathTyped, "companionImport");
    form->addRow(qt(text::kProgramManagementCompanionLabel), companionProgram_);
    form->addRow(qt(text::kProgramManagementImportLabel), companionImport_);
    layout->addLayout(form);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);

    const bool separate = !config.dataDirectory.empty();
    separate_->setChecked(separate);
    shared_->setChecked(!separate);
    dataPath_->setText(qt(config.dataDirectory));
    companionProgram_->setText(qt(config.companionProgram));
    companionImport_->setText(qt(config.companionImport));
    setMinimumWidth(520);
    updateEnabled();

    connect(separate_, &QRadioButton::toggled, this, &ProgramManagementDialog::updateEnabled);
    connect(browse, &QPushButton::clicked, this, [this] {
        context_.messages.show(text::kMsgNoPathSelector, text::kCaptionInformation, ui::kIconStop);
    });
    connect(ok, &QPushButton::clicked, this, &ProgramManagementDialog::onOk);
}

void ProgramManagementDialog::updateEnabled() { dataPath_->setEnabled(separate_->isChecked()); }

void ProgramManagementDialog::onOk() {
    config::storeProgramManagement(settings_.config(), separate_->isChecked(), fieldText(dataPath_),
                                   fieldText(companionProgram_), fieldText(companionImport_));
    if (settings_.writeAllSettings() == 1) accept();
}

}  // namespace tellmark::shell
