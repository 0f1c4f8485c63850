#include "matrix/MatrixFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "matrix/ReadyField.h"

namespace korva::test {

Answer AnsweringInteraction::ask(const Message& message) {
    asked.push_back(message.id);
    if (auto it = answers.find(message.id); it != answers.end()) return it->second;
    return message.buttons == Buttons::Ok || message.buttons == Buttons::OkCancel ? Answer::Ok
                                                                                  : Answer::Yes;
}

int classCodeOfBracket(int bracket) {
    return bracket == 0 ? 2 : bracket == 1 ? 3 : 4;
}

template <typename UserT>
KORVAPilot& MatrixRace<UserT>::addPilot(const PilotTraits& traits) {
    const auto number = static_cast<std::int32_t>(doc.pilots.size() + 1);
    auto p = std::make_unique<KORVAPilot>(number);
    p->firstName = "First" + std::to_string(number);
    p->lastName = "Last" + std::to_string(number);
    p->classIndex = traits.classIndex;
    p->bracket = bracketOfClass(traits.classIndex);
    p->channel = traits.channel;
    p->active = traits.active;
    p->paid = traits.paid;
    p->signedWaiver = traits.waiver;
    p->dqFlag = traits.dq;
    p->lane1Affinity = traits.affinity;
    p->category = traits.category;
    if (traits.plane) {
        auto plane = std::make_unique<KORVAPlane>();
        plane->planeNumber = static_cast<std::int32_t>(doc.planes.size() + 1);
        plane->pilotNumber = number;
        plane->safetyChecked = traits.checked;
        p->planeNumbers[0] = plane->planeNumber;
        p->planeCount = 1;
        doc.planes.push_back(std::move(plane));
    }
    doc.pilots.push_back(std::move(p));
    doc.recountChannels();
    return *doc.pilots.back();
}

template <typename UserT>
void MatrixRace<UserT>::addPilots(int classIndex, std::initializer_list<int> channels) {
    for (int c : channels) {
        PilotTraits traits;
        traits.classIndex = classIndex;
        traits.channel = c;
        addPilot(traits);
    }
}

template <typename UserT>
bool MatrixRace<UserT>::generate(int bracket, int endRound, int beginRound, bool* heatsChanged) {
    KORVARaceMatrix& rm = doc.raceMatrix;
    rm.RoundQuan = endRound;
    rm.BeginRound[static_cast<std::size_t>(bracket)] = beginRound;
    doc.recountChannels();
    MatrixTrace trace(services.workingFolder);
    trace.newRun();
    GenerationContext ctx{doc, trace, {}};
    bool changed = false;
    const bool ok = DoSingleMatrix(ctx, bracket, classCodeOfBracket(bracket), changed);
    if (heatsChanged) *heatsChanged = changed;
    if (ok) {
        rm.Matrixed[static_cast<std::size_t>(bracket)] = 1;
        rm.PilotInfoChanged[static_cast<std::size_t>(bracket)] = 0;
    }
    return ok;
}

template <typename UserT>
std::string MatrixRace<UserT>::traceText() const {
    return readText(folder.file(MatrixTrace::kFileName));
}

template class MatrixRace<ScriptedInteraction>;
template class MatrixRace<AnsweringInteraction>;

std::string checkRounds(const KORVARaceDoc& doc, int bracket, int beginRound, int endRound) {
    const KORVARaceMatrix& rm = doc.raceMatrix;
    std::set<std::int32_t> ready;
    for (const auto& p : doc.pilots) {
        if (isReadyPilot(*p, bracket, rm.IncludeUnpaid != 0, rm.IncludeNoWaiver != 0)) {
            ready.insert(p->pilotNumber);
        }
    }
    std::ostringstream problems;
    const KORVAMatrix& m = rm.matrix(bracket);
    for (int r = beginRound; r <= endRound; ++r) {
        const KORVARound* round = m.roundAt(r - 1);
        if (!round) {
            problems << "round " << r << " missing; ";
            continue;
        }
        std::multiset<std::int32_t> flying;
        for (const auto& heat : round->heats) {
            std::map<int, int> channels;
            for (std::int32_t n : heat->lanePilot) {
                if (n == 0) continue;
                flying.insert(n);
                const KORVAPilot* p = doc.pilotByNumber(n);
                if (p && p->channel < kPseudoChannel && ++channels[p->channel] > 1) {
                    problems << "round " << r << " heat " << heat->heatNumber
                             << " has two pilots on channel " << p->channel << "; ";
                }
            }
        }
        if (flying != std::multiset<std::int32_t>(ready.begin(), ready.end())) {
            problems << "round " << r << " does not fly every ready pilot once; ";
        }
    }
    return problems.str();
}

std::vector<std::vector<std::int32_t>> lanePilots(const KORVAMatrix& m) {
    std::vector<std::vector<std::int32_t>> out;
    for (const auto& r : m.rounds) {
        std::vector<std::int32_t> row;
        for (const auto& h : r->heats)
            row.insert(row.end(), h->lanePilot.begin(), h->lanePilot.end());
        out.push_back(row);
    }
    return out;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace korva::test
