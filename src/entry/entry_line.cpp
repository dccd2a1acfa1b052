#include "entry/entry_line.h"

#include <algorithm>

namespace tellmark::entry {

int fieldAt(int column) {
    for (int f = kFieldCount - 1; f > 0; --f) {
        if (column >= fieldStart(f)) return f;
    }
    return kDateField;
}

int columnLeft(int column) { return column > fieldStart(fieldAt(column)) ? column - 1 : column; }
int columnRight(int column) { return column < fieldEnd(fieldAt(column)) ? column + 1 : column; }
int fieldHome(int column) { return fieldStart(fieldAt(column)); }
int fieldEndColumn(int column) { return fieldEnd(fieldAt(column)); }

EntryLine::EntryLine() : text_(kLineWidth, ' ') {}

EntryLine::EntryLine(std::string_view text) : text_(text.substr(0, kLineWidth)) { text_.resize(kLineWidth, ' '); }

std::string EntryLine::field(int field) const {
    return text_.substr(static_cast<std::size_t>(fieldStart(field)), static_cast<std::size_t>(fieldWidth(field)));
}

void EntryLine::setField(int field, std::string_view value) {
    std::string padded(value.substr(0, static_cast<std::size_t>(fieldWidth(field))));
    padded.resize(static_cast<std::size_t>(fieldWidth(field)), ' ');
    text_.replace(static_cast<std::size_t>(fieldStart(field)), padded.size(), padded);
}

bool EntryLine::fieldBlank(int field) const {
    return this->field(field).find_first_not_of(' ') == std::string::npos;
}

void EntryLine::clear() { text_.assign(kLineWidth, ' '); }

char EntryLine::accepted(int field, char c) const {
    if (!typed(field) || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return 0;
    if (!numeric(field)) return c;
    if (kNumericCharacters.find(c) == std::string_view::npos) return 0;
    return c == ',' ? '.' : c;
}

bool EntryLine::type(int& column, char c, bool insert) {
    if (column < 0 || column >= kLineWidth) return false;
    const int f = fieldAt(column);
    const int end = fieldEnd(f);
    if (column >= end) return false;
    const char stored = accepted(f, c);
    if (stored == 0) return false;
    const auto at = static_cast<std::size_t>(column);
    if (insert) {
        // The field's last character falls off.
        text_.erase(static_cast<std::size_t>(end - 1), 1);
        text_.insert(at, 1, stored);
    } else {
        text_[at] = stored;
    }
    ++column;
    return true;
}

void EntryLine::removeRange(int from, int to) {
    if (from < 0 || to > kLineWidth || from >= to) return;
    const int f = fieldAt(from);
    const int end = fieldEnd(f);
    to = std::min(to, end);
    if (from >= to || !typed(f)) return;
    const auto count = static_cast<std::size_t>(to - from);
    text_.erase(static_cast<std::size_t>(from), count);
    text_.insert(static_cast<std::size_t>(end) - count, count, ' ');
}

bool EntryLine::backspace(int& column) {
    if (column <= 0 || column > kLineWidth) return false;
    const int f = fieldAt(column);
    if (column <= fieldStart(f) || !typed(f)) return false;
    removeRange(column - 1, column);
    --column;
    return true;
}

bool EntryLine::remove(int column) {
    if (column < 0 || column >= kLineWidth) return false;
    const int f = fieldAt(column);
    if (column >= fieldEnd(f) || !typed(f)) return false;
    removeRange(column, column + 1);
    return true;
}

}  // namespace tellmark::entry
