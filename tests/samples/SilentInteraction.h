#pragma once
// A user who takes every question's default answer: for benchmarks and fuzzing.

#include "ui/Interaction.h"

namespace korva::samples {

class SilentInteraction final : public Interaction {
public:
    Answer ask(const Message& m) override { return m.defaultButton; }
    void beginWait() override {}
    void endWait() override {}
    void refreshViews(bool) override {}
};

}  // namespace korva::samples
