#pragma once
// Texts of buttons, check boxes and group boxes that hold a name: an "&" in the name is shown as
// it is, never taken for the mnemonic marker.

#include <QString>

#include <string>

namespace velkor {

inline QString literal_ampersands(const std::string& text)
{
    return QString::fromStdString(text).replace(u'&', QStringLiteral("&&"));
}

} // namespace velkor
