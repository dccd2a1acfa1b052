#include "shell/standard_texts_dialog.h"

#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/program_config_dialogs.h"
#include "resources/format.h"
#include "resources/texts_shell.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

StandardTextsDialog::StandardTextsDialog(ShellContext& context, config::CIniSB& settings)
    : TellmarkDialog(context.frame, text::kStandardTextsTitle, "StandardTextsDialog"), settings_(settings) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const std::string name = format("text%i", static_cast<int>(i + 1));
        fields_[i] = makeField(this, static_cast<int>(config::kKeyTextChars), name.c_str());
        fields_[i]->setMinimumWidth(260);
        fields_[i]->setText(qt(settings_.config().keyTexts[i]));
        form->addRow(qt(format(text::kStandardTextLabel, static_cast<int>(i + 1))), fields_[i]);
    }
    layout->addLayout(form);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &StandardTextsDialog::onOk);
}

void StandardTextsDialog::onOk() {
    std::array<std::string, 8> texts;
    for (std::size_t i = 0; i < fields_.size(); ++i) texts[i] = fieldText(fields_[i]);
    config::storeStandardTexts(settings_.config(), texts);
    if (settings_.writeAllSettings() == 1) accept();
}

}  // namespace tellmark::shell
