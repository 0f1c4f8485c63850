#include "scoring/FlyOffPoints.h"

#include "race/KORVARaceDoc.h"
#include "scoring/Standings.h"
#include "ui/Messages.h"

namespace korva {

namespace {

struct Range {
    FlyOffPointsField field;
    int FlyOffPointsForm::*value;
    int most;
};

constexpr Range kRanges[] = {
    {FlyOffPointsField::Points, &FlyOffPointsForm::points, kMaxFlyOffPoints},
    {FlyOffPointsField::Minutes, &FlyOffPointsForm::minutes, kFlyOffMinutesMax},
    {FlyOffPointsField::Seconds, &FlyOffPointsForm::seconds, 59},
    {FlyOffPointsField::Hundredths, &FlyOffPointsForm::hundredths, 99},
    {FlyOffPointsField::Cuts, &FlyOffPointsForm::cuts, kFlyOffCutsMax},
};

}  // namespace

bool canSetFlyOffPoints(const KORVARaceDoc& doc, std::int32_t pilotNumber) {
    const KORVAPilot* p = doc.pilotByNumber(pilotNumber);
    return doc.resolveTiesByFlyOff != 0 && doc.totalTies > 0 && p && p->flyOffPoints != -1;
}

FlyOffPointsForm flyOffPointsFormFor(const KORVARaceDoc& doc, std::int32_t pilotNumber) {
    FlyOffPointsForm form;
    form.timeShown = doc.faiClass == 0;
    if (const KORVAPilot* p = doc.pilotByNumber(pilotNumber)) {
        form.pilotName = p->fullName();
        form.points = p->flyOffPoints;
        form.minutes = p->flyOffTime.minutes;
        form.seconds = p->flyOffTime.seconds;
        form.hundredths = p->flyOffTime.hundredths;
        form.cuts = p->flyOffCuts;
    }
    return form;
}

FlyOffPointsField checkFlyOffPoints(Interaction& ui, const FlyOffPointsForm& form) {
    for (const Range& r : kRanges) {
        if (r.field != FlyOffPointsField::Points && !form.timeShown) continue;
        const int value = form.*r.value;
        if (value < 0 || value > r.most) {
            showWarning(ui, str::kEnterIntegerBetween, 0, r.most);
            return r.field;
        }
    }
    return FlyOffPointsField::None;
}

bool setFlyOffPoints(RaceStandings& standings, FlyOffPointsForms& forms, std::int32_t pilotNumber) {
    KORVARaceDoc& doc = standings.doc();
    KORVAPilot* pilot = doc.pilotByNumber(pilotNumber);
    if (!pilot || !canSetFlyOffPoints(doc, pilotNumber)) return false;
    FlyOffPointsForm form = flyOffPointsFormFor(doc, pilotNumber);
    for (;;) {
        std::optional<FlyOffPointsForm> edited = forms.flyOffPointsForm(form);
        if (!edited) return false;
        form = *edited;
        form.focus = checkFlyOffPoints(doc.services().ui, form);
        if (form.focus == FlyOffPointsField::None) break;
    }
    pilot->flyOffPoints = form.points;
    // Hidden fields were neither shown nor checked: the pilot keeps what it had.
    if (form.timeShown) {
        pilot->flyOffCuts = form.cuts;
        pilot->flyOffTime.setParts(form.minutes, form.seconds, form.hundredths);
    }
    standings.update();
    doc.services().ui.refreshViews(false);
    doc.noteChange();
    return true;
}

}  // namespace korva
