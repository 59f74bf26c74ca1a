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

} // namespace velkor
