#pragma once
// Edit fields that start with a hint ("mm/dd/yyyy", "hh:mm:ss", "minutes"): their whole text is
// selected every time they get the focus, by Tab or by the mouse, so typing replaces the hint
// instead of being added to it.

class QLineEdit;

namespace velkor {

void select_all_on_focus(QLineEdit* field);

} // namespace velkor
