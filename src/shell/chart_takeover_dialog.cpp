#include "shell/chart_takeover_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/field_checks.h"
#include "config/ini_numbers.h"
#include "resources/texts_shell.h"
#include "shell/field_edit.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
constexpr int kNumberTyped = 3;
}

ChartTakeOverDialog::ChartTakeOverDialog(ShellContext& context)
    : TellmarkDialog(context.frame, text::kTakeOverDialogTitle, "ChartTakeOverDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(qt(text::kTakeOverDialogText), this);
    auto* field = makeField(this, kNumberTyped, "number");
    checkWhileTyping(field, [](std::string& t, int& caret) { return config::checkDigitsOnly(t, caret); });
    label->setBuddy(field);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addWidget(new QLabel(qt(text::kTakeOverTemplateHint), this));
    auto* fromTemplate = new QPushButton(qt(text::kTakeOverTemplateButton), this);
    fromTemplate->setObjectName(QStringLiteral("template"));
    fromTemplate->setAutoDefault(false);
    connect(fromTemplate, &QPushButton::clicked, this, [this] { done(kTemplate); });
    layout->addWidget(fromTemplate);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

int ChartTakeOverDialog::number() const {
    return config::parseIniInt(fieldText(findChild<QLineEdit*>(QStringLiteral("number"))));
}

}  // namespace tellmark::shell
