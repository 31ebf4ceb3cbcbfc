// The road before the boy's house: its seven story events, the plain arrivals, talk and look.
#include <initializer_list>
#include <map>

#include "harness.h"

namespace hazama::testing {
namespace {

using Lines = std::vector<std::string>;

// Shorthands of the expectation tables, each standing for the trace lines it produces.
const std::map<std::string, Lines> kShorthand = {
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

Lines expand(std::initializer_list<std::string> steps) {
    Lines out;
    for (const std::string& step : steps) {
        const auto found = kShorthand.find(step);
        if (found == kShorthand.end()) {
            out.push_back(step);
        } else {
            out.insert(out.end(), found->second.begin(), found->second.end());
        }
    }
    return out;
}

// A message becomes "<who> <lines>": the speaker's name, "voice" for a bare 「…」 line of the
// boy, "narration" otherwise. A piece of music becomes "music NAME" or "music 0".
Lines shape(const Played& played) {
    const Lines raw = played.lines();
    Lines out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const std::string& line = raw[i];
        if (line.rfind("message ", 0) == 0) {
            const std::string text = line.substr(8);
            std::string who = "narration";
            for (const char* name : {"飛沫の母", "飛沫", "蓮美", "少年", ""}) {
                if (text.rfind(std::string(name) + "「", 0) == 0) {
                    who = *name != '\0' ? name : "voice";
                    break;
                }
            }
            int lines = 1;
            for (auto at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 2))
                ++lines;
            out.push_back(who + " " + std::to_string(lines));
        } else if (line == "mci close x1" && i + 2 < raw.size() &&
                   raw[i + 1].rfind("mci open \"", 0) == 0 && raw[i + 2] == "mci play x1") {
            const std::string& open = raw[i + 1];
            const auto from = open.rfind("/music/") + 7;
            out.push_back("music " + open.substr(from, open.find(".mid\"") - from));
            i += 2;
        } else if (line == "mci close x1") {
            out.push_back("music 0");
        } else if (line.rfind("chooser ", 0) != 0 && line.rfind("state ", 0) != 0 &&
                   line.rfind("show ", 0) != 0 && line.rfind("hide ", 0) != 0) {
            out.push_back(line);
        }
    }
    return out;
}

// Starts one game, then for each step sets the state and gives the command; returns the
// trace of each command (the state line it ends with included).
std::vector<Played> run_steps(const std::vector<std::pair<std::string, std::string>>& steps) {
    std::string script = "new\n";
    for (const auto& [state, what] : steps) script += "set " + state + "\n" + what + "\n";
    const Played all = play(script);
    EXPECT_EQ(all.status, 0) << all.errors;
    std::vector<Played> out;
    bool wanted = false;
    int echo = 0;
    for (const std::string& line : all.lines()) {
        if (line.rfind("> ", 0) == 0) {
            // Echoes: "new", then "set" and the command of each step in turn.
            wanted = ++echo > 1 && echo % 2 == 1;
            if (wanted) out.push_back(Played{all.status, "", all.errors});
        } else if (wanted) {
            out.back().trace += line + "\n";
        }
    }
    EXPECT_EQ(out.size(), steps.size()) << all.errors;
    out.resize(steps.size());
    return out;
}

// The state line a command ends with.
std::string state_after(const Played& played) {
    const Lines states = played.of("state");
    return states.empty() ? "" : states.back();
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
        EXPECT_EQ(shape(played[i]), scenes[i].expected);
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
        EXPECT_EQ(shape(played[i]), cases[i].expected);
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
