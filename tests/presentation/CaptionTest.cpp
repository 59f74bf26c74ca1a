#include "presentation/Caption.h"

#include "core/ProjectList.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace velkor;

TEST(Caption, TotalProjectAndTitleAsTheDisplaySettingsSay)
{
    CaptionInput in{true, 3723, true, "Alpha", 1, "Velkor"};
    const CaptionResult busy = build_caption(in);
    EXPECT_EQ(std::tie(busy.caption, busy.icon, busy.tip), std::make_tuple("1:02:03 - Alpha", 1, "Alpha"));
    in.checked_in = false;
    const CaptionResult idle = build_caption(in);
    EXPECT_EQ(std::tie(idle.caption, idle.icon, idle.tip), std::make_tuple("1:02:03 - Velkor", 2, "(idle)"));
    EXPECT_EQ(build_caption({false, 0, true, "Alpha", 0, "Velkor"}).caption, "Alpha - Velkor");
    EXPECT_EQ(build_caption({false, 0, false, "", 2, "Velkor"}).caption, "");
}

TEST(Caption, TheGrandTotalAddsEveryProjectAndTheRunningSession)
{
    ProjectList list;
    list.add_category("Work", kBlack, false);
    list.add_project(0, "Report", false);
    list.add_category("Home", kBlack, false);
    list.add_project(1, "Garden", false);
    list.add_seconds(0, 0, 3000);
    list.add_seconds(1, 0, 700);

    // Idle: the running session does not count, whatever is passed for it.
    EXPECT_EQ(build_caption(caption_input(&list, 23, true, 0, "Velkor")).caption, "1:01:40 - Velkor");
    list.set_current(1, 0);
    const CaptionInput busy = caption_input(&list, 23, true, 1, "Velkor");
    EXPECT_EQ(busy.total_seconds, 3723);
    EXPECT_EQ(build_caption(busy).caption, "1:02:03 - Garden");
    EXPECT_EQ(caption_input(&list, 23, false, 0, "Velkor").total_seconds, 0) << "not shown, not summed";

    // Before the first load there is no list: the title alone.
    EXPECT_EQ(build_caption(caption_input(nullptr, 0, true, 0, "Desk")).caption, "0:00:00 - Desk");
}
