#include "shell/field_edit.h"

#include <algorithm>

#include "shell/text_convert.h"

namespace tellmark::shell {

QLineEdit* makeField(QWidget* parent, int maxLength, const char* objectName) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    if (maxLength > 0) field->setMaxLength(maxLength);
    return field;
}

void checkWhileTyping(QLineEdit* field, TypingCheck check) {
    QObject::connect(field, &QLineEdit::textEdited, field, [field, check](const QString& typed) {
        std::string text = cp(typed);
        int caret = field->cursorPosition();
        check(text, caret);
        const QString repaired = qt(text);
        if (repaired != typed) field->setText(repaired);
        field->setCursorPosition(std::clamp(caret, 0, static_cast<int>(repaired.size())));
    });
}

std::string fieldText(const QLineEdit* field) { return cp(field->text()); }

}  // namespace tellmark::shell
