#pragma once
// The one door through which the program's logic talks to the user.

#include <string>

namespace korva {

enum class Icon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// A message box: the string-table number it came from, its formatted text, how it looks.
struct Message {
    int id = 0;
    std::string text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    Answer defaultButton = Answer::Ok;
    // The text is race text (Windows-1252) unless it shows paths or typed text as the system
    // and the user give them: then it is UTF-8.
    bool utf8 = false;
};

class Interaction {
public:
    virtual ~Interaction() = default;
    virtual Answer ask(const Message& message) = 0;
    virtual void beginWait() = 0;
    virtual void endWait() = 0;
    // Redraw every view of the race; with refill the lists are rebuilt from the data.
    virtual void refreshViews(bool refill) = 0;
};

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
public:
    explicit WaitCursor(Interaction& ui) : ui_(ui) { ui_.beginWait(); }
    ~WaitCursor() { ui_.endWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Interaction& ui_;
};

}  // namespace korva
