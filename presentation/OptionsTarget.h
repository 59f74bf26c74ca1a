#pragma once
// The program as the Options dialog sees it: what it runs with now, the display values the dialog
// changes at once (live preview), and the changes OK makes to the running program. The main
// window implements it; reading the display settings again after the dialog undoes every preview.

#include "classlib/Color.h"
#include "classlib/SettingsValues.h"

#include <string>

namespace velkor {

class EnvList;

class OptionsTarget
{
public:
    virtual ~OptionsTarget() = default;

    // What the program runs with.
    virtual bool checked_in() const = 0;
    virtual std::string log_file() const = 0;
    virtual std::string project_file() const = 0;
    /// -l or VKR_LOG_FILE chose the log; Options may not change it then.
    virtual bool log_file_overridden() const = 0;
    /// -p or VKR_PROJECT_FILE chose the project file.
    virtual bool project_file_overridden() const = 0;
    /// The registered hot key's code, 0 when none.
    virtual int hot_key() const = 0;
    /// The reminder intervals in minutes as the reminder parsed them.
    virtual int busy_interval() const = 0;
    virtual int idle_interval() const = 0;
    /// The program-wide environment list, which the "Environment Variables" dialog replaces.
    virtual EnvList& env_list() = 0;

    // The display, changed at once and repainted.
    virtual int rows() const = 0;
    virtual void set_rows(int rows) = 0;
    virtual Color background() const = 0;
    virtual void set_background(Color color) = 0;
    /// The system's button-face colour, from which the default background derives.
    virtual Color button_face() const = 0;
    /// Bits per pixel of the main window's screen.
    virtual int color_depth() const = 0;
    virtual FontDescription font() const = 0;
    virtual void set_font(const FontDescription& font) = 0;
    /// The next paint measures the grid again for the font.
    virtual void set_font_changed() = 0;
    virtual void set_show_total_time(bool on) = 0;
    virtual void set_show_elapsed_times(bool on) = 0;
    virtual void set_highlight(bool on) = 0;

    // OK's changes to the program.
    /// Registers the hot key of code (0: none); false after telling the user it cannot be had.
    virtual bool register_hot_key(int code) = 0;
    /// Takes the lock of path and makes it the log; false (the lock's message shown) when it is held elsewhere.
    virtual bool take_log(const std::string& path) = 0;
    /// The log was replaced: past times read again from zero, the new log's crash record
    /// recovered, AutoBackup told.
    virtual void log_changed() = 0;
    /// The project list is read from path at the next paint.
    virtual void project_file_changed(const std::string& path) = 0;
};

} // namespace velkor
