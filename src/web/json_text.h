// The little JSON the module hands the page to draw the session's screens: strings quoted
// and escaped, objects and lists written as they go.
#pragma once

#include <string>
#include <string_view>

namespace hazama {

// `text` as a JSON string, quotes included; bytes that are not valid UTF-8 become U+FFFD.
std::string json_string(std::string_view text);

// Writes one object or list: field(name, value) or item(value), in order.
class JsonWriter {
  public:
    JsonWriter& open(char bracket);  // '{' or '['
    JsonWriter& close();
    JsonWriter& key(std::string_view name);
    JsonWriter& text(std::string_view value);
    JsonWriter& number(long long value);
    JsonWriter& boolean(bool value);
    const std::string& str() const { return out_; }

  private:
    void comma();
    std::string out_;
    std::string closers_;
    bool first_ = true;
};

}  // namespace hazama
