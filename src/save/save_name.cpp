// The music name as a save file holds it: narrowing and the single-byte code page.
#include "save/save_name.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace hazama {
namespace {

// The Japanese code page the save files were always written in.
constexpr const char* kCodePage = "CP932";

// One whole-string conversion; nothing when the input holds a sequence the target cannot
// hold.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("no text converter from ") + from + " to " + to);
    }
    // Four output bytes for every input byte cover each conversion made here.
    std::string out(in.size() * 4 + 4, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char* dst = out.data();
    std::size_t dst_left = out.size();
    std::size_t result = iconv(cd, &src, &src_left, &dst, &dst_left);
    if (result == 0) result = iconv(cd, nullptr, nullptr, &dst, &dst_left);
    iconv_close(cd);
    if (result != 0) return std::nullopt;
    out.resize(out.size() - dst_left);
    return out;
}

// A byte that is a whole character of the code page: ASCII or half-width katakana.
bool single_byte_character(unsigned char b) {
    return b < 0x80 || (b >= 0xA1 && b <= 0xDF);
}

}  // namespace

std::optional<std::string> name_to_bytes(std::string_view utf8) {
    auto wide_bytes = convert("WCHAR_T", "UTF-8", utf8);
    if (!wide_bytes) return std::nullopt;
    std::wstring wide(wide_bytes->size() / sizeof(wchar_t), L'\0');
    wide_bytes->copy(reinterpret_cast<char*>(wide.data()), wide.size() * sizeof(wchar_t));
    for (wchar_t& c : wide) {
        if (c >= 0xFF01 && c <= 0xFF5E) c = static_cast<wchar_t>(c - 0xFF01 + 0x21);
        if (c == 0x3000) c = L' ';
    }
    const std::string_view narrowed(reinterpret_cast<const char*>(wide.data()),
                                    wide.size() * sizeof(wchar_t));
    auto bytes = convert(kCodePage, "WCHAR_T", narrowed);
    if (!bytes) return std::nullopt;
    for (unsigned char b : *bytes) {
        if (!single_byte_character(b)) return std::nullopt;
    }
    // The code page maps some characters onto others (¥ becomes 0x5C, the backslash):
    // only a name that reads back as written is saved.
    if (convert("WCHAR_T", kCodePage, *bytes) != std::string(narrowed)) return std::nullopt;
    return bytes;
}

std::optional<std::string> name_from_bytes(std::string_view bytes) {
    for (unsigned char b : bytes) {
        if (!single_byte_character(b)) return std::nullopt;
    }
    return convert("UTF-8", kCodePage, bytes);
}

}  // namespace hazama
