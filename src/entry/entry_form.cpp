// The entry form model: keys, cursor and selection, browsing the journal and the account fields.
// Leaving fields and the save question are in entry_form_fields.cpp, kinds and saving in
// entry_form_save.cpp.

#include "entry/entry_form.h"

#include <algorithm>

#include "config/text_helpers.h"
#include "entry/account_step.h"
#include "resources/texts_entry.h"

namespace tellmark::entry {

namespace {

const std::string kBlankRow(kLineWidth, ' ');

char upper(char c) { return config::toUpperChar(c); }

}  // namespace

EntryFormModel::EntryFormModel(circles::CVt36Doc& doc) : doc_(doc), window_(doc.journal().count()) {
    showWindow();
}

std::string_view EntryFormModel::statusText() const {
    return changeMode_ ? text::kEntryChangeService : std::string_view();
}

std::string EntryFormModel::row(int r) const {
    if (r < 0 || r >= kRows) return kBlankRow;
    return r == cursorRow() ? line_.text() : rows_[static_cast<std::size_t>(r)];
}

// --- Keys ------------------------------------------------------------------------------------------

FormRequest EntryFormModel::handleKey(const KeyPress& key) {
    // A key means the dialog asked for is gone without an answer.
    if (pending_ == Request::DiscountDialog) kind_ = posting::BookingKind::Normal;
    pending_ = Request::None;

    if (prompt_) return promptKey(key);
    bool handled = false;
    FormRequest request = commandKey(key, handled);
    if (handled) return request;
    if (key.functionNumber() != 0) return functionKey(key);
    if (!lineLocked()) editKey(key);
    return {};
}

FormRequest EntryFormModel::promptKey(const KeyPress& key) {
    switch (key.key) {
    case Key::Character:
        if (key.ctrl() || key.alt()) break;
        if (upper(key.character) == 'J') {
            answer_ = 'J';
            save();
        } else if (upper(key.character) == 'N') {
            answer_ = 'N';
            notSaved();
        } else {
            answer_ = ' ';
        }
        break;
    case Key::Tab:
        if (key.shift()) {
            backFromPrompt();
            break;
        }
        [[fallthrough]];
    case Key::Enter:
        if (answer_ == 'J') {
            save();
        } else {
            notSaved();
        }
        break;
    case Key::Escape: backFromPrompt(); break;
    case Key::Backspace:
    case Key::Delete: answer_ = ' '; break;
    case Key::Insert: insert_ = !insert_; break;
    case Key::Up:
    case Key::Down:
    case Key::PageUp:
    case Key::PageDown:
    case Key::Home:
    case Key::End: {
        // Moving to another booking abandons the line and its question.
        bool handled = false;
        return commandKey(key, handled);
    }
    default: break;
    }
    return {};
}

FormRequest EntryFormModel::commandKey(const KeyPress& key, bool& handled) {
    handled = true;
    const int field = currentField();
    switch (key.key) {
    case Key::Insert: insert_ = !insert_; return {};
    case Key::Home:
        if (!key.ctrl()) break;
        goToFirst();
        return {};
    case Key::End:
        if (!key.ctrl()) break;
        goToEnd();
        return {};
    case Key::PageUp:
        window_.pageUp();
        showWindow();
        return {};
    case Key::PageDown:
        window_.pageDown();
        showWindow();
        return {};
    case Key::Up:
    case Key::Down:
        if (!lineLocked() && (field == kDebitField || field == kCreditField))
            return stepAccount(field, key.key == Key::Down);
        if (key.key == Key::Down ? window_.next() : window_.previous()) showWindow();
        return {};
    case Key::Copy: copyLine(); return {};
    case Key::F7:
        if (!key.ctrl() || key.shift()) break;
        if (!lineLocked()) selectKind(posting::BookingKind::ReverseCharge);
        return {};
    case Key::Character:
        if (!key.ctrl()) break;
        switch (upper(key.character)) {
        case 'Y':
            if (window_.onNewLine()) return {};
            pending_ = Request::ConfirmDelete;
            pendingNumber_ = window_.current();
            return {Request::ConfirmDelete, {}};
        case 'S': return {Request::SearchForward, {}};
        case 'R': return {Request::SearchBackward, {}};
        case 'A': return {Request::AccountsDialog, {}};
        case 'P': return {Request::ChartOfAccounts, {}};
        default: return {};  // no other control character is typed
        }
    default: break;
    }
    handled = false;
    return {};
}

FormRequest EntryFormModel::functionKey(const KeyPress& key) {
    const int n = key.functionNumber();
    const int field = currentField();
    if (key.plain() && field == kDateField) {
        switch (n) {
        case 2: return {Request::AccountSheets, {}};
        case 3: return {Request::TrialBalance, {}};
        case 4: return {Request::ResultStatement, {}};
        case 5: return {Request::BalanceSheet, {}};
        case 6: return {Request::BalanceList, {}};
        case 7: return {Request::MonthEvaluation, {}};
        case 8: return {Request::YearChange, {}};
        case 9: return {Request::SwitchCircle, {}};
        default: return {};
        }
    }
    if (lineLocked()) return {};

    if (field == kTextField && key.modifiers == kShift && n >= 1 && n <= 8) {
        // The standard text goes to the start of the field; the cursor stays.
        const std::string& standard = doc_.programConfig().keyTexts[static_cast<std::size_t>(n - 1)];
        if (standard.empty()) return {};
        std::string text = line_.field(kTextField);
        const std::size_t length = std::min(standard.size(), text.size());
        text.replace(0, length, standard.substr(0, length));
        line_.setField(kTextField, text);
        return {};
    }
    if (!key.plain() && !(field == kAmountField && n == 5 && key.modifiers == kShift)) return {};

    switch (field) {
    case kDocumentField:
        if (n == 2) return {Request::PostStandardBookingByNumber, {}};
        if (n == 3) return {Request::ChooseStandardBooking, {}};
        break;
    case kDebitField:
    case kCreditField:
        if (n == 7) {
            std::string balance, name, number;
            ledger::CSalden& cursor = field == kDebitField ? doc_.debitCursor() : doc_.creditCursor();
            if (cursor.findByText(line_.field(field), balance, name, number) == 1)
                return {Request::AccountSheetOfAccount, number};
        }
        break;
    case kAmountField:
        if (n == 4) return selectDiscount();
        if (n == 5 && key.shift()) {
            if (!changeMode_) selectKind(posting::BookingKind::Eu);
        } else if (n == 5) {
            selectKind(posting::BookingKind::Net);
        } else if (n == 6) {
            selectKind(posting::BookingKind::TravelCosts);
        }
        break;
    case kRateField:
        if (n == 7 || n == 8) {
            const config::ProgramConfig& config = doc_.programConfig();
            line_.setField(kRateField, n == 7 ? config.vatPresetF7 : config.vatPresetF8);
        }
        break;
    default: break;
    }
    return {};
}

void EntryFormModel::editKey(const KeyPress& key) {
    switch (key.key) {
    case Key::Tab:
        if (key.shift()) {
            backField();
        } else {
            leaveField();
        }
        break;
    case Key::Enter: leaveField(); break;
    case Key::Left: moveCursor(columnLeft(column_), key.shift()); break;
    case Key::Right: moveCursor(columnRight(column_), key.shift()); break;
    case Key::Home: moveCursor(fieldHome(column_), key.shift()); break;
    case Key::End: moveCursor(fieldEndColumn(column_), key.shift()); break;
    case Key::Backspace:
        if (!removeSelection()) line_.backspace(column_);
        anchor_ = column_;
        break;
    case Key::Delete:
        if (!removeSelection()) line_.remove(column_);
        anchor_ = column_;
        break;
    case Key::Character:
        if (!key.ctrl() && !key.alt()) typeCharacter(key.character);
        break;
    default: break;
    }
}

void EntryFormModel::typeCharacter(char c) {
    const int field = currentField();
    if (line_.accepted(field, c) == 0) return;
    if (removeSelection()) {
        // What is typed over a selection replaces it, in either mode.
        line_.type(column_, c, true);
    } else {
        line_.type(column_, c, insert_);
    }
    anchor_ = column_;
}

bool EntryFormModel::removeSelection() {
    if (!hasSelection()) return false;
    const int from = selectionStart();
    line_.removeRange(from, selectionEnd());
    column_ = anchor_ = from;
    return true;
}

void EntryFormModel::moveCursor(int column, bool extend) {
    column_ = column;
    if (!extend) anchor_ = column;
}

void EntryFormModel::placeCursor(int column) {
    if (prompt_ || lineLocked() || column < 0 || column > kLineWidth) return;
    if (fieldAt(column) != currentField()) return;
    column_ = anchor_ = column;
}

void EntryFormModel::selectColumns(int from, int to) {
    if (prompt_ || lineLocked()) return;
    const int field = currentField();
    if (fieldAt(from) != field || fieldAt(to) != field) return;
    anchor_ = std::clamp(from, fieldStart(field), fieldEnd(field));
    column_ = std::clamp(to, fieldStart(field), fieldEnd(field));
}

// --- Browsing ----------------------------------------------------------------------------------------

std::string EntryFormModel::readRow(long n) {
    const ledger::ParsedBooking* booking = doc_.journal().readParsed(n);
    return booking != nullptr ? ledger::displayLine(*booking) : kBlankRow;
}

void EntryFormModel::showWindow() {
    for (int r = 0; r < kRows; ++r) {
        const long n = window_.numberInRow(r);
        rows_[static_cast<std::size_t>(r)] = n >= 1 && n <= window_.count() ? readRow(n) : kBlankRow;
    }
    const int r = window_.currentRow();
    reference_ = r > 0 ? EntryLine(rows_[static_cast<std::size_t>(r - 1)]) : EntryLine();
    if (!reference_.fieldBlank(kDateField)) previousDate_ = config::trim(reference_.field(kDateField));
    changeMode_ = !window_.onNewLine() && doc_.programConfig().changesAllowed;
    clearAccounts();
    resetLine();
}

void EntryFormModel::resetLine() {
    line_ = window_.onNewLine() ? EntryLine() : EntryLine(rows_[static_cast<std::size_t>(window_.currentRow())]);
    column_ = anchor_ = 0;
    kind_ = posting::BookingKind::Normal;
    dropSecondLine();
    prompt_ = false;
    answer_ = ' ';
}

void EntryFormModel::clearAccounts() {
    debitName_.clear();
    debitBalance_.clear();
    creditName_.clear();
    creditBalance_.clear();
    plainDebitBalance_.clear();
    plainCreditBalance_.clear();
}

void EntryFormModel::reload() {
    window_ = BookingWindow(doc_.journal().count());
    insert_ = true;
    showWindow();
}

void EntryFormModel::goToEnd() {
    window_.setCount(doc_.journal().count());
    window_.goToEnd();
    showWindow();
}

void EntryFormModel::goToFirst() {
    window_.goToFirst();
    showWindow();
}

void EntryFormModel::goToBooking(long n) {
    window_.setCount(doc_.journal().count());
    window_.goTo(n);
    showWindow();
}

void EntryFormModel::goToRow(int row) {
    if (row == cursorRow() || !window_.selectRow(row)) return;
    showWindow();
}

void EntryFormModel::copyLine() {
    std::string text;
    if (window_.onNewLine()) {
        const int r = window_.currentRow();
        if (r == 0) return;
        text = rows_[static_cast<std::size_t>(r - 1)];
    } else {
        text = line_.text();
    }
    goToEnd();
    line_ = EntryLine(text);
    reference_ = line_;
    if (!reference_.fieldBlank(kDateField)) previousDate_ = config::trim(reference_.field(kDateField));
}

FormRequest EntryFormModel::stepAccount(int field, bool forward) {
    ledger::CSalden& cursor = field == kDebitField ? doc_.debitCursor() : doc_.creditCursor();
    if (!entry::stepAccount(cursor, doc_.accountIndex(), line_.field(field), forward)) {
        return doc_.programConfig().signalTone ? FormRequest{Request::Beep, {}} : FormRequest{};
    }

    line_.setField(field, cursor.numberText());
    std::string& shownName = field == kDebitField ? debitName_ : creditName_;
    std::string& shownBalance = field == kDebitField ? debitBalance_ : creditBalance_;
    shownName.assign(cursor.name());
    shownBalance = cursor.balanceText();
    (field == kDebitField ? plainDebitBalance_ : plainCreditBalance_) = shownBalance;
    column_ = anchor_ = fieldStart(field);
    return {};
}

}  // namespace tellmark::entry
