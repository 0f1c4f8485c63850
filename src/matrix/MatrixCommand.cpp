#include "matrix/MatrixCommand.h"

#include "matrix/ReadyField.h"
#include "race/KORVARaceDoc.h"
#include "ui/Messages.h"

namespace korva {

namespace {

constexpr int kFewPlanesId = 175;
constexpr int kNoPlaneId = 213;
constexpr int kUncheckedPlaneId = 214;
constexpr int kLockedId = 433;
constexpr const char* kStars = "**************************************************";
constexpr const char* kVersion = "Version " KORVA_VERSION;

int classCodeOf(const KORVARaceDoc& doc, int bracket) {
    switch (bracket) {
        case 0: return doc.class424Apra ? 1 : 2;
        case 1: return 3;
        default: return 4;
    }
}

bool lockedBracket(const KORVARaceDoc& doc, int bracket) {
    switch (bracket) {
        case 0: return doc.locked424 != 0;
        case 1: return doc.locked426 != 0;
        default: return doc.lockedThird != 0;
    }
}

bool tickedBracket(const MatrixForm& form, int bracket) {
    const MatrixFormRow& row = form.rows[static_cast<std::size_t>(bracket)];
    return row.visible && row.ticked;
}

// The first pilot of a ticked bracket (active or not) that lacks the given quality.
template <typename Lacks>
const KORVAPilot* firstLacking(const KORVARaceDoc& doc, const MatrixForm& form, Lacks lacks) {
    for (const auto& p : doc.pilots) {
        if (p->bracket >= 0 && p->bracket < kBracketCount && tickedBracket(form, p->bracket) &&
            lacks(*p)) {
            return p.get();
        }
    }
    return nullptr;
}

// Yes keeps such pilots in the matrix, No leaves them out; nullopt on Cancel.
std::optional<bool> askInclude(Interaction& ui, int id, const KORVAPilot* example) {
    if (!example) return true;
    const Answer a =
        showMessage(ui, id, Icon::Warning, Buttons::YesNoCancel, Answer::Yes, example->fullName());
    if (a == Answer::Cancel) return std::nullopt;
    return a == Answer::Yes;
}

// The form without the brackets that the exclusions leave with fewer than 2 pilots; nullopt
// when every offered bracket keeps enough.
std::optional<MatrixForm> withoutUnderfilled(const KORVARaceDoc& doc, const MatrixForm& form,
                                             bool includeNoWaiver, bool includeUnpaid) {
    MatrixForm again = form;
    bool changed = false;
    for (int b = 0; b < kBracketCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        int ready = 0;
        for (const auto& p : doc.pilots)
            ready += isReadyPilot(*p, b, includeUnpaid, includeNoWaiver) ? 1 : 0;
        if (doc.raceMatrix.BracketPilotCount[i] >= 2 && ready < 2) {
            changed = true;
            again.rows[i].visible = false;
            again.rows[i].ticked = false;
        }
    }
    again.informVisible = false;
    if (!changed) return std::nullopt;
    return again;
}

}  // namespace

MatrixCommand::MatrixCommand(KORVARaceDoc& doc, GenerationOptions options)
    : doc_(doc), trace_(doc.services().workingFolder), options_(std::move(options)) {}

bool MatrixCommand::CheckPlanesReady(int bracket) {
    Interaction& ui = doc_.services().ui;
    for (const auto& p : doc_.pilots) {
        if (p->bracket != bracket || !p->active || p->dqFlag) continue;
        const KORVAPlane* plane = doc_.planeByNumber(p->primaryPlane(doc_.planes));
        if (plane && plane->safetyChecked) continue;
        showWarning(ui, plane ? kUncheckedPlaneId : kNoPlaneId, p->firstName, p->lastName,
                    doc_.classNameOf(p->classIndex), p->firstName);
        return false;
    }
    return true;
}

bool MatrixCommand::generateBracket(GenerationContext& ctx, int bracket, bool& heatsChanged) {
    KORVARaceMatrix& rm = doc_.raceMatrix;
    const int code = classCodeOf(doc_, bracket);
    const std::string name = doc_.classNameOf(code);
    trace_.line(kStars);
    if (lockedBracket(doc_, bracket)) {
        showMessage(doc_.services().ui, kLockedId, Icon::Warning, Buttons::Ok, Answer::Ok, name);
        trace_.line(kVersion);
        trace_.line("********* Matrix locked for class=" + name +
                    " Cannot re-Matrix until unlocked *********");
        trace_.line(kStars);
        return true;
    }
    trace_.line(std::string("********* Program ") + kVersion);
    trace_.line("********* Generate Matrix for class=" + name + " *********");
    trace_.line(kStars);
    if (!DoSingleMatrix(ctx, bracket, code, heatsChanged)) return false;
    const auto i = static_cast<std::size_t>(bracket);
    doc_.noteChange();
    rm.PilotInfoChanged[i] = 0;
    rm.Matrixed[i] = 1;
    built_[i] = true;
    return true;
}

bool MatrixCommand::GenerateAllClasses(bool& heatsChanged) {
    built_.fill(false);
    doc_.recountChannels();
    trace_.newRun();
    trace_.line("Generate matrix for all classes");
    GenerationContext ctx{doc_, trace_, options_};
    for (int b = 0; b < kBracketCount; ++b) {
        if (!doc_.raceMatrix.Selected[static_cast<std::size_t>(b)]) continue;
        if (!generateBracket(ctx, b, heatsChanged)) return false;
    }
    return true;
}

bool MatrixCommand::RegenerateOpenRounds(bool& heatsChanged) {
    built_.fill(false);
    KORVARaceMatrix& rm = doc_.raceMatrix;
    doc_.recountChannels();
    trace_.newRun();
    trace_.line("Generate matrix for all classes");
    GenerationContext ctx{doc_, trace_, options_};
    // Each bracket keeps its own length; the End Round of the last build stays as it was.
    const int roundQuan = rm.RoundQuan;
    bool generated = true;
    for (int b = 0; b < kBracketCount && generated; ++b) {
        const auto i = static_cast<std::size_t>(b);
        const int rounds = static_cast<int>(rm.matrix(b).rounds.size());
        const int firstOpen = firstOpenRound(rm.matrix(b));
        if (!rm.Matrixed[i] || rm.BracketPilotCount[i] < 2 || firstOpen > rounds) continue;
        rm.RoundQuan = rounds;
        rm.BeginRound[i] = firstOpen;
        generated = generateBracket(ctx, b, heatsChanged);
    }
    rm.RoundQuan = roundQuan;
    doc_.services().ui.refreshViews(true);
    return generated;
}

std::optional<MatrixForm> MatrixCommand::runForm(MatrixFormUser& forms, MatrixForm form) {
    for (;;) {
        std::optional<MatrixForm> edited = forms.editMatrixForm(form);
        if (!edited) return std::nullopt;
        for (auto& row : edited->rows) row.ticked = row.ticked && row.visible;
        const MatrixFormCheck check = checkMatrixForm(*edited);
        if (check.accepted) return edited;
        doc_.services().ui.ask(check.message);
        form = *edited;
        form.focus = check.field;
        form.focusBracket = check.bracket;
    }
}

bool MatrixCommand::askExclusions(const MatrixForm& form, bool& includeNoWaiver,
                                  bool& includeUnpaid) {
    Interaction& ui = doc_.services().ui;
    const auto waiver =
        askInclude(ui, str::kNoWaiverWarning,
                   firstLacking(doc_, form, [](const KORVAPilot& p) { return !p.signedWaiver; }));
    if (!waiver) return false;
    includeNoWaiver = *waiver;
    const auto paid =
        askInclude(ui, str::kUnpaidWarning,
                   firstLacking(doc_, form, [](const KORVAPilot& p) { return !p.paid; }));
    if (!paid) return false;
    includeUnpaid = *paid;
    return true;
}

bool MatrixCommand::BuildMatrix(MatrixFormUser& forms, bool& heatsChanged) {
    Interaction& ui = doc_.services().ui;
    KORVARaceMatrix& rm = doc_.raceMatrix;
    if (doc_.planes.size() < doc_.pilots.size()) {
        showError(ui, kFewPlanesId);
        return false;
    }
    auto planesReady = [this](const MatrixForm& form) {
        for (int b = 0; b < kBracketCount; ++b) {
            if (tickedBracket(form, b) && !CheckPlanesReady(b)) return false;
        }
        return true;
    };
    std::optional<MatrixForm> form = runForm(forms, matrixFormDefaults(doc_));
    if (!form || !planesReady(*form)) return false;
    bool includeNoWaiver = true, includeUnpaid = true;
    if (form->inform) {
        if (!askExclusions(*form, includeNoWaiver, includeUnpaid)) return false;
    }
    if (!includeNoWaiver || !includeUnpaid) {
        // Brackets that the exclusions leave with fewer than 2 pilots are no longer offered.
        if (std::optional<MatrixForm> again =
                withoutUnderfilled(doc_, *form, includeNoWaiver, includeUnpaid)) {
            // A bracket ticked only now has not had its planes checked.
            form = runForm(forms, *again);
            if (!form || !planesReady(*form)) return false;
        }
    }

    rm.IncludeNoWaiver = includeNoWaiver ? 1 : 0;
    rm.IncludeUnpaid = includeUnpaid ? 1 : 0;
    rm.RoundQuan = form->endRound;
    doc_.channelSortOrder = form->channelSort;
    for (int b = 0; b < kBracketCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        rm.Selected[i] = tickedBracket(*form, b) ? 1 : 0;
        rm.BeginRound[i] = rm.Selected[i] ? form->rows[i].beginRound : 1;
    }
    const bool built = GenerateAllClasses(heatsChanged);
    if (built && doc_.timingFileWanted && hooks.writeTimingFile) {
        for (int b = 0; b < kBracketCount; ++b) {
            if (rm.Matrixed[static_cast<std::size_t>(b)]) hooks.writeTimingFile(doc_, b);
        }
    }
    // Earlier brackets may have changed even when a later one failed.
    ui.refreshViews(true);
    return built;
}

}  // namespace korva
