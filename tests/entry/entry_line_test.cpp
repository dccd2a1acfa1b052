// The 80-column entry line: fields, separators, typing in both modes, removing characters.

#include <gtest/gtest.h>

#include "entry/entry_line.h"

namespace tellmark::entry {
namespace {

TEST(EntryLine, FieldsAndSeparatorColumns) {
    // Each separator column belongs to the field before it, as its end.
    EXPECT_EQ(fieldAt(0), kDateField);
    EXPECT_EQ(fieldAt(5), kDateField);
    EXPECT_EQ(fieldAt(6), kDocumentField);
    EXPECT_EQ(fieldAt(12), kDocumentField);
    EXPECT_EQ(fieldAt(18), kDebitField);
    EXPECT_EQ(fieldAt(24), kCreditField);
    EXPECT_EQ(fieldAt(50), kTextField);
    EXPECT_EQ(fieldAt(62), kAmountField);
    EXPECT_EQ(fieldAt(68), kRateField);
    EXPECT_EQ(fieldAt(80), kVatField);

    EntryLine line;
    line.setField(kTextField, "Miete Januar");
    line.setField(kAmountField, "     119.00");
    line.setField(kDocumentField, "R123456789");  // cut to its six places
    EXPECT_EQ(line.text(), std::string(6, ' ') + "R12345" + std::string(13, ' ') + "Miete Januar" +
                               std::string(14, ' ') + "     119.00" + std::string(18, ' '));
    EXPECT_EQ(line.field(kDocumentField), "R12345");
    EXPECT_TRUE(line.fieldBlank(kDebitField));

    // Left and Right never cross a field's start or end; Home and End go to them.
    EXPECT_EQ(columnLeft(13), 13);
    EXPECT_EQ(columnLeft(14), 13);
    EXPECT_EQ(columnRight(17), 18);
    EXPECT_EQ(columnRight(18), 18);
    EXPECT_EQ(fieldHome(40), 25);
    EXPECT_EQ(fieldEndColumn(40), 50);
}

TEST(EntryLine, TypingInOverwriteAndInsertMode) {
    EntryLine line;
    line.setField(kDocumentField, "ABCDEF");
    int column = 7;
    ASSERT_TRUE(line.type(column, 'x', false));
    EXPECT_EQ(line.field(kDocumentField), "AxCDEF");
    EXPECT_EQ(column, 8);
    // Insert: the rest of the field moves right and its last character falls off; the line beyond the
    // field stays where it is.
    line.setField(kDebitField, "12345");
    ASSERT_TRUE(line.type(column, 'y', true));
    EXPECT_EQ(line.field(kDocumentField), "AxyCDE");
    EXPECT_EQ(line.field(kDebitField), "12345");
    // Nothing is typed at a field end, nor into the VAT amount.
    column = 12;
    EXPECT_FALSE(line.type(column, 'z', true));
    EXPECT_EQ(column, 12);
    column = 70;
    EXPECT_FALSE(line.type(column, '1', false));
    EXPECT_EQ(line.text().substr(12), std::string(1, ' ') + "12345" + std::string(62, ' '));
}

TEST(EntryLine, NumericFieldsTakeDigitsSignsAndACommaAsPoint) {
    EntryLine line;
    int column = fieldStart(kAmountField);
    for (char c : std::string("1a2,5x0")) line.type(column, c, true);
    EXPECT_EQ(line.field(kAmountField), "12.50      ");
    column = fieldStart(kDateField);
    for (char c : std::string("3,1.")) line.type(column, c, false);
    EXPECT_EQ(line.field(kDateField), "3.1. ");
    // Text fields take anything printable, umlauts included.
    column = fieldStart(kTextField);
    for (char c : std::string("B\xFC" "ro, 5%")) line.type(column, c, false);
    EXPECT_EQ(line.field(kTextField), "B\xFCro, 5%" + std::string(17, ' '));
}

TEST(EntryLine, BackspaceDeleteAndRangesCloseUpInsideTheField) {
    EntryLine line;
    line.setField(kTextField, "Miete .# 2009");
    line.setField(kAmountField, "       1.00");
    int column = fieldStart(kTextField);
    EXPECT_FALSE(line.backspace(column));  // not at a field start
    column = fieldStart(kTextField) + 5;
    ASSERT_TRUE(line.backspace(column));
    EXPECT_EQ(column, 29);
    EXPECT_EQ(line.field(kTextField), "Miet .# 2009" + std::string(13, ' '));
    ASSERT_TRUE(line.remove(29));
    EXPECT_EQ(line.field(kTextField), "Miet.# 2009" + std::string(14, ' '));
    EXPECT_FALSE(line.remove(50));  // at the field end
    line.removeRange(29, 31);
    EXPECT_EQ(line.field(kTextField), "Miet 2009" + std::string(16, ' '));
    // A range never reaches into the next field.
    line.removeRange(45, 60);
    EXPECT_EQ(line.field(kTextField), "Miet 2009" + std::string(16, ' '));
    EXPECT_EQ(line.field(kAmountField), "       1.00");
}

}  // namespace
}  // namespace tellmark::entry
