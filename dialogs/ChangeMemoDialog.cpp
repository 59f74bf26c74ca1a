#include "dialogs/ChangeMemoDialog.h"

#include "dialogs/HelpButton.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velkor {

std::string memo_behavior_text(MemoBehavior behavior, bool is_category)
{
    switch (behavior) {
    case MemoBehavior::Never:
        return "Never ask for a memo";
    case MemoBehavior::AtCheckIn:
        return "Always ask for a memo when checking in";
    case MemoBehavior::AtCheckOut:
        return "Always ask for a memo when checking out";
    case MemoBehavior::Default:
        break;
    }
    return is_category ? "Same as the default memo behavior" : "Same as the category memo behavior";
}

ChangeMemoDialog::ChangeMemoDialog(MemoBehavior& value, const std::string& name, bool is_category, QWidget* parent)
    : QDialog(parent), my_value(value)
{
    setWindowTitle(QStringLiteral("Change Memo Preference"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(
        QString::fromLatin1(is_category ? "For category " : "For project ") + QString::fromStdString(name), this);
    group->setObjectName(QStringLiteral("id107"));
    auto* radios = new QVBoxLayout(group);
    int checked = static_cast<int>(value);
    if (checked < 0 || checked > 3)
        checked = 0;
    for (int i = 0; i < 4; ++i) {
        my_radios[i] = new QRadioButton(
            QString::fromStdString(memo_behavior_text(static_cast<MemoBehavior>(i), is_category)), group);
        my_radios[i]->setObjectName(QStringLiteral("id%1").arg(103 + i));
        my_radios[i]->setChecked(i == checked);
        radios->addWidget(my_radios[i]);
    }
    layout->addWidget(group);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("id1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("id2"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("id998"));
    connect_help_button(help, 1100);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ok, cancel, help})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &ChangeMemoDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &ChangeMemoDialog::reject);
}

void ChangeMemoDialog::accept()
{
    my_value = MemoBehavior::Default;
    for (int i = 1; i < 4; ++i) {
        if (my_radios[i]->isChecked())
            my_value = static_cast<MemoBehavior>(i);
    }
    QDialog::accept();
}

} // namespace velkor
