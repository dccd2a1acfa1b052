#pragma once
// The progress window as a port. Long operations start it, step it and poll it on the one thread; the bar
// logic (modes, percent, stage) is plain core code in progress_bar.h that every front end draws from.

#include <string_view>

namespace tellmark::ui {

enum BarMode : int {
    kBarEndless = 3000,        // runs full, empties, starts again
    kBarStages = 3001,         // "Stufe n", counting the times it ran full
    kBarPercentRepeat = 3002,  // "n%", starts again at 0% when full
    kBarStayFull = 3003,       // stays full
    kBarPercentStayFull = 3004,
};

class Progress {
public:
    virtual ~Progress() = default;
    virtual void start(std::string_view caption, std::string_view firstLine, std::string_view secondLine,
                       std::string_view barLabel, int total, int mode) = 0;
    virtual void setFirstLine(std::string_view text) = 0;
    virtual void setSecondLine(std::string_view text) = 0;
    virtual void setBarLabel(std::string_view text) = 0;
    virtual void step(int units) = 0;
    // Lets the front end repaint while the work goes on; the operation cannot be cancelled.
    virtual void poll() = 0;
    virtual void end() = 0;
};

// A progress that shows nothing: for scripts and tests that do not look at it.
class NoProgress : public Progress {
public:
    void start(std::string_view, std::string_view, std::string_view, std::string_view, int, int) override {}
    void setFirstLine(std::string_view) override {}
    void setSecondLine(std::string_view) override {}
    void setBarLabel(std::string_view) override {}
    void step(int) override {}
    void poll() override {}
    void end() override {}
};

}  // namespace tellmark::ui
