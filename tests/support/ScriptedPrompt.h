#pragma once
// A prompt for tests: answers come from a queue, every message is recorded.

#include "base/Prompt.h"

#include <deque>
#include <vector>

namespace velkor::test {

class ScriptedPrompt : public Prompt
{
public:
    using Prompt::message;

    /// Queues the answer for the next message box.
    void answer(Answer a) { my_answers.push_back(a); }

    Answer message(const Message& message) override;

    const std::vector<Message>& messages() const { return my_messages; }
    std::size_t count() const { return my_messages.size(); }
    const Message& last() const { return my_messages.back(); }
    void clear() { my_messages.clear(); }
    std::size_t unused_answers() const { return my_answers.size(); }

private:
    std::deque<Answer> my_answers;
    std::vector<Message> my_messages;
};

/// The answer a box gets when nothing was queued: the safe, non-repeating choice.
Answer default_answer(Buttons buttons);

} // namespace velkor::test
