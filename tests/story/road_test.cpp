// The road before the boy's house: its seven story events, the plain arrivals, talk and look.
#include "scene_shorthand.h"

namespace hazama::testing {
namespace {

// Named steps of the expectation tables, each standing for the trace lines it produces.
const NamedSteps kShorthand = {
    {"heroine layered", {"picture 2 gra/c03_s-bc.jpg", "mask 3", "lay 256 64"}},
    {"hasumi layered", {"picture 2 gra/c02_hasu.jpg", "mask 2", "lay 256 64"}},
    {"boy layered", {"picture 2 gra/c04_syon.jpg", "mask 4", "lay 256 64"}},
    {"day house", {"picture 1 gra/h04_s-ie.jpg"}},
    {"dusk house", {"picture 1 gra/h04_siee.jpg"}},
    {"lit window", {"picture 2 gra/o01_kagg.jpg", "copy 1 369 186 60 43 2 0 0"}},
    {"shadow kage", {"picture 2 gra/o01_kage.jpg", "copy 1 369 186 60 43 2 0 0"}},
    {"shadow kagf", {"picture 2 gra/o01_kagf.jpg", "copy 1 369 186 60 43 2 0 0"}},
    {"he vanishes", {"picture 2 gra/o03_xx.jpg", "copy 1 0 0 260 384 2 0 0"}},
};

// The tables below always spell out with the named steps above.
Lines expand(const Lines& steps) {
    return hazama::testing::expand(steps, kShorthand);
}

// The boy's bare 「…」 lines are told from narration; the state line is checked apart.
constexpr Shaping kRoadShape = {.voice = true, .state = false};

// Starts one game, then for each step sets the state and gives the command; returns the
// trace of each command (the state line it ends with included).
std::vector<Played> run_steps(const std::vector<std::pair<std::string, std::string>>& steps) {
    std::string script = "new\n";
    for (const auto& [state, what] : steps) script += "set " + state + "\n" + what + "\n";
    std::vector<Played> out = replies(script);
    EXPECT_EQ(out.size(), steps.size());
    out.resize(steps.size());
    return out;
}

// What keeps `text` (a traced message) from fitting the 513-pixel message line in one
// piece, or "": more than three lines, a line wider than 25 full-width columns, or a
// continuation line not set just under the opening bracket.
std::string misfit(const std::string& text) {
    Lines lines;
    for (std::size_t from = 0;;) {
        const auto at = text.find("\\n", from);
        lines.push_back(text.substr(from, at - from));
        if (at == std::string::npos) break;
        from = at + 2;
    }
    if (lines.size() > 3) return "more than three lines";
    const auto bracket = lines[0].find("「");
    const bool spoken = bracket != std::string::npos && bracket <= 4 * 3 &&
                        lines[0].substr(0, bracket).find("、") == std::string::npos;
    std::string indent;
    for (std::size_t k = 0; spoken && k <= bracket / 3; ++k) indent += "　";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int half_columns = 0;
        for (unsigned char c : lines[i]) {
            if (c < 0x80) half_columns += 1;
            if (c >= 0xC0) half_columns += 2;  // the lead byte of a wide character
        }
        if (half_columns > 50) return "line " + std::to_string(i + 1) + " too wide";
        const std::string rest = lines[i].substr(std::min(indent.size(), lines[i].size()));
        if (i > 0 && (lines[i].rfind(indent, 0) != 0 || rest.rfind("　", 0) == 0))
            return "line " + std::to_string(i + 1) + " not under the bracket";
    }
    return "";
}

struct Scene {
    const char* name;
    const char* state;    // set before the command
    const char* command;  // "move 0" from the classroom arrives here
    Lines expected;
    const char* after;
};

TEST(Road, EachStoryEventPlaysItsSceneAndMovesTheStoryOnInLinesThatFit) {
    const std::vector<Scene> scenes = {
        {"first sight of the house", "game=2 position=5 light=0 music=water2", "move 0",
         expand({"day house", "fade 1000 0", "narration 1", "music mind", "heroine layered",
                 "fade 3000 0", "face k01_sib3", "飛沫 1", "飛沫 1", "face 0", "narration 1",
                 "narration 1", "day house", "fade 3000 0", "music up_mode2", "face k01_sib0",
                 "飛沫 1", "face 0", "face 0"}),
         "state game=3 position=3 light=0 f00=0 x00=0 music=up_mode2"},
        {"蓮美 and the rumour", "game=4 position=5 light=0 music=water2", "move 0",
         expand({"day house",      "fade 1000 0",    "heroine layered", "fade 1000 0",
                 "face k01_sib2",  "飛沫 1",         "face 0",          "day house",
                 "fade 1000 0",    "music up_mode2", "pause 1000",      "蓮美 1",
                 "hasumi layered", "fade 1000 0",    "face k01_sib3",   "飛沫 1",
                 "face 0",         "蓮美 1",         "蓮美 1",          "face k01_sib0",
                 "飛沫 1",         "day house",      "fade 1000 0",     "face k02_has0",
                 "蓮美 1",         "face 0",         "narration 1",     "face k02_has0",
                 "蓮美 1",         "face k01_sib3",  "飛沫 1",          "music 0",
                 "face k02_has0",  "蓮美 1",         "蓮美 1",          "face k01_sib3",
                 "飛沫 1",         "飛沫 1",         "飛沫 1",          "face 0",
                 "shadow kage",    "fade 1000 0",    "day house",       "fade 1000 0",
                 "face k01_sib3",  "飛沫 1",         "face k02_has0",   "蓮美 1",
                 "face k01_sib3",  "飛沫 1",         "face k02_has0",   "蓮美 1",
                 "music up_mode2", "hasumi layered", "fade 1000 0",     "face 0",
                 "蓮美 2",         "face k01_sib3",  "飛沫 2",          "飛沫 1",
                 "飛沫 1",         "face 0",         "蓮美 2",          "蓮美 1",
                 "face k01_sib3",  "飛沫 1",         "face 0",          "蓮美 1",
                 "蓮美 2",         "face k01_sib3",  "飛沫 2",          "face 0",
                 "蓮美 1",         "蓮美 2",         "face k01_sib0",   "飛沫 1",
                 "day house",      "fade 1000 0",    "飛沫 1",          "face k01_sib2",
                 "飛沫 1",         "飛沫 2",         "飛沫 2",          "music mind",
                 "shadow kagf",    "fade 3000 0",    "day house",       "fade 3000 0",
                 "face k01_sib3",  "飛沫 1",         "face 0",          "face 0"}),
         "state game=5 position=3 light=0 f00=0 x00=0 music=mind"},
        {"thinking of his future", "game=8 position=5 light=1 music=mind2", "move 0",
         expand({"dusk house", "lit window", "fade 1000 0", "face k01_sib2", "飛沫 1", "飛沫 2",
                 "face 0", "face 0"}),
         "state game=9 position=3 light=1 f00=0 x00=0 music=mind2"},
        // Reached in the story at dusk, but the scene shows dusk whatever the variant says.
        {"蓮美 back from her club", "game=25 position=5 light=0 music=water2", "move 0",
         expand({"day house",     "fade 1000 0",  "dusk house",     "fade 1000 0",
                 "face k01_sib3", "飛沫 1",       "飛沫 1",         "music up_mode2",
                 "face k02_has0", "蓮美 1",       "hasumi layered", "fade 1000 0",
                 "face k01_sib3", "飛沫 2",       "飛沫 1",         "face 0",
                 "蓮美 2",        "music sukima", "蓮美 2",         "face k01_sib0",
                 "飛沫 1",        "飛沫 1",       "face 0",         "蓮美 1",
                 "face k01_sib0", "飛沫 1",       "face 0",         "蓮美 1",
                 "dusk house",    "lit window",   "fade 1000 0",    "face 0"}),
         "state game=26 position=3 light=0 f00=0 x00=0 music=sukima"},
        {"the door that will not open", "game=41 position=5 light=0 music=water2", "move 0",
         expand({"day house",      "fade 1000 0",   "face k02_has0", "蓮美 1",        "face 0",
                 "hasumi layered", "fade 1000 0",   "蓮美 1",        "蓮美 2",        "蓮美 1",
                 "蓮美 1",         "face k01_sib3", "飛沫 1",        "face k01_sib2", "飛沫 1",
                 "飛沫 1",         "face 0",        "蓮美 1",        "music Bgm-2",   "蓮美 1",
                 "蓮美 2",         "face k01_sib3", "飛沫 1",        "face k01_sib2", "飛沫 1",
                 "face 0",         "蓮美 2",        "face k01_sib2", "飛沫 1",        "face 0",
                 "蓮美 1",         "蓮美 1",        "day house",     "fade 1000 0",   "narration 1",
                 "face k01_sib2",  "飛沫 1",        "face 0",        "narration 1",   "face 0"}),
         "state game=42 position=3 light=0 f00=0 x00=0 music=Bgm-2"},
        // After the farewell the road arrives once more by itself: a second fade and two coms.
        {"the last farewell", "game=47 position=5 light=1 music=water2", "move 0",
         expand({"dusk house",
                 "fade 1000 0",
                 "narration 1",
                 "music mind+mif",
                 "voice 1",
                 "voice 1",
                 "voice 1",
                 "voice 1",
                 "narration 1",
                 "picture 1 gra/i15_x.jpg",
                 "fade 100 0",
                 "narration 1",
                 "narration 1",
                 "narration 2",
                 "voice 1",
                 "飛沫 1",
                 "voice 2",
                 "voice 1",
                 "voice 2",
                 "voice 2",
                 "narration 1",
                 "voice 1",
                 "fade 100 1",
                 "music 0",
                 "narration 1",
                 "narration 1",
                 "picture 1 gra/i15_x.jpg",
                 "he vanishes",
                 "fade 100 0",
                 "narration 2",
                 "narration 1",
                 "narration 1",
                 "picture 1 gra/i09_star.jpg",
                 "fade 1000 0",
                 "narration 1",
                 "narration 2",
                 "dusk house",
                 "fade 1000 0",
                 "face 0",
                 "face 0"}),
         "state game=48 position=3 light=1 f00=0 x00=0 music=0"},
        {"evening farewell after the stars", "game=36 position=3 light=1 music=water2", "talk",
         expand({"dusk house", "boy layered", "fade 1000 0", "face k01_sib3", "飛沫 1", "face 0",
                 "少年 1", "dusk house", "lit window", "fade 1000 0", "face 0"}),
         "state game=37 position=3 light=1 f00=0 x00=0 music=water2"},
    };
    std::vector<std::pair<std::string, std::string>> steps;
    for (const Scene& scene : scenes) steps.emplace_back(scene.state, scene.command);
    const std::vector<Played> played = run_steps(steps);
    for (std::size_t i = 0; i < scenes.size(); ++i) {
        SCOPED_TRACE(scenes[i].name);
        EXPECT_EQ(shape(played[i], kRoadShape), scenes[i].expected);
        EXPECT_EQ(state_after(played[i]), scenes[i].after);
        for (const std::string& message : played[i].of("message"))
            EXPECT_EQ(misfit(message.substr(8)), "") << message;
    }
}

TEST(Road, ArrivingWithoutAnEventOnlyShowsTheHouseByTheVariant) {
    const struct {
        int game, light;
        Lines expected;
    } cases[] = {
        {3, 0, expand({"day house", "fade 1000 0", "face 0"})},
        {40, 1, expand({"dusk house", "lit window", "fade 1000 0", "face 0"})},
        // From the day the door stays shut, nobody lights that window.
        {42, 1, expand({"dusk house", "fade 1000 0", "face 0"})},
        {48, 1, expand({"dusk house", "fade 1000 0", "face 0"})},
        {99, 0, expand({"day house", "fade 1000 0", "face 0"})},
        {9, 2, expand({"fade 1000 0", "face 0"})},
    };
    std::vector<std::pair<std::string, std::string>> steps;
    for (const auto& c : cases) {
        steps.emplace_back("game=" + std::to_string(c.game) +
                               " position=5 light=" + std::to_string(c.light) + " music=mind",
                           "move 0");
    }
    const std::vector<Played> played = run_steps(steps);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(steps[i].first);
        EXPECT_EQ(shape(played[i], kRoadShape), cases[i].expected);
        const std::string state = "state game=" + std::to_string(cases[i].game) +
                                  " position=3 light=" + std::to_string(cases[i].light) + " ";
        EXPECT_EQ(state_after(played[i]).rfind(state, 0), 0u) << state_after(played[i]);
    }
}

TEST(Road, TalkAndLookGiveTheirLinesByStoryStage) {
    const struct {
        int game;
        const char* command;
        Lines messages;
    } cases[] = {
        {7, "look", {"message 通るたびに、なんとなく気になる家がある。"}},
        {8, "look", {"message 不思議な少年が住んでいる家。"}},
        {43, "look", {"message 不思議な少年が住んでいる家。"}},
        {44, "look", {"message 不思議な少年が住んでいた……はずの家。"}},
        {99, "look", {"message 不思議な少年が住んでいた……はずの家。"}},
        {100, "look", {}},
        {0, "talk", {"message ここには話す相手がいない。"}},
        {37, "talk", {"message ここには話す相手がいない。"}},  // the evening farewell is over
        {99, "talk", {"message ここには話す相手がいない。"}},
        {100, "talk", {}},
    };
    std::vector<std::pair<std::string, std::string>> steps;
    for (const auto& c : cases)
        steps.emplace_back("game=" + std::to_string(c.game) + " position=3 light=0", c.command);
    const std::vector<Played> played = run_steps(steps);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(steps[i].second + " with " + steps[i].first);
        EXPECT_EQ(played[i].of("message"), cases[i].messages);
        EXPECT_TRUE(played[i].of("picture").empty());
        EXPECT_EQ(
            state_after(played[i]).rfind("state game=" + std::to_string(cases[i].game) + " ", 0),
            0u);
    }
}

}  // namespace
}  // namespace hazama::testing
