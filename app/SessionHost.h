#pragma once
// The session engine of the main window and what it works with: the Qt dialogs it opens and the
// log writer, wired to the application's workspace, program-wide list and environment list.

#include "core/LogWriter.h"
#include "core/SessionEngine.h"

#include <functional>
#include <memory>

class QWidget;

namespace velkor {

class Application;
class Clock;
class QtSessionDialogs;

class SessionHost
{
public:
    /// listener gets the session's effects on the window; dialogs open over parent.
    SessionHost(Application& app, const Clock& clock, SessionListener& listener, QWidget* parent);
    ~SessionHost();
    SessionHost(const SessionHost&) = delete;
    SessionHost& operator=(const SessionHost&) = delete;

    SessionEngine& engine() { return *my_engine; }

private:
    std::unique_ptr<QtSessionDialogs> my_dialogs;
    std::unique_ptr<LogWriter> my_log;
    std::unique_ptr<SessionEngine> my_engine;
};

} // namespace velkor
