#pragma once
// Message boxes built from the string table.

#include "ui/Format.h"
#include "ui/Interaction.h"
#include "ui/Strings.h"

namespace korva {

template <typename... Args>
Message makeMessage(int id, Icon icon, Buttons buttons, Answer defaultButton, const Args&... args) {
    Message m;
    m.id = id;
    m.text = cformat(text(id), args...);
    m.icon = icon;
    m.buttons = buttons;
    m.defaultButton = defaultButton;
    return m;
}

template <typename... Args>
Answer showMessage(Interaction& ui, int id, Icon icon, Buttons buttons, Answer defaultButton,
                   const Args&... args) {
    return ui.ask(makeMessage(id, icon, buttons, defaultButton, args...));
}

// For messages whose arguments are UTF-8 (paths, typed text), not race text.
template <typename... Args>
Answer showUtf8Message(Interaction& ui, int id, Icon icon, Buttons buttons, Answer defaultButton,
                       const Args&... args) {
    Message m = makeMessage(id, icon, buttons, defaultButton, args...);
    m.utf8 = true;
    return ui.ask(m);
}

template <typename... Args>
void showError(Interaction& ui, int id, const Args&... args) {
    showMessage(ui, id, Icon::Error, Buttons::Ok, Answer::Ok, args...);
}

template <typename... Args>
void showWarning(Interaction& ui, int id, const Args&... args) {
    showMessage(ui, id, Icon::Warning, Buttons::Ok, Answer::Ok, args...);
}

template <typename... Args>
void showInfo(Interaction& ui, int id, const Args&... args) {
    showMessage(ui, id, Icon::Information, Buttons::Ok, Answer::Ok, args...);
}

// Yes/No question; true for Yes.
template <typename... Args>
bool askYesNo(Interaction& ui, int id, Icon icon, Answer defaultButton, const Args&... args) {
    return showMessage(ui, id, icon, Buttons::YesNo, defaultButton, args...) == Answer::Yes;
}

}  // namespace korva
