#pragma once
// "Results Board...": the board's server of the open race and the dialog that runs it.

#include <memory>

namespace korva {

class Interaction;
class KORVARaceApp;
class ResultsBoardServer;
class SettingsStore;

// Makes the server (off) and gives the command its dialog, enabled while a race is open.
std::unique_ptr<ResultsBoardServer> connectResultsBoard(KORVARaceApp& app, Interaction& ui,
                                                        SettingsStore& settings);

}  // namespace korva
