// Every word the player sees in the game's language: the file dialog's list (a folder's type
// and the dates, which Qt's own translation leaves to the desktop's language) and the
// history's own words in English, which are not in the gothic's fixed-width Latin.
#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeView>

#include "desktop/history_panel.h"
#include "window_fixture.h"

namespace hazama {
namespace {

struct DialogWords : WindowTest {
    // The size, type and date columns of `name` in the file dialog opened on a folder holding a
    // folder "sub" and a file "a.hzm".
    QStringList listed(const QString& name) {
        QTemporaryDir folder;
        QDir(folder.path()).mkdir(QStringLiteral("sub"));
        QFile(folder.filePath(QStringLiteral("a.hzm"))).open(QIODevice::WriteOnly);
        QStringList seen;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
            QAbstractItemModel* model = view != nullptr ? view->model() : nullptr;
            if (model == nullptr) return;
            const QModelIndex root = view->rootIndex();
            for (int row = 0; row < model->rowCount(root); ++row) {
                if (model->index(row, 0, root).data().toString() != name) continue;
                for (const int column : {1, 2, 3})
                    seen << model->index(row, column, root).data().toString();
            }
            if (seen.isEmpty()) return;  // still being read
            driver.stop();
            dialog->reject();
        });
        driver.start(20);
        run_while(
            [&] {
                platform->ask_file({.title = "ロード",
                                    .initial_dir = folder.path().toStdString(),
                                    .filter = "ハザマセーブデータ(*.hzm)|*.hzm|",
                                    .default_extension = "hzm"});
            },
            [] {});
        return seen;
    }
};

TEST_F(DialogWords, TheFileListSpeaksTheGamesLanguage) {
    const QStringList folder = listed(QStringLiteral("sub"));
    ASSERT_EQ(folder.size(), 3);
    EXPECT_EQ(folder[1], QStringLiteral("フォルダー"));
    // The Japanese short date: year first, with slashes.
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d{4}/\\d{2}/\\d{2} ")).match(folder[2]).hasMatch())
        << folder[2].toStdString();
    const QStringList file = listed(QStringLiteral("a.hzm"));
    ASSERT_EQ(file.size(), 3);
    EXPECT_EQ(file[0], QStringLiteral("0 バイト"));
    EXPECT_EQ(file[1], QStringLiteral("HZM ファイル"));

    game->choices().set_language(Language::en);
    EXPECT_EQ(listed(QStringLiteral("sub")).value(1), QStringLiteral("Folder"));
    EXPECT_EQ(listed(QStringLiteral("a.hzm")).mid(0, 2),
              QStringList({QStringLiteral("0 bytes"), QStringLiteral("HZM file")}));
}

TEST_F(DialogWords, TheEmptyHistorySaysSoInTheFaceOfItsLanguage) {
    HistoryPanel& history = window->history();
    EXPECT_EQ(history.words_font().family(), history.font().family());
    game->choices().set_language(Language::en);
    const QFontInfo english(history.words_font());
    EXPECT_FALSE(english.fixedPitch()) << english.family().toStdString();
    EXPECT_NE(history.words_font().family(), history.font().family());
}

}  // namespace
}  // namespace hazama
