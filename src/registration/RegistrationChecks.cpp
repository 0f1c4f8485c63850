#include "registration/RegistrationChecks.h"

#include "race/KORVARaceDoc.h"
#include "registration/PilotForm.h"
#include "registration/RegistrationMessages.h"
#include "ui/Messages.h"

namespace korva {

namespace {

// Another race pilot carrying the ID in the bracket. An empty ID is no ID: it never
// matches, so pilots without one can be registered side by side.
const KORVAPilot* otherWithId(const KORVARaceDoc& doc, const KORVAPilot& entry, bool sameBracket) {
    if (entry.pilotId.empty()) return nullptr;
    for (const auto& p : doc.pilots) {
        if (p->pilotNumber == entry.pilotNumber || p->pilotId != entry.pilotId) continue;
        if ((p->bracket == entry.bracket) == sameBracket) return p.get();
    }
    return nullptr;
}

bool refuseSameIdInBracket(KORVARaceDoc& doc, const KORVAPilot& entry) {
    const KORVAPilot* same = otherWithId(doc, entry, true);
    if (!same) return true;
    showError(doc.services().ui, msg::kIdInClass, entry.pilotId, same->fullName(),
              doc.classNameOf(same->classIndex));
    return false;
}

bool withinChannelLimit(KORVARaceDoc& doc, const KORVAPilot& entry) {
    if (entry.bracket < 0) return true;
    const int limit = doc.channelLimit[static_cast<std::size_t>(entry.bracket)];
    if (limit == 0) return true;
    if (activePilotsOnChannel(doc, entry.bracket, entry.channel, entry.pilotNumber) < limit) {
        return true;
    }
    showError(doc.services().ui, msg::kChannelLimit, entry.channel, limit);
    return false;
}

bool bracketHasMatrix(const KORVARaceDoc& doc, int bracket) {
    return bracket >= 0 && bracket < kBracketCount && doc.raceMatrix.matrix(bracket).hasRounds();
}

bool confirmClassChange(KORVARaceDoc& doc, const KORVAPilot& entry, const KORVAPilot& before) {
    if (!bracketHasMatrix(doc, before.bracket) && !bracketHasMatrix(doc, entry.bracket)) {
        return true;
    }
    const auto started = [&](int b) {
        return bracketHasMatrix(doc, b) && doc.raceMatrix.matrix(b).anyRoundStarted();
    };
    const int id = started(before.bracket) || started(entry.bracket) ? msg::kClassChangeRacing
                                                                     : msg::kClassChangeMatrix;
    return askYesNo(doc.services().ui, id, Icon::Warning, Answer::No);
}

bool conflictInOpenHeats(const KORVARaceDoc& doc, const KORVAMatrix& matrix,
                         const KORVAPilot& entry) {
    for (const auto& round : matrix.rounds) {
        if (round->channelConflictInOpenHeats(entry.pilotNumber, entry.channel, doc)) return true;
    }
    return false;
}

// The channel change of a pilot who already flies in a matrix: list what has to be redone.
bool confirmChannelTasks(KORVARaceDoc& doc, const KORVAPilot& entry, const KORVAPilot& before) {
    if (!bracketHasMatrix(doc, before.bracket)) return true;
    const auto b = static_cast<std::size_t>(before.bracket);
    const bool conflict = conflictInOpenHeats(doc, doc.raceMatrix.matrix(before.bracket), entry);
    const bool cardsPrinted = doc.bracketLocked(before.bracket);
    const bool sheetsPrinted = doc.heatSheetsPrintedAt[b] != 0;
    if (!conflict && !cardsPrinted && !sheetsPrinted) return true;

    const std::string name = entry.fullName();
    const std::string cls = doc.classNameOf(entry.classIndex);
    std::string tasks = cformat(text(msg::kChannelTasks), name, entry.channelText(), cls, cls);
    if (conflict) {
        tasks += text(msg::kTaskRematrix);
        tasks += cformat(text(msg::kTaskPartialRounds), name);
        if (sheetsPrinted) tasks += text(msg::kTaskHeatSheets);
    }
    if (cardsPrinted) tasks += text(msg::kTaskHeatCards);
    if (doc.pilotCardsPrintedAt != 0) tasks += text(msg::kTaskPilotCards);
    tasks += text(msg::kTaskQuestion);

    Message m;
    m.id = msg::kChannelTasks;
    m.text = tasks;
    m.icon = Icon::Warning;
    m.buttons = Buttons::YesNo;
    m.defaultButton = Answer::No;
    if (doc.services().ui.ask(m) != Answer::Yes) return false;
    if (conflict) doc.raceMatrix.PilotInfoChanged[b] = 1;
    return true;
}

}  // namespace

int activePilotsOnChannel(const KORVARaceDoc& doc, int bracket, int channel, std::int32_t except) {
    int n = 0;
    for (const auto& p : doc.pilots) {
        if (p->pilotNumber == except || !p->active || p->dqFlag) continue;
        if (p->bracket == bracket && p->channel == channel) ++n;
    }
    return n;
}

bool validateChannel(Interaction& ui, int channel, bool confirm) {
    if (channel >= kLow72MHz && channel <= kHigh72MHz) return true;
    if (!channelInBands(channel)) {
        showError(ui, msg::kChannelRange, kLow50MHz, kHigh50MHz, kLow72MHz, kHigh72MHz, kLowPseudo,
                  kHighPseudo);
        return false;
    }
    return !confirm || askYesNo(ui, msg::kSureOfChannel, Icon::Question, Answer::Yes, channel);
}

bool validateBuddy(const KORVARaceDoc& doc, const KORVAPilot& pilot) {
    Interaction& ui = doc.services().ui;
    const std::int32_t number = pilot.buddy;
    if (number == pilot.pilotNumber) {
        showError(ui, msg::kBuddySelf);
        return false;
    }
    const KORVAPilot* buddy = doc.pilotByNumber(number);
    // Numbers have gaps once a pilot is deleted: typing one of them is an ordinary slip.
    if (!buddy) {
        showError(ui, msg::kNoPilotWithNumber, number);
        return false;
    }
    if (buddy->bracket != pilot.bracket) {
        showError(ui, msg::kBuddyOtherClass, buddy->shortName(),
                  doc.classNameOf(buddy->classIndex));
        return false;
    }
    // A buddy number that no longer leads to a pilot does not hold the buddy.
    const KORVAPilot* taken =
        buddy->buddy == pilot.pilotNumber ? nullptr : doc.pilotByNumber(buddy->buddy);
    if (taken) {
        showError(ui, msg::kBuddyTaken, buddy->shortName(), taken->shortName());
        return false;
    }
    return true;
}

FormCheck validateNewPilot(KORVARaceDoc& doc, const KORVAPilot& entry) {
    using pilotfield::kPilotId;
    Interaction& ui = doc.services().ui;
    if (entry.bracket < 0) {
        showError(ui, msg::kNoClass);
        return FormCheck::retry(pilotfield::kClass);
    }
    if (!entry.active && showMessage(ui, msg::kNotActive, Icon::Warning, Buttons::OkCancel,
                                     Answer::Ok) == Answer::Cancel) {
        return FormCheck::retry(pilotfield::kActive);
    }
    if (!validateChannel(ui, entry.channel, true) || !withinChannelLimit(doc, entry)) {
        return FormCheck::retry(pilotfield::kChannel);
    }
    if (!refuseSameIdInBracket(doc, entry)) return FormCheck::retry(kPilotId);
    for (const auto& p : doc.pilots) {
        if (entry.pilotId.empty() || p->pilotId != entry.pilotId || p->bracket == entry.bracket) {
            continue;
        }
        if (!askYesNo(ui, msg::kIdInOtherClass, Icon::Question, Answer::Yes, entry.pilotId,
                      p->fullName(), doc.classNameOf(p->classIndex),
                      doc.classNameOf(entry.classIndex))) {
            return FormCheck::retry(kPilotId);
        }
    }
    if (entry.buddy > 0 && !validateBuddy(doc, entry)) return FormCheck::retry(pilotfield::kBuddy);
    return FormCheck::accept();
}

FormCheck validateChangedPilot(KORVARaceDoc& doc, const KORVAPilot& entry,
                               const KORVAPilot& before) {
    const bool bracketChanged = entry.bracket != before.bracket;
    const bool channelChanged = entry.channel != before.channel;
    // A pilot without a class would drop out of every list.
    if (entry.bracket < 0 && before.bracket >= 0) {
        showError(doc.services().ui, msg::kNoClass);
        return FormCheck::retry(pilotfield::kClass);
    }
    if (bracketChanged || entry.pilotId != before.pilotId) {
        // The ID is what clashes, unless only the class moved it into the clash.
        const char* field =
            entry.pilotId != before.pilotId ? pilotfield::kPilotId : pilotfield::kClass;
        if (!refuseSameIdInBracket(doc, entry)) return FormCheck::retry(field);
    }
    if (bracketChanged && !confirmClassChange(doc, entry, before)) {
        return FormCheck::retry(pilotfield::kClass);
    }
    // A pilot moving into another bracket takes a place on its channel there as well.
    if ((channelChanged || bracketChanged) && !withinChannelLimit(doc, entry)) {
        return FormCheck::retry(pilotfield::kChannel);
    }
    if (channelChanged && !validateChannel(doc.services().ui, entry.channel, true)) {
        return FormCheck::retry(pilotfield::kChannel);
    }
    if (entry.buddy > 0 && !validateBuddy(doc, entry)) return FormCheck::retry(pilotfield::kBuddy);
    if (channelChanged && !confirmChannelTasks(doc, entry, before)) {
        return FormCheck::retry(pilotfield::kChannel);
    }
    return FormCheck::accept();
}

}  // namespace korva
