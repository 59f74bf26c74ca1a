#include "dialogs/FontChoice.h"

#include "base/Utf8Text.h"

#include <QFontDialog>
#include <QFontInfo>

#include <cmath>

namespace velkor {

FontDescription describe_font(const QFont& font, const FontDescription& previous)
{
    const QFontInfo shown(font);
    FontDescription d = previous;
    d.height = -(font.pixelSize() > 0 ? font.pixelSize() : shown.pixelSize());
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : shown.pointSizeF();
    d.point_size = static_cast<int>(std::lround(points * 10));
    d.weight = font.weight();
    d.italic = font.italic() ? 1 : 0;
    d.underline = font.underline() ? 1 : 0;
    d.strike_out = font.strikeOut() ? 1 : 0;
    d.face_name = cut_utf8(font.family().toStdString(), kMaxFaceName);
    return d;
}

std::optional<FontDescription> choose_font(const QFont& current, const FontDescription& previous, QWidget* parent)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, current, parent, QStringLiteral("Font"));
    if (!ok)
        return std::nullopt;
    return describe_font(chosen, previous);
}

} // namespace velkor
