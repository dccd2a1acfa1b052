#include "shell/form_keys.h"

#include "shell/command_ids.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {

unsigned modifiersOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    unsigned out = entry::kNoModifier;
    if (m & Qt::ShiftModifier) out |= entry::kShift;
    if (m & Qt::ControlModifier) out |= entry::kCtrl;
    if (m & Qt::AltModifier) out |= entry::kAlt;
    return out;
}

}  // namespace

std::vector<entry::KeyPress> formKeysOf(const QKeyEvent& event) {
    using entry::Key;
    using entry::KeyPress;
    const unsigned modifiers = modifiersOf(event);
    const int key = event.key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return {KeyPress::function(key - Qt::Key_F1 + 1, modifiers)};
    switch (key) {
    case Qt::Key_Tab: return {KeyPress::of(Key::Tab, modifiers)};
    case Qt::Key_Backtab: return {KeyPress::of(Key::Tab, modifiers | entry::kShift)};
    case Qt::Key_Return:
    case Qt::Key_Enter: return {KeyPress::of(Key::Enter, modifiers)};
    case Qt::Key_Escape: return {KeyPress::of(Key::Escape, modifiers)};
    case Qt::Key_Left: return {KeyPress::of(Key::Left, modifiers)};
    case Qt::Key_Right: return {KeyPress::of(Key::Right, modifiers)};
    case Qt::Key_Up: return {KeyPress::of(Key::Up, modifiers)};
    case Qt::Key_Down: return {KeyPress::of(Key::Down, modifiers)};
    case Qt::Key_Home: return {KeyPress::of(Key::Home, modifiers)};
    case Qt::Key_End: return {KeyPress::of(Key::End, modifiers)};
    case Qt::Key_Backspace: return {KeyPress::of(Key::Backspace, modifiers)};
    case Qt::Key_Delete: return {KeyPress::of(Key::Delete, modifiers)};
    case Qt::Key_PageUp: return {KeyPress::of(Key::PageUp, modifiers)};
    case Qt::Key_PageDown: return {KeyPress::of(Key::PageDown, modifiers)};
    case Qt::Key_Insert: return {KeyPress::of(Key::Insert, modifiers)};
    default: break;
    }
    // "Kopieren" of the form: Ctrl+K copies the current line into the new line (Alt+K opens "&Konten").
    if (key == Qt::Key_K && modifiers == entry::kCtrl) return {KeyPress::of(Key::Copy)};
    if ((modifiers & entry::kCtrl) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return {KeyPress{Key::Character, modifiers, static_cast<char>('A' + (key - Qt::Key_A))}};
    if (modifiers & (entry::kCtrl | entry::kAlt)) return {};
    std::vector<KeyPress> presses;
    for (char c : cp(event.text()))
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) presses.push_back(KeyPress::typed(c));
    return presses;
}

int commandOfRequest(entry::Request request) {
    using entry::Request;
    switch (request) {
    case Request::AccountSheets: return cmd::kAccountSheets;
    case Request::TrialBalance: return cmd::kTrialBalance;
    case Request::ResultStatement: return cmd::kResultStatement;
    case Request::BalanceSheet: return cmd::kBalanceSheet;
    case Request::BalanceList: return cmd::kBalanceList;
    case Request::MonthEvaluation: return cmd::kMonthEvaluation;
    case Request::YearChange: return cmd::kYearChange;
    case Request::SwitchCircle: return cmd::kSwitchCircle;
    case Request::PostStandardBookingByNumber: return cmd::kStandardPostNumber;
    case Request::ChooseStandardBooking: return cmd::kStandardPostChoice;
    case Request::SearchForward: return cmd::kSearchForward;
    case Request::SearchBackward: return cmd::kSearchBackward;
    case Request::AccountsDialog: return cmd::kAccounts;
    case Request::ChartOfAccounts: return cmd::kChartList;
    default: return 0;
    }
}

}  // namespace tellmark::shell
