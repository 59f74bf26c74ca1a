#pragma once
// The OK, Cancel and Help row at the foot of a dialog: OK is the default button, Help shows the
// dialog's topic.

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace velkor {

struct DialogButtons
{
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* help;
    QHBoxLayout* row; // right-aligned, for the caller to place
};

/// OK and Cancel are named id1 and id2, Help id<help_id>.
DialogButtons make_dialog_buttons(QWidget* dialog, int help_id, int help_topic);

} // namespace velkor
