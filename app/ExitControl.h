#pragma once
// Ending the program from the main window: the close query behind Exit and the frame's close
// box, and the two exit commands. The rule of what has to happen first is ExitRule's.

namespace velkor {

class Application;

class ExitControl
{
public:
    explicit ExitControl(Application& app) : my_app(app) {}

    /// Whether the program may close now: flushes the settings, then applies `ConfirmExit` (no
    /// project list) or writes the remembered memos and applies `ExitWhileCheckedIn`.
    bool QueryClose();
    /// Exit: the close query, then the exit steps.
    void ExitCommand();
    /// Exit without checking out: as Exit when idle; when checked in, asks and then runs the
    /// exit steps without the close query, leaving the session open for recovery.
    void ExitWithoutCheckingOut();

private:
    Application& my_app;
};

} // namespace velkor
