#pragma once
// The booking entry form without a window: the nine rows of 80 characters, the cursor, the line being
// typed and every rule of typing, leaving fields, saving, changing, deleting and browsing the journal of
// the open booking circle. A front end paints what the model exposes and hands it the keys; dialogs the
// form needs are returned as requests and answered through the model, which never waits.
//
// The form holds no bookings of its own: each row is read from the journal when it is shown, and only
// the rows shown are read.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "circles/document.h"
#include "entry/entry_browse.h"
#include "entry/entry_keys.h"
#include "entry/entry_line.h"
#include "entry/form_request.h"
#include "ledger/journal_record.h"
#include "posting/booking_kinds.h"
#include "posting/posting_engine.h"

namespace tellmark::entry {

class EntryFormModel {
public:
    static constexpr int kRows = BookingWindow::kRows;

    // The circle must be open. The form shows the end of the journal, in insert mode.
    explicit EntryFormModel(circles::CVt36Doc& doc);

    // One key. Whatever the form needs from its front end comes back as the request.
    FormRequest handleKey(const KeyPress& key);

    // --- Answers to requests -----------------------------------------------------------------------

    // "&OK" (true) deletes the booking the question was asked for; "&Abbruch" returns to the row.
    void answerDelete(bool confirmed);

    enum class DiscountAnswer {
        Accepted,   // the dialog closes; the line holds the amount paid and the discount line waits
        StayOpen,   // a value was refused with its message; the dialog stays open
        Cancelled,  // the kind is cleared, the cursor at the end of the amount field
    };
    // "&OK" with the dialog's three fields as typed, or "&Abbruch" (ok false).
    DiscountAnswer answerDiscount(bool ok, std::string_view paid, std::string_view discount, std::string_view rate);
    // The dialog's "Entspricht ca. (%):" for the values typed so far; empty when there is none.
    static std::string discountPercent(std::string_view paid, std::string_view discount);

    // --- Moves asked for by other commands --------------------------------------------------------

    // The journal was changed elsewhere (standard bookings, import, reorganisation, another year or
    // circle): takes the count afresh and goes to the new line, in insert mode.
    void reload();
    void goToEnd();
    void goToFirst();
    // A booking found by the journal search: in row 3 where there is room.
    void goToBooking(long n);
    // A click on a row that shows a booking or the new line.
    void goToRow(int row);
    // A click or drag inside the field the cursor is in (a click elsewhere is ignored, so that no field
    // escapes its checks).
    void placeCursor(int column);
    void selectColumns(int from, int to);
    // A standard booking taken over into the new line: the date stays as typed, a blank document number
    // keeps the line's; then the cursor goes to the ".#" marker, to an amount of zero, or the line is
    // checked field by field up to the save question.
    void takeOverStandardBooking(const ledger::BookingTexts& record);

    // --- What the front end paints -----------------------------------------------------------------

    // Row r as 80 characters (the cursor row shows the line being typed).
    std::string row(int r) const;
    // The booking number shown in a row, count + 1 for the new line, 0 for an empty row.
    long rowNumber(int r) const { return window_.numberInRow(r); }
    int cursorRow() const { return window_.currentRow(); }
    int cursorColumn() const { return column_; }
    int currentField() const { return fieldAt(column_); }
    bool hasSelection() const { return anchor_ != column_; }
    int selectionStart() const { return anchor_ < column_ ? anchor_ : column_; }
    int selectionEnd() const { return anchor_ < column_ ? column_ : anchor_; }
    bool insertMode() const { return insert_; }

    const std::string& debitName() const { return debitName_; }
    const std::string& debitBalance() const { return debitBalance_; }
    const std::string& creditName() const { return creditName_; }
    const std::string& creditBalance() const { return creditBalance_; }

    // The number after "Satz-Nr.:", 1..count+1.
    long currentNumber() const { return window_.current(); }
    long bookingCount() const { return window_.count(); }
    bool onNewLine() const { return window_.onNewLine(); }
    // A booked line open for changes ("Änderungsdienst").
    bool changeMode() const { return changeMode_; }
    // A booked line that may not be changed: keys only run commands.
    bool lineLocked() const { return !window_.onNewLine() && !changeMode_; }
    // "Änderungsdienst" in change mode, else empty.
    std::string_view statusText() const;
    posting::BookingKind kind() const { return kind_; }
    std::string_view kindText() const { return posting::bookingKindName(kind_); }
    // The save question "Speichern(J/N):" with its one-character answer; it has the focus while shown.
    bool savePromptShown() const { return prompt_; }
    char saveAnswer() const { return answer_; }
    // The request waiting for its answer, None when there is none.
    Request pendingRequest() const { return pending_; }

private:
    // Keys.
    FormRequest promptKey(const KeyPress& key);
    FormRequest commandKey(const KeyPress& key, bool& handled);
    FormRequest functionKey(const KeyPress& key);
    void editKey(const KeyPress& key);
    void typeCharacter(char c);
    bool removeSelection();
    void moveCursor(int column, bool extend);

    // Browsing.
    void showWindow();
    std::string readRow(long n);
    void resetLine();
    void clearAccounts();
    void copyLine();
    FormRequest stepAccount(int field, bool forward);

    // Leaving fields (entry_form_fields.cpp).
    void leaveField();
    void backField();
    void enterField(int field);
    bool leaveDate();
    bool leaveDocument();
    bool leaveAccount(int field);
    bool leaveText();
    void leaveAmount();
    void leaveRate();
    bool applyVatRules(bool rateAllowed);
    bool selectMarker();
    int validateRightToLeft();
    void toSaveQuestion(int fromField);
    void backFromPrompt();
    void leaveOutOldPosting(int debit, int credit, double& debitBalance, double& creditBalance);
    bool dateHolds(std::string& date);

    struct Accounts {
        bool debitFound = false;
        bool creditFound = false;
        int debitNumber = 0;
        int creditNumber = 0;
        std::string debitText, creditText;  // number texts as the balance file holds them
        std::string debitName, creditName;
    };
    // Looks both account fields up without a message; the debit and credit cursors stand on them.
    Accounts lookUpAccounts();
    bool rateAllowed(const Accounts& accounts) const;

    // Kinds and saving (entry_form_save.cpp).
    void selectKind(posting::BookingKind kind);
    FormRequest selectDiscount();
    void dropSecondLine();
    ledger::BookingTexts lineTexts() const;
    void save();
    void notSaved();

    circles::CVt36Doc& doc_;
    BookingWindow window_;
    std::array<std::string, kRows> rows_;
    EntryLine line_;
    EntryLine reference_;
    int column_ = 0;
    int anchor_ = 0;
    bool insert_ = true;
    bool changeMode_ = false;

    posting::BookingKind kind_ = posting::BookingKind::Normal;
    // The second line of a Skonto or EU booking, prepared and waiting for the save.
    std::optional<ledger::BookingTexts> second_;
    posting::SecondLine secondKind_ = posting::SecondLine::Eu;
    int discountKind_ = 0;

    bool prompt_ = false;
    char answer_ = ' ';
    int promptReturnField_ = kRateField;

    std::string debitName_, debitBalance_, creditName_, creditBalance_;
    // The balances before the save question showed the preview.
    std::string plainDebitBalance_, plainCreditBalance_;
    std::string previousDate_;

    Request pending_ = Request::None;
    long pendingNumber_ = 0;
};

}  // namespace tellmark::entry
