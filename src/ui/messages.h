#pragma once
// The program's one message dialog, as a port: the desktop program shows a dialog, the command line
// prints "CAPTION: text" to stderr, tests record the calls. Texts and captions are CP1252.

#include <string>
#include <string_view>
#include <vector>

namespace tellmark::ui {

// Icon values select the window title of the dialog.
enum Icon : int {
    kIconStop = 16,
    kIconQuestion = 32,
    kIconExclamation = 48,
    kIconInformation = 64,
};

class Messages {
public:
    virtual ~Messages() = default;
    virtual void show(std::string_view text, std::string_view caption, int icon) = 0;
};

// Keeps every message, for tests and for front ends that report after the operation.
class RecordingMessages : public Messages {
public:
    struct Entry {
        std::string text;
        std::string caption;
        int icon;
    };
    void show(std::string_view text, std::string_view caption, int icon) override {
        entries.push_back({std::string(text), std::string(caption), icon});
    }
    bool empty() const { return entries.empty(); }
    const Entry& last() const { return entries.back(); }
    std::vector<Entry> entries;
};

// Drops every message; for callers that only want the result code.
class SilentMessages : public Messages {
public:
    void show(std::string_view, std::string_view, int) override {}
};

}  // namespace tellmark::ui
