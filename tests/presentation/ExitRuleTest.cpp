#include "presentation/ExitRule.h"

#include <gtest/gtest.h>

using namespace velkor;

TEST(ExitRule, WithoutAProjectListOnlyConfirmExitCounts)
{
    EXPECT_EQ(exit_step(false, false, true, 3), ExitStep::Allow);
    EXPECT_EQ(exit_step(false, true, true, 3), ExitStep::Confirm);
}

TEST(ExitRule, WhileIdleTheProgramCloses)
{
    EXPECT_EQ(exit_step(true, true, false, 3), ExitStep::Allow);
}

TEST(ExitRule, WhileCheckedInExitWhileCheckedInDecides)
{
    EXPECT_EQ(exit_step(true, false, true, 0), ExitStep::CheckOut);
    EXPECT_EQ(exit_step(true, false, true, 1), ExitStep::Allow);
    EXPECT_EQ(exit_step(true, false, true, 2), ExitStep::AskCheckOut);
    EXPECT_EQ(exit_step(true, false, true, 3), ExitStep::Refuse);
    EXPECT_EQ(exit_step(true, true, true, 9), ExitStep::Allow);
    EXPECT_EQ(exit_step(true, false, true, -1), ExitStep::Allow);
}
