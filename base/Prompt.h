#pragma once
// The one way core logic talks to the user: message boxes with text, caption, buttons and icon.
// The Qt layer shows a QMessageBox; tests script the answers and record every message.

#include <string>

namespace velkor {

enum class Buttons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel
};

// Exclamation is the same icon that some texts call "warning"; Stop is also called "error".
enum class Icon
{
    None,
    Information,
    Question,
    Exclamation,
    Stop
};

// Values match the classic dialog results, which some callers return as numbers (Retry 4, Cancel 2).
enum class Answer
{
    Ok = 1,
    Cancel = 2,
    Retry = 4,
    Yes = 6,
    No = 7
};

struct Message
{
    std::string text;
    std::string caption;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;

    bool operator==(const Message&) const = default;
};

class Prompt
{
public:
    virtual ~Prompt() = default;
    /// Shows a modal message box and returns the button pressed.
    virtual Answer message(const Message& message) = 0;

    Answer message(std::string text, std::string caption, Buttons buttons, Icon icon)
    {
        return message(Message{std::move(text), std::move(caption), buttons, icon});
    }
};

} // namespace velkor
