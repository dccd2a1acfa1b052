#include <gtest/gtest.h>

#include "ui/decisions.h"

namespace tellmark::ui {

TEST(Decisions, ScriptAnswersInOrderThenNobodyIsThere) {
    ScriptedDecisions decisions;
    decisions.push(1, {"15.03"});
    decisions.push(0);
    Question badDate{"reorganisation-bad-date", "FEHLER", "Datum fehlerhaft", {"45.03"}, {"OK", "Korrigieren"}};
    EXPECT_EQ(decisions.ask(badDate), 1);
    EXPECT_EQ(badDate.fields, std::vector<std::string>{"15.03"});
    Question second = badDate;
    EXPECT_EQ(decisions.ask(second), 0);
    EXPECT_EQ(second.fields, std::vector<std::string>{"15.03"});
    EXPECT_EQ(decisions.ask(second), kNoOneToAsk);
    ASSERT_EQ(decisions.asked.size(), 3u);
    EXPECT_EQ(decisions.asked[0].fields, std::vector<std::string>{"45.03"});

    NoDecisions nobody;
    EXPECT_EQ(nobody.ask(second), kNoOneToAsk);
}

}  // namespace tellmark::ui
