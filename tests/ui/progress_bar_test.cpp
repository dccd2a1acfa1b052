#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "ui/progress_bar.h"
#include "ui/recording_progress.h"

namespace tellmark::ui {
namespace {

TEST(ProgressBar, TotalBelowOneCountsAsOne) {
    for (int total : {0, -5}) {
        ProgressBar bar(200);
        bar.start(total, kBarEndless, "Sortieren");
        EXPECT_EQ(bar.total(), 1);
        EXPECT_DOUBLE_EQ(bar.unitWidth(), 200.0);
        bar.step(1);
        EXPECT_EQ(bar.filledWidth(), 200);
        bar.step(1);  // past the end: empties
        EXPECT_EQ(bar.filledWidth(), 0);
        EXPECT_EQ(bar.stage(), 1);

        bar.start(total, kBarPercentRepeat, "");
        bar.step(1);
        EXPECT_EQ(bar.label(), "100%");
    }
}

TEST(ProgressBar, FillsInProportionAndNeverShowsFullTooEarly) {
    ProgressBar bar(200);
    bar.start(3, kBarStayFull, "Kopieren");
    EXPECT_EQ(bar.filledWidth(), 0);
    bar.step(1);
    EXPECT_EQ(bar.filledWidth(), 66);
    bar.step(1);
    EXPECT_EQ(bar.filledWidth(), 133);
    bar.step(1);
    EXPECT_EQ(bar.filledWidth(), 200);
    // A wider window keeps the proportion.
    bar.start(7, kBarStayFull, "Kopieren");
    bar.setWidth(300);
    bar.step(6);
    EXPECT_EQ(bar.filledWidth(), 257);
}

TEST(ProgressBar, EndlessModeEmptiesAndStartsAgain) {
    ProgressBar bar(200);
    bar.start(4, kBarEndless, "Bitte warten");
    for (int round = 1; round <= 3; ++round) {
        for (int i = 1; i <= 4; ++i) {
            bar.step(1);
            EXPECT_EQ(bar.filledWidth(), 50 * i);
        }
        const unsigned redraws = bar.labelRedraws();
        bar.step(1);
        EXPECT_EQ(bar.done(), 0);
        EXPECT_EQ(bar.filledWidth(), 0);
        EXPECT_EQ(bar.stage(), round);
        EXPECT_GT(bar.labelRedraws(), redraws);
    }
    EXPECT_EQ(bar.label(), "Bitte warten");
}

TEST(ProgressBar, StayFullModeStaysFullHoweverManySteps) {
    ProgressBar bar(200);
    bar.start(3, kBarStayFull, "Konten");
    for (int i = 0; i < 20; ++i) bar.step(1);
    EXPECT_EQ(bar.filledWidth(), 200);
    EXPECT_EQ(bar.label(), "Konten");
    // Huge steps must not wrap round to an empty bar.
    bar.step(INT_MAX);
    bar.step(INT_MAX);
    EXPECT_EQ(bar.filledWidth(), 200);
    EXPECT_EQ(bar.done(), INT_MAX);
    // A new phase starts empty again.
    bar.start(10, kBarStayFull, "Journal");
    EXPECT_EQ(bar.filledWidth(), 0);
    EXPECT_EQ(bar.stage(), 0);
}

TEST(ProgressBar, StageModeCountsTheRuns) {
    ProgressBar bar(100);
    bar.start(2, kBarStages, "wird nicht gezeigt");
    EXPECT_EQ(bar.label(), "Stufe 0");
    bar.step(1);
    bar.step(1);
    EXPECT_EQ(bar.label(), "Stufe 0");
    EXPECT_EQ(bar.filledWidth(), 100);
    bar.step(1);
    EXPECT_EQ(bar.label(), "Stufe 1");
    EXPECT_EQ(bar.filledWidth(), 0);
    bar.step(2);
    bar.step(1);
    EXPECT_EQ(bar.label(), "Stufe 2");
    EXPECT_EQ(bar.stage(), 2);
    bar.start(2, kBarStages, "");
    EXPECT_EQ(bar.label(), "Stufe 0");
}

TEST(ProgressBar, PercentModeStartsAgainAtZero) {
    ProgressBar bar(300);
    bar.start(3, kBarPercentRepeat, "wird nicht gezeigt");
    EXPECT_EQ(bar.label(), "0%");
    bar.step(1);
    EXPECT_EQ(bar.label(), "33%");
    bar.step(1);
    EXPECT_EQ(bar.label(), "66%");
    bar.step(1);
    EXPECT_EQ(bar.label(), "100%");
    EXPECT_EQ(bar.filledWidth(), 300);
    bar.step(1);
    EXPECT_EQ(bar.label(), "0%");
    EXPECT_EQ(bar.percent(), 0);
    EXPECT_EQ(bar.done(), 0);
    EXPECT_EQ(bar.filledWidth(), 0);
    bar.step(1);
    EXPECT_EQ(bar.label(), "33%");
}

TEST(ProgressBar, PercentLabelRedrawnOnlyWhenItChanges) {
    ProgressBar bar(300);
    bar.start(200, kBarPercentRepeat, "");
    const unsigned atStart = bar.labelRedraws();
    for (int i = 0; i < 200; ++i) bar.step(1);
    EXPECT_EQ(bar.label(), "100%");
    EXPECT_EQ(bar.labelRedraws() - atStart, 100u);  // every second unit moves the percentage
    // Large totals must not overflow the percentage.
    bar.start(30'000'000, kBarPercentRepeat, "");
    bar.step(29'999'999);
    EXPECT_EQ(bar.label(), "99%");
}

TEST(ProgressBar, PercentStayFullShowsHundredWhenFull) {
    ProgressBar bar(100);
    bar.start(3, kBarPercentStayFull, "");
    bar.step(2);
    EXPECT_EQ(bar.label(), "66%");
    bar.step(2);  // jumps past the end
    EXPECT_EQ(bar.label(), "100%");
    EXPECT_EQ(bar.filledWidth(), 100);
    const unsigned redraws = bar.labelRedraws();
    bar.step(5);
    EXPECT_EQ(bar.labelRedraws(), redraws);
}

TEST(ProgressBar, LabelsAreCutToFiftyCharacters) {
    ProgressBar bar(100);
    const std::string longLabel(70, 'x');
    bar.start(5, kBarEndless, longLabel);
    EXPECT_EQ(bar.label(), std::string(50, 'x'));
    const unsigned redraws = bar.labelRedraws();
    bar.setLabel(std::string(49, 'y') + "zz");
    EXPECT_EQ(bar.label(), std::string(49, 'y') + "z");
    EXPECT_EQ(bar.labelRedraws(), redraws + 1);
}

TEST(ProgressSecondLine, BreaksLongTextsWithoutLineFeed) {
    const std::string first50 = std::string(25, 'a') + std::string(25, 'b');
    EXPECT_EQ(progressSecondLine(first50 + "0123456789"), first50 + " 0123456789");
    EXPECT_EQ(progressSecondLine(first50), first50);  // not longer than 50

    const std::string withFeed = "Datei:\n" + std::string(53, 'c');
    EXPECT_EQ(progressSecondLine(withFeed), withFeed);
    // A line feed only after the 50th character does not count.
    const std::string lateFeed = first50 + "\nxyz";
    EXPECT_EQ(progressSecondLine(lateFeed), first50 + " \nxyz");

    const std::string longText = first50 + std::string(50, 'd') + "abgeschnitten";
    EXPECT_EQ(progressSecondLine(longText), first50 + " " + std::string(50, 'd'));
    EXPECT_EQ(progressSecondLine(withFeed + std::string(60, 'e')), (withFeed + std::string(60, 'e')).substr(0, 100));
}

TEST(RecordingProgress, KeepsPhasesStepsPollsAndDrivesTheBar) {
    RecordingProgress progress;
    progress.start("Reorganisation", "Journal", std::string(60, 's'), "Buchungen", 4, kBarPercentRepeat);
    progress.step(1);
    progress.step(2);
    progress.poll();
    progress.start("Reorganisation", "Salden", "kurz", "Konten", 0, kBarStayFull);
    progress.step(5);
    progress.setSecondLine("neu");
    progress.setBarLabel("Konto 1200");
    progress.poll();
    progress.end();

    ASSERT_EQ(progress.phases.size(), 2u);
    EXPECT_EQ(progress.phases[0].secondLine, std::string(60, 's'));
    EXPECT_EQ(progress.phases[0].total, 4);
    EXPECT_EQ(progress.phases[0].mode, kBarPercentRepeat);
    EXPECT_EQ(progress.phases[0].stepped, 3);
    EXPECT_EQ(progress.phases[0].steps, 2);
    EXPECT_EQ(progress.phases[1].firstLine, "Salden");
    EXPECT_EQ(progress.phases[1].barLabel, "Konten");
    EXPECT_EQ(progress.phases[1].stepped, 5);
    EXPECT_EQ(progress.stepped, 8);
    EXPECT_EQ(progress.polls, 2);
    EXPECT_EQ(progress.ends, 1);
    EXPECT_EQ(progress.firstLine, "Salden");
    EXPECT_EQ(progress.secondLine, "neu");
    EXPECT_EQ(progress.bar.total(), 1);
    EXPECT_EQ(progress.bar.filledWidth(), progress.bar.width());
    EXPECT_EQ(progress.bar.label(), "Konto 1200");
}

}  // namespace
}  // namespace tellmark::ui
