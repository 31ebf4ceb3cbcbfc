// The small locations: the house front, the closed road, the hallway and the inner room of
// the boy's house, and the place where the hut stood.
#include "audio/recording_media_device.h"
#include "form/main_form.h"
#include "platform/qt_picture_decoder.h"
#include "platform/virtual_platform.h"
#include "scene_shorthand.h"

namespace hazama::testing {
namespace {

struct Scene {
    const char* what;
    std::string setup;    // runner lines that put the player in place
    std::string command;  // the command whose trace is compared
    Lines expected;       // in short hand
};

void check(const std::vector<Scene>& scenes) {
    for (const Scene& s : scenes) {
        SCOPED_TRACE(s.what);
        EXPECT_EQ(shape(reply_to(s.setup, s.command)), expand(s.expected));
    }
}

const std::string kNobody = "message ここには話す相手がいない。";

TEST(SmallLocations, HouseFront) {
    check({
        {"coming home with 17: she knows a scolding waits",
         "set game=17 position=4 light=0",
         "move 1",
         {"stage h03_ie; fade 1000 0; narration 1; [-]", state_line(18, 1, 0, "up_mode2")}},
        {"with 18 in the evening only the dark house front",
         "set game=18 position=4 light=1",
         "move 1",
         {"stage h03_ied; fade 1000 0; [-]", state_line(18, 1, 1, "up_mode2")}},
        {"an unknown variant loads nothing",
         "set game=17 position=4 light=2",
         "move 1",
         {"fade 1000 0; narration 1; [-]", state_line(18, 1, 2, "up_mode2")}},
        {"look",
         "set game=30 position=1",
         "look",
         {"narration 1; [-]", state_line(30, 1, 0, "up_mode2")}},
    });
    EXPECT_EQ(reply_to("set game=17 position=1", "talk").of("message"), Lines{kNobody});
}

TEST(SmallLocations, RoadWorks) {
    check({
        {"first time on the road: closed, a detour every morning",
         "set game=1 position=1",
         "move 1",
         {"stage h03_koji; fade 1000 0; narration 2; [k01_sib2]; 飛沫 1 1; [-]; [-]",
          state_line(2, 2, 0, "up_mode2")}},
        {"the second time only the road",
         "set game=2 position=1",
         "move 1",
         {"stage h03_koji; fade 1000 0; [-]", state_line(2, 2, 0, "up_mode2")}},
        {"look",
         "set game=1 position=2",
         "look",
         {"narration 1; [-]", state_line(1, 2, 0, "up_mode2")}},
    });
    EXPECT_EQ(reply_to("set game=1 position=2", "talk").of("message"), Lines{kNobody});
}

TEST(SmallLocations, HallwayOfTheBoysHouse) {
    check({
        {"by day before 23 the balance theme starts",
         "set game=22 position=8 light=0",
         "move 1",
         {"stage h04_s-rk; music balance; fade 1000 0; [-]", state_line(22, 7, 0, "balance")}},
        {"by day from 23 on no music",
         "set game=23 position=8 light=0",
         "move 1",
         {"stage h04_s-rk; fade 1000 0; [-]", state_line(23, 7, 0, "up_mode2")}},
        {"in the dark the music goes on as it was",
         "set game=5 position=8 light=1 music=mind",
         "move 1",
         {"stage h04_srkd; fade 1000 0; [-]", state_line(5, 7, 1, "mind")}},
        {"look with 100 says nothing",
         "set game=100 position=7",
         "look",
         {"[-]", state_line(100, 7, 0, "up_mode2")}},
    });
    // Someone seems to be there until the boy is met; then the carving is heard.
    const auto look = [](int game) {
        return reply_to("set position=7 game=" + std::to_string(game), "look").of("message");
    };
    EXPECT_EQ(look(0), look(7));
    EXPECT_EQ(look(8), look(99));
    ASSERT_EQ(look(7).size(), 1u);
    ASSERT_EQ(look(8).size(), 1u);
    EXPECT_NE(look(7), look(8));
    EXPECT_EQ(reply_to("set game=8 position=7", "talk").of("message"), Lines{kNobody});
}

TEST(SmallLocations, InnerRoomOfTheBoysHouse) {
    check({
        {"with 6: eerie, a bright room, and she cannot explain herself",
         "set game=6 position=7",
         "move 0",
         {"stage h04_s-ak; fade 1000 0; [k01_sib3]; 飛沫 1 1; [-]; narration 2 1; [-]",
          state_line(7, 8, 0, "up_mode2")}},
        {"again with 7: only the room",
         "set game=7 position=7",
         "move 0",
         {"stage h04_s-ak; fade 1000 0; [-]", state_line(7, 8, 0, "up_mode2")}},
        {"look",
         "set game=6 position=8",
         "look",
         {"narration 1; [-]", state_line(6, 8, 0, "up_mode2")}},
    });
    EXPECT_EQ(reply_to("set game=6 position=8", "talk").of("message"), Lines{kNobody});
}

// Nothing on the map leads to the hut's place, so its arrival is played by calling the
// routine as the dining room's hand-over does.
Lines arrive_at_hut_place(int game) {
    RecordingMediaDevice device;
    VirtualPlatform platform(device);
    MainForm form(platform, assets_folder());
    Lines trace;
    platform.decoder = decode_picture;
    platform.reader = [&] { form.labmain_Click(); };
    platform.on_note = [&](const std::string& line) { trace.push_back(line); };
    for (Plane& p : form.picmain) p.resize(512, 384);
    form.game = static_cast<std::uint8_t>(game);
    form.position = 14;
    form.g14();
    trace.push_back("game=" + std::to_string(form.game));
    return trace;
}

TEST(SmallLocations, WhereTheHutStood) {
    const Lines expected = {"picture 1 gra/i11_lo03.jpg", "reverse", "fade 1000 0", "face 0",
                            "game=46"};
    EXPECT_EQ(arrive_at_hut_place(45), expected);
    EXPECT_EQ(arrive_at_hut_place(3), expected);

    EXPECT_EQ(shape(reply_to("set game=46 position=14", "look")),
              (Lines{"narration 1", "narration 1", "face 0",
                     "state game=46 position=14 light=0 f00=0 x00=0 music=up_mode2"}));
    EXPECT_EQ(reply_to("set game=46 position=14", "talk").of("message"), Lines{kNobody});
}

}  // namespace
}  // namespace hazama::testing
