// Saving and loading through the real window: the buttons, the file dialog typed into as a
// player would, the arrival scene replayed after a load, and the refusal of a bad file.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "file_answer.h"
#include "platform/qt_picture_decoder.h"
#include "window_fixture.h"

namespace hazama {
namespace {

class SaveLoadTest : public WindowTest {
  protected:
    // Presses `button` while `answer` stands ready for its file dialog, reading every line
    // the scene that follows shows.
    void press_with_file(const char* button, FileAnswer& answer) {
        (void)answer;
        QTimer reader;
        QObject::connect(&reader, &QTimer::timeout, [this] {
            if (form->mes == 1) form->Form_Click();
        });
        reader.start(5);
        click(button);
    }
    // The commands sent to the music device, without the loop watcher's status polls.
    std::vector<std::string> commands() const {
        std::vector<std::string> out;
        for (const auto& c : media.commands())
            if (c != "status x1 mode") out.push_back(c);
        return out;
    }
    bool sent(const std::string& command) const {
        const auto all = commands();
        return std::find(all.begin(), all.end(), command) != all.end();
    }
};

TEST_F(SaveLoadTest, SaveThenLoadRestoresTheStateAndReplaysTheArrival) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    enter_play();
    form->game = 20;  // in front of her house on the morning after the all-nighter
    form->position = 1;
    form->light = 0;
    form->MusicFile = "mind";

    const QString file = folder.filePath(QStringLiteral("morning.hzm"));
    FileAnswer saved(file);
    press_with_file("comsave", saved);
    EXPECT_TRUE(saved.message_boxes.isEmpty());
    ASSERT_TRUE(QFile::exists(file));

    // Somewhere else later in the story, then load.
    form->game = 33;
    form->position = 11;
    form->light = 1;
    form->MusicFile = "shigure";
    media.clear();
    FileAnswer loaded(file);
    press_with_file("comload", loaded);
    EXPECT_TRUE(loaded.message_boxes.isEmpty());
    EXPECT_EQ(loaded.title, QStringLiteral("ゲームデータの読み出し"));

    EXPECT_EQ(form->game, 20);
    EXPECT_EQ(form->position, 1);
    EXPECT_EQ(form->light, 0);
    EXPECT_EQ(form->MusicFile, "mind");
    EXPECT_EQ(form->f00, 0);
    // The arrival scene of the loaded place ran: its picture is on the screen.
    Plane house;
    std::string error;
    ASSERT_TRUE(decode_picture((form->root() / "gra" / "h03_ie.jpg").string(), house, error));
    EXPECT_EQ(form->picmain[0].pixels, house.pixels);
    for (const char* name : {"commove", "comtalk", "comlook", "comsave", "comload"})
        EXPECT_TRUE(enabled(name)) << name;
    // The saved piece starts again from its beginning.
    const std::string open_mind =
        "open \"" + (form->root() / "music" / "mind.mid").string() + "\" alias x1 notify";
    EXPECT_TRUE(sent(open_mind));
    EXPECT_EQ(commands().back(), "play x1");
}

TEST_F(SaveLoadTest, ABadFileIsRefusedAndTheOldMusicStartsAgain) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("broken.hzm"));
    QFile broken(file);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a save file at all");
    broken.close();

    enter_play();
    form->game = 12;
    form->position = 5;
    form->music("verdure");
    media.clear();
    FileAnswer answer(file);
    press_with_file("comload", answer);
    EXPECT_EQ(answer.message_boxes, QStringList{QStringLiteral("読み込みエラー")});
    EXPECT_EQ(form->game, 12);
    EXPECT_EQ(form->position, 5);
    EXPECT_EQ(form->MusicFile, "verdure");
    ASSERT_GE(commands().size(), 3u);
    EXPECT_EQ(commands().front(), "close x1");
    EXPECT_EQ(commands().back(), "play x1");

    // A cancelled dialog changes nothing and leaves the music alone.
    media.clear();
    FileAnswer cancelled{QString()};
    click("comload");
    EXPECT_TRUE(commands().empty());
    EXPECT_EQ(form->MusicFile, "verdure");
}

TEST_F(SaveLoadTest, FilesThatCannotBeWrittenOrReadAreTold) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile plain(folder.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    // Reading the unmapped start of this process's memory fails in the kernel: a file that
    // is there and cannot be read, not a file refused for its contents.
    const QString unreadable = folder.filePath(QStringLiteral("memory.hzm"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), unreadable));

    enter_play();
    form->game = 12;
    form->position = 5;
    form->music("verdure");
    {
        FileAnswer saved(folder.filePath(QStringLiteral("plain/slot.hzm")));
        press_with_file("comsave", saved);
        EXPECT_EQ(saved.message_boxes, QStringList{QStringLiteral("書き込みエラー")});
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::System).size(), 2);
    }

    media.clear();
    FileAnswer loaded(unreadable);
    press_with_file("comload", loaded);
    EXPECT_EQ(loaded.message_boxes, QStringList{QStringLiteral("読み込みエラー")});
    EXPECT_EQ(form->game, 12);
    EXPECT_EQ(form->MusicFile, "verdure");
    EXPECT_EQ(commands().front(), "close x1");
    EXPECT_EQ(commands().back(), "play x1") << "the music starts again";
}

}  // namespace
}  // namespace hazama
