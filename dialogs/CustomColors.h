#pragma once
// The 16 custom colours of the colour chooser, shared by every chooser of the program (category
// colours, the background colour) for the program's run.

namespace velkor {

/// Makes the custom colours all black the first time it is called (Qt's own start is white);
/// later calls keep what the user stored. Call before showing a colour chooser.
void prepare_custom_colors();

} // namespace velkor
