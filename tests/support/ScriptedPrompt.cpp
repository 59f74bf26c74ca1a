#include "tests/support/ScriptedPrompt.h"

namespace velkor::test {

Answer default_answer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
    case Buttons::RetryCancel:
        return Answer::Cancel;
    }
    return Answer::Cancel;
}

Answer ScriptedPrompt::message(const Message& message)
{
    my_messages.push_back(message);
    if (my_answers.empty())
        return default_answer(message.buttons);
    Answer a = my_answers.front();
    my_answers.pop_front();
    return a;
}

} // namespace velkor::test
