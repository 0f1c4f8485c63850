#pragma once
// A scripted user: a queue of expected questions (by message number) and their answers.
// An unexpected question, a wrong order or an unused answer fails the test.

#include <deque>
#include <string>
#include <vector>

#include "ui/Interaction.h"

namespace korva::test {

class ScriptedInteraction : public Interaction {
public:
    ~ScriptedInteraction() override;

    // The next question must carry this message number; it gets this answer.
    ScriptedInteraction& expect(int messageId, Answer answer = Answer::Ok);
    // Checks (once) that every scripted answer was used.
    void verifyDone();

    Answer ask(const Message& message) override;
    void beginWait() override { ++waitDepth; ++waitCount; }
    void endWait() override { --waitDepth; }
    void refreshViews(bool refill) override { refill ? ++refills : ++refreshes; }

    std::vector<Message> asked;
    int waitDepth = 0;
    int waitCount = 0;
    int refreshes = 0;
    int refills = 0;

private:
    struct Step {
        int id;
        Answer answer;
    };
    std::deque<Step> script_;
    bool verified_ = false;
};

}  // namespace korva::test
