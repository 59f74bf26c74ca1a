#include "app/DisplaySettings.h"

#include "classlib/IniFile.h"
#include "classlib/SettingsKeys.h"
#include "presentation/GridGeometry.h"

#include <QFontDatabase>

#include <algorithm>
#include <cstdlib>

namespace velkor {

QColor to_qcolor(Color color)
{
    return QColor(red_of(color), green_of(color), blue_of(color));
}

Color from_qcolor(const QColor& color)
{
    return make_rgb(color.red(), color.green(), color.blue());
}

QFont font_from_description(const FontDescription& description)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    // "System" names the platform's own font, which here is the general system font.
    if (!description.face_name.empty() && description.face_name != "System")
        font.setFamily(QString::fromStdString(description.face_name));
    if (description.height != 0) {
        // Stored heights are pixel sizes of the character (negative) or of the cell (positive);
        // a cell is about a fifth taller than its characters.
        int pixels = description.height < 0 ? -description.height : description.height * 4 / 5;
        font.setPixelSize(std::clamp(pixels, 1, 1000));
    } else if (description.point_size > 0) {
        font.setPointSizeF(std::clamp(description.point_size / 10.0, 1.0, 1000.0));
    }
    font.setWeight(description.weight >= 700                            ? QFont::Bold
                   : description.weight > 0 && description.weight < 400 ? QFont::Light
                                                                        : QFont::Normal);
    font.setItalic(description.italic != 0);
    font.setUnderline(description.underline != 0);
    font.setStrikeOut(description.strike_out != 0);
    return font;
}

DisplaySettings read_display_settings(IniFile& settings, Color button_face, Prompt& prompt)
{
    DisplaySettings d;
    d.background = read_bk_color(settings, button_face, prompt);
    d.line = line_color(d.background);
    parse_font(get(settings, kFont), d.font_description);
    d.font = font_from_description(d.font_description);
    d.margin = std::max(1, get_int(settings, kMargin));
    d.desired_rows = std::max(1, get_int(settings, kDesiredRows));
    d.highlight_current = get_yes_no(settings, kHighlightSelected);
    d.show_elapsed_times = get_yes_no(settings, kShowElapsedTime);
    d.show_total_time = get_yes_no(settings, kShowTotalTime);
    d.show_grand_total = read_past_time_flags(settings).show_total_all_times;
    d.title_mode = get_int(settings, kShowVKRName);
    d.time_format = get_int(settings, kTimeFormat);
    return d;
}

} // namespace velkor
