#include "cli/CliOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <limits>
#include <map>

#include "ui/TextCase.h"

namespace korva {

namespace {

template <typename T>
std::optional<T> parseWhole(const std::string& text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

template <typename T>
CLI::Option* addWholeOption(CLI::App& command, const std::string& names, std::optional<T>& value,
                            const std::string& help) {
    const auto check = [](std::string& text) -> std::string {
        if (parseWhole<T>(text)) return {};
        std::string range = "a whole number";
        if constexpr (std::is_unsigned_v<T>)
            range += " from 0 to " + std::to_string(std::numeric_limits<T>::max());
        return "needs " + range + ", not '" + text + "'";
    };
    return command
        .add_option_function<std::string>(
            names, [&value](const std::string& text) { value = parseWhole<T>(text); }, help)
        ->type_name("N")
        ->check(CLI::Validator(check, ""));
}

}  // namespace

std::vector<std::string> splitList(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        if (comma > start) items.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return items;
}

std::optional<int> wholeNumber(const std::string& text) {
    return parseWhole<int>(text);
}

std::optional<std::pair<int, Answer>> answerFor(const std::string& text) {
    static const std::map<std::string, Answer> kAnswers = {
        {"yes", Answer::Yes}, {"no", Answer::No}, {"cancel", Answer::Cancel}, {"ok", Answer::Ok}};
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) return std::nullopt;
    const auto id = wholeNumber(text.substr(0, eq));
    const auto it = kAnswers.find(lowerCased(text.substr(eq + 1)));
    if (!id || it == kAnswers.end()) return std::nullopt;
    return std::pair{*id, it->second};
}

CLI::Option* addRepeatedOption(CLI::App& command, const std::string& name,
                               const std::string& valueText,
                               std::function<std::string(const std::string&)> problem,
                               std::function<void(const std::string&)> take,
                               const std::string& help) {
    const auto store = [take = std::move(take)](const std::vector<std::string>& given) {
        for (const std::string& text : given) take(text);
    };
    return command.add_option_function<std::vector<std::string>>(name, store, help)
        ->option_text(valueText)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->check(CLI::Validator(
            [problem = std::move(problem)](std::string& text) { return problem(text); }, ""));
}

CLI::Option* addRaceFileOption(CLI::App& command, std::string& file) {
    return command.add_option("FILE", file, "the race file (.kvr)")->required()->type_name("");
}

CLI::Option* addAnswerOption(CLI::App& command, AnswerMap& answers, const std::string& help) {
    return addRepeatedOption(
        command, "--answer", "ID=ANSWER",
        [](const std::string& text) -> std::string {
            if (answerFor(text)) return {};
            return "needs ID=yes|no|cancel|ok, not '" + text + "'";
        },
        [&answers](const std::string& text) {
            if (const auto answer = answerFor(text)) answers[answer->first] = answer->second;
        },
        help);
}

CLI::Option* addNumberOption(CLI::App& command, const std::string& names, std::optional<int>& value,
                             const std::string& help) {
    return addWholeOption(command, names, value, help);
}

CLI::Option* addNumberOption(CLI::App& command, const std::string& names,
                             std::optional<std::uint32_t>& value, const std::string& help) {
    return addWholeOption(command, names, value, help);
}

}  // namespace korva
