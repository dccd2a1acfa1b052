#include "shell/page_settings_dialog.h"

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
constexpr int kMostLines = 90;
constexpr int kMostMargin = 3;
}  // namespace

PageSettingsDialog::PageSettingsDialog(ShellContext& context, config::CIniSB& settings)
    : TellmarkDialog(context.frame, text::kPageSettingsTitle, "PageSettingsDialog"),
      settings_(settings),
      messages_(context.messages) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    lines_ = makeField(this, 2, "lines");
    margin_ = makeField(this, 1, "margin");
    ui::Messages& messages = context.messages;
    checkWhileTyping(lines_, [&messages](std::string& t, int& caret) {
        return config::checkIntegerWithMaximum(t, caret, kMostLines, messages);
    });
    checkWhileTyping(margin_, [&messages](std::string& t, int& caret) {
        return config::checkIntegerWithMaximum(t, caret, kMostMargin, messages);
    });
    form->addRow(qt(text::kPageSettingsLinesLabel), lines_);
    form->addRow(qt(text::kPageSettingsMarginLabel), margin_);
    layout->addLayout(form);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    lines_->setText(QString::number(settings_.config().linesPerPage));
    margin_->setText(QString::number(settings_.config().topMargin));
    connect(ok, &QPushButton::clicked, this, &PageSettingsDialog::onOk);
}

void PageSettingsDialog::onOk() {
    if (!config::storePageSettings(settings_.config(), config::parseIniInt(fieldText(lines_)),
                                   config::parseIniInt(fieldText(margin_)), messages_))
        return;
    if (settings_.writeAllSettings() == 1) accept();
}

}  // namespace tellmark::shell
