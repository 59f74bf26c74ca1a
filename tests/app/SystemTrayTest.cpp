#include "app/SystemTray.h"

#include <QMainWindow>
#include <QTest>

#include <gtest/gtest.h>

using namespace velkor;

TEST(SystemTray, TipIsCutTo63BytesWithoutSplittingACharacter)
{
    EXPECT_EQ(CutTip(std::string(70, 'a')), std::string(63, 'a'));
    // 62 ASCII bytes and then a two-byte character: it does not fit whole, so it goes.
    EXPECT_EQ(CutTip(std::string(62, 'a') + "\xc3\xa9z"), std::string(62, 'a'));
    EXPECT_EQ(CutTip(std::string(61, 'a') + "\xc3\xa9z"), std::string(61, 'a') + "\xc3\xa9");
    EXPECT_EQ(CutTip("(idle)"), "(idle)");
}

TEST(SystemTray, AddModifyRemoveRulesAndHidingOnMinimize)
{
    SystemTray::set_tray_available([] { return false; });
    {
        // Without a notification area no icon is added, so minimizing never loses the window.
        SystemTray tray;
        EXPECT_FALSE(tray.add(1, "(idle)"));
        EXPECT_FALSE(tray.is_shown());
    }
    SystemTray::set_tray_available([] { return true; });
    SystemTray::reset_counters();
    QMainWindow frame;
    frame.show();
    {
        SystemTray tray;
        EXPECT_EQ(tray.id(), 1);
        EXPECT_FALSE(tray.modify(1, "x"));
        EXPECT_FALSE(tray.remove());
        EXPECT_TRUE(tray.add(1, "(idle)"));
        EXPECT_FALSE(tray.add(1, "(idle)"));
        EXPECT_EQ(SystemTray::icons_shown(), 1);
        EXPECT_TRUE(tray.modify(2, std::string(80, 'p')));
        EXPECT_EQ(tray.icon_number(), 2);
        EXPECT_EQ(tray.tip(), std::string(63, 'p'));

        tray.hide_frame_on_minimize(&frame);
        frame.showMinimized();
        QTRY_VERIFY(!frame.isVisible());
    }
    // The destructor took the icon away.
    EXPECT_EQ(SystemTray::icons_shown(), 0);
    SystemTray::set_tray_available([] { return false; });
}
