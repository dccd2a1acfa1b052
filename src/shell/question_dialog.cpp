#include "shell/question_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/text_convert.h"

namespace tellmark::shell {

QuestionDialog::QuestionDialog(ShellContext& context, std::string_view title, std::string_view question,
                               const char* objectName)
    : TellmarkDialog(context.frame, title, objectName) {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(qt(question), this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tellmark::shell
