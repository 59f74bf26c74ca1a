#pragma once
// The program's own icons, drawn rather than loaded so that no image files need shipping:
// icon 1 (a clock with a lit face, for the frame and while checked in) and icon 2 (idle, grey).
// The installation's application icons are drawn by the same code.

#include <QIcon>
#include <QImage>

namespace velkor {

enum class IconKind
{
    CheckedIn = 1,
    Idle = 2
};

QIcon velkor_icon(IconKind kind);

/// One square image of the icon, size pixels wide; needs no running application.
QImage draw_velkor_icon(IconKind kind, int size);

} // namespace velkor
