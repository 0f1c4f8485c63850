#pragma once
// The rules the race properties form follows while the user edits it.

#include "ui/FormChecks.h"
#include "properties/RacePropertiesForm.h"
#include "ui/Interaction.h"

namespace korva {

enum class ClassBox { Ama424, Apra424, C426, Q40, Fai, User };

// Which class boxes, and the user class name, may be changed right now.
struct ClassBoxStates {
    bool ama424 = true;
    bool apra424 = true;
    bool c426 = true;
    bool q40 = true;
    bool fai = true;
    bool user = true;
    bool userName = true;

    bool enabled(ClassBox box) const;
};

ClassBoxStates classBoxStates(const RaceProperties& values, const RacePropertiesSetup& setup);

// Ticks or clears a class box; the two 424 boxes exclude each other.
void tickClassBox(RaceProperties& values, ClassBox box, bool on);
bool classBoxTicked(const RaceProperties& values, ClassBox box);
bool anyClassTicked(const RaceProperties& values);
// FAI or user-named: the third bracket stands alone and the FAI wing-flag colours apply.
bool specialClassTicked(const RaceProperties& values);

// The matrix type the form keeps after the user chose `chosen`; "Pilots change Lanes" must
// be confirmed (message 139).
int chooseMatrixType(Interaction& ui, int chosen);

// The "Save Reminder" box: on gives 10 changes, off gives 0.
void tickSaveReminder(RaceProperties& values, bool on);

// Heat lane colours need colour printing: clearing it clears them too.
void tickColorPrinting(RaceProperties& values, bool on);
inline bool heatLaneColorsEnabled(const RaceProperties& values) {
    return values.colorPrinting;
}


}  // namespace korva
