#pragma once
// Races for the matrix tests: pilots with checked planes, a fixed clock, a private folder
// for the trace log, and checks that every written round is sound.

#include <map>
#include <memory>
#include <string>

#include "matrix/MatrixGenerator.h"
#include "matrix/MatrixTrace.h"
#include "race/KORVARaceDoc.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"
#include "ui/Clock.h"
#include "ui/SettingsStore.h"

namespace korva::test {

// Sanitizer builds run the long random loops with fewer rounds per field.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif

// Answers every question: from a map by message number, else Yes (OK for OK boxes).
class AnsweringInteraction : public Interaction {
public:
    Answer ask(const Message& message) override;
    void beginWait() override {}
    void endWait() override {}
    void refreshViews(bool) override {}

    std::map<int, Answer> answers;
    std::vector<int> asked;
};

struct PilotTraits {
    int channel = 11;
    int classIndex = 2;  // 424: bracket 0
    bool active = true;
    bool paid = true;
    bool waiver = true;
    bool dq = false;
    bool affinity = false;
    std::string category;
    bool plane = true;
    bool checked = true;
};

// A race whose user is `UserT` (scripted by default).
template <typename UserT = ScriptedInteraction>
class MatrixRace {
public:
    MatrixRace() : services(user, clock, settings), doc(services) {
        services.workingFolder = folder.path();
        doc.class424Ama = doc.class426 = doc.classQ40 = 1;
    }

    UserT user;
    FixedClock clock;
    MemorySettingsStore settings;
    RaceServices services;
    TempFolder folder;
    KORVARaceDoc doc;

    KORVAPilot& addPilot(const PilotTraits& traits);
    void addPilots(int classIndex, std::initializer_list<int> channels);
    KORVAMatrix& matrix(int bracket) { return doc.raceMatrix.matrix(bracket); }

    // DoSingleMatrix of one bracket for rounds begin..end, as GenerateAllClasses runs it.
    bool generate(int bracket, int endRound, int beginRound = 1, bool* heatsChanged = nullptr);
    std::string traceText() const;
};

int classCodeOfBracket(int bracket);

// Rounds begin..end of the bracket: no heat holds two pilots on one real channel, and
// every ready pilot flies exactly once per round. Empty when sound, else what is wrong.
std::string checkRounds(const KORVARaceDoc& doc, int bracket, int beginRound, int endRound);

// The lane pilots of every round, for comparing matrices.
std::vector<std::vector<std::int32_t>> lanePilots(const KORVAMatrix& m);

std::string readText(const std::string& path);

}  // namespace korva::test
