#pragma once
// Options that several `korva` commands share, read the same way everywhere.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/ConsoleInteraction.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace korva {

// The items of a comma-separated list, empty ones left out.
std::vector<std::string> splitList(const std::string& text);

// A whole number in decimal as people type it ("08" is 8); nothing for any other text.
std::optional<int> wholeNumber(const std::string& text);

// "ID=ANSWER" with ANSWER yes, no, cancel or ok in any case.
std::optional<std::pair<int, Answer>> answerFor(const std::string& text);

// The race file every race command takes first.
CLI::Option* addRaceFileOption(CLI::App& command, std::string& file);

// `--answer ID=ANSWER`, repeatable: fills ANSWERS by message id, a later answer to the same
// id counting. Hand the map to the command's console user, which answers Yes where it holds
// nothing and writes every question and answer to standard error.
CLI::Option* addAnswerOption(CLI::App& command, AnswerMap& answers,
                             const std::string& help =
                                 "answer message ID with yes or no\n"
                                 "(repeatable; default: yes)");

// A repeatable option whose values are checked one by one: PROBLEM says what is wrong with a
// value (empty when nothing), TAKE receives each value in the order given.
CLI::Option* addRepeatedOption(CLI::App& command, const std::string& name,
                               const std::string& valueText,
                               std::function<std::string(const std::string&)> problem,
                               std::function<void(const std::string&)> take,
                               const std::string& help);

// A whole-number option (decimal, last one given counts); VALUE stays empty when not given.
CLI::Option* addNumberOption(CLI::App& command, const std::string& names, std::optional<int>& value,
                             const std::string& help);
CLI::Option* addNumberOption(CLI::App& command, const std::string& names,
                             std::optional<std::uint32_t>& value, const std::string& help);

}  // namespace korva
