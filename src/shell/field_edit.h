#pragma once
// Edit fields of the dialogs: a line edit with a length limit, and the typing checks of the core run on
// every change, so a rejected key leaves the field as it was.

#include <QLineEdit>
#include <functional>
#include <string>

namespace tellmark::shell {

// A field of at most maxLength characters named objectName (tests find fields by name).
QLineEdit* makeField(QWidget* parent, int maxLength, const char* objectName);

// The check gets the CP1252 text and the caret and repairs both; the field then shows the result.
using TypingCheck = std::function<int(std::string& text, int& caret)>;
void checkWhileTyping(QLineEdit* field, TypingCheck check);

// The field's text as CP1252.
std::string fieldText(const QLineEdit* field);

}  // namespace tellmark::shell
