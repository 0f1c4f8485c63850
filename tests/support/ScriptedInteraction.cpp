#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace korva::test {

ScriptedInteraction::~ScriptedInteraction() { verifyDone(); }

ScriptedInteraction& ScriptedInteraction::expect(int messageId, Answer answer) {
    script_.push_back({messageId, answer});
    verified_ = false;
    return *this;
}

void ScriptedInteraction::verifyDone() {
    if (verified_) return;
    verified_ = true;
    for (const Step& s : script_) ADD_FAILURE() << "scripted answer to message " << s.id << " unused";
    script_.clear();
    EXPECT_EQ(waitDepth, 0) << "wait cursor left on";
}

Answer ScriptedInteraction::ask(const Message& message) {
    asked.push_back(message);
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected message " << message.id << ": " << message.text;
        return Answer::Cancel;
    }
    const Step step = script_.front();
    script_.pop_front();
    if (step.id != message.id) {
        ADD_FAILURE() << "expected message " << step.id << " but got " << message.id << ": "
                      << message.text;
    }
    return step.answer;
}

}  // namespace korva::test
