// The chain of lines shown (command_log.h).
#include "replay/command_log.h"

namespace hazama {

std::uint64_t chain_line(std::uint64_t lines, std::string_view text) {
    constexpr std::uint64_t kPrime = 1099511628211ULL;
    for (unsigned char c : text) {
        lines ^= c;
        lines *= kPrime;
    }
    // A separator, so that "ab" then "c" differs from "a" then "bc".
    lines ^= 0x0A;
    return lines * kPrime;
}

}  // namespace hazama
