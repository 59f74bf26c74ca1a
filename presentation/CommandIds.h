#pragma once
// The command ids of the main window's menus and accelerators; each QAction is named "cmd" + its id.

namespace velkor {

enum CommandId : int
{
    kCmdAbout = 1,
    kCmdEditProjects = 101,
    kCmdExit = 102,
    kCmdOptions = 103,
    kCmdHelpContents = 104,
    kCmdHelpIndex = 105,
    kCmdEnterTutorial = 201,
    kCmdLeaveTutorial = 202,
    kCmdExitWithoutCheckingOut = 9070,
    kCmdReporter = 9071,
    kCmdClearTotals = 11842,
    kCmdMemoModeShift = 11843,
    kCmdMemoModeCheckIn = 11844,
    kCmdMemoModeCheckOut = 11845,
    kCmdEnterMemoNow = 11846,
    kCmdHideShow = 11848,
    kCmdBackup = 11849,
    kCmdRestore = 11850,
    kCmdReloadProjects = 11852,
    kCmdConfigureHelp = 11853,
    kCmdConfigureAutoBackup = 11854,
    kCmdNote = 11855,
};

} // namespace velkor
