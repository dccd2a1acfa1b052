#include "shell/print_fonts_dialog.h"

#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/field_checks.h"
#include "config/ini_numbers.h"
#include "resources/texts_shell.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
// Heights in twentieths of a point; four digits reach far beyond any printable size.
constexpr int kSizeTyped = 4;
}  // namespace

PrintFontsDialog::PrintFontsDialog(ShellContext& context, config::CIniSB& settings)
    : TellmarkDialog(context.frame, text::kPrintFontsTitle, "PrintFontsDialog"), settings_(settings) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    normal_ = makeField(this, kSizeTyped, "normal");
    narrow_ = makeField(this, kSizeTyped, "narrow");
    for (QLineEdit* field : {normal_, narrow_})
        checkWhileTyping(field, [](std::string& t, int& caret) { return config::checkDigitsOnly(t, caret); });
    form->addRow(qt(text::kPrintFontsNormalLabel), normal_);
    form->addRow(qt(text::kPrintFontsNarrowLabel), narrow_);
    layout->addLayout(form);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    normal_->setText(qt(settings_.config().fontPrintNormal));
    narrow_->setText(qt(settings_.config().fontPrintNarrow));
    connect(ok, &QPushButton::clicked, this, &PrintFontsDialog::onOk);
}

void PrintFontsDialog::onOk() {
    // A size of 0 would print nothing readable: the field must hold a number above zero.
    for (QLineEdit* field : {normal_, narrow_}) {
        if (config::parseIniInt(fieldText(field)) < 1) {
            field->setFocus();
            field->selectAll();
            return;
        }
    }
    settings_.config().fontPrintNormal = fieldText(normal_);
    settings_.config().fontPrintNarrow = fieldText(narrow_);
    if (settings_.writeAllSettings() == 1) accept();
}

}  // namespace tellmark::shell
