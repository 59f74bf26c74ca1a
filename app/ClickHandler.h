#pragma once
// Runs a click on the main window's grid: ClickRules decides the steps from the buttons, keys and
// session; this class carries them out with the session engine, the message boxes and the window.

#include "presentation/ClickRules.h"
#include "presentation/OfflineEntry.h"

#include <QPoint>

#include <optional>

namespace velkor {

class Application;
class MainVKWindow;
class SessionEngine;
class WindowChrome;

class ClickHandler
{
public:
    ClickHandler(Application& app, MainVKWindow& window, SessionEngine& engine, WindowChrome& chrome)
        : my_app(app), my_window(window), my_engine(engine), my_chrome(chrome)
    {
    }

    /// A left button press at point; right_held when the right button is down as well.
    void left_button_down(QPoint point, ClickKeys keys, bool right_held);
    /// A right button click anywhere in the window.
    void right_button_down(ClickKeys keys);

    /// The right button went down: its click waits for the release, because a left press while
    /// it is held makes the two an offline entry instead, which must not check out first.
    void right_button_pressed(ClickKeys keys) { my_pending_right_click = keys; }
    /// The right button went up: the click it started, unless a left press took it over.
    void right_button_released();

private:
    /// Shows the lockdown refusal (caption "Error").
    void refuse();
    /// The "PLEASE NOTE:" question; Alt held when it closes suppresses it for good. True on Yes.
    bool confirm_click_on_current();
    /// The offline check-in/check-out dialog for project (c, p); the open session is left alone.
    void open_offline_dialog(std::size_t c, std::size_t p);

    Application& my_app;
    MainVKWindow& my_window;
    SessionEngine& my_engine;
    WindowChrome& my_chrome;
    /// The offline dialog's last check-in date and when it was recorded, for this run.
    OfflineMemory my_offline_memory;
    /// The keys held when the right button went down, until its release.
    std::optional<ClickKeys> my_pending_right_click;
};

} // namespace velkor
