// The translations of the game's texts: a compiled gettext catalogue (.mo) read into memory,
// keyed by the Japanese text, and the language the player reads in.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace hazama {

enum class Language : std::uint8_t { ja, en };

// Marks a Japanese text kept in a table for the catalogue (po/hazama.pot); it is translated
// where it is shown.
constexpr const char* to_translate(const char* japanese) {
    return japanese;
}

// "ja" or "en"; nullopt for anything else.
std::optional<Language> language_named(std::string_view name);
const char* language_code(Language language);

// The language the desktop asks for: the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG
// that is set. English where it names English (en, en_GB.UTF-8, a LANGUAGE list that puts
// English first), Japanese for anything else, C and POSIX included.
Language desktop_language(const char* language, const char* lc_all, const char* lc_messages,
                          const char* lang);
Language desktop_language();

// The largest catalogue read: the game's own holds a few hundred texts in some 100 KB.
inline constexpr std::size_t kLargestCatalogue = std::size_t{16} << 20;

class Catalogue {
  public:
    // Reads a catalogue in msgfmt's format. False (and an empty catalogue) when the file is
    // missing, not a plain file, larger than kLargestCatalogue, too short or not a
    // catalogue; `error` then says why.
    bool load(const std::filesystem::path& file, std::string& error);
    // Reads one from bytes already in memory.
    bool parse(std::string_view bytes, std::string& error);

    // The translation of `japanese`, or nullptr when the catalogue has none.
    const std::string* find(std::string_view japanese) const;
    std::size_t size() const { return entries_.size(); }

  private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    std::unordered_map<std::string, std::string, Hash, std::equal_to<>> entries_;
};

// The catalogue of the language in force. Japanese is the key and needs none: in Japanese
// every text is itself.
class Translator {
  public:
    // `root` is the data folder, which holds locale/.
    explicit Translator(std::filesystem::path root) : root_(std::move(root)) {}

    Language language() const { return language_; }
    // The English catalogue is read the first time English is chosen, from
    // `root`/locale/en/LC_MESSAGES/hazama.mo. A missing or damaged one leaves every text in
    // Japanese; load_error() says why.
    void set_language(Language language);
    // Reads the English catalogue now, if it has not been read (for a look at the English
    // while the language stays Japanese).
    void load_english() const;
    const std::string& load_error() const { return load_error_; }
    const Catalogue& english() const { return english_; }

    // `japanese` in the language in force; a text the catalogue lacks stays Japanese.
    std::string text(std::string_view japanese) const { return text_in(language_, japanese); }
    std::string text_in(Language language, std::string_view japanese) const;

  private:
    std::filesystem::path root_;
    Language language_ = Language::ja;
    // Read when first needed, which may be from a const look-up.
    mutable bool english_read_ = false;
    mutable Catalogue english_;
    mutable std::string load_error_;
};

// Where the catalogue of `language` lies below the data folder.
std::filesystem::path catalogue_path(const std::filesystem::path& root, Language language);

}  // namespace hazama
