#pragma once
// Questions asked in the middle of an operation (a booking with a bad date during reorganisation, an
// account that is missing, the correction of an imported line, taking over one account's closing balance)
// as a port. The desktop program shows the dialog; tests answer from a script; a front end with nobody to
// ask answers kNoOneToAsk, and the operation must then stop before it changes anything.

#include <deque>
#include <string>
#include <vector>

namespace tellmark::ui {

inline constexpr int kNoOneToAsk = -1;

struct Question {
    std::string kind;                  // which dialog, e.g. "reorganisation-bad-date"
    std::string caption;               // CP1252, as the dialog shows it
    std::string text;                  // CP1252
    std::vector<std::string> fields;   // the data the dialog shows (CP1252)
    std::vector<std::string> answers;  // the buttons, in order; the answer is an index into them
};

class Decisions {
public:
    virtual ~Decisions() = default;
    // The index of the chosen answer, or kNoOneToAsk. `fields` may be changed by the person (a corrected
    // date, a new account name) and is read back by the operation.
    virtual int ask(Question& question) = 0;
};

// For front ends without a person: every question stays unanswered.
class NoDecisions : public Decisions {
public:
    int ask(Question&) override { return kNoOneToAsk; }
};

// For tests: answers from a script in order, and keeps every question asked.
class ScriptedDecisions : public Decisions {
public:
    struct Answer {
        int choice;
        std::vector<std::string> fields;  // replaces the question's fields when not empty
    };
    void push(int choice, std::vector<std::string> fields = {}) { script.push_back({choice, std::move(fields)}); }
    int ask(Question& question) override {
        asked.push_back(question);
        if (script.empty()) return kNoOneToAsk;
        Answer next = script.front();
        script.pop_front();
        if (!next.fields.empty()) question.fields = next.fields;
        return next.choice;
    }
    std::deque<Answer> script;
    std::vector<Question> asked;
};

}  // namespace tellmark::ui
