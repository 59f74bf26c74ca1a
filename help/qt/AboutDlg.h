#pragma once
// The About box: the program's name and icon, the version line (static 108) and the line under
// it (static 109), filled from the build's version values; OK closes it.

#include "help/AboutText.h"

#include <QDialog>
#include <QIcon>

namespace velkor {

class AboutDlg : public QDialog
{
    // No Q_OBJECT: nothing here needs it.
public:
    /// shift_held: whether Shift was down when the box was asked for (the four-part version
    /// number and the build date instead of the copyright).
    AboutDlg(const VersionInfo& version, bool shift_held, const QIcon& icon, QWidget* parent = nullptr);
};

} // namespace velkor
