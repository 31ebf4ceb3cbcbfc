// Error codes and texts of the media command device, shared by the real and fake devices.
#pragma once

#include <cstdint>
#include <string>

namespace hazama::media_error {

inline constexpr std::uint32_t kUnknownCommand = 261;
inline constexpr std::uint32_t kNotOpen = 263;
inline constexpr std::uint32_t kFileNotFound = 275;
inline constexpr std::uint32_t kBadFile = 276;
inline constexpr std::uint32_t kAliasInUse = 289;
inline constexpr std::uint32_t kNoSynthesizer = 293;

// The text for a code; false for a code the device never returns.
bool text_of(std::uint32_t code, std::string& text);

}  // namespace hazama::media_error
