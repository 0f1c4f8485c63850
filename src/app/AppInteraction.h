#pragma once
// The user as the race logic sees it: questions go to the given interaction, and every
// "refresh the views" also reaches the program's windows.

#include <functional>

#include "ui/Interaction.h"

namespace korva {

class AppInteraction final : public Interaction {
public:
    explicit AppInteraction(Interaction& inner) : inner_(inner) {}
    void onRefresh(std::function<void(bool)> refresh) { refresh_ = std::move(refresh); }

    Answer ask(const Message& message) override { return inner_.ask(message); }
    void beginWait() override { inner_.beginWait(); }
    void endWait() override { inner_.endWait(); }
    void refreshViews(bool refill) override {
        inner_.refreshViews(refill);
        if (refresh_) refresh_(refill);
    }

private:
    Interaction& inner_;
    std::function<void(bool)> refresh_;
};

}  // namespace korva
