#pragma once
// The program as the Options dialog sees it, in memory: every change is recorded in order.

#include "core/EnvList.h"
#include "presentation/OptionsTarget.h"

#include <string>
#include <vector>

namespace velkor::test {

class FakeOptionsTarget : public OptionsTarget
{
public:
    bool checked_in() const override { return is_checked_in; }
    std::string log_file() const override { return log; }
    std::string project_file() const override { return project; }
    bool log_file_overridden() const override { return log_override; }
    bool project_file_overridden() const override { return project_override; }
    int hot_key() const override { return key; }
    int busy_interval() const override { return busy; }
    int idle_interval() const override { return idle; }
    EnvList& env_list() override { return envs; }

    int rows() const override { return row_count; }
    void set_rows(int rows) override { row_count = rows; }
    Color background() const override { return bk; }
    void set_background(Color color) override { bk = color; }
    Color button_face() const override { return face; }
    int color_depth() const override { return depth; }
    FontDescription font() const override { return shown_font; }
    void set_font(const FontDescription& font) override { shown_font = font; }
    void set_font_changed() override { ++font_changes; }
    void set_show_total_time(bool on) override { total_time = on; }
    void set_show_elapsed_times(bool on) override { elapsed_times = on; }
    void set_highlight(bool on) override { highlight = on; }

    bool register_hot_key(int code) override
    {
        calls.push_back("register " + std::to_string(code));
        if (!registration_works)
            return false;
        key = code;
        return true;
    }
    bool take_log(const std::string& path) override
    {
        calls.push_back("take_log " + path);
        if (lock_taken_elsewhere)
            return false;
        log = path;
        return true;
    }
    void log_changed() override { calls.push_back("log_changed"); }
    void project_file_changed(const std::string& path) override
    {
        calls.push_back("project " + path);
        project = path;
    }

    bool is_checked_in = false;
    std::string log = "velkors.log";
    std::string project = "project.txt";
    bool log_override = false;
    bool project_override = false;
    int key = 0;
    bool registration_works = true;
    bool lock_taken_elsewhere = false;
    int busy = 0;
    int idle = 0;
    EnvList envs;
    int row_count = 1;
    Color bk = make_rgb(255, 255, 255);
    Color face = make_rgb(240, 240, 240);
    int depth = 24;
    FontDescription shown_font;
    int font_changes = 0;
    bool total_time = false;
    bool elapsed_times = false;
    bool highlight = true;
    std::vector<std::string> calls;
};

} // namespace velkor::test
