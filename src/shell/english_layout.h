// How an English message is laid out in the message line: a face made for Latin text, set a
// little smaller than the Japanese one, wrapped by words, and speech hanging-indented after
// its speaker's name ("Shibuki: “…”"). Either face measures the text with its own fonts and
// lays it out by these rules. Texts are UTF-16, as both faces' strings are.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace hazama {

// The English face, for the message line's text, and its size against the Japanese gothic
// face's: Latin letters of the same size read larger, and three lines of it must fit where the
// Japanese has three.
inline constexpr const char* kEnglishFace = "Carlito";
inline constexpr double kEnglishScale = 18.0 / 19.0;
// The room a line takes, in ems of the English face: three lines in the message line's 65
// pixels at the face's 18 pixels.
inline constexpr double kEnglishLineStepEm = 21.0 / 18.0;

// English: Latin letters and no kana, ideograph, Japanese punctuation or full-width form
// (every Japanese line has one of those). Such a line is laid out by the rules below.
bool is_english(std::u16string_view text);

// The width of a text in pixels, as the face draws it.
using MeasureText = std::function<int(std::u16string_view text)>;

// The length of "Name: " when `text` is speech ("Name: “…”", the whole message), else 0: a
// name of one to three words, a colon, and the words in quotes to the end. A quotation inside
// narration does not end it.
std::size_t speaker_prefix(std::u16string_view text);

struct WrappedLines {
    std::vector<std::u16string> lines;  // each without the spaces it was broken at
    int indent = 0;                     // pixels before every line after the first
    // Where each line starts in the text, for drawing only the first characters of it.
    std::vector<std::size_t> starts;
};

// Wraps `text` by words into lines no wider than `width` (the lines after the first of
// speech start after the speaker's name). A word too long for a line of its own is cut.
WrappedLines wrap_english(std::u16string_view text, const MeasureText& measure, int width);

}  // namespace hazama
