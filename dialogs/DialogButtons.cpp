#include "dialogs/DialogButtons.h"

#include "dialogs/ControlId.h"
#include "dialogs/HelpButton.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace velkor {

DialogButtons make_dialog_buttons(QWidget* dialog, int help_id, int help_topic)
{
    DialogButtons b{with_id(new QPushButton(QStringLiteral("OK"), dialog), 1),
                    with_id(new QPushButton(QStringLiteral("Cancel"), dialog), 2),
                    with_id(new QPushButton(QStringLiteral("Help"), dialog), help_id), new QHBoxLayout};
    connect_help_button(b.help, help_topic);
    b.ok->setDefault(true);
    b.row->addStretch();
    for (QPushButton* button : {b.ok, b.cancel, b.help})
        b.row->addWidget(button);
    return b;
}

} // namespace velkor
