#include "shell/vat_preset_fields.h"

#include "config/text_helpers.h"

#include <QGridLayout>

#include "config/field_checks.h"
#include "posting/vat_preset.h"
#include "resources/texts_accounts.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kRateTyped = 5;
constexpr std::size_t kNameWidth = 25;

std::string trimmed(std::string_view text) { return config::trim(text); }

std::string padded(std::string name) {
    name.resize(kNameWidth, ' ');
    return name;
}
}  // namespace

QString shownName(const std::string& name) {
    const std::size_t last = name.find_last_not_of(' ');
    return qt(last == std::string::npos ? std::string() : name.substr(0, last + 1));
}

VatPresetFields::VatPresetFields(QWidget* parent, QGridLayout* grid, int row, QLineEdit* name, bool allowed,
                                 ui::Messages& messages)
    : QObject(parent), name_(name), allowed_(allowed), messages_(messages) {
    check_ = new QCheckBox(qt(text::kVatPresetCheck), parent);
    check_->setObjectName(QStringLiteral("vatCheck"));
    rate_ = makeField(parent, kRateTyped, "rate");
    note_ = new QLabel(qt(text::kVatPresetNote), parent);
    note_->setBuddy(rate_);
    grid->addWidget(check_, row, 0);
    grid->addWidget(rate_, row, 1);
    grid->addWidget(note_, row, 2);
    check_->setVisible(allowed);
    rate_->setVisible(allowed);
    note_->setVisible(allowed);
    rate_->setEnabled(false);
    connect(name_, &QLineEdit::textEdited, this, &VatPresetFields::onNameEdited);
    connect(rate_, &QLineEdit::textEdited, this, &VatPresetFields::onRateEdited);
    connect(check_, &QCheckBox::toggled, this, &VatPresetFields::onToggled);
}

void VatPresetFields::chainTabOrder(QWidget* before, QWidget* after) {
    QWidget::setTabOrder(before, check_);
    QWidget::setTabOrder(check_, rate_);
    if (after) QWidget::setTabOrder(rate_, after);
}

void VatPresetFields::setFromName() {
    const std::optional<std::string> preset = posting::presetRateOfName(padded(fieldText(name_)));
    if (!allowed_ || !preset) return;
    check_->setChecked(true);
    rate_->setText(qt(trimmed(*preset)));
}

std::optional<std::string> VatPresetFields::rate() const {
    if (!allowed_ || !check_->isChecked()) return std::nullopt;
    return fieldText(rate_);
}

void VatPresetFields::onNameEdited() {
    if (!check_->isChecked()) return;
    const std::string name = padded(fieldText(name_));
    const std::optional<std::string> preset = posting::presetRateOfName(name);
    if (!preset) return;
    const int caret = name_->cursorPosition();
    name_->setText(shownName(posting::withVatPreset(name, "")));
    name_->setCursorPosition(caret);
    rate_->setText(qt(trimmed(*preset)));
}

void VatPresetFields::onRateEdited() {
    std::string rate = fieldText(rate_);
    int caret = rate_->cursorPosition();
    const int accepted = config::checkVatRate(rate, caret, false, messages_);
    if (qt(rate) != rate_->text()) {
        rate_->setText(qt(rate));
        rate_->setCursorPosition(caret);
    }
    if (accepted != 1 || rate.empty()) return;
    name_->setText(shownName(posting::withVatPreset(padded(fieldText(name_)), rate)));
}

void VatPresetFields::onToggled(bool on) {
    rate_->setEnabled(on);
    if (!on) name_->setText(shownName(posting::withoutVatPreset(padded(fieldText(name_)))));
}

}  // namespace tellmark::shell
