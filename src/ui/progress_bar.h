#pragma once
// The state of the progress window's bar, without any drawing: how far it is filled, what its label says,
// and when the label needs redrawing. Front ends draw from it; tests check it.

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/progress.h"

namespace tellmark::ui {

inline constexpr std::size_t kBarLabelMax = 50;

class ProgressBar {
public:
    explicit ProgressBar(int widthPixels = 0);

    // The bar's drawn width, set by the front end when it lays out the window.
    void setWidth(int widthPixels);

    // Empties the bar for a new phase. A total below 1 counts as 1. Modes 3001, 3002 and 3004 label the
    // bar themselves; the others show the given label (cut to 50 characters). An unknown mode behaves as
    // kBarStayFull.
    void start(int total, int mode, std::string_view label);
    void setLabel(std::string_view text);
    // Adds work done; when the bar would run past its end the mode decides what happens.
    void step(int units);

    int total() const { return total_; }
    int done() const { return done_; }
    int mode() const { return mode_; }
    int percent() const { return percent_; }
    int stage() const { return stage_; }
    const std::string& label() const { return label_; }
    int width() const { return width_; }
    double unitWidth() const { return unitWidth_; }
    // Pixels of the bar that are filled, from its left edge; never more than width().
    int filledWidth() const;
    // Goes up each time the label area must be redrawn; a front end redraws when it differs from the
    // value it last drew. Percent labels count only when the shown value changes.
    unsigned labelRedraws() const { return labelRedraws_; }

private:
    void setShownLabel(std::string_view text);
    void setPercent(int value);
    void empty();

    int total_ = 1;
    int done_ = 0;
    int mode_ = kBarEndless;
    std::string label_;
    int percent_ = 0;
    int stage_ = 0;
    int width_ = 0;
    double unitWidth_ = 0.0;
    unsigned labelRedraws_ = 0;
};

// The text of the window's two-line second field: at most 100 characters; a text longer than 50 characters
// without a line feed in its first 50 gets a blank after the 50th, so the field can break it.
std::string progressSecondLine(std::string_view text);

}  // namespace tellmark::ui
