#include "app/Startup.h"

#include "app/Application.h"
#include "app/FrameWindow.h"
#include "app/QtPrompt.h"
#include "core/CommandLine.h"
#include "core/VariableLookup.h"
#include "core/WorkingFolder.h"
#include "help/qt/Help.h"
#include "platform/qt/ClockChangeWatch.h"
#include "platform/qt/EndSignalWatch.h"

#include <QApplication>
#include <QDir>
#include <QSessionManager>
#include <QStandardPaths>

namespace velkor {
namespace {

std::optional<std::string> documents_folder()
{
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty())
        return std::nullopt;
    return docs.toStdString();
}

// Out of an installation folder into the documents folder; on any failure the folder stays.
void apply_working_folder_switch(const CommandLine& command_line)
{
    auto target =
        working_folder_target(QDir::currentPath().toStdString(), command_line.program_folder(), documents_folder());
    if (target)
        switch_working_folder(*target);
}

} // namespace

int run_application(Application& app, QtPrompt* prompt)
{
    EndSignalWatch end_signals;
    auto end = [&app, prompt] {
        if (prompt)
            prompt->set_unattended(true);
        app.request_end();
    };
    QObject::connect(&end_signals, &EndSignalWatch::end_requested, &app, end);
#ifndef QT_NO_SESSIONMANAGER
    // The desktop session ends: the same as a signal, without a question to the user.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &app, end);
#endif
    if (!app.init_main_window())
        return 1;
    if (prompt)
        prompt->set_owner(app.frame());
    app.show_main_window();
    // A request that came during start-up has ended every loop there was; none is started then.
    const int code = app.end_requested() ? 0 : QApplication::exec();
    if (app.end_requested())
        app.end_without_questions();
    app.finish_run();
    if (prompt)
        prompt->set_owner(nullptr); // the frame goes with the application
    return app.end_requested() ? 0 : code;
}

int run_velkor(const std::string& argument0, std::vector<std::string> arguments)
{
    // Message boxes shown before the main window (or while it is hidden to the notification icon)
    // must not end the program when they close; the frame ends it itself when it is closed.
    QApplication::setQuitOnLastWindowClosed(false);
    CommandLine command_line(argument0, arguments);
    command_line.apply_variables(VariableLookup(arguments));
    apply_working_folder_switch(command_line);
    command_line.apply_options();

    QtPrompt prompt;
    Help help(command_line.program_folder(), prompt);
    Application app(std::move(command_line), prompt);
    app.set_help(&help);
    ClockChangeWatch clock_watch;
    QObject::connect(&clock_watch, &ClockChangeWatch::clock_changed, &app, &Application::clock_changed);

    return run_application(app, &prompt);
}

} // namespace velkor
