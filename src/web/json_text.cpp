// The JSON the page draws from (json_text.h).
#include "web/json_text.h"

#include <cstdio>

namespace hazama {
namespace {

// The length of the UTF-8 sequence at `text[i]`, or 0 when it is none.
std::size_t sequence_length(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t n = 0;
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0 && lead >= 0xC2)
        n = 2;
    else if ((lead & 0xF0) == 0xE0)
        n = 3;
    else if ((lead & 0xF8) == 0xF0 && lead <= 0xF4)
        n = 4;
    else
        return 0;
    if (i + n > text.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
    }
    return n;
}

}  // namespace

std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const std::size_t n = sequence_length(text, i);
        if (n == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        if (n > 1) {
            out.append(text.substr(i, n));
            i += n;
            continue;
        }
        ++i;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

void JsonWriter::comma() {
    if (!first_) out_ += ',';
    first_ = false;
}

JsonWriter& JsonWriter::open(char bracket) {
    comma();
    out_ += bracket;
    closers_ += bracket == '{' ? '}' : ']';
    first_ = true;
    return *this;
}

JsonWriter& JsonWriter::close() {
    if (closers_.empty()) return *this;
    out_ += closers_.back();
    closers_.pop_back();
    first_ = false;
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    comma();
    out_ += json_string(name);
    out_ += ':';
    first_ = true;  // the value that follows takes no comma
    return *this;
}

JsonWriter& JsonWriter::text(std::string_view value) {
    comma();
    out_ += json_string(value);
    return *this;
}

JsonWriter& JsonWriter::number(long long value) {
    comma();
    out_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
    comma();
    out_ += value ? "true" : "false";
    return *this;
}

}  // namespace hazama
