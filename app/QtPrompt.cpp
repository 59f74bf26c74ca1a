#include "app/QtPrompt.h"

#include <QMessageBox>

#include <cstdio>

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

Answer unattended_answer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString shown_title(const std::string& caption)
{
    // A title of one blank is as empty to the eye, and Qt keeps it.
    return caption.empty() ? QStringLiteral(" ") : QString::fromStdString(caption);
}

Answer QtPrompt::message(const Message& message)
{
    if (my_unattended) {
        std::fprintf(stderr, "velkor: %s: %s\n", message.caption.c_str(), message.text.c_str());
        return unattended_answer(message.buttons);
    }
    QMessageBox box(box_icon(message.icon), shown_title(message.caption), QString::fromStdString(message.text),
                    standard_buttons(message.buttons), my_owner);
    box.setObjectName("velkorMessageBox");
    // Texts quote names, memos, paths and lines of files, which are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    // A box without Cancel still closes with Escape; it then counts as its only or last button.
    if (message.buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    const int button = box.exec();
    // Closed by the program's end rather than answered: the answer that changes nothing.
    return my_unattended ? unattended_answer(message.buttons) : to_answer(button);
}

} // namespace velkor
