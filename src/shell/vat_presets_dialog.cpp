#include "shell/vat_presets_dialog.h"

#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/field_checks.h"
#include "config/ini_numbers.h"
#include "config/program_config_dialogs.h"
#include "resources/texts_shell.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr double kHighestRate = 99.99;
constexpr int kRateTyped = 6;
}  // namespace

VatPresetsDialog::VatPresetsDialog(ShellContext& context, config::CIniSB& settings)
    : TellmarkDialog(context.frame, text::kVatPresetsTitle, "VatPresetsDialog"), settings_(settings) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    f7_ = makeField(this, kRateTyped, "f7");
    f8_ = makeField(this, kRateTyped, "f8");
    ui::Messages& messages = context.messages;
    for (QLineEdit* field : {f7_, f8_})
        checkWhileTyping(field, [&messages](std::string& t, int& caret) {
            return config::checkAmount(t, caret, kHighestRate, messages);
        });
    form->addRow(qt(text::kVatPresetF7Label), f7_);
    form->addRow(qt(text::kVatPresetF8Label), f8_);
    layout->addLayout(form);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    f7_->setText(qt(config::vatPresetDisplay(settings_.config().vatPresetF7)));
    f8_->setText(qt(config::vatPresetDisplay(settings_.config().vatPresetF8)));
    connect(ok, &QPushButton::clicked, this, &VatPresetsDialog::onOk);
}

void VatPresetsDialog::onOk() {
    if (!config::storeVatPresets(settings_.config(), config::parseIniDecimal(fieldText(f7_)),
                                 config::parseIniDecimal(fieldText(f8_))))
        return;
    if (settings_.writeAllSettings() == 1) accept();
}

}  // namespace tellmark::shell
