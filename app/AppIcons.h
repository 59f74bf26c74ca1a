#pragma once
// The program's own icons, drawn rather than loaded so that no image files need shipping:
// icon 1 (a clock with a lit face, for the frame and while checked in) and icon 2 (idle, grey).

#include <QIcon>

namespace velkor {

enum class IconKind
{
    CheckedIn = 1,
    Idle = 2
};

QIcon velkor_icon(IconKind kind);

} // namespace velkor
