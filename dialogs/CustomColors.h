#pragma once
// The 16 custom colours of the colour chooser, shared by every chooser of the program (category
// colours, the background colour) for the program's run.

#include "classlib/Color.h"

#include <optional>

class QString;
class QWidget;

namespace velkor {

/// Makes the custom colours all black the first time it is called (Qt's own start is white);
/// later calls keep what the user stored. Call before showing a colour chooser.
void prepare_custom_colors();

/// The colour chooser, fully opened on current, with the shared custom colours: the chosen
/// colour, or nothing when the user cancels.
std::optional<Color> choose_color(Color current, const QString& title, QWidget* parent);

} // namespace velkor
