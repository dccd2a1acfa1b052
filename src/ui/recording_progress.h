#pragma once
// A progress that keeps what a long operation told it, for tests: every start with its texts, total and
// mode, how much work was stepped in each phase, and how often it polled and ended. It drives a real
// ProgressBar, so the bar's label and stage can be checked too.

#include <string>
#include <string_view>
#include <vector>

#include "ui/progress.h"
#include "ui/progress_bar.h"

namespace tellmark::ui {

class RecordingProgress : public Progress {
public:
    struct Phase {
        std::string caption;
        std::string firstLine;
        std::string secondLine;  // as passed, before the two-line rule
        std::string barLabel;
        int total;
        int mode;
        long long stepped = 0;  // units stepped while this phase ran
        int steps = 0;          // step calls while this phase ran
    };

    void start(std::string_view caption, std::string_view first, std::string_view second, std::string_view barLabel,
               int total, int mode) override {
        phases.push_back({std::string(caption), std::string(first), std::string(second), std::string(barLabel), total,
                          mode});
        firstLine.assign(first);
        secondLine = progressSecondLine(second);
        bar.start(total, mode, barLabel);
    }
    void setFirstLine(std::string_view text) override { firstLine.assign(text); }
    void setSecondLine(std::string_view text) override { secondLine = progressSecondLine(text); }
    void setBarLabel(std::string_view text) override { bar.setLabel(text); }
    void step(int units) override {
        bar.step(units);
        stepped += units;
        ++steps;
        if (!phases.empty()) {
            phases.back().stepped += units;
            ++phases.back().steps;
        }
    }
    void poll() override { ++polls; }
    void end() override { ++ends; }

    std::vector<Phase> phases;
    std::string firstLine;   // as shown now
    std::string secondLine;  // as shown now, after the two-line rule
    long long stepped = 0;   // all units stepped
    int steps = 0;
    int polls = 0;
    int ends = 0;
    ProgressBar bar{200};
};

}  // namespace tellmark::ui
