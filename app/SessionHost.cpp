#include "app/SessionHost.h"

#include "app/Application.h"
#include "app/QtSessionDialogs.h"
#include "core/EnvList.h"
#include "core/VariableLookup.h"

namespace velkor {

SessionHost::SessionHost(Application& app, const Clock& clock, SessionListener& listener, QWidget* parent)
{
    IniFile& settings = app.settings();
    Prompt& prompt = app.prompt();
    Workspace& workspace = app.workspace();
    ProgramWideList& lists = app.lists();
    my_dialogs = std::make_unique<QtSessionDialogs>(settings, prompt, clock, lists, parent);
    my_log = std::make_unique<LogWriter>(
        prompt, settings, [&workspace] { return workspace.log_file(); },
        [&lists]() -> const ProjectList& {
            static const ProjectList none;
            return lists.get() ? *lists.get() : none;
        },
        [this] { return my_engine ? my_engine->state().environment : std::string(); }, [&app] { app.exit_steps(); });
    auto check_environment = [&app](std::string& environment) {
        VariableLookup lookup(app.command_line().arguments());
        return app.env_list().build_environment_string(lookup, app.prompt(), environment);
    };
    my_engine = std::make_unique<SessionEngine>(SessionServices{clock, settings, *my_dialogs, listener, lists, *my_log,
                                                                workspace.crash_record(), check_environment});
}

SessionHost::~SessionHost() = default;

} // namespace velkor
