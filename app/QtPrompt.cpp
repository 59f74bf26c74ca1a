#include "app/QtPrompt.h"

#include <QMessageBox>

namespace velkor {
namespace {

QMessageBox::StandardButtons standard_buttons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon box_icon(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

Answer to_answer(int button)
{
    switch (button) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

} // namespace

Answer QtPrompt::message(const Message& message)
{
    QMessageBox box(box_icon(message.icon), QString::fromStdString(message.caption),
                    QString::fromStdString(message.text), standard_buttons(message.buttons), my_owner);
    box.setObjectName("velkorMessageBox");
    // Texts quote names, memos, paths and lines of files, which are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    // A box without Cancel still closes with Escape; it then counts as its only or last button.
    if (message.buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return to_answer(box.exec());
}

} // namespace velkor
