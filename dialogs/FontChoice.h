#pragma once
// The font chooser of the Options dialog and the stored description of the font it gives.

#include "classlib/SettingsValues.h"

#include <optional>

class QFont;
class QWidget;

namespace velkor {

/// The stored description of font: its character height in pixels (as a negative height), point
/// size in tenths, weight, italic, underline, strike-out and family. The fields a QFont does not
/// carry (width, escapement, orientation, character set, precisions, quality, pitch and family)
/// are kept from previous.
FontDescription describe_font(const QFont& font, const FontDescription& previous);

/// The font chooser opened on current: the chosen font described, or nothing when cancelled.
std::optional<FontDescription> choose_font(const QFont& current, const FontDescription& previous, QWidget* parent);

} // namespace velkor
