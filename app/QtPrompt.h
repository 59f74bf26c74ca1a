#pragma once

#include "base/Prompt.h"

class QWidget;

namespace velkor {

/// Shows prompts as QMessageBox with the exact text, caption, buttons and icon.
class QtPrompt : public Prompt
{
public:
    using Prompt::message;
    explicit QtPrompt(QWidget* owner = nullptr) : my_owner(owner) {}
    void set_owner(QWidget* owner) { my_owner = owner; }
    Answer message(const Message& message) override;

private:
    QWidget* my_owner;
};

} // namespace velkor
