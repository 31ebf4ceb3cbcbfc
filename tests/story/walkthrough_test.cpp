// Plays the walkthrough script and checks that the story reaches every state it expects.
#include <sstream>

#include "harness.h"

namespace hazama::testing {
namespace {

struct Step {
    int line = 0;
    std::string command;
    std::vector<std::string> expected;  // "game=2", "position=2", ...
};

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::vector<Step> read_steps(const std::string& script) {
    std::vector<Step> steps;
    std::istringstream in(script);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const auto hash = line.find('#');
        Step step{number, trim(line.substr(0, hash)), {}};
        if (step.command.empty()) continue;
        if (hash != std::string::npos) {
            std::istringstream comment(line.substr(hash + 1));
            std::string word;
            comment >> word;
            if (word == "expect") {
                while (comment >> word && word.find('=') != std::string::npos)
                    step.expected.push_back(word);
            }
        }
        steps.push_back(step);
    }
    return steps;
}

TEST(Walkthrough, ReachesEveryExpectedState) {
    const std::string script = read_walkthrough();
    ASSERT_FALSE(script.empty()) << "tests/story/walkthrough.txt not found (HAZAMA_SOURCE)";
    const std::vector<Step> steps = read_steps(script);
    ASSERT_FALSE(steps.empty());

    const Played played = play(script);
    ASSERT_EQ(played.status, 0) << played.errors;

    // Each echoed command is followed, at the end of its trace, by the state it left.
    std::vector<std::string> states;
    for (const std::string& line : played.lines()) {
        if (line.rfind("> ", 0) == 0) states.emplace_back();
        if (line.rfind("state ", 0) == 0 && !states.empty()) states.back() = line + " ";
    }
    ASSERT_EQ(states.size(), steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        for (const std::string& want : steps[i].expected) {
            ASSERT_NE(states[i].find(" " + want + " "), std::string::npos)
                << "the story stopped moving at line " << steps[i].line << " (" << steps[i].command
                << "): expected " << want << ", got " << states[i];
        }
    }
}

}  // namespace
}  // namespace hazama::testing
