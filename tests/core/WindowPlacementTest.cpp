#include "core/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

Rect at(int left, int top, int width, int height)
{
    return {left, top, left + width, top + height};
}

} // namespace

TEST(WindowPlacement, StoredSizeAndPositionFallBack)
{
    EXPECT_EQ(read_window_rect("600x400", "100 100"), at(100, 100, 600, 400));
    EXPECT_EQ(read_window_rect("800,600", "-5 7"), at(-5, 7, 800, 600)); // any separator
    EXPECT_EQ(read_window_rect("5x5", "100 100"), at(100, 100, 400, 300));
    EXPECT_EQ(read_window_rect("garbage", "100 100"), at(100, 100, 400, 300));
    EXPECT_EQ(read_window_rect("600", "100 100"), at(100, 100, 400, 300)); // no height: both fail
    EXPECT_EQ(read_window_rect("600x400", "-32000 -32000"), at(50, 50, 600, 400));
    EXPECT_EQ(read_window_rect("600x400", "10 -32000"), at(50, 50, 600, 400));
    EXPECT_EQ(read_window_rect("99999999999x400", "99999999999 0"), at(50, 50, 400, 300));
}

TEST(WindowPlacement, FitToMonitors)
{
    const Rect left_screen = at(0, 0, 1920, 1080);
    const Rect right_screen = at(1920, 0, 1280, 1024);
    const std::vector<Rect> two = {left_screen, right_screen};

    // Inside one monitor: unchanged; no monitors listed: unchanged.
    EXPECT_EQ(fit_to_monitors(at(100, 100, 600, 400), two), at(100, 100, 600, 400));
    EXPECT_EQ(fit_to_monitors(at(2000, 10, 600, 400), two), at(2000, 10, 600, 400));
    EXPECT_EQ(fit_to_monitors(at(-900, -900, 600, 400), {}), at(-900, -900, 600, 400));

    // Across the seam, mostly on the right monitor: moved inside it from the left.
    EXPECT_EQ(fit_to_monitors(at(1800, 100, 600, 400), two), at(1920, 100, 600, 400));
    // Hanging off the right and bottom edges: moved back in.
    EXPECT_EQ(fit_to_monitors(at(3000, 900, 600, 400), two), at(2600, 624, 600, 400));
    // Off every monitor: centred on the first.
    EXPECT_EQ(fit_to_monitors(at(-5000, -5000, 600, 400), two), at(660, 340, 600, 400));
    // Equal overlap on both: the first monitor wins.
    EXPECT_EQ(fit_to_monitors(at(1820, 100, 200, 100), {at(0, 0, 1920, 1080), at(1920, 0, 1920, 1080)}),
              at(1720, 100, 200, 100));

    // Wider than its monitor: shrunk about its middle to 90% (1728 of 1920), then moved inside.
    EXPECT_EQ(fit_to_monitors(at(0, 0, 2500, 400), {left_screen}), at(192, 0, 1728, 400));
    // An odd excess: halves truncated toward zero on each side (1001 - 2*140 = 721 wide).
    EXPECT_EQ(fit_to_monitors(at(-100, 0, 1001, 100), {at(0, 0, 800, 600)}), at(40, 0, 721, 100));
    // Taller and off all monitors: shrunk in height only, then centred.
    EXPECT_EQ(fit_to_monitors(at(9000, 9000, 600, 2000), {left_screen}), at(660, 54, 600, 972));

    // Only the first ten monitors are looked at.
    std::vector<Rect> many(10, at(0, 0, 100, 100));
    many.push_back(at(5000, 5000, 1000, 1000));
    EXPECT_EQ(fit_to_monitors(at(5100, 5100, 50, 50), many), at(25, 25, 50, 50));
}

TEST(WindowPlacement, StartupShowState)
{
    EXPECT_EQ(startup_show_state(ShowRequest::Default, true, "y"), ShowState::Maximized);
    EXPECT_EQ(startup_show_state(ShowRequest::Default, false, "yes"), ShowState::Maximized);
    EXPECT_EQ(startup_show_state(ShowRequest::Default, false, "Y"), ShowState::Normal);
    EXPECT_EQ(startup_show_state(ShowRequest::Minimize, true, "y"), ShowState::Hidden);
    EXPECT_EQ(startup_show_state(ShowRequest::Hide, false, "n"), ShowState::Minimized);
    EXPECT_EQ(startup_show_state(ShowRequest::Maximize, false, "n"), ShowState::Maximized);
}
