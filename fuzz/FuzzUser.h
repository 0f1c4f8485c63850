#pragma once
// A user who answers every question with its default, for the fuzz targets.

#include "ui/Interaction.h"

namespace korva::fuzz {

class FuzzUser final : public Interaction {
public:
    Answer ask(const Message& m) override { return m.defaultButton; }
    void beginWait() override {}
    void endWait() override {}
    void refreshViews(bool) override {}
};

}  // namespace korva::fuzz
