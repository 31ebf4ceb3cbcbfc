// The music name as a save file holds it: one byte a character, in the Japanese code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hazama {

// Narrows a UTF-8 name (full-width ASCII forms to ASCII, the ideographic space to a space)
// and encodes it one byte a character. Nothing when the text is not valid UTF-8 or has a
// character with no single-byte code (kanji, kana other than half-width katakana).
std::optional<std::string> name_to_bytes(std::string_view utf8);

// Decodes one byte a character back to UTF-8. Nothing when a byte is not a character on
// its own (a lead byte of a two-byte character, or a code the page leaves unused).
std::optional<std::string> name_from_bytes(std::string_view bytes);

}  // namespace hazama
