#include "ui/progress_bar.h"

#include <algorithm>
#include <climits>

#include "resources/format.h"
#include "resources/texts_progress.h"

namespace tellmark::ui {

namespace {

constexpr std::size_t kSecondLineMax = 100;
constexpr std::size_t kSecondLineBreak = 50;

bool showsPercent(int mode) { return mode == kBarPercentRepeat || mode == kBarPercentStayFull; }

}  // namespace

ProgressBar::ProgressBar(int widthPixels) { setWidth(widthPixels); }

void ProgressBar::setWidth(int widthPixels) {
    width_ = std::max(widthPixels, 0);
    unitWidth_ = static_cast<double>(width_) / total_;
}

void ProgressBar::start(int total, int mode, std::string_view label) {
    total_ = std::max(total, 1);
    unitWidth_ = static_cast<double>(width_) / total_;
    done_ = 0;
    mode_ = mode;
    percent_ = 0;
    stage_ = 0;
    if (mode == kBarStages)
        setShownLabel(format(text::kBarStageStart, 0));
    else if (showsPercent(mode))
        setShownLabel(format(text::kBarPercent, 0));
    else
        setShownLabel(label);
}

void ProgressBar::setLabel(std::string_view text) { setShownLabel(text); }

void ProgressBar::step(int units) {
    // Saturating, never below empty: a long run in a stay-full mode must not wrap round.
    const long long sum = static_cast<long long>(done_) + units;
    done_ = static_cast<int>(std::clamp<long long>(sum, 0, INT_MAX));

    if (done_ > total_) {  // the filled part would pass the right edge
        ++stage_;
        switch (mode_) {
        case kBarEndless:
            empty();
            ++labelRedraws_;  // the label is drawn again over the emptied bar
            break;
        case kBarStages:
            setShownLabel(format(text::kBarStage, static_cast<double>(stage_)));
            empty();
            break;
        case kBarPercentRepeat:
            empty();
            percent_ = 0;
            setShownLabel(format(text::kBarPercent, 0));
            break;
        case kBarPercentStayFull:
            // A full bar says so, even when the last step jumped past 100%.
            setPercent(100);
            break;
        default:  // kBarStayFull and unknown modes: the bar stays full
            break;
        }
        return;
    }
    if (showsPercent(mode_)) setPercent(static_cast<int>(static_cast<long long>(done_) * 100 / total_));
}

int ProgressBar::filledWidth() const {
    if (done_ >= total_) return width_;
    // Exact integer form of done * unitWidth, so a bar one unit short of full is never drawn full.
    return static_cast<int>(static_cast<long long>(done_) * width_ / total_);
}

void ProgressBar::setShownLabel(std::string_view text) {
    label_.assign(text.substr(0, kBarLabelMax));
    ++labelRedraws_;
}

void ProgressBar::setPercent(int value) {
    if (value == percent_) return;
    percent_ = value;
    setShownLabel(format(text::kBarPercent, value));
}

void ProgressBar::empty() { done_ = 0; }

std::string progressSecondLine(std::string_view text) {
    std::string line(text.substr(0, kSecondLineMax));
    if (line.size() > kSecondLineBreak && line.find('\n') >= kSecondLineBreak) line.insert(kSecondLineBreak, 1, ' ');
    return line;
}

}  // namespace tellmark::ui
