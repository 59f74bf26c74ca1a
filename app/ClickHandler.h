#pragma once
// Runs a click on the main window's grid: ClickRules decides the steps from the buttons, keys and
// session; this class carries them out with the session engine, the message boxes and the window.

#include "presentation/ClickRules.h"

#include <QPoint>

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
    /// A right button press anywhere in the window.
    void right_button_down(ClickKeys keys);

private:
    /// Shows the lockdown refusal (caption "Error").
    void refuse();
    /// The "PLEASE NOTE:" question; Alt held when it closes suppresses it for good. True on Yes.
    bool confirm_click_on_current();

    Application& my_app;
    MainVKWindow& my_window;
    SessionEngine& my_engine;
    WindowChrome& my_chrome;
};

} // namespace velkor
