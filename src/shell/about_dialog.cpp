#include "shell/about_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/texts_shell.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

AboutDialog::AboutDialog(QWidget* parent) : TellmarkDialog(parent, text::kAboutTitle, "AboutDialog") {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(qt(text::kAboutText) + QStringLiteral("\n") + QStringLiteral(TELLMARK_VERSION), this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    auto* ok = new QPushButton(qt(text::kButtonOk), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

}  // namespace tellmark::shell
