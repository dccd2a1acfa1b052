#pragma once
// The entry line: 80 characters in fixed columns, one field after another with a separator column
// between them. The booking entry form types bookings into it; the standard-booking dialogs use the same
// line with a record number or a mark in the first field.
//
//   field      date  document  debit  credit  text  amount  VAT rate  VAT amount
//   columns    0-4   6-11      13-17  19-23   25-49 51-61   63-67     69-79
//
// A field "ends" at the first column after it; that column is a separator (or the line end) and is never
// typed into. The cursor may stand on it - it counts as the end of the field before it.

#include <array>
#include <string>
#include <string_view>

namespace tellmark::entry {

inline constexpr int kLineWidth = 80;
inline constexpr int kFieldCount = 8;

enum EntryField : int {
    kDateField = 0,
    kDocumentField = 1,
    kDebitField = 2,
    kCreditField = 3,
    kTextField = 4,
    kAmountField = 5,
    kRateField = 6,
    kVatField = 7,
};

inline constexpr std::array<int, kFieldCount> kFieldStarts{0, 6, 13, 19, 25, 51, 63, 69};
inline constexpr std::array<int, kFieldCount> kFieldEnds{5, 12, 18, 24, 50, 62, 68, 80};

inline constexpr int fieldStart(int field) { return kFieldStarts[static_cast<std::size_t>(field)]; }
inline constexpr int fieldEnd(int field) { return kFieldEnds[static_cast<std::size_t>(field)]; }
inline constexpr int fieldWidth(int field) { return fieldEnd(field) - fieldStart(field); }

// The field a cursor column belongs to: from its start up to and including its end column.
int fieldAt(int column);

// Characters the numeric fields (date, amount, VAT rate) take; a ',' is stored as '.'.
inline constexpr std::string_view kNumericCharacters = "0123456789+-,.";

class EntryLine {
public:
    EntryLine();
    // The text cut or blank-padded to 80 characters.
    explicit EntryLine(std::string_view text);

    const std::string& text() const { return text_; }
    // The field's characters, exactly its width.
    std::string field(int field) const;
    // Writes the value into the field, cut or blank-padded to its width.
    void setField(int field, std::string_view value);
    bool fieldBlank(int field) const;
    void clear();

    // Which fields take typed characters, and which take only kNumericCharacters. The booking form: all
    // fields but the VAT amount; date, amount and VAT rate numeric.
    void setTyped(int field, bool typed) { typed_[static_cast<std::size_t>(field)] = typed; }
    void setNumeric(int field, bool numeric) { numeric_[static_cast<std::size_t>(field)] = numeric; }
    bool typed(int field) const { return typed_[static_cast<std::size_t>(field)]; }
    bool numeric(int field) const { return numeric_[static_cast<std::size_t>(field)]; }

    // Puts a typed character at the column. Overwrite replaces the character under the cursor; insert
    // first moves the rest of the field one place right, dropping its last character. Nothing is typed at
    // a field end, into a field that takes no typing, or a character the field refuses. On success the
    // column moves one place right.
    bool type(int& column, char c, bool insert);
    // Removes the character before the column (not at a field start) and pads the field with a blank;
    // the column moves one place left.
    bool backspace(int& column);
    // Removes the character under the column (not at a field end), padding the field the same way.
    bool remove(int column);
    // Removes columns from..to-1 of one field: the rest of the field closes up and is blank-padded.
    void removeRange(int from, int to);

    // The character as the field stores it, or 0 when the field refuses it.
    char accepted(int field, char c) const;

private:

    std::string text_;
    std::array<bool, kFieldCount> typed_{true, true, true, true, true, true, true, false};
    std::array<bool, kFieldCount> numeric_{true, false, false, false, false, true, true, false};
};

// Cursor moves inside a field: Left and Right never cross the field's start or end.
int columnLeft(int column);
int columnRight(int column);
int fieldHome(int column);
int fieldEndColumn(int column);

}  // namespace tellmark::entry
