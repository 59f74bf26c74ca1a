#pragma once
// The display state read from the settings: colours, font, margin and the switches that decide
// what the grid and the caption show.

#include "classlib/Color.h"
#include "classlib/SettingsValues.h"

#include <QColor>
#include <QFont>

namespace velkor {

class IniFile;
class Prompt;

struct DisplaySettings
{
    Color background = make_rgb(255, 255, 255);
    Color line = kBlack;
    FontDescription font_description;
    QFont font;
    int margin = 4;       ///< at least 1
    int desired_rows = 1; ///< at least 1
    bool highlight_current = true;
    bool show_elapsed_times = false;
    bool show_total_time = false;
    bool show_grand_total = false;
    int title_mode = 0; ///< ShowVKRName: 0 title always, 1 only while idle, 2 never
    int time_format = 2;
};

/// Reads BkColor (default from button_face; a bad value is reported and gives black), Font,
/// Margin, DesiredRows, HighlightSelected, ShowElapsedTime, ShowTotalTime, ShowTotalAllTimes,
/// ShowVKRName and TimeFormat.
DisplaySettings read_display_settings(IniFile& settings, Color button_face, Prompt& prompt);

/// The Qt font for a stored font: a negative height is a pixel size, a positive one a cell
/// height taken as pixels too; otherwise the point size in tenths decides. Weight 700 and more is bold.
QFont font_from_description(const FontDescription& description);

QColor to_qcolor(Color color);
Color from_qcolor(const QColor& color);

} // namespace velkor
