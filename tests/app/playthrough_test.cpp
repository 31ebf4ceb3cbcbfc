// The whole story played in the real window: the walkthrough's commands pressed as buttons
// with Ctrl held, checked command by command against what the story runner prints for the
// same script, so the window's waits, chooser and timers cannot take the story elsewhere.
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <set>
#include <sstream>

#include "desktop/go_position.h"
#include "file_answer.h"
#include "story/harness.h"
#include "story_runner.h"
#include "window_fixture.h"

namespace hazama {
namespace {

struct Command {
    int line = 0;
    std::string text;  // as written, without its comment
    std::vector<std::string> words;
    std::string runner_state;  // "game=… position=… light=… music=…"; empty once closed
};

std::vector<Command> commands_of(const std::string& script) {
    std::vector<Command> out;
    std::istringstream in(script);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        Command command{number, line.substr(0, line.find('#')), {}, {}};
        std::istringstream words(command.text);
        for (std::string w; words >> w;) command.words.push_back(w);
        if (command.words.empty()) continue;
        command.text.erase(command.text.find_last_not_of(" \t") + 1);
        out.push_back(command);
    }
    return out;
}

// The runner's state line cut down to what the window test compares.
std::string compared(const std::string& state_line) {
    std::istringstream in(state_line);
    std::string out;
    for (std::string w; in >> w;) {
        for (const char* name : {"game=", "position=", "light=", "music="})
            if (w.rfind(name, 0) == 0) out += (out.empty() ? "" : " ") + w;
    }
    return out;
}

// Fills in each command's state as the runner leaves it; false when the runner failed.
bool run_in_runner(const std::string& script, std::vector<Command>& commands, std::string& why) {
    std::istringstream in(script);
    std::ostringstream out, err;
    RunnerOptions options;
    const char* assets = std::getenv("HAZAMA_ASSETS");
    options.assets = assets ? assets : ".";
    if (run_story(in, out, err, options) != 0) {
        why = err.str();
        return false;
    }
    std::istringstream trace(out.str());
    std::size_t index = 0;
    for (std::string line; std::getline(trace, line);) {
        if (line.rfind("> ", 0) == 0) ++index;
        if (line.rfind("state ", 0) == 0 && index > 0 && index <= commands.size())
            commands[index - 1].runner_state = compared(line);
    }
    return true;
}

// The runner's commands that are buttons in the window; the rest (set, wait, …) have no
// place in a player's walkthrough.
const std::set<std::string> kPressed = {"new", "look", "talk", "move", "save", "load", "quit"};

class PlaythroughTest : public WindowTest {
  protected:
    std::string window_state() const {
        return "game=" + std::to_string(form->game) +
               " position=" + std::to_string(form->position) +
               " light=" + std::to_string(form->light) + " music=" + form->MusicFile;
    }
    // Presses the button the command names; a hidden or disabled button is refused, as
    // the runner refuses it.
    void press(const Command& c) {
        const std::string& verb = c.words[0];
        if (verb == "quit") {
            if (shown("comend") && enabled("comend")) {
                click("comend");
            } else {
                window->close();
            }
            return;
        }
        const char* button = verb == "new"    ? "comstart"
                             : verb == "look" ? "comlook"
                             : verb == "talk" ? "comtalk"
                             : verb == "move" ? "commove"
                             : verb == "save" ? "comsave"
                                              : "comload";
        if (!shown(button) || !enabled(button)) return;
        if (verb == "move") chooser_answer = c.words[1] == "close" ? -1 : std::stoi(c.words[1]);
        if (verb == "save" || verb == "load") {
            const auto path = c.text.substr(c.text.find_first_not_of(" \t", 4));
            FileAnswer answer(path == "cancel" ? QString() : QString::fromStdString(path));
            click(button);
            return;
        }
        click(button);
    }
    // Holds Ctrl down, and answers the chooser; a dialog takes the focus and with it the
    // key, which the player then presses again.
    void drive() {
        if (auto* chooser = dynamic_cast<GoPosition*>(QApplication::activeModalWidget())) {
            if (chooser_answer < 0) {
                chooser->close();
            } else {
                const auto name = QStringLiteral("Command1_%1").arg(chooser_answer);
                QTest::mouseClick(chooser->findChild<QPushButton*>(name), Qt::LeftButton);
            }
            chooser_answer = -1;
        } else if (QApplication::activeModalWidget() == nullptr && !form->reading().ctrl_held() &&
                   !platform->closing()) {
            QTest::keyPress(window, Qt::Key_Control);
        }
    }

    int chooser_answer = -1;
};

TEST_F(PlaythroughTest, TheWalkthroughWithCtrlHeldLeavesTheStateTheRunnerPrints) {
    const std::string script = testing::read_walkthrough();
    ASSERT_FALSE(script.empty()) << "tests/story/walkthrough.txt not found";
    std::vector<Command> commands = commands_of(script);
    std::string why;
    ASSERT_TRUE(run_in_runner(script, commands, why)) << why;

    QTemporaryDir data;
    form->reading().set_data_folder(data.path().toStdString());
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [this] { drive(); });
    driver.start(5);
    // A command still running after a minute has stopped the story: close the window.
    QTimer stuck;
    stuck.setSingleShot(true);
    bool timed_out = false;
    QObject::connect(&stuck, &QTimer::timeout, [&] {
        timed_out = true;
        window->close();
    });

    QElapsedTimer took;
    took.start();
    for (const Command& c : commands) {
        const std::string where = "line " + std::to_string(c.line) + " (" + c.text + ")";
        ASSERT_TRUE(kPressed.contains(c.words[0])) << "no button plays " << where;
        ASSERT_FALSE(platform->closing()) << "the window closed before " << where;
        drive();
        stuck.start(60000);
        if (c.words[0] == "quit") media.clear();  // every change of music closes x1 too
        press(c);
        stuck.stop();
        ASSERT_FALSE(timed_out) << "the story stood still at " << where;
        if (c.runner_state.empty()) {
            EXPECT_TRUE(platform->closing()) << "the runner closed the game at " << where;
        } else {
            ASSERT_EQ(window_state(), c.runner_state)
                << "the window and the runner part at " << where;
        }
    }
    ASSERT_TRUE(platform->closing()) << "the walkthrough ends with quit";
    int closes = 0;
    for (const std::string& c : media.commands()) closes += c == "close x1";
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(platform->exit_status(), 0);
    std::cout << "[ played    ] " << commands.size() << " commands in " << took.elapsed()
              << " ms\n";
}

}  // namespace
}  // namespace hazama
