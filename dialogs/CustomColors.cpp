#include "dialogs/CustomColors.h"

#include <QColorDialog>

namespace velkor {

void prepare_custom_colors()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(Qt::black));
}

std::optional<Color> choose_color(Color current, const QString& title, QWidget* parent)
{
    prepare_custom_colors();
    const QColor chosen =
        QColorDialog::getColor(QColor(red_of(current), green_of(current), blue_of(current)), parent, title);
    if (!chosen.isValid())
        return std::nullopt;
    return make_rgb(chosen.red(), chosen.green(), chosen.blue());
}

} // namespace velkor
