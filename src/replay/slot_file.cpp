// The save slot's text (slot_file.h).
//
//   # hazama position 2
//   # check 5be1c0…          FNV-1a of every byte after this line: a damaged file shows
//   # saved 2026-12-09 21:04
//   # place 家の中
//   # line 飛沫「ただいま」
//   # at 57 9f3a0c…          the line waits (or "# idle 57 …": nothing runs), chain of lines
//   # thumbnail iVBOR…       base64, one line
//   # pictures gra/a.jpg …   the pictures its replay loads, in order (a hint)
//   new # 0 cbf29ce484222325  each command, with the lines shown before it and their chain
//
// A slot of version 1 (the first builds) has no check and is read all the same.
#include "replay/slot_file.h"

#include <charconv>
#include <cstring>
#include <ctime>
#include <iomanip>
#include <sstream>

#include "form/main_form.h"
#include "platform/player_file.h"
#include "replay/slot_check.h"

namespace hazama {
namespace {

constexpr std::string_view kHeader = "# hazama position ";
constexpr std::string_view kCheck = "# check ";
// The first builds' slots, without a check.
constexpr int kFirstSlotVersion = 1;
// What a field of the slot screen may hold; the line on screen is three lines at most.
constexpr std::size_t kLongestField = 4096;
// The thumbnail is a PNG of at most this many pixels a side.
constexpr std::uint32_t kLargestThumbnail = 1024;
constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string hex(std::uint64_t value) {
    std::ostringstream out;
    out << std::hex << std::setw(16) << std::setfill('0') << value;
    return out.str();
}

bool number_of(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

bool hex_of(std::string_view text, std::uint64_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return text.size() == 16 && error == std::errc() && end == text.data() + text.size();
}

// "57 9f3a0c…": a count of lines and their chain.
bool counts_of(std::string_view text, int& message, std::uint64_t& lines) {
    const auto space = text.find(' ');
    return space != std::string_view::npos && number_of(text.substr(0, space), message) &&
           hex_of(text.substr(space + 1), lines);
}

std::uint64_t check_of(std::string_view bytes) {
    std::uint64_t h = kNoLines;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

// The text on one line, cut (at a character's start) to what a field may hold.
std::string one_field(std::string_view text) {
    std::string out(text.substr(0, kLongestField));
    if (text.size() > kLongestField) {
        while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80)
            out.pop_back();
        if (!out.empty() && static_cast<unsigned char>(out.back()) >= 0xC0) out.pop_back();
    }
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

std::uint32_t big_endian(std::string_view bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = at; i < at + 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[i]);
    return v;
}

// A PNG whose header gives a size the slot screen can draw.
bool thumbnail_ok(std::string_view png) {
    constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    if (png.size() < 24 || png.substr(0, 16) != kSignature) return false;
    const std::uint32_t width = big_endian(png, 16);
    const std::uint32_t height = big_endian(png, 20);
    return width >= 1 && height >= 1 && width <= kLargestThumbnail && height <= kLargestThumbnail;
}

std::string local_time_now() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &parts);
    return text;
}

}  // namespace

std::string base64_encode(std::string_view bytes) {
    std::string out;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const auto n = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]) << 16 |
                                                  static_cast<unsigned char>(bytes[i + 1]) << 8 |
                                                  static_cast<unsigned char>(bytes[i + 2]));
        for (int shift = 18; shift >= 0; shift -= 6) out += kDigits[(n >> shift) & 63];
    }
    if (i < bytes.size()) {
        std::uint32_t n = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) n |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += kDigits[(n >> 18) & 63];
        out += kDigits[(n >> 12) & 63];
        out += i + 1 < bytes.size() ? kDigits[(n >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::optional<std::string> base64_decode(std::string_view text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += 4) {
        std::uint32_t n = 0;
        int pad = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = text[i + k];
            const char* at = c == '\0' ? nullptr : std::strchr(kDigits, c);
            if (c == '=' && k >= 2 && i + 4 == text.size()) {
                ++pad;
                n <<= 6;
                continue;
            }
            if (at == nullptr || pad > 0) return std::nullopt;
            n = n << 6 | static_cast<std::uint32_t>(at - kDigits);
        }
        out += static_cast<char>(n >> 16);
        if (pad < 2) out += static_cast<char>(n >> 8 & 0xFF);
        if (pad < 1) out += static_cast<char>(n & 0xFF);
    }
    return out;
}

std::string encode_slot(const Slot& slot) {
    const Position& p = slot.position;
    std::ostringstream out;
    out << "# saved " << one_field(slot.saved_at) << '\n'
        << "# place " << one_field(slot.place) << '\n'
        << "# line " << one_field(slot.line) << '\n'
        << (p.at_line ? "# at " : "# idle ") << p.message << ' ' << hex(p.lines) << '\n';
    if (!slot.thumbnail_png.empty())
        out << "# thumbnail " << base64_encode(slot.thumbnail_png) << '\n';
    if (!slot.pictures.empty()) {
        out << "# pictures";
        for (const std::string& name : slot.pictures) {
            if (listed_picture_ok(name) && name.find(' ') == std::string::npos) out << ' ' << name;
        }
        out << '\n';
    }
    for (const LoggedCommand& c : p.commands)
        out << c.text << " # " << c.messages_before << ' ' << hex(c.lines_before) << '\n';
    const std::string body = out.str();
    return std::string(kHeader) + std::to_string(kSlotVersion) + "\n" + std::string(kCheck) +
           hex(check_of(body)) + "\n" + body;
}

std::optional<Slot> decode_slot(std::string_view text, std::string& why) {
    const auto line_end = [&](std::size_t from) {
        const auto at = text.find('\n', from);
        return at == std::string_view::npos ? text.size() : at;
    };
    std::size_t at = line_end(0);
    const std::string_view header = text.substr(0, at);
    if (!header.starts_with(kHeader)) {
        why = "not a saved position";
        return std::nullopt;
    }
    int version = 0;
    if (!number_of(header.substr(kHeader.size()), version) ||
        (version != kSlotVersion && version != kFirstSlotVersion)) {
        why = "saved by another version of the game";
        return std::nullopt;
    }
    at = std::min(at + 1, text.size());
    if (version != kFirstSlotVersion) {
        const std::size_t end = line_end(at);
        const std::string_view check = text.substr(at, end - at);
        std::uint64_t expected = 0;
        at = std::min(end + 1, text.size());
        if (!check.starts_with(kCheck) || !hex_of(check.substr(kCheck.size()), expected) ||
            expected != check_of(text.substr(at))) {
            why = "the file is damaged (its check does not match)";
            return std::nullopt;
        }
    }
    Slot slot;
    bool counted = false;
    for (; at < text.size(); at = line_end(at) + 1) {
        const std::string_view line = text.substr(at, line_end(at) - at);
        if (line.empty()) continue;
        if (line.starts_with("# ")) {
            const auto space = line.find(' ', 2);
            const std::string_view name = line.substr(2, space - 2);
            const std::string_view value =
                space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
            if ((name == "saved" || name == "place" || name == "line") &&
                value.size() > kLongestField) {
                why = "a field is longer than any the game writes";
                return std::nullopt;
            }
            if (name == "saved") slot.saved_at = value;
            if (name == "place") slot.place = value;
            if (name == "line") slot.line = value;
            if (name == "at" || name == "idle") {
                slot.position.at_line = name == "at";
                counted = counts_of(value, slot.position.message, slot.position.lines);
                if (!counted) break;
            }
            if (name == "pictures") {
                std::istringstream names{std::string(value)};
                for (std::string picture; names >> picture;) {
                    if (!listed_picture_ok(picture)) {
                        why = "a picture it lists lies outside gra/";
                        return std::nullopt;
                    }
                    slot.pictures.push_back(picture);
                }
            }
            if (name == "thumbnail") {
                auto png = base64_decode(value);
                if (!png || !thumbnail_ok(*png)) {
                    why = "its picture is damaged";
                    return std::nullopt;
                }
                slot.thumbnail_png = std::move(*png);
            }
            continue;
        }
        // The counts come last: a music name may hold " # " itself.
        const auto hash = line.rfind(" # ");
        LoggedCommand command;
        if (hash == std::string_view::npos || hash == 0 ||
            !counts_of(line.substr(hash + 3), command.messages_before, command.lines_before)) {
            why = "a command is damaged: " + std::string(line.substr(0, 60));
            return std::nullopt;
        }
        command.text = line.substr(0, hash);
        slot.position.commands.push_back(std::move(command));
    }
    if (!counted) {
        why = "it does not say where play stood";
        return std::nullopt;
    }
    if (!position_ok(slot.position, why)) return std::nullopt;
    return slot;
}

Slot describe_slot(MainForm& form, const Position& position) {
    Slot slot;
    slot.position = position;
    slot.saved_at = local_time_now();
    slot.place = MainForm::place_name(form.position);
    slot.pictures = form.pictures_loaded();
    slot.line = one_line(form.message_line());
    // Idle, the screen shows no line: the last one shown tells the place in the story.
    const auto& history = form.reading().history().entries();
    for (auto it = history.rbegin(); slot.line.empty() && it != history.rend(); ++it) {
        if (!it->divider) slot.line = one_line(it->text);
    }
    return slot;
}

bool slot_name_ok(std::string_view name) {
    if (name.empty() || name.size() > 40) return false;
    for (char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!ok) return false;
    }
    return true;
}

std::filesystem::path slot_path(const std::filesystem::path& data_folder, std::string_view name) {
    return data_folder / "saves" / (std::string(name) + std::string(kSlotExtension));
}

void write_slot(const std::filesystem::path& path, const Slot& slot) {
    std::string why;
    if (!position_ok(slot.position, why))
        throw FileError(path.string(), "no play reaches this position: " + why, EINVAL);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    write_file_atomically(path, encode_slot(slot));
}

std::optional<Slot> read_slot(const std::filesystem::path& path, std::string& why) {
    try {
        return decode_slot(read_player_file(path, kLargestSlot), why);
    } catch (const FileError& failure) {
        why = failure.missing() ? "no such save" : "it cannot be read: " + failure.reason();
        return std::nullopt;
    }
}

}  // namespace hazama
