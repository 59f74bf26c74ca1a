#pragma once
// The main window's client: it handles the menu commands, the close query and the window
// set-up. The grid, its painting, input, timers and the notification icon are built on it.

#include <QWidget>

class QMenuBar;

namespace velkor {

class Application;

/// Menu command ids; each QAction is named "cmd" + its id.
inline constexpr int kCmdExit = 102;
inline constexpr int kCmdExitWithoutCheckingOut = 9070;

class MainVKWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainVKWindow(Application& app, QWidget* parent = nullptr);
    /// Flushes the settings.
    ~MainVKWindow() override;

    /// Fills the frame's menu bar; every item is a QAction named "cmd<id>" carrying its id as data.
    void create_menus(QMenuBar* bar);
    /// Runs the menu command with that id.
    void command(int id);

    /// Once, after the window exists: restores the clock-change flags.
    void SetupWindow();
    /// Whether the program may close now: flushes the settings, then applies `ConfirmExit`
    /// (no project list) or writes the remembered memos and applies `ExitWhileCheckedIn`.
    bool QueryClose();

    /// Exit: the close query, then the exit steps.
    void ExitCommand();
    /// Exit without checking out: as Exit when idle; when checked in, asks and then runs the
    /// exit steps without the close query, leaving the session open for recovery.
    void ExitWithoutCheckingOut();

private:
    bool query_close_while_checked_in();

    Application& my_app;
};

} // namespace velkor
