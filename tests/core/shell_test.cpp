// The session's rules that both faces share: the settings file, what each key, button and
// wheel turn does, the menu's state, the slot screen's pages and the English line layout.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/form_fixture.h"
#include "replay/slot_file.h"
#include "shell/english_layout.h"
#include "shell/input.h"
#include "shell/menu.h"
#include "shell/settings.h"
#include "shell/slot_pages.h"

namespace hazama {
namespace {

using testing::ScratchFolder;

TEST(SessionSettings, TheFileReadsAsEarlierBuildsWroteItAndRefusesWhatIsNoFile) {
    const Settings all{.fullscreen = true,
                       .volume = 25,
                       .auto_advance = true,
                       .auto_speed = AutoSpeed::fast,
                       .skip_read = true,
                       .skip_mode = SkipMode::all,
                       .text_speed = TextSpeed::slow,
                       .window_size = 150,
                       .copy_lines = true,
                       .language = Language::en,
                       .history_both = true};
    EXPECT_EQ(Settings::from_text(all.to_text()), all);
    // As Qt's ini writer kept it: keys in any order, quotes, other sections and stray lines.
    EXPECT_EQ(Settings::from_text("[General]\nvolume = 50\nlanguage=\"en\"\r\n[Other]\n"
                                  "fullscreen=true\n"),
              (Settings{.volume = 50, .language = Language::en}));
    EXPECT_EQ(Settings::from_text("volume=60\nwindow_size=175\ntext_speed=warp\n"), Settings{});

    ScratchFolder folder("settings");
    const auto file = folder.path() / "deep" / "settings.ini";
    ASSERT_TRUE(all.save(file));
    EXPECT_EQ(Settings::load(file), all);
    // A FIFO or a folder in its place gives the defaults at once, never a wait.
    const auto fifo = folder.path() / "fifo.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Settings::load(fifo), Settings{});
    EXPECT_EQ(Settings::load(folder.path()), Settings{});
    EXPECT_FALSE(all.save(folder.path()));
    folder.write("huge.ini", "[General]\nvolume=50\n" + std::string(100000, '#'));
    EXPECT_EQ(Settings::load(folder.path() / "huge.ini"), Settings{});
}

TEST(SessionInput, EachKeyDoesWhatTheGamePromises) {
    const InputContext playing;
    const auto press = [](Key key, char32_t text = 0) {
        return KeyInput{.key = key, .text = text};
    };
    // The story keeps Space, Enter and every key that types: they release the line.
    EXPECT_EQ(decide_key(press(Key::space, U' '), playing), Do::release);
    EXPECT_EQ(release_code(press(Key::enter, U'\r')), 13);
    EXPECT_EQ(decide_key(press(Key::other, U'a'), playing), Do::release);
    EXPECT_EQ(decide_key({.key = Key::other, .press = false, .text = U'a'}, playing), Do::swallow);
    EXPECT_EQ(decide_key(press(Key::tab, U'\t'), playing), Do::pass);
    EXPECT_EQ(decide_key(press(Key::other), playing), Do::pass);
    // The keys the story leaves free.
    EXPECT_EQ(decide_key({.key = Key::enter, .alt = true, .text = U'\r'}, playing), Do::fullscreen);
    EXPECT_EQ(decide_key({.key = Key::c, .ctrl = true, .text = U'\3'}, playing), Do::copy_line);
    EXPECT_EQ(decide_key({.key = Key::z, .auto_repeat = true, .ctrl = true}, playing), Do::chord);
    EXPECT_EQ(decide_key(press(Key::control), playing), Do::ctrl_down);
    EXPECT_EQ(decide_key({.key = Key::shift, .press = false}, playing), Do::peek_off);
    EXPECT_EQ(decide_key(press(Key::f10), playing), Do::pass);
    EXPECT_EQ(decide_key({.key = Key::f10, .shift = true}, playing), Do::open_menu);
    EXPECT_EQ(decide_key(press(Key::menu), {.history_allowed = false}), Do::swallow);
    EXPECT_EQ(decide_key(press(Key::page_up), playing), Do::open_history);
    // Over the open history the keys move and close it; Enter goes back only to a chosen line.
    const InputContext history{.history_open = true};
    EXPECT_EQ(decide_key(press(Key::page_up), history), Do::history_page_up);
    EXPECT_EQ(decide_key(press(Key::enter, U'\r'), history), Do::history_close);
    EXPECT_EQ(decide_key(press(Key::enter, U'\r'), {.history_open = true, .history_chosen = true}),
              Do::history_go);
    EXPECT_EQ(decide_key(press(Key::escape, U'\x1b'), history), Do::history_escape);
    // With the text hidden any key but a modifier only shows it again.
    EXPECT_EQ(decide_key(press(Key::f5), {.text_hidden = true}), Do::show_text);
    EXPECT_EQ(decide_key(press(Key::control), {.text_hidden = true}), Do::ctrl_down);
}

TEST(SessionInput, ButtonsAndTheWheel) {
    const InputContext playing;
    EXPECT_EQ(decide_button(Button::right, Press::down, playing), Do::open_menu);
    EXPECT_EQ(decide_button(Button::right, Press::down, {.history_allowed = false}), Do::swallow);
    EXPECT_EQ(decide_button(Button::middle, Press::down, playing), Do::hide_text);
    EXPECT_EQ(decide_button(Button::left, Press::up, playing), Do::pass);
    EXPECT_EQ(decide_button(Button::left, Press::down, {.text_hidden = true}), Do::show_text);
    EXPECT_EQ(decide_button(Button::left, Press::down, {.history_open = true}),
              Do::history_pointer);

    Wheel wheel;
    EXPECT_EQ(wheel.turn(Wheel::kNotch, 0, playing), Wheel::Turn::open_history);
    EXPECT_EQ(wheel.turn(-Wheel::kNotch, 0, playing), Wheel::Turn::none);
    EXPECT_EQ(wheel.turn(-Wheel::kNotch, 0, {.history_open = true}), Wheel::Turn::scroll_down);
    // A tilt to the left goes a line back once a whole notch has gathered.
    EXPECT_EQ(wheel.turn(0, Wheel::kNotch / 2, playing), Wheel::Turn::none);
    EXPECT_EQ(wheel.turn(0, Wheel::kNotch / 2, playing), Wheel::Turn::go_back);
    EXPECT_EQ(wheel.turn(0, Wheel::kNotch / 2, playing), Wheel::Turn::none);
    EXPECT_EQ(wheel.turn(0, -1, playing), Wheel::Turn::none);  // to the right: starts again
    EXPECT_EQ(wheel.turn(0, Wheel::kNotch / 2, playing), Wheel::Turn::none);
}

TEST(SessionMenu, EntriesShowAndGreyAsThePlayStands) {
    const MenuState title{.at_title = true};
    const MenuState playing{.history_allowed = false, .has_line = true, .volume = 50};
    EXPECT_EQ(menu_entries().front().item, MenuItem::continue_game);
    EXPECT_TRUE(title.shown(MenuItem::continue_game));
    EXPECT_FALSE(playing.shown(MenuItem::continue_game));
    EXPECT_FALSE(title.enabled(MenuItem::save));
    EXPECT_FALSE(title.enabled(MenuItem::copy_line));
    EXPECT_TRUE(playing.enabled(MenuItem::copy_line));
    EXPECT_FALSE(playing.enabled(MenuItem::history));
    EXPECT_EQ(playing.chosen(MenuItem::volume), 50);
    EXPECT_EQ(menu_choices(MenuItem::volume).size(), kVolumeSteps.size());
    EXPECT_TRUE(menu_choices(MenuItem::history).empty());
}

TEST(SessionSlotPages, MovingChoosingAndDeletingAsThePlayerExpects) {
    ScratchFolder data("slotpages");
    const Translator japanese(data.path());
    Slot slot;
    slot.position.commands.push_back({"new", 0, 0});
    write_slot(slot_path(data.path(), "slot01"), slot);
    data.write("saves/slot08.hzs", "not a slot");
    std::vector<std::string> asked, saved;
    bool answer = false;
    SlotPages pages(SlotPages::Mode::save, data.path(), japanese,
                    {.save = [&](const std::string& name) { return saved.push_back(name), true; },
                     .loadable = [](const std::filesystem::path&) { return true; },
                     .ask = [&](const std::string& q, bool) { return asked.push_back(q), answer; },
                     .warn = [](const std::string&, const std::string&) {}},
                    0);
    EXPECT_EQ(pages.page(), 1) << "the save screen has no page of kept slots";
    EXPECT_EQ(pages.cards()[0].state, SlotCardView::State::used);
    EXPECT_EQ(pages.cards()[1].spoken, "No.2: 空き");
    // Writing over a used slot asks first; "no" writes nothing.
    pages.choose(0);
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_TRUE(saved.empty());
    pages.choose(1);
    EXPECT_EQ(saved, std::vector<std::string>{"slot02"});
    // Past the right column, the next page at the same row.
    pages.set_current(3);
    pages.move_by(1, 0);
    EXPECT_EQ(pages.page(), 2);
    EXPECT_EQ(pages.current(), 2);
    EXPECT_EQ(pages.cards()[1].state, SlotCardView::State::damaged);
    // Deleting asks, and "yes" empties it.
    answer = true;
    pages.set_deleting(true);
    pages.choose(1);
    EXPECT_FALSE(pages.deleting());
    EXPECT_EQ(pages.cards()[1].state, SlotCardView::State::empty);

    SlotPages load(SlotPages::Mode::load, data.path(), japanese, {}, 0);
    EXPECT_EQ(load.shown(), 2);
    load.set_deleting(true);
    EXPECT_FALSE(load.deleting()) << "the kept slots are never deleted from here";
    EXPECT_FALSE(load.choose(0)) << "an empty slot loads nothing";
}

TEST(SessionEnglishLayout, SpeechHangsAfterTheNameAndLongWordsAreCut) {
    const MeasureText ten_each = [](std::u16string_view s) {
        return static_cast<int>(s.size()) * 10;
    };
    EXPECT_EQ(speaker_prefix(u"Shibuki: “Hello.”"), 9u);
    EXPECT_EQ(speaker_prefix(u"Her mother: “Up.”"), 12u);
    EXPECT_EQ(speaker_prefix(u"One two three four: “x”"), 0u);
    EXPECT_EQ(speaker_prefix(u"It was cold: “nothing” was all."), 0u);
    const WrappedLines speech = wrap_english(u"Boy: “one two three”", ten_each, 150);
    EXPECT_EQ(speech.indent, 50);
    EXPECT_EQ(speech.lines, (std::vector<std::u16string>{u"Boy: “one two", u"three”"}));
    EXPECT_EQ(speech.starts, (std::vector<std::size_t>{0, 14}));
    const WrappedLines cut = wrap_english(u"abcdefghij", ten_each, 40);
    EXPECT_EQ(cut.lines, (std::vector<std::u16string>{u"abcd", u"efgh", u"ij"}));
}

}  // namespace
}  // namespace hazama

namespace hazama {
namespace {

TEST(SessionInput, ForwardAgainTakesCtrlYAndTheWheelDownOnlyWithALineAhead) {
    const InputContext ahead{.ahead = true};
    EXPECT_EQ(decide_key({.key = Key::y, .ctrl = true, .text = U'\x19'}, ahead), Do::go_forward);
    EXPECT_EQ(decide_key({.key = Key::y, .ctrl = true, .text = U'\x19'}, {}), Do::go_forward);
    EXPECT_EQ(decide_key({.key = Key::y, .text = U'y'}, ahead), Do::release);
    Wheel wheel;
    EXPECT_EQ(wheel.turn(-Wheel::kNotch, 0, ahead), Wheel::Turn::go_forward);
    EXPECT_EQ(wheel.turn(-Wheel::kNotch, 0, {}), Wheel::Turn::none);
    EXPECT_EQ(wheel.turn(-Wheel::kNotch, 0, {.history_open = true, .ahead = true}),
              Wheel::Turn::scroll_down);
}

}  // namespace
}  // namespace hazama
