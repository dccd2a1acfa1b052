#pragma once
// The keys the booking entry form reacts to, as plain values: the front end translates its own key
// events into these and hands them to the form model.

namespace tellmark::entry {

enum class Key {
    Character,  // a typed character (CP1252 byte); with Ctrl a command letter (Ctrl+Y, Ctrl+S, ...)
    Tab,        // with Shift: the previous field
    Enter,
    Escape,
    Left,
    Right,
    Up,
    Down,
    Home,  // with Ctrl: bookings 1 to 8
    End,   // with Ctrl: the new line at the end
    Backspace,
    Delete,
    PageUp,
    PageDown,
    Insert,  // insert / overwrite
    Copy,    // "Kopieren": the current line into the new line
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
};

enum KeyModifier : unsigned {
    kNoModifier = 0,
    kShift = 1,
    kCtrl = 2,
    kAlt = 4,
};

struct KeyPress {
    Key key = Key::Character;
    unsigned modifiers = kNoModifier;
    char character = 0;

    bool shift() const { return (modifiers & kShift) != 0; }
    bool ctrl() const { return (modifiers & kCtrl) != 0; }
    bool alt() const { return (modifiers & kAlt) != 0; }
    bool plain() const { return modifiers == kNoModifier; }

    static KeyPress typed(char c) { return KeyPress{Key::Character, kNoModifier, c}; }
    static KeyPress of(Key key, unsigned modifiers = kNoModifier) { return KeyPress{key, modifiers, 0}; }
    static KeyPress control(char letter) { return KeyPress{Key::Character, kCtrl, letter}; }
    // F1..F12 by number.
    static KeyPress function(int n, unsigned modifiers = kNoModifier) {
        return KeyPress{static_cast<Key>(static_cast<int>(Key::F1) + n - 1), modifiers, 0};
    }
    // The number of a function key, 0 for any other key.
    int functionNumber() const {
        const int n = static_cast<int>(key) - static_cast<int>(Key::F1) + 1;
        return n >= 1 && n <= 12 ? n : 0;
    }
};

}  // namespace tellmark::entry
