#include "app/HiddenItemCommands.h"

#include "app/Application.h"
#include "app/MainCommands.h"
#include "app/MainVKWindow.h"
#include "app/WindowChrome.h"
#include "classlib/SettingsKeys.h"
#include "core/SessionEngine.h"
#include "dialogs/HideNameDialog.h"
#include "dialogs/NoteDialog.h"
#include "dialogs/TempDialog.h"

namespace velkor {
namespace {

// The hide/show dialog's copy takes the program-wide list's place through the main window, which
// repaints whatever list is in that place.
class WindowHideShowHost : public HideShowHost
{
public:
    WindowHideShowHost(Application& app, MainVKWindow& window) : my_app(app), my_window(window) {}
    ProjectList& begin_edit() override { return my_window.begin_edit(); }
    void keep_hidden_list() override { my_app.lists().keep_edit_hidden_list(); }
    void cancel_edit() override { my_window.cancel_edit(); }
    void set_measure_flag() override { my_window.set_measure_flag(); }
    void invalidate() override { my_window.update(); }

private:
    Application& my_app;
    MainVKWindow& my_window;
};

} // namespace

void run_hide_show(Application& app, MainVKWindow& window)
{
    // Not while a load or scan is under way, nor without a list to work on.
    const ProjectList* list = app.project_list();
    if (window.busy() || !list)
        return;
    if (checked_into_temporary_item(*list)) {
        app.prompt().message("You are checked into a temporary or temporarily shown\ncategory or project. Please "
                             "check out of it before you\nhide or show categories and projects.",
                             "Velkor", Buttons::Ok, Icon::Exclamation);
        return;
    }
    WindowHideShowHost host(app, window);
    HideNameDialog dialog(host, app.prompt(), &window);
    dialog.exec();
}

std::optional<ListHit> choose_temporary_or_hidden(Application& app, MainVKWindow& window, std::size_t c,
                                                  bool check_in_mode)
{
    ProgramWideList& lists = app.lists();
    TempDialog dialog(lists, c, check_in_mode, window.commands().can_change_projects(), app.prompt(), &window);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const TempChoice choice = dialog.choice();
    bool saved = true;
    // Temporary names live in memory only; saved ones go to the file at once.
    if (choice.names_saved && lists.save() == StoreResult::Failed) {
        window.request_reload_list(); // the file does not have them: what is shown goes back to it
        saved = false;
    }
    window.set_measure_flag();
    window.update();
    if (!saved)
        return std::nullopt;
    return ListHit{choice.category, choice.project};
}

void enter_note(Application& app, MainVKWindow& window, WindowChrome& chrome, QPoint point)
{
    // A chooser's new names must not go into a list that a scan is adding to.
    if (window.busy())
        return;
    std::optional<ListHit> hit = window.hit_test(point, false);
    if (!hit) {
        std::optional<ListHit> header = window.hit_test(point, true);
        if (!header) {
            app.prompt().message("To enter a note, first point to the project\nand then press F4", "Error", Buttons::Ok,
                                 Icon::Exclamation);
            return;
        }
        hit = choose_temporary_or_hidden(app, window, header->category, false);
        if (!hit)
            return;
    }
    const ProjectList& list = *app.project_list();
    SessionEngine& engine = window.engine();
    NoteDialog dialog(list.category_name(hit->category), list.project_name(hit->category, hit->project), app.settings(),
                      app.prompt(), engine.clock(), &window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const NoteEntry& note = dialog.note();
    AppendResult result;
    do {
        result = engine.log().AppendLogRecord(note.date, note.time, note.date, note.time, hit->category, hit->project,
                                              note.text);
    } while (result == AppendResult::Retry);
    if (result == AppendResult::Written && get_flag(app.settings(), kMinimizeAfterNote))
        chrome.minimize_after_action();
}

} // namespace velkor
