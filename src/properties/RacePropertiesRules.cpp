#include "properties/RacePropertiesRules.h"

#include "ui/Messages.h"

namespace korva {

namespace {
constexpr int kMatrixChangeLanes = 1;
constexpr int kSaveReminderOn = 10;
constexpr int kAskChangeLanes = 139;

bool ordinaryClassTicked(const RaceProperties& v) {
    return v.class424Ama || v.class424Apra || v.class426 || v.classQ40;
}
}  // namespace

bool ClassBoxStates::enabled(ClassBox box) const {
    switch (box) {
        case ClassBox::Ama424: return ama424;
        case ClassBox::Apra424: return apra424;
        case ClassBox::C426: return c426;
        case ClassBox::Q40: return q40;
        case ClassBox::Fai: return fai;
        case ClassBox::User: return user;
    }
    return false;
}

ClassBoxStates classBoxStates(const RaceProperties& v, const RacePropertiesSetup& setup) {
    ClassBoxStates s;
    const bool special = specialClassTicked(v) || setup.racedSpecial;
    s.ama424 = !special && !setup.raced424;
    s.apra424 = s.ama424;
    s.c426 = !special && !setup.raced426;
    s.q40 = !special && !setup.racedQ40;

    const bool ordinary = ordinaryClassTicked(v);
    if (setup.creating) {
        s.fai = !ordinary && !v.userClass;
        s.user = !ordinary && !v.faiClass;
        s.userName = !ordinary && !v.faiClass;
    } else {
        // The third bracket's kind is fixed once the race exists; its name stays editable.
        s.fai = false;
        s.user = false;
        s.userName = v.userClass;
    }
    return s;
}

bool classBoxTicked(const RaceProperties& v, ClassBox box) {
    switch (box) {
        case ClassBox::Ama424: return v.class424Ama;
        case ClassBox::Apra424: return v.class424Apra;
        case ClassBox::C426: return v.class426;
        case ClassBox::Q40: return v.classQ40;
        case ClassBox::Fai: return v.faiClass;
        case ClassBox::User: return v.userClass;
    }
    return false;
}

void tickClassBox(RaceProperties& v, ClassBox box, bool on) {
    switch (box) {
        case ClassBox::Ama424:
            v.class424Ama = on;
            if (on) v.class424Apra = false;
            break;
        case ClassBox::Apra424:
            v.class424Apra = on;
            if (on) v.class424Ama = false;
            break;
        case ClassBox::C426: v.class426 = on; break;
        case ClassBox::Q40: v.classQ40 = on; break;
        case ClassBox::Fai: v.faiClass = on; break;
        case ClassBox::User: v.userClass = on; break;
    }
}

bool anyClassTicked(const RaceProperties& v) {
    return ordinaryClassTicked(v) || specialClassTicked(v);
}

bool specialClassTicked(const RaceProperties& v) {
    return v.faiClass || v.userClass;
}

int chooseMatrixType(Interaction& ui, int chosen) {
    if (chosen != kMatrixChangeLanes) return chosen;
    return askYesNo(ui, kAskChangeLanes, Icon::Question, Answer::No) ? chosen : 0;
}

void tickSaveReminder(RaceProperties& v, bool on) {
    v.saveReminder = on ? kSaveReminderOn : 0;
}

void tickColorPrinting(RaceProperties& v, bool on) {
    v.colorPrinting = on;
    if (!on) v.heatCardLaneColors = false;
}

}  // namespace korva
