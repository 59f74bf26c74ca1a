#include "tests/core/SessionFixture.h"

#include "classlib/SettingsKeys.h"

namespace velkor::test {
namespace {

using MemoRequestTest = SessionFixture;

TEST(MemoText, TheAskMemoSettingGivesTheModeByItsFirstLetter)
{
    using M = AskMemoMode;
    EXPECT_EQ(
        std::vector<M>({ParseAskMemo("i"), ParseAskMemo("Yes"), ParseAskMemo("O"), ParseAskMemo("n"), ParseAskMemo("x"),
                        ParseAskMemo("")}),
        std::vector<M>({M::EveryCheckIn, M::EveryCheckIn, M::EveryCheckOut, M::ShiftOnly, M::ShiftOnly, M::ShiftOnly}));
    EXPECT_EQ(std::string(AskMemoSetting(M::ShiftOnly)) + AskMemoSetting(M::EveryCheckIn) +
                  AskMemoSetting(M::EveryCheckOut),
              "nio");
}

TEST(MemoText, TrimmingTakesBlanksOfEveryKindFromBothEnds)
{
    EXPECT_EQ(TrimMemo(" \t\r\n\v\fa b\r\n \f"), "a b");
    EXPECT_EQ(TrimMemo(" \r\n "), "");
}

TEST_F(MemoRequestTest, WhenToAsk)
{
    MemoRequest& m = start().memo();
    list.set_project_memo_behavior(0, 0, MemoBehavior::Never);
    EXPECT_TRUE(m.ShouldAskForMemo(true, 0, 0, MemoPurpose::CheckIn)); // Shift wins over "never"
    EXPECT_FALSE(m.ShouldAskForMemo(false, 0, 0, MemoPurpose::CheckOut));
    // Project default, category at check-out, mode at check-in: the category decides.
    m.set_ask_memo_mode(AskMemoMode::EveryCheckIn);
    list.set_category_memo_behavior(0, MemoBehavior::AtCheckOut);
    EXPECT_FALSE(m.ShouldAskForMemo(false, 0, 1, MemoPurpose::CheckIn));
    EXPECT_TRUE(m.ShouldAskForMemo(false, 0, 1, MemoPurpose::CheckOut));
    EXPECT_TRUE(m.ShouldAskForMemo(false, 1, 0, MemoPurpose::CheckIn));
    EXPECT_FALSE(m.ShouldAskForMemo(false, 1, 0, MemoPurpose::CheckOut));
}

TEST_F(MemoRequestTest, OkTrimsAndRemembersAndInitialTextsFollowThePurpose)
{
    put_flag(settings, kRememberMemo, true);
    SessionEngine& e = start();
    list.remember_memo(0, 0, "older");
    dialogs.memos = {{MemoDialogResult::Ok, "  report draft \r\n"}, {MemoDialogResult::Ok, "x"}};
    ASSERT_TRUE(e.CheckIn(0, 0, true));
    EXPECT_EQ(e.state().memo, "report draft");
    EXPECT_EQ(list.remembered_memo(0, 0, 0) + "|" + list.remembered_memo(0, 0, 1), "report draft|older");
    ASSERT_TRUE(e.CheckOut(true));
    EXPECT_EQ(dialogs.memo_initial, (std::vector<std::string>{"older", "report draft"}));
}

TEST_F(MemoRequestTest, AnEnteredMemoIsCutTo1009BytesBeforeTrimming)
{
    SessionEngine& e = start();
    // 1008 x, then a two-byte character that does not fit whole, then trailing blanks.
    dialogs.memos = {{MemoDialogResult::Ok, std::string(1008, 'x') + "\xC3\xA9  "},
                     {MemoDialogResult::Ok, std::string(1009, 'y') + "z"}};
    ASSERT_TRUE(e.CheckIn(0, 0, true));
    EXPECT_EQ(e.state().memo, std::string(1008, 'x'));
    ASSERT_TRUE(e.EnterMemoNow());
    EXPECT_EQ(e.state().memo, std::string(1009, 'y'));
}

TEST_F(MemoRequestTest, NoMemoAndBlankOkAreDeclinedForTheWholeSession)
{
    SessionEngine& e = start();
    list.remember_memo(1, 0, "weeding");
    // A blank OK is No Memo; memo-now then sets a text, but the session stays declined, so the
    // check-out request starts empty, not with the remembered memo.
    dialogs.memos = {{MemoDialogResult::Ok, " \r\n "}, {MemoDialogResult::Ok, "hedge"}, {MemoDialogResult::Ok, ""}};
    ASSERT_TRUE(e.CheckIn(1, 0, true));
    EXPECT_TRUE(e.state().memo_declined);
    ASSERT_TRUE(e.EnterMemoNow());
    DazezUrureData open;
    ASSERT_TRUE(record.ReadDazezUrureRecord(open));
    EXPECT_EQ(open.memo, "hedge");
    ASSERT_TRUE(e.CheckOut(true));
    EXPECT_EQ(dialogs.memo_initial, (std::vector<std::string>{"weeding", "", ""}));
}

TEST_F(MemoRequestTest, MemoNowAfterNoMemoStartsEmptyAndOnlyItsOkWritesCloseAfterMemo)
{
    SessionEngine& e = start();
    list.remember_memo(1, 0, "weeding");
    // Memo-now with an empty session memo offers no remembered memo; its Cancel leaves
    // CloseAfterMemo unwritten, its OK writes it. A cancelled check-in memo leaves the program idle.
    dialogs.memos = {{MemoDialogResult::NoMemo, ""}, {MemoDialogResult::Cancel, "lost"}, {MemoDialogResult::Ok, "k"}};
    ASSERT_TRUE(e.CheckIn(1, 0, true));
    dialogs.close_after_answer = true;
    EXPECT_FALSE(e.EnterMemoNow());
    EXPECT_EQ(dialogs.memo_initial.back(), "");
    EXPECT_FALSE(get_flag(settings, kCloseAfterMemo));
    EXPECT_TRUE(e.EnterMemoNow() && get_flag(settings, kCloseAfterMemo) && e.memo().close_after());
    ASSERT_TRUE(e.CheckOut(false));
    EXPECT_FALSE(e.CheckIn(0, 1, true) || e.is_checked_in());
}

} // namespace
} // namespace velkor::test
