#pragma once
// The Options command (F3): runs the Options dialog on the main window and afterwards, however it
// closed, flushes the settings, reads the display settings again (which undoes the live preview
// after Cancel), restarts the reminder and refreshes the caption and the grid. While the dialog is
// open it is the dialog's view of the program (OptionsTarget).

#include "presentation/OptionsTarget.h"

namespace velkor {

class Application;
class MainVKWindow;
class WindowChrome;

class OptionsCommand : public OptionsTarget
{
public:
    OptionsCommand(Application& app, MainVKWindow& window, WindowChrome& chrome);

    void run();

    bool checked_in() const override;
    std::string log_file() const override;
    std::string project_file() const override;
    bool log_file_overridden() const override;
    bool project_file_overridden() const override;
    int hot_key() const override;
    int busy_interval() const override;
    int idle_interval() const override;
    EnvList& env_list() override;

    int rows() const override;
    void set_rows(int rows) override;
    Color background() const override;
    void set_background(Color color) override;
    Color button_face() const override;
    int color_depth() const override;
    FontDescription font() const override;
    void set_font(const FontDescription& font) override;
    void set_font_changed() override;
    void set_show_total_time(bool on) override;
    void set_show_elapsed_times(bool on) override;
    void set_highlight(bool on) override;

    bool register_hot_key(int code) override;
    bool take_log(const std::string& path) override;
    void log_changed() override;
    void project_file_changed(const std::string& path) override;

private:
    Application& my_app;
    MainVKWindow& my_window;
    WindowChrome& my_chrome;
};

} // namespace velkor
