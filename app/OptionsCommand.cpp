#include "app/OptionsCommand.h"

#include "app/Application.h"
#include "app/DisplaySettings.h"
#include "app/MainVKWindow.h"
#include "app/WindowChrome.h"
#include "classlib/IniFile.h"
#include "core/SessionEngine.h"
#include "dialogs/FontChoice.h"
#include "dialogs/OptionsDialog.h"
#include "platform/qt/HotKey.h"

#include <QScreen>

namespace velkor {

OptionsCommand::OptionsCommand(Application& app, MainVKWindow& window, WindowChrome& chrome)
    : my_app(app), my_window(window), my_chrome(chrome)
{
}

void OptionsCommand::run()
{
    {
        OptionsChoosers choosers;
        choosers.font = [](const FontDescription& current, QWidget* parent) {
            return choose_font(font_from_description(current), current, parent);
        };
        OptionsDialog dialog(*this, my_app.settings(), my_app.prompt(), std::move(choosers), &my_window);
        dialog.exec();
    }
    my_app.settings().flush();
    my_window.read_display_settings();
    my_chrome.start_reminder();
    my_window.update_caption();
    my_window.set_full_redraw();
    my_window.update();
}

bool OptionsCommand::checked_in() const
{
    return my_window.engine().is_checked_in();
}

std::string OptionsCommand::log_file() const
{
    return my_app.workspace().log_file();
}

std::string OptionsCommand::project_file() const
{
    return my_app.workspace().project_file();
}

bool OptionsCommand::log_file_overridden() const
{
    return my_app.command_line().log_file_override().has_value();
}

bool OptionsCommand::project_file_overridden() const
{
    return my_app.command_line().project_file_override().has_value();
}

int OptionsCommand::hot_key() const
{
    return my_chrome.hot_key().code();
}

int OptionsCommand::busy_interval() const
{
    return my_chrome.reminder_timer().busy_interval();
}

int OptionsCommand::idle_interval() const
{
    return my_chrome.reminder_timer().idle_interval();
}

EnvList& OptionsCommand::env_list()
{
    return my_app.env_list();
}

int OptionsCommand::rows() const
{
    return my_window.display().desired_rows;
}

void OptionsCommand::set_rows(int rows)
{
    my_window.preview_display([rows](DisplaySettings& d) { d.desired_rows = rows; });
}

Color OptionsCommand::background() const
{
    return my_window.display().background;
}

void OptionsCommand::set_background(Color color)
{
    my_window.preview_display([color](DisplaySettings& d) { d.background = color; });
}

Color OptionsCommand::button_face() const
{
    return from_qcolor(my_window.palette().color(QPalette::Button));
}

int OptionsCommand::color_depth() const
{
    const QScreen* screen = my_window.screen();
    return screen ? screen->depth() : 24;
}

FontDescription OptionsCommand::font() const
{
    return my_window.display().font_description;
}

void OptionsCommand::set_font(const FontDescription& font)
{
    my_window.preview_display([&font](DisplaySettings& d) { d.font_description = font; });
}

void OptionsCommand::set_font_changed()
{
    my_window.set_font_changed();
}

void OptionsCommand::set_show_total_time(bool on)
{
    my_window.preview_display([on](DisplaySettings& d) { d.show_total_time = on; });
}

void OptionsCommand::set_show_elapsed_times(bool on)
{
    my_window.preview_display([on](DisplaySettings& d) { d.show_elapsed_times = on; });
}

void OptionsCommand::set_highlight(bool on)
{
    my_window.preview_display([on](DisplaySettings& d) { d.highlight_current = on; });
}

bool OptionsCommand::register_hot_key(int code)
{
    const int previous = my_chrome.hot_key().code();
    if (my_chrome.RegisterHotKey(code))
        return true;
    // Trying a key that is taken must not cost the user the hot key they had.
    if (previous != 0)
        my_chrome.hot_key().register_code(previous);
    return false;
}

bool OptionsCommand::take_log(const std::string& path)
{
    return my_app.workspace().replace_log(path);
}

void OptionsCommand::log_changed()
{
    my_window.log_replaced();
}

void OptionsCommand::project_file_changed(const std::string& path)
{
    my_app.workspace().replace_project_file(path);
    my_window.request_reload_list();
}

} // namespace velkor
