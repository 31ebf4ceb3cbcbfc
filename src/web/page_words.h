// The page's own words (web/index.html and its scripts): the quick-menu bar, the dialogs'
// buttons, the names of the controls and the page's messages, in the language in force.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace hazama {

// A caption as a button shows it: the shortcut mark ("&Save", "セーブ(&S)"), the key after a
// tab and a closing "…" taken out.
std::string plain_caption(std::string_view caption);

class JsonWriter;

// The page's words as a JSON object, each by the name the page gives it ("bar-history",
// "yes"...), in English through `translate`; in Japanese an empty one: the page keeps its own.
void write_page_words(JsonWriter& json, bool english,
                      const std::function<std::string(const char*)>& translate);

}  // namespace hazama
