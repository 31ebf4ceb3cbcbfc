// Reading msgfmt's catalogue format and choosing the language.
#include "text/catalogue.h"

#include <cstring>

#include "platform/player_file.h"

namespace hazama {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kMagicSwapped = 0xde120495;

std::uint32_t swap_bytes(std::uint32_t v) {
    return (v >> 24) | ((v >> 8) & 0xff00) | ((v << 8) & 0xff0000) | (v << 24);
}

// One of the header's or the tables' 32-bit words, in the file's byte order.
class Words {
  public:
    Words(std::string_view bytes, bool swapped) : bytes_(bytes), swapped_(swapped) {}
    std::optional<std::uint32_t> at(std::uint64_t offset) const {
        if (offset + 4 > bytes_.size()) return std::nullopt;
        std::uint32_t v = 0;
        std::memcpy(&v, bytes_.data() + offset, 4);
        return swapped_ ? swap_bytes(v) : v;
    }
    // The string whose length and offset stand at `entry` of a table.
    std::optional<std::string_view> string_at(std::uint64_t entry) const {
        const auto length = at(entry);
        const auto offset = at(entry + 4);
        if (!length || !offset) return std::nullopt;
        if (std::uint64_t{*offset} + *length > bytes_.size()) return std::nullopt;
        return bytes_.substr(*offset, *length);
    }

  private:
    std::string_view bytes_;
    bool swapped_;
};

// The value of a locale variable up to its territory, codeset or modifier: "en" of
// "en_GB.UTF-8@euro"; for LANGUAGE, its first entry.
std::string_view language_part(std::string_view value) {
    value = value.substr(0, value.find(':'));
    return value.substr(0, value.find_first_of("_.@"));
}

}  // namespace

std::optional<Language> language_named(std::string_view name) {
    if (name == "ja") return Language::ja;
    if (name == "en") return Language::en;
    return std::nullopt;
}

const char* language_code(Language language) {
    return language == Language::en ? "en" : "ja";
}

Language desktop_language(const char* language, const char* lc_all, const char* lc_messages,
                          const char* lang) {
    auto set = [](const char* v) { return v != nullptr && *v != '\0'; };
    // LANGUAGE counts only where a locale is set at all, as gettext has it: under C or POSIX
    // it is ignored.
    const char* locale = set(lc_all) ? lc_all : set(lc_messages) ? lc_messages : lang;
    const bool plain_locale = !set(locale) || std::strcmp(locale, "C") == 0 ||
                              std::strcmp(locale, "POSIX") == 0 ||
                              std::strncmp(locale, "C.", 2) == 0;
    if (plain_locale) return Language::ja;
    const char* chosen = set(language) ? language : locale;
    return language_part(chosen) == "en" ? Language::en : Language::ja;
}

Language desktop_language() {
    return desktop_language(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                            std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

bool Catalogue::load(const std::filesystem::path& file, std::string& error) {
    entries_.clear();
    std::string bytes;
    try {
        bytes = read_player_file(file, kLargestCatalogue);
    } catch (const FileError& failure) {
        error = "cannot read " + file.string() + ": " + failure.reason();
        return false;
    }
    if (!parse(bytes, error)) {
        error = file.string() + ": " + error;
        return false;
    }
    return true;
}

bool Catalogue::parse(std::string_view bytes, std::string& error) {
    entries_.clear();
    std::uint32_t magic = 0;
    if (bytes.size() < 28) {
        error = "not a message catalogue (too short)";
        return false;
    }
    std::memcpy(&magic, bytes.data(), 4);
    if (magic != kMagic && magic != kMagicSwapped) {
        error = "not a message catalogue";
        return false;
    }
    const Words words(bytes, magic == kMagicSwapped);
    const std::uint32_t revision = *words.at(4);
    if ((revision >> 16) != 0) {
        error = "a catalogue of an unknown revision";
        return false;
    }
    const std::uint32_t count = *words.at(8);
    const std::uint32_t originals = *words.at(12);
    const std::uint32_t translations = *words.at(16);
    // Every entry checked before any is kept. Texts that share their bytes would each be
    // copied: a catalogue whose texts are longer together than the file is refused, so what
    // it takes in memory stays within a few times its size.
    std::uint64_t texts = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto original = words.string_at(originals + std::uint64_t{i} * 8);
        const auto translation = words.string_at(translations + std::uint64_t{i} * 8);
        if (!original || !translation) {
            error = "a damaged catalogue (entry " + std::to_string(i) + " lies outside it)";
            return false;
        }
        texts += original->size() + translation->size();
        if (texts > bytes.size()) {
            error = "a damaged catalogue (its texts overlap)";
            return false;
        }
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto original = words.string_at(originals + std::uint64_t{i} * 8);
        const auto translation = words.string_at(translations + std::uint64_t{i} * 8);
        // The header (empty key) and entries with contexts or plurals are no texts of ours.
        if (original->empty() || original->find('\0') != std::string_view::npos ||
            original->find('\x04') != std::string_view::npos)
            continue;
        entries_.emplace(std::string(*original), std::string(*translation));
    }
    return true;
}

const std::string* Catalogue::find(std::string_view japanese) const {
    const auto it = entries_.find(japanese);
    return it == entries_.end() ? nullptr : &it->second;
}

std::filesystem::path catalogue_path(const std::filesystem::path& root, Language language) {
    return root / "locale" / language_code(language) / "LC_MESSAGES" / "hazama.mo";
}

void Translator::set_language(Language language) {
    language_ = language;
    if (language == Language::en) load_english();
}

void Translator::load_english() const {
    if (english_read_) return;
    english_read_ = true;
    english_.load(catalogue_path(root_, Language::en), load_error_);
}

std::string Translator::text_in(Language language, std::string_view japanese) const {
    if (language == Language::en) {
        load_english();
        if (const std::string* english = english_.find(japanese)) return *english;
    }
    return std::string(japanese);
}

}  // namespace hazama
