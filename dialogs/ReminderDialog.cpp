#include "dialogs/ReminderDialog.h"

#include "dialogs/HelpButton.h"
#include "dialogs/PlainLabel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {
namespace {

QLabel* add_label(QVBoxLayout* layout, const std::string& text, int id, QWidget* parent)
{
    auto* label = plain_label(QString::fromStdString(text), parent);
    label->setObjectName(QString("id%1").arg(id));
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

QPushButton* add_button(QHBoxLayout* layout, const char* text, int id, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString("id%1").arg(id));
    layout->addWidget(button);
    return button;
}

} // namespace

ReminderDialog::ReminderDialog(const ReminderTexts& texts, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromStdString(texts.caption));
    auto* layout = new QVBoxLayout(this);
    add_label(layout, texts.time_line, 101, this);
    add_label(layout, texts.question, 102, this);
    add_label(layout, texts.category, 103, this);
    add_label(layout, texts.project, 104, this);
    add_label(layout, texts.memo, 105, this);

    auto* buttons = new QHBoxLayout;
    QPushButton* yes = add_button(buttons, "Yes", 6, this);
    QPushButton* no = add_button(buttons, "No", 7, this);
    QPushButton* help = add_button(buttons, "Help", 9, this);
    connect_help_button(help, 1140);
    layout->addLayout(buttons);

    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace velkor
