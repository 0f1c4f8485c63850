#pragma once
// The user of the command-line tool: messages go to standard error, questions take the
// answers given on the command line (Yes when none was given).

#include <iosfwd>
#include <map>
#include <utility>

#include "ui/Interaction.h"

namespace korva {

// The answers given on the command line, by message id.
using AnswerMap = std::map<int, Answer>;

class ConsoleInteraction final : public Interaction {
public:
    explicit ConsoleInteraction(std::ostream& err, AnswerMap answers = {})
        : err_(err), answers_(std::move(answers)) {}
    void setAnswer(int messageId, Answer answer) { answers_[messageId] = answer; }

    Answer ask(const Message& message) override;
    void beginWait() override {}
    void endWait() override {}
    void refreshViews(bool) override {}

private:
    std::ostream& err_;
    AnswerMap answers_;
};

}  // namespace korva
