// The runner's command language: splitting a script line and checking its words.
#pragma once

#include <string>
#include <vector>

namespace hazama {

// A parse failure of one script line.
struct BadLine {
    explicit BadLine(std::string reason) : why(std::move(reason)) {}
    std::string why;
    std::string line;
};

std::vector<std::string> split(const std::string& line);
bool to_number(const std::string& text, long& value);
// Throws BadLine when the words are no command the runner knows, or take other arguments.
void check_command(const std::vector<std::string>& w);

}  // namespace hazama
