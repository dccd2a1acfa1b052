// The entry form model driven by keys on real booking circles.

#include <gtest/gtest.h>

#include "entry/typed_booking.h"
#include "ledger/journal_record.h"
#include "resources/cp1252_literal.h"
#include "resources/texts_posting.h"
#include "entry_circle.h"

namespace tellmark::entry {
namespace {

using posting::BookingKind;
using testing::clearField;
using testing::control;
using testing::EntryCircles;
using testing::field;
using testing::OpenCircle;
using testing::padded;
using testing::press;
using testing::pressF;
using testing::type;

// A display line put together field by field.
std::string display(const std::string& date, const std::string& doc, const std::string& debit,
                    const std::string& credit, const std::string& text, const std::string& amount,
                    const std::string& rate, const std::string& vat) {
    return padded(date, 5) + " " + padded(doc, 6) + " " + debit + " " + credit + " " + padded(text, 25) + " " +
           amount + " " + rate + " " + vat;
}

std::string fieldOf(const EntryFormModel& form, int f) {
    return form.row(form.cursorRow()).substr(static_cast<std::size_t>(fieldStart(f)),
                                             static_cast<std::size_t>(fieldWidth(f)));
}

void expectSameFiles(const OpenCircle& a, const OpenCircle& b) {
    for (const char* extension : {"jou", "sal", "jdx", "sdx"})
        EXPECT_EQ(a.file(extension), b.file(extension)) << extension;
    EXPECT_EQ(a.settingsFile(), b.settingsFile());
}

TypedBooking typed(const std::string& date, const std::string& doc, const std::string& debit,
                   const std::string& credit, const std::string& text, const std::string& amount,
                   const std::string& rate, BookingKind kind = BookingKind::Normal) {
    TypedBooking t;
    t.date = date;
    t.document = doc;
    t.debit = debit;
    t.credit = credit;
    t.text = text;
    t.amount = amount;
    t.rate = rate;
    t.kind = kind;
    return t;
}

void post(OpenCircle& circle, const TypedBooking& t) {
    ASSERT_EQ(postTypedBooking(*circle.doc, t).result, TypedResult::Saved);
}

TEST_F(EntryCircles, TypedLinesWriteExactlyWhatTheTypedBookingWrites) {
    OpenCircle formCircle = open(1);
    OpenCircle typedCircle = open(2);
    EntryFormModel form(*formCircle.doc);
    EXPECT_TRUE(form.insertMode());

    // Revenue: "12" finds 1200, the rate comes from the revenue account's name.
    field(form, "15.03");
    field(form, "R1");
    type(form, "12");
    press(form, Key::Tab);
    EXPECT_EQ(fieldOf(form, kDebitField), " 1200");
    EXPECT_EQ(form.debitName(), padded("BANK", 25));
    EXPECT_EQ(form.debitBalance(), "        0.00");
    EXPECT_EQ(form.currentField(), kCreditField);
    field(form, "84");
    field(form, "Kasse Verkauf");
    field(form, "119");
    EXPECT_EQ(form.currentField(), kRateField);
    EXPECT_EQ(fieldOf(form, kRateField), "19.00");
    press(form, Key::Tab);
    ASSERT_TRUE(form.savePromptShown());
    EXPECT_EQ(form.saveAnswer(), 'J');
    EXPECT_EQ(form.row(0), display("15.03", "R1", " 1200", " 8400", "Kasse Verkauf", "     119.00", "19.00",
                                   "      19.00"));
    // The balances as they will be after the booking.
    EXPECT_EQ(form.debitBalance(), "      119.00");
    EXPECT_EQ(form.creditBalance(), "     -100.00");
    type(form, "J");
    EXPECT_FALSE(form.savePromptShown());
    EXPECT_EQ(form.bookingCount(), 1);
    EXPECT_TRUE(form.onNewLine());
    EXPECT_EQ(form.cursorRow(), 1);
    EXPECT_EQ(form.row(0), display("15.03", "R1", " 1200", " 8400", "Kasse Verkauf", "     119.00", "19.00",
                                   "      19.00"));
    post(typedCircle, typed("15.03", "R1", "12", "84", "Kasse Verkauf", "119", ""));

    // Netto: a day alone takes the month of the line above, a blank document number repeats it.
    field(form, "16");
    EXPECT_EQ(fieldOf(form, kDateField), "16.03");
    press(form, Key::Tab);
    EXPECT_EQ(fieldOf(form, kDocumentField), "R1    ");
    field(form, "4930");
    field(form, "1000");
    field(form, "Papier");
    type(form, "100");
    pressF(form, 5);
    EXPECT_EQ(form.kindText(), "Netto");
    press(form, Key::Tab);
    press(form, Key::Enter);
    ASSERT_TRUE(form.savePromptShown());
    EXPECT_EQ(fieldOf(form, kAmountField), "     119.00");
    press(form, Key::Enter);
    post(typedCircle, typed("16.03", "R1", "4930", "1000", "Papier", "100", "", BookingKind::Net));

    // EU acquisition: the first line without VAT, the second creates the EU accounts.
    field(form, "17.03");
    field(form, "E7");
    field(form, "3425");
    field(form, "1200");
    field(form, "Erwerb EU");
    type(form, "1000");
    pressF(form, 5, kShift);
    EXPECT_EQ(form.kindText(), "EU-Buchung");
    press(form, Key::Tab);
    field(form, "19");
    ASSERT_TRUE(form.savePromptShown());
    EXPECT_EQ(form.row(form.cursorRow()).substr(51), "    1000.00  0.00        0.00");
    type(form, "j");
    EXPECT_EQ(form.bookingCount(), 4);
    EXPECT_EQ(form.kindText(), "");
    post(typedCircle, typed("17.03", "E7", "3425", "1200", "Erwerb EU", "1000", "19", BookingKind::Eu));

    EXPECT_TRUE(messages.empty());
    expectSameFiles(formCircle, typedCircle);
    EXPECT_EQ(form.row(3), display("17.03", "E7", " 1579", " 1779", "Erwerb EU", "     190.00", "19.00",
                                   "       0.00"));
}

TEST_F(EntryCircles, AMarkerInTheTextStopsTheCursorOnIt) {
    OpenCircle circle = open(1);
    circle.doc->programConfigFile().config().keyTexts[0] = "Miete .# 2009";
    EntryFormModel form(*circle.doc);
    field(form, "01.02");
    field(form, "M1");
    field(form, "4930");
    field(form, "1200");
    type(form, "X");
    pressF(form, 1, kShift);  // the standard text goes over the start; the cursor stays
    EXPECT_EQ(fieldOf(form, kTextField), padded("Miete .# 2009", 25));
    EXPECT_EQ(form.cursorColumn(), 26);
    press(form, Key::Tab);
    EXPECT_EQ(form.currentField(), kTextField);
    EXPECT_EQ(form.cursorColumn(), 31);
    EXPECT_EQ(form.selectionStart(), 31);
    EXPECT_EQ(form.selectionEnd(), 33);
    press(form, Key::Tab);  // the marker has to go first
    EXPECT_EQ(form.cursorColumn(), 31);
    type(form, "Mai");
    EXPECT_EQ(fieldOf(form, kTextField), padded("Miete Mai 2009", 25));
    press(form, Key::Tab);
    EXPECT_EQ(form.currentField(), kAmountField);
    // Shift+F1 outside the text field puts nothing anywhere.
    pressF(form, 1, kShift);
    EXPECT_EQ(fieldOf(form, kAmountField), std::string(11, ' '));
}

TEST_F(EntryCircles, KindsToggleAndApplyOnce) {
    OpenCircle circle = open(1);
    EntryFormModel form(*circle.doc);
    field(form, "02.03");
    field(form, "B1");
    field(form, "4930");
    field(form, "1200");
    field(form, "Papier");
    type(form, "100");
    pressF(form, 5);
    EXPECT_EQ(form.kindText(), "Netto");
    pressF(form, 5);  // Netto twice: no kind
    EXPECT_EQ(form.kind(), BookingKind::Normal);
    EXPECT_EQ(form.kindText(), "");
    pressF(form, 5);
    pressF(form, 6);  // another kind replaces it
    EXPECT_EQ(form.kindText(), "Reisekosten");
    form.handleKey(KeyPress::function(7, kCtrl));
    EXPECT_EQ(form.kindText(), cp<"Kosten §13b">());
    pressF(form, 5);
    EXPECT_EQ(form.kindText(), "Netto");

    press(form, Key::Tab);
    ASSERT_EQ(form.currentField(), kRateField);
    EXPECT_EQ(fieldOf(form, kRateField), "19.00");  // the expense account's preset
    pressF(form, 7);  // the presets of F7 and F8; the cursor stays
    EXPECT_EQ(fieldOf(form, kRateField), " 7.00");
    EXPECT_EQ(form.cursorColumn(), fieldStart(kRateField));
    pressF(form, 8);
    EXPECT_EQ(fieldOf(form, kRateField), "19.00");
    press(form, Key::Tab);
    ASSERT_TRUE(form.savePromptShown());
    EXPECT_EQ(fieldOf(form, kAmountField), "     119.00");
    EXPECT_EQ(fieldOf(form, kVatField), "      19.00");
    // Back into the rate and out again: the net amount is not grossed up a second time.
    press(form, Key::Tab, kShift);
    EXPECT_FALSE(form.savePromptShown());
    EXPECT_EQ(form.currentField(), kRateField);
    EXPECT_EQ(form.debitBalance(), "        0.00");
    press(form, Key::Tab);
    ASSERT_TRUE(form.savePromptShown());
    EXPECT_EQ(fieldOf(form, kAmountField), "     119.00");

    type(form, "N");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last().text, text::kBookingNotSaved);
    EXPECT_EQ(messages.last().caption, "INFORMATION");
    EXPECT_EQ(form.bookingCount(), 0);
    EXPECT_EQ(form.row(0), std::string(80, ' '));
    EXPECT_EQ(form.cursorColumn(), 0);
    EXPECT_EQ(circle.file("jou"), "");
}

TEST_F(EntryCircles, ABookedLineCannotChangeWithoutChangePermission) {
    OpenCircle circle = open(1);
    post(circle, typed("01.03", "A1", "1200", "8400", "Verkauf", "119", ""));
    post(circle, typed("02.03", "A2", "4930", "1000", "Papier", "11.90", ""));
    const std::string journal = circle.file("jou");
    circle.doc->programConfigFile().config().changesAllowed = false;
    circle.doc->programConfigFile().config().keyTexts[0] = "Porto";
    EntryFormModel form(*circle.doc);
    press(form, Key::Up);
    ASSERT_EQ(form.currentNumber(), 2);
    EXPECT_TRUE(form.lineLocked());
    EXPECT_FALSE(form.changeMode());
    EXPECT_EQ(form.statusText(), "");
    const std::string shown = form.row(1);
    EXPECT_EQ(shown, display("02.03", "A2", " 4930", " 1000", "Papier", "      11.90", "19.00", "       1.90"));

    type(form, "9");
    for (Key key : {Key::Delete, Key::Backspace, Key::Right, Key::End, Key::Tab, Key::Enter}) press(form, key);
    pressF(form, 5);
    pressF(form, 1, kShift);
    form.handleKey(KeyPress::function(7, kCtrl));
    form.placeCursor(30);
    EXPECT_EQ(form.row(1), shown);
    EXPECT_EQ(form.cursorColumn(), 0);
    EXPECT_EQ(form.kind(), BookingKind::Normal);
    EXPECT_FALSE(form.savePromptShown());
    // Commands still run.
    EXPECT_EQ(pressF(form, 3).kind, Request::TrialBalance);
    EXPECT_EQ(pressF(form, 9).kind, Request::SwitchCircle);
    EXPECT_EQ(control(form, 's').kind, Request::SearchForward);
    EXPECT_EQ(circle.file("jou"), journal);

    // With permission the same line is open for changes.
    circle.doc->programConfigFile().config().changesAllowed = true;
    form.reload();
    press(form, Key::Up);
    EXPECT_TRUE(form.changeMode());
    EXPECT_EQ(form.statusText(), cp<"Änderungsdienst">());
    press(form, Key::Tab);
    type(form, "X");
    EXPECT_EQ(form.row(1).substr(6, 6), "XA2   ");
    press(form, Key::Insert);  // overwrite
    EXPECT_FALSE(form.insertMode());
    type(form, "Y");
    EXPECT_EQ(form.row(1).substr(6, 6), "XY2   ");
    // A selection is replaced by what is typed, in either mode.
    press(form, Key::Left);
    press(form, Key::End, kShift);
    EXPECT_EQ(form.selectionStart(), 7);
    EXPECT_EQ(form.selectionEnd(), 12);
    type(form, "Z");
    EXPECT_EQ(form.row(1).substr(6, 6), "XZ    ");
    // Moving away forgets the change: the row is read from the journal again.
    press(form, Key::Down);
    press(form, Key::Up);
    EXPECT_EQ(form.row(1), shown);
    EXPECT_EQ(circle.file("jou"), journal);
}

TEST_F(EntryCircles, BrowsingPlacesTheNewLineAndPagesBack) {
    OpenCircle circle = open(1);
    for (int day = 1; day <= 3; ++day)
        post(circle, typed(format("%02i.04", day), format("D%i", day), "1200", "8400", "Verkauf", "119", ""));
    EntryFormModel form(*circle.doc);
    // Fewer than eight bookings: the new line directly under the last one.
    EXPECT_EQ(form.currentNumber(), 4);
    EXPECT_EQ(form.cursorRow(), 3);
    EXPECT_EQ(form.rowNumber(3), 4);
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(form.row(r), display(format("%02i.04", r + 1), format("D%i", r + 1), " 1200", " 8400", "Verkauf",
                                       "     119.00", "19.00", "      19.00"));
    for (int r = 3; r < 9; ++r) EXPECT_EQ(form.row(r), std::string(80, ' ')) << r;

    // The line above is the reference: a blank line repeats date, document, accounts and text.
    press(form, Key::Tab);
    press(form, Key::Tab);
    press(form, Key::Tab);
    press(form, Key::Tab);
    press(form, Key::Tab);
    EXPECT_EQ(form.row(3).substr(0, 50), display("03.04", "D3", " 1200", " 8400", "Verkauf", "", "", "").substr(0, 50));

    for (int day = 4; day <= 12; ++day)
        post(circle, typed(format("%02i.04", day), format("D%i", day), "1200", "8400", "Verkauf", "119", ""));
    form.reload();
    EXPECT_EQ(form.cursorRow(), 8);
    EXPECT_EQ(form.rowNumber(0), 5);
    press(form, Key::PageUp);
    EXPECT_EQ(form.currentNumber(), 5);
    EXPECT_EQ(form.cursorRow(), 0);
    press(form, Key::PageUp);  // fewer than eight precede: bookings 1 to 8, the cursor on booking 1
    EXPECT_EQ(form.currentNumber(), 1);
    EXPECT_EQ(form.cursorRow(), 0);
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(form.rowNumber(r), r + 1);
        EXPECT_EQ(form.row(r).substr(0, 12), format("%02i.04 D%-5i", r + 1, r + 1));
    }
    EXPECT_EQ(form.row(8), std::string(80, ' '));
    EXPECT_EQ(form.debitName(), "");

    press(form, Key::Down);  // outside the account fields the arrows move between bookings
    EXPECT_EQ(form.currentNumber(), 2);
    press(form, Key::End, kCtrl);
    EXPECT_TRUE(form.onNewLine());
    EXPECT_EQ(form.currentNumber(), 13);
    press(form, Key::Home, kCtrl);
    EXPECT_EQ(form.currentNumber(), 1);
    form.goToBooking(6);  // a search hit: row 3 where there is room above and below
    EXPECT_EQ(form.cursorRow(), 3);
    EXPECT_EQ(form.row(3).substr(0, 5), "06.04");
    form.goToBooking(10);  // no room below: as low as the count allows
    EXPECT_EQ(form.cursorRow(), 5);
    EXPECT_EQ(form.row(5).substr(0, 5), "10.04");

    // Copying a booked line gives the new line its content and reference.
    press(form, Key::Copy);
    EXPECT_TRUE(form.onNewLine());
    EXPECT_EQ(form.row(8).substr(0, 12), "10.04 D10   ");
}

TEST_F(EntryCircles, AutomaticDocumentNumbers) {
    OpenCircle circle = open(1, "41");
    EntryFormModel form(*circle.doc);
    for (int i = 0; i < 2; ++i) {
        field(form, "05.01");
        press(form, Key::Tab);
        EXPECT_EQ(fieldOf(form, kDocumentField), i == 0 ? "000041" : "000042");
        field(form, "1200");
        field(form, "8400");
        field(form, "Verkauf");
        field(form, "119");
        press(form, Key::Tab);
        ASSERT_TRUE(form.savePromptShown());
        type(form, "J");
    }
    EXPECT_NE(circle.settingsFile().find("Auto-Beleg=000043\r\n"), std::string::npos);
    EXPECT_EQ(circle.file("jou").substr(64, 11), "05.01000042");

    // Not taken on a booked line: a blank number there repeats the line above.
    press(form, Key::Up);
    ASSERT_TRUE(form.changeMode());
    press(form, Key::Tab);
    clearField(form);
    press(form, Key::Tab);
    EXPECT_EQ(fieldOf(form, kDocumentField), "000041");
    // Abandoned on a number that was never used up, a fresh line gets the same number again.
    press(form, Key::End, kCtrl);
    press(form, Key::Tab);
    press(form, Key::Tab);
    EXPECT_EQ(fieldOf(form, kDocumentField), "000043");
    EXPECT_NE(circle.settingsFile().find("Auto-Beleg=000043\r\n"), std::string::npos);
}

TEST_F(EntryCircles, ChangingABookedLineReplacesItsPosting) {
    OpenCircle formCircle = open(1);
    OpenCircle typedCircle = open(2);
    for (OpenCircle* c : {&formCircle, &typedCircle}) {
        post(*c, typed("01.03", "A1", "1200", "8400", "Verkauf", "119", ""));
        post(*c, typed("02.03", "A2", "4930", "1000", "Papier", "11.90", ""));
    }
    EntryFormModel form(*formCircle.doc);
    press(form, Key::Up);
    press(form, Key::Up);
    ASSERT_EQ(form.currentNumber(), 1);
    EXPECT_EQ(form.statusText(), cp<"Änderungsdienst">());
    for (int i = 0; i < 5; ++i) press(form, Key::Tab);
    ASSERT_EQ(form.currentField(), kAmountField);
    clearField(form);
    field(form, "238");
    EXPECT_EQ(fieldOf(form, kRateField), "19.00");
    press(form, Key::Tab);
    ASSERT_TRUE(form.savePromptShown());
    EXPECT_EQ(form.debitBalance(), "      238.00");  // the old posting does not count twice in the preview...
    type(form, "J");
    // ... and after the change the cursor is on the next booking.
    EXPECT_EQ(form.currentNumber(), 2);
    EXPECT_EQ(form.bookingCount(), 2);
    EXPECT_EQ(form.row(0), display("01.03", "A1", " 1200", " 8400", "Verkauf", "     238.00", "19.00",
                                   "      38.00"));

    ASSERT_EQ(changeTypedBooking(*typedCircle.doc, 1, typed("01.03", "A1", "1200", "8400", "Verkauf", "238", "19"))
                  .result,
              TypedResult::Saved);
    expectSameFiles(formCircle, typedCircle);
    EXPECT_TRUE(messages.empty());
}

TEST_F(EntryCircles, DeletingAsksFirst) {
    OpenCircle formCircle = open(1);
    OpenCircle typedCircle = open(2);
    post(formCircle, typed("01.03", "A1", "1200", "8400", "Verkauf", "119", ""));
    post(formCircle, typed("02.03", "A2", "1200", "8400", "Verkauf", "238", ""));
    post(typedCircle, typed("02.03", "A2", "1200", "8400", "Verkauf", "238", ""));
    EntryFormModel form(*formCircle.doc);
    EXPECT_EQ(control(form, 'y').kind, Request::None);  // not on the new line
    press(form, Key::Up);
    press(form, Key::Up);
    ASSERT_EQ(control(form, 'Y').kind, Request::ConfirmDelete);
    form.answerDelete(false);
    EXPECT_EQ(form.bookingCount(), 2);
    EXPECT_EQ(form.currentNumber(), 1);

    ASSERT_EQ(control(form, 'Y').kind, Request::ConfirmDelete);
    form.answerDelete(true);
    EXPECT_EQ(form.bookingCount(), 1);
    EXPECT_EQ(form.currentNumber(), 1);
    EXPECT_EQ(form.row(0).substr(0, 12), "02.03 A2    ");
    EXPECT_EQ(form.row(1), std::string(80, ' '));
    EXPECT_TRUE(messages.empty());
    // Journal, index and balances as if the first booking had never been posted.
    for (const char* extension : {"jou", "sal", "jdx"})
        EXPECT_EQ(formCircle.file(extension), typedCircle.file(extension)) << extension;
    // An answer without a question changes nothing.
    form.answerDelete(true);
    EXPECT_EQ(form.bookingCount(), 1);
}

TEST_F(EntryCircles, CashDiscountThroughItsDialog) {
    OpenCircle formCircle = open(1);
    OpenCircle typedCircle = open(2);
    EntryFormModel form(*formCircle.doc);

    // A combination without discount: the message, and no kind.
    field(form, "03.06");
    field(form, "K7");
    field(form, "4930");
    field(form, "1200");
    field(form, "Zahlung");
    EXPECT_EQ(pressF(form, 4).kind, Request::None);
    EXPECT_EQ(messages.last().text, text::kNoDiscountForAccounts);
    EXPECT_EQ(form.kind(), BookingKind::Normal);
    messages.entries.clear();
    press(form, Key::End, kCtrl);

    field(form, "03.06");
    field(form, "K7");
    field(form, "1200");
    field(form, "10001");
    field(form, "Zahlung");
    ASSERT_EQ(pressF(form, 4).kind, Request::DiscountDialog);
    EXPECT_EQ(form.kindText(), "Skonto");
    EXPECT_EQ(EntryFormModel::discountPercent("97", "3"), "3.00");
    // 10 % is too much: the dialog stays open.
    EXPECT_EQ(form.answerDiscount(true, "90", "10", "19"), EntryFormModel::DiscountAnswer::StayOpen);
    EXPECT_EQ(messages.last().text, text::kDiscountPercentRange);
    ASSERT_EQ(form.answerDiscount(true, "97", "3", "19"), EntryFormModel::DiscountAnswer::Accepted);
    EXPECT_EQ(form.cursorColumn(), 69);
    EXPECT_EQ(form.row(0).substr(51), "      97.00" + std::string(18, ' '));
    press(form, Key::Tab);
    ASSERT_TRUE(form.savePromptShown());
    press(form, Key::Enter);
    EXPECT_EQ(form.bookingCount(), 2);
    EXPECT_EQ(form.row(1), display("03.06", "K7", " 8730", "10001", "Zahlung", "       3.00", "19.00",
                                   "       0.48"));

    TypedBooking discount = typed("03.06", "K7", "1200", "10001", "Zahlung", "", "19", BookingKind::Discount);
    discount.paid = "97";
    discount.discount = "3";
    post(typedCircle, discount);
    expectSameFiles(formCircle, typedCircle);

    // Cancelled: the kind goes, the cursor waits at the end of the amount field.
    field(form, "04.06");
    press(form, Key::Tab);
    field(form, "1200");
    field(form, "10001");
    field(form, "Zahlung");
    ASSERT_EQ(pressF(form, 4).kind, Request::DiscountDialog);
    EXPECT_EQ(form.answerDiscount(false, "", "", ""), EntryFormModel::DiscountAnswer::Cancelled);
    EXPECT_EQ(form.kind(), BookingKind::Normal);
    EXPECT_EQ(form.cursorColumn(), 62);
}

TEST_F(EntryCircles, AccountFieldsLookUpAndStep) {
    OpenCircle circle = open(1);
    EntryFormModel form(*circle.doc);
    field(form, "01.01");
    press(form, Key::Tab);
    field(form, "9");  // no account 9000: completed, not found, the cursor stays
    EXPECT_EQ(fieldOf(form, kDebitField), " 9000");
    EXPECT_EQ(form.currentField(), kDebitField);
    EXPECT_EQ(form.debitName(), "");
    clearField(form);
    field(form, "bank");  // by name
    EXPECT_EQ(fieldOf(form, kDebitField), " 1200");
    EXPECT_EQ(form.debitName(), padded("BANK", 25));
    ASSERT_EQ(form.currentField(), kCreditField);

    press(form, Key::Down);  // from a blank field: the first account
    EXPECT_EQ(fieldOf(form, kCreditField), " 1000");
    EXPECT_EQ(form.creditName(), padded("KASSE", 25));
    press(form, Key::Down);
    press(form, Key::Down);
    EXPECT_EQ(fieldOf(form, kCreditField), " 1570");
    press(form, Key::Up);
    press(form, Key::Up);
    EXPECT_EQ(fieldOf(form, kCreditField), " 1000");
    EXPECT_EQ(press(form, Key::Up).kind, Request::Beep);  // nothing before the first account
    EXPECT_EQ(fieldOf(form, kCreditField), " 1000");
    const FormRequest sheet = pressF(form, 7);
    EXPECT_EQ(sheet.kind, Request::AccountSheetOfAccount);
    EXPECT_EQ(sheet.account, " 1000");
    EXPECT_EQ(form.currentNumber(), 1);  // the arrows stayed in the field

    clearField(form);
    field(form, "1200");
    EXPECT_EQ(messages.last().text, text::kSameAccountTwice);
    EXPECT_EQ(form.currentField(), kCreditField);
}

TEST_F(EntryCircles, StandardBookingTakenOverIntoTheNewLine) {
    OpenCircle circle = open(1);
    post(circle, typed("07.05", "S1", "1200", "8400", "Verkauf", "119", ""));
    EntryFormModel form(*circle.doc);
    const auto record = [](const std::string& text, const std::string& amount) {
        return ledger::BookingTexts{"", "", " 4930", " 1200", text, amount, "19.00"};
    };
    form.takeOverStandardBooking(record("Porto .#", "      10.00"));
    EXPECT_EQ(form.currentField(), kTextField);
    EXPECT_EQ(form.selectionStart(), 31);
    EXPECT_EQ(form.selectionEnd(), 33);

    form.takeOverStandardBooking(record("Porto", "       0.00"));
    EXPECT_EQ(form.currentField(), kAmountField);

    form.takeOverStandardBooking(record("Porto", "      10.00"));
    ASSERT_TRUE(form.savePromptShown());
    // The date and document number of the line above, the record's accounts and amounts.
    EXPECT_EQ(form.row(1), display("07.05", "S1", " 4930", " 1200", "Porto", "      10.00", "19.00", "       1.60"));
    type(form, "J");
    EXPECT_EQ(form.bookingCount(), 2);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace tellmark::entry
