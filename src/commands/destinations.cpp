// The move command: the destination table (the map of the game) and the chooser.
#include <string>

#include "form/main_form.h"

namespace hazama {
namespace {

struct Exit {
    const char* caption;
    std::uint8_t to;
};

// One row of the map: at `position`, while `game` is in one of the ranges, the chooser
// offers up to three exits. Rows of one place are tried top to bottom.
struct Row {
    std::uint8_t position;
    std::uint8_t ranges[4][2];  // inclusive; unused ranges are {1, 0}
    Exit exits[3];
};

constexpr Row kMap[] = {
    {1,
     {{1, 4}, {1, 0}, {1, 0}, {1, 0}},
     {{to_translate("↑家の中"), 4}, {to_translate("←学校方面"), 2}, {}}},
    {1,
     {{48, 48}, {1, 0}, {1, 0}, {1, 0}},
     {{to_translate("↑家の中"), 15}, {to_translate("←学校方面"), 3}, {}}},
    {1,
     {{5, 99}, {1, 0}, {1, 0}, {1, 0}},
     {{to_translate("↑家の中"), 4}, {to_translate("←学校方面"), 3}, {}}},
    {2,
     {{1, 99}, {1, 0}, {1, 0}, {1, 0}},
     {{to_translate("←回り道をして学校へ"), 3}, {to_translate("飛沫の家→"), 1}, {}}},
    {3,
     {{1, 4}, {1, 0}, {1, 0}, {1, 0}},
     {{to_translate("←学校"), 5}, {to_translate("飛沫の家→"), 1}, {}}},
    {3,
     {{44, 44}, {1, 0}, {1, 0}, {1, 0}},
     {{to_translate("↑この家の玄関"), 6},
      {to_translate("←学校"), 5},
      {to_translate("飛沫の家→"), 13}}},
    {3,
     {{5, 99}, {1, 0}, {1, 0}, {1, 0}},
     {{to_translate("↑この家の玄関"), 6},
      {to_translate("←学校"), 5},
      {to_translate("飛沫の家→"), 1}}},
    {4, {{1, 9}, {1, 0}, {1, 0}, {1, 0}}, {{to_translate("家の外↓"), 1}, {}, {}}},
    {4,
     {{10, 99}, {1, 0}, {1, 0}, {1, 0}},
     {{to_translate("飛沫の部屋→"), 10}, {to_translate("家の外↓"), 1}, {}}},
    {5, {{1, 99}, {1, 0}, {1, 0}, {1, 0}}, {{to_translate("家方面→"), 3}, {}, {}}},
    {6,
     {{1, 9}, {16, 18}, {24, 26}, {29, 39}},
     {{to_translate("↑家の中"), 7}, {to_translate("この家の前の道↓"), 3}, {}}},
    {6, {{10, 99}, {1, 0}, {1, 0}, {1, 0}}, {{to_translate("この家の前の道↓"), 3}, {}, {}}},
    {7, {{28, 28}, {1, 0}, {1, 0}, {1, 0}}, {{to_translate("↑奥"), 8}, {}, {}}},
    {7,
     {{1, 99}, {1, 0}, {1, 0}, {1, 0}},
     {{to_translate("↑奥"), 8}, {to_translate("玄関前↓"), 6}, {}}},
    {8,
     {{1, 99}, {1, 0}, {1, 0}, {1, 0}},
     {{to_translate("↑光の射し込んでいる部屋"), 9}, {to_translate("玄関方面↓"), 7}, {}}},
    {9, {{1, 99}, {1, 0}, {1, 0}, {1, 0}}, {{to_translate("部屋を出る↓"), 8}, {}, {}}},
    {10, {{1, 99}, {1, 0}, {1, 0}, {1, 0}}, {{to_translate("←部屋を出る"), 4}, {}, {}}},
    {14, {{1, 99}, {1, 0}, {1, 0}, {1, 0}}, {{to_translate("少年の家"), 3}, {}, {}}},
};

bool holds(const Row& row, std::uint8_t game) {
    for (const auto& range : row.ranges) {
        if (range[0] <= range[1] && game >= range[0] && game <= range[1]) return true;
    }
    return false;
}

}  // namespace

std::string MainForm::place_name(std::uint8_t place) {
    for (const Row& row : kMap) {
        for (const Exit& exit : row.exits) {
            if (exit.caption == nullptr || exit.to != place) continue;
            std::string name = exit.caption;
            for (const char* arrow : {"↑", "↓", "←", "→"}) {
                for (auto at = name.find(arrow); at != std::string::npos; at = name.find(arrow))
                    name.erase(at, std::string(arrow).size());
            }
            return name;
        }
    }
    return {};
}

void MainForm::commove_Click() {
    for (int i = 0; i < 3; ++i) {
        dest_pos_[i] = 0;
        dest_name_[i].clear();
    }
    com_no();
    f00 = 1;
    for (const Row& row : kMap) {
        if (row.position != position || !holds(row, game)) continue;
        for (int i = 0; i < 3; ++i) {
            if (row.exits[i].caption == nullptr) continue;
            dest_name_[i] = row.exits[i].caption;
            dest_pos_[i] = row.exits[i].to;
        }
        break;
    }

    // The chooser go_position: reloaded each time, so captions never carry over.
    dest_pos_[3] = 0;
    stop_skip();
    std::array<std::string, 3> captions;
    for (int i = 0; i < 3; ++i) captions[i] = translator_.text(dest_name_[i]);
    note("chooser " + captions[0] + " | " + captions[1] + " | " + captions[2]);
    const int pressed = platform_.choose(captions);
    throw_if_closing();
    log_command(pressed < 0 ? "move close" : "move " + std::to_string(pressed));
    if (pressed >= 0 && pressed <= 2) dest_pos_[3] = dest_pos_[pressed];

    if (dest_pos_[3] != 0) {
        position = dest_pos_[3];
        f00 = 0;
    }
    ikisaki();
}

}  // namespace hazama
