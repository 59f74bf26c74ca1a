#pragma once

#include "base/Prompt.h"

#include <QString>

#include <string>

class QWidget;

namespace velkor {

/// Shows prompts as QMessageBox with the exact text, caption, buttons and icon.
class QtPrompt : public Prompt
{
public:
    using Prompt::message;
    explicit QtPrompt(QWidget* owner = nullptr) : my_owner(owner) {}
    void set_owner(QWidget* owner) { my_owner = owner; }
    /// Unattended (the program ends without its user): messages go to the standard error output
    /// instead of waiting in a box, and get the answer that changes nothing (Cancel, No, OK).
    void set_unattended(bool unattended) { my_unattended = unattended; }
    Answer message(const Message& message) override;

private:
    QWidget* my_owner;
    bool my_unattended = false;
};

/// The answer a box gets when nobody is there to press a button.
Answer unattended_answer(Buttons buttons);

/// The window title that shows caption: an empty caption as an empty title, where Qt would put
/// the program's name in its place.
QString shown_title(const std::string& caption);

} // namespace velkor
