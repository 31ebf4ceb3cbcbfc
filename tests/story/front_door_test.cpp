// The front door of the boy's house: the six visits, the plain door between them, and
// what looking at the door says.
#include "scene_shorthand.h"

namespace hazama::testing {
namespace {

const std::string kClosedDay = "picture 1 gra/h04_s-dc.jpg";
const std::string kClosedDusk = "picture 1 gra/h04_sdce.jpg";
const std::string kOpenDay = "picture 1 gra/h04_s-do.jpg";
const std::string kOpenDusk = "picture 1 gra/h04_s-de.jpg";
const std::string kFade = "fade 1000 0";
const std::string kShibukiSays = "飛沫 1";

struct Arrival {
    int game;
    int light;
    int game_after;
    int x00_after;
    Lines expected;  // the shaped trace before com
};

// The runner lines that walk up to the door: from the hallway before the road leads here,
// else from the road. x00 starts at 7 so that every arrival has to set it.
std::string walk_up(int game, int light, const std::string& music = "up_mode2") {
    const bool early = game < 5;
    return "set x00=7 position=" + std::string(early ? "7" : "3") +
           " game=" + std::to_string(game) + " light=" + std::to_string(light) + " music=" + music +
           "\nmove " + (early ? "1" : "0") + "\n";
}

Played arrive(int game, int light) {
    return replies("new\n" + walk_up(game, light)).at(0);
}

// All arrivals play in one run; `music` is the piece heard when each has ended.
void check(const std::vector<Arrival>& arrivals, const std::string& music = "up_mode2") {
    std::string script = "new\n";
    for (const Arrival& a : arrivals) script += walk_up(a.game, a.light);
    const std::vector<Played> got = replies(script);
    ASSERT_EQ(got.size(), arrivals.size());
    for (std::size_t i = 0; i < arrivals.size(); ++i) {
        const Arrival& a = arrivals[i];
        SCOPED_TRACE("game " + std::to_string(a.game) + " light " + std::to_string(a.light));
        Lines expected = a.expected;
        expected.push_back("face 0");  // com
        expected.push_back(state_line(a.game_after, 6, a.light, music, a.x00_after));
        EXPECT_EQ(shape(got[i]), expected);
    }
}

TEST(FrontDoor, VisitsThatOpenTheDoorMoveTheStoryOn) {
    const Lines first = {kClosedDay,      kFade,         "face k01_sib3", kShibukiSays,
                         "face 0",        "narration 1", kOpenDay,        "fade 3000 0",
                         "face k01_sib3", "飛沫 2",      "face 0"};
    // The scenes name their pictures themselves, whatever the light.
    const Lines at_dusk = {kClosedDusk,     kFade,        kOpenDusk, kFade,
                           "face k01_sib3", kShibukiSays, "face 0"};
    const Lines by_day = {kClosedDay,      kFade,        kOpenDay, kFade,
                          "face k01_sib3", kShibukiSays, "face 0"};
    check({
        {3, 0, 6, 0, first},
        {15, 0, 16, 0, at_dusk},
        {23, 1, 24, 0, by_day},
        {31, 1, 32, 0, {kClosedDay, kFade, kOpenDay, kFade}},
    });
    // The second and third visits say the same thing.
    EXPECT_EQ(arrive(15, 1).of("message"), arrive(23, 0).of("message"));
}

TEST(FrontDoor, VisitsAfterTheExamFindItShut) {
    const Lines will_not_open = {kClosedDay,   kFade,        "music 0",     "face k01_sib3",
                                 kShibukiSays, "face 0",     "narration 1", "face k01_sib2",
                                 kShibukiSays, kShibukiSays, "face 0",      "narration 1",
                                 "narration 1"};
    check({{40, 1, 41, 2, will_not_open}}, "0");
    // After the results the portrait stays until com takes it away.
    const Lines world_changed = {kClosedDusk,     kFade,        "narration 1",
                                 "face k01_sib2", kShibukiSays, "飛沫 2"};
    check({{46, 0, 47, 2, world_changed}});
}

TEST(FrontDoor, BetweenVisitsTheDoorIsShownAsItStands) {
    check(
        {
            {6, 0, 6, 0, {"music mind2", kOpenDay, kFade}},
            {9, 1, 9, 0, {"music mind2", kOpenDusk, kFade}},
        },
        "mind2");
    check({
        {16, 1, 16, 0, {kOpenDusk, kFade}},
        {19, 0, 19, 0, {kOpenDay, kFade}},
        {26, 1, 26, 0, {kOpenDusk, kFade}},
        {29, 0, 29, 0, {kOpenDusk, kFade}},  // the dusk picture whatever the light
        {32, 0, 32, 0, {kOpenDay, kFade}},
        {37, 1, 37, 0, {kOpenDusk, kFade}},
        {41, 1, 41, 2, {kClosedDusk, kFade}},
        {99, 0, 99, 2, {kClosedDay, kFade}},
        {10, 0, 10, 1, {kClosedDay, kFade}},
        {28, 1, 28, 1, {kClosedDusk, kFade}},
        {36, 0, 36, 1, {kClosedDay, kFade}},
        {20, 2, 20, 1, {kFade}},
        {17, 2, 17, 0, {kFade}},
    });
    // Already playing, the piece of the open door is not started again.
    EXPECT_EQ(shape(replies("new\n" + walk_up(6, 0, "mind2")).at(0)).front(), kOpenDay);
}

TEST(FrontDoor, LookingTellsTheDoorsStateAndNobodyIsThereToTalkTo) {
    const std::string open = "message 扉が開いている。";
    const std::string nobody = "message ここには話す相手がいない。";
    struct Ask {
        const char* command;
        int game;
        int x00;
        Lines expected;  // an open door before 8 is checked below
    };
    const std::vector<Ask> asks = {
        {"look", 6, 0, {}},
        {"look", 0, 0, {}},
        {"look", 7, 0, {}},
        {"look", 8, 0, {open}},
        {"look", 99, 0, {open}},
        {"look", 100, 0, {}},
        {"look", 3, 1, {"message 扉は閉まっている。"}},
        {"look", 200, 1, {"message 扉は閉まっている。"}},
        {"look", 3, 2, {"message 開かない扉。"}},
        {"look", 200, 2, {"message 開かない扉。"}},
        {"look", 6, 3, {}},
        {"talk", 3, 0, {nobody}},
        {"talk", 40, 2, {nobody}},
        {"talk", 150, 1, {nobody}},
    };
    std::string script = "new\n";
    for (const Ask& a : asks)
        script += "set position=6 game=" + std::to_string(a.game) +
                  " x00=" + std::to_string(a.x00) + "\n" + a.command + "\n";
    const std::vector<Played> got = replies(script);
    ASSERT_EQ(got.size(), asks.size());
    for (std::size_t i = 0; i < asks.size(); ++i) {
        const Ask& a = asks[i];
        SCOPED_TRACE(std::string(a.command) + " game " + std::to_string(a.game) + " x00 " +
                     std::to_string(a.x00));
        const Lines said = got[i].of("message");
        if (std::string(a.command) == "look" && a.x00 == 0 && a.game <= 7) {
            // Until the boy is met, an open door has someone behind it.
            ASSERT_EQ(said.size(), 1u);
            EXPECT_EQ(said[0].rfind(open + "\\n", 0), 0u);
            EXPECT_EQ(said, got[0].of("message"));
        } else {
            EXPECT_EQ(said, a.expected);
        }
    }
}

}  // namespace
}  // namespace hazama::testing
