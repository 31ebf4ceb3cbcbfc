// The session's face in the browser (web_face.h).
#include "web/web_face.h"

#include <cstdlib>

#include "graphics/plane.h"
#include "replay/slot_file.h"
#include "shell/continue_hint.h"
#include "shell/settings.h"
#include "shell/slot_pages.h"
#include "shell/stage_layout.h"
#include "web/json_text.h"
#include "web/page_bridge.h"
#include "web/page_words.h"
#include "web/web_platform.h"

namespace hazama {
namespace {

// The page's texts the face translates: the buttons' captions, the marks and the title's hint.
void write_words(JsonWriter& json, const WebFace& face) {
    json.key("buttons").open('{');
    for (const ButtonPlace& b : kButtonPlaces) {
        json.key(std::to_string(static_cast<int>(b.control))).text(face.words(b.caption));
    }
    json.close();
    json.key("auto").text(face.words(kAutoMark));
    json.key("skip").text(face.words(kSkipMark));
    json.key("hint").text(face.words(kContinueHint));
}

std::string slots_json(const SlotPages& pages, const WebFace& face) {
    const bool saving = pages.mode() == SlotPages::Mode::save;
    JsonWriter json;
    json.open('{');
    json.key("title").text(face.words(saving ? SlotPages::kSaveTitle : SlotPages::kLoadTitle));
    json.key("heading").text(
        face.words(saving ? SlotPages::kSaveHeading : SlotPages::kLoadHeading));
    json.key("close").text(face.words(SlotPages::kClose));
    json.key("deleteWord").text(face.words(SlotPages::kDelete));
    json.key("deleting").boolean(pages.deleting());
    json.key("page").number(pages.page());
    json.key("current").number(pages.current());
    json.key("tabs").open('[');
    for (int p = pages.first_page(); p <= SlotPages::kPages; ++p) {
        json.open('{').key("page").number(p).key("caption").text(pages.tab_caption(p)).close();
    }
    json.close();
    json.key("cards").open('[');
    for (int i = 0; i < pages.shown(); ++i) {
        const SlotCardView& card = pages.cards()[static_cast<std::size_t>(i)];
        const char* state = card.state == SlotCardView::State::used      ? "used"
                            : card.state == SlotCardView::State::damaged ? "damaged"
                                                                         : "empty";
        json.open('{');
        json.key("state").text(state);
        json.key("title").text(card.title);
        json.key("savedAt").text(card.saved_at);
        json.key("place").text(card.place);
        json.key("line").text(card.line);
        json.key("why").text(card.why);
        json.key("spoken").text(card.spoken);
        json.key("picture").text(card.thumbnail_png.empty() ? std::string()
                                                            : base64_encode(card.thumbnail_png));
        json.close();
    }
    json.close();
    json.close();
    return json.str();
}

// One choice of the settings screen: its setting's name, its label, and either its values
// with their words or a check box.
struct Choice {
    const char* name;
    const char* label;
    bool check = false;
};

std::string settings_json(const Settings& current, bool title_offered, const WebFace& face) {
    using W = SettingsWords;
    const SettingValues values = current.values();
    const auto value = [&values](const char* name) {
        const auto found = values.find(name);
        return found != values.end() ? found->second : std::string();
    };
    JsonWriter json;
    json.open('{');
    json.key("title").text(face.words(W::kTitle));
    json.key("help").text(face.words(W::kHelp));
    json.key("close").text(face.words(W::kClose));
    // Empty: no way back to the title from here (no game is on).
    json.key("back_to_title").text(title_offered ? face.words(W::kBackToTitle) : std::string());
    json.key("fields").open('[');
    const auto field = [&](const char* name, const char* label, auto&& options) {
        json.open('{').key("name").text(name).key("label").text(face.words(label));
        json.key("value").text(value(name));
        json.key("options").open('[');
        options();
        json.close().close();
    };
    const auto option = [&](const std::string& v, const std::string& caption) {
        json.open('{').key("value").text(v).key("caption").text(caption).close();
    };
    field("text_speed", W::kTextSpeedLabel, [&] {
        const char* names[] = {"instant", "slow", "normal", "fast"};
        for (std::size_t i = 0; i < W::kTextSpeeds.size(); ++i)
            option(names[i], face.words(W::kTextSpeeds[i]));
    });
    field("auto_speed", W::kAutoSpeedLabel, [&] {
        const char* names[] = {"slow", "normal", "fast"};
        for (std::size_t i = 0; i < W::kAutoSpeeds.size(); ++i)
            option(names[i], face.words(W::kAutoSpeeds[i]));
    });
    field("skip_mode", W::kSkipLabel, [&] {
        const char* names[] = {"read", "all"};
        for (std::size_t i = 0; i < W::kSkipModes.size(); ++i)
            option(names[i], face.words(W::kSkipModes[i]));
    });
    field("volume", W::kVolumeLabel, [&] {
        for (const int step : kVolumeSteps)
            option(std::to_string(step), face.words(volume_caption(step).c_str()));
    });
    field("language", W::kLanguageLabel, [&] {
        option("ja", W::kLanguages[0]);
        option("en", W::kLanguages[1]);
    });
    const Choice checks[] = {{"fullscreen", W::kFullscreen, true},
                             {"copy_lines", W::kCopyLines, true},
                             {"history_both", W::kHistoryBoth, true}};
    for (const Choice& c : checks) field(c.name, c.label, [] {});
    json.close();
    json.close();
    return json.str();
}

}  // namespace

std::string WebFace::words(const char* japanese) const {
    return translate_ ? translate_(japanese) : std::string(japanese);
}

bool WebFace::fullscreen() const {
    return page::fullscreen();
}

void WebFace::set_fullscreen(bool on) {
    page::set_fullscreen(on);
}

void WebFace::set_language(Language language) {
    JsonWriter json;
    json.open('{');
    write_words(json, *this);
    json.key("page");
    write_page_words(json, language == Language::en,
                     [this](const char* japanese) { return words(japanese); });
    json.close();
    page::set_words(json.str());
}

void WebFace::notice(const std::string& text) {
    page::toast(text);
}

void WebFace::warn(const std::string& text, const std::string& detail) {
    platform_.message_box(text, detail);
}

bool WebFace::ask(const std::string& question, bool yes_first) {
    if (platform_.closing()) return false;
    page::open_question(question, yes_first);
    const auto answer = platform_.run_dialog("question");
    return answer && answer->kind == "yes";
}

// The screen is the page's; each of its answers is the pages' to carry out, and the page is
// drawn again after it, until a slot is picked to load or the screen is closed.
void WebFace::show_slots(SlotPages& pages) {
    for (;;) {
        if (platform_.closing()) return;
        page::show_slots(slots_json(pages, *this));
        const auto answer = platform_.run_dialog("slots");
        if (!answer || answer->kind != "slot") break;
        const WebAction what = parse_action(answer->argument);
        const int number = std::atoi(what.argument.c_str());
        if (what.kind == "pick") {
            if (number < 0 || number >= pages.shown()) continue;
            pages.set_current(number);
            if (pages.deleting()) {
                const std::filesystem::path path =
                    pages.cards()[static_cast<std::size_t>(number)].path;
                pages.remove(number);
                // Taken out of the lasting storage too, or it would come back next time.
                if (!path.empty()) page::sync_storage(path.string());
                pages.set_deleting(false);
            } else if (pages.choose(number)) {
                break;
            }
            // Another tab may have written a slot while a warning or a question was open over
            // the screen: the cards as the folder holds them now.
            pages.show_page(pages.page());
        } else if (what.kind == "page") {
            pages.show_page(number);
        } else if (what.kind == "delete") {
            pages.set_deleting(!pages.deleting());
        } else if (what.kind == "refresh") {
            // Another tab of the game wrote a slot: the cards as the folder now holds them.
            pages.show_page(pages.page());
        } else {
            break;  // closed
        }
    }
    page::close_dialogs();
}

bool WebFace::show_settings(const Settings& current,
                            const std::function<void(const Settings&)>& choose,
                            bool title_offered) {
    Settings now = current;
    bool to_title = false;
    for (;;) {
        if (platform_.closing()) return false;
        page::show_settings(settings_json(now, title_offered, *this));
        const auto answer = platform_.run_dialog("settings");
        if (!answer || answer->kind != "setting") break;
        const WebAction what = parse_action(answer->argument);
        if (what.kind == "close") break;
        if (what.kind == "title") {
            to_title = title_offered;
            break;
        }
        // The shell's checks decide: a value it does not take keeps that setting's default.
        SettingValues values = now.values();
        values[what.kind] = what.argument;
        now = Settings::from_values(values);
        choose(now);
    }
    page::close_dialogs();
    return to_title;
}

std::string WebFace::thumbnail_png(const Plane& screen) {
    if (screen.empty()) return {};
    // The automatic slot is made ready at every line: the scene seldom changes between two.
    std::uint64_t digest = 14695981039346656037ULL;  // FNV-1a
    const auto mix = [&digest](std::uint32_t v) { digest = (digest ^ v) * 1099511628211ULL; };
    mix(static_cast<std::uint32_t>(screen.width));
    mix(static_cast<std::uint32_t>(screen.height));
    for (const std::uint32_t p : screen.pixels) mix(p);
    if (!thumbnail_.empty() && digest == thumbnail_digest_) return thumbnail_;
    std::vector<std::uint8_t> rgba(screen.pixels.size() * 4);
    std::uint8_t* o = rgba.data();
    for (const std::uint32_t p : screen.pixels) {
        o[0] = static_cast<std::uint8_t>(p >> 16);
        o[1] = static_cast<std::uint8_t>(p >> 8);
        o[2] = static_cast<std::uint8_t>(p);
        o[3] = 0xFF;
        o += 4;
    }
    thumbnail_ = page::thumbnail_png(rgba.data(), screen.width, screen.height);
    thumbnail_digest_ = digest;
    return thumbnail_;
}

void WebFace::run_script(const std::function<void()>& script) {
    platform_.run_script(script);
}

}  // namespace hazama
