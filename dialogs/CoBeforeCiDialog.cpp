#include "dialogs/CoBeforeCiDialog.h"

#include "dialogs/PlainLabel.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {

CoBeforeCiDialog::CoBeforeCiDialog(const std::string& prompt_text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Velkor"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = plain_label(QString::fromStdString(prompt_text), this);
    prompt->setObjectName(QStringLiteral("prompt"));
    layout->addWidget(prompt);

    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    add_choice(grid, 0, CoBeforeCiChoice::Discard, QStringLiteral("Discard session"),
               QStringLiteral("Forget about this session, as if I had never checked in at all."));
    add_choice(grid, 1, CoBeforeCiChoice::Save, QStringLiteral("Save session"),
               QStringLiteral("Save the session with a duration of 0 seconds."));
    add_choice(grid, 2, CoBeforeCiChoice::FixTheTime, QStringLiteral("Fix the time"),
               QStringLiteral("Let me go back and fix the checkout time."));
    add_choice(grid, 3, CoBeforeCiChoice::Cancel, QStringLiteral("Cancel"),
               QStringLiteral("Stay checked into the current project."));
    // Enter on its own must not throw the session away: staying checked in is the default.
    findChild<QPushButton*>(QStringLiteral("id2"))->setDefault(true);
}

void CoBeforeCiDialog::add_choice(QGridLayout* grid, int row, CoBeforeCiChoice choice, const QString& caption,
                                  const QString& explanation)
{
    const int id = static_cast<int>(choice);
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("id%1").arg(id));
    grid->addWidget(button, row, 0);
    grid->addWidget(plain_label(explanation, this), row, 1);
    connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
}

void CoBeforeCiDialog::done(int result)
{
    switch (result) {
    case static_cast<int>(CoBeforeCiChoice::Discard):
    case static_cast<int>(CoBeforeCiChoice::Save):
    case static_cast<int>(CoBeforeCiChoice::FixTheTime):
        my_choice = static_cast<CoBeforeCiChoice>(result);
        break;
    default:
        my_choice = CoBeforeCiChoice::Cancel;
        result = static_cast<int>(CoBeforeCiChoice::Cancel);
    }
    QDialog::done(result);
}

} // namespace velkor
