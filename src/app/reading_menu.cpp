// The right-click menu and what its entries do. The shortcut keys only show in the menu
// (after a tab); the window handles the keys themselves.
#include "app/reading_menu.h"

#include <QActionGroup>

#include "form/main_form.h"

namespace hazama {
namespace {

struct Speed {
    const char* caption;
    AutoSpeed speed;
};
constexpr Speed kSpeeds[] = {
    {"遅い", AutoSpeed::slow},
    {"普通", AutoSpeed::normal},
    {"速い", AutoSpeed::fast},
};

}  // namespace

ReadingMenu::ReadingMenu(QWidget* parent, MainForm& form, WindowActions window)
    : QMenu(parent), form_(form), window_(std::move(window)) {
    setObjectName(QStringLiteral("reading_menu"));
    // The click that closes the menu is not passed on: it must not release a line.
    setAttribute(Qt::WA_NoMouseReplay);
    connect(this, &QMenu::aboutToShow, this, [this] { form_.set_menu_open(true); });
    connect(this, &QMenu::aboutToHide, this, [this] { form_.set_menu_open(false); });
    build();
}

void ReadingMenu::build() {
    history_ =
        addAction(QStringLiteral("履歴(&H)\tPgUp"), this, [this] { window_.open_history(); });

    auto_ =
        addAction(QStringLiteral("オート(&A)\tF2"), this, [this](bool on) { form_.set_auto(on); });
    auto_->setCheckable(true);
    speeds_ = addMenu(QStringLiteral("オートの速さ(&V)"));
    auto* group = new QActionGroup(speeds_);
    for (const Speed& s : kSpeeds) {
        QAction* a =
            speeds_->addAction(QString::fromUtf8(s.caption), this, [this, speed = s.speed] {
                form_.set_auto_speed(speed);
                form_.set_auto(true);
            });
        a->setCheckable(true);
        a->setData(static_cast<int>(s.speed));
        group->addAction(a);
    }

    skip_ = addAction(QStringLiteral("既読スキップ(&K)\tF3"), this,
                      [this](bool on) { form_.set_skip(on); });
    skip_->setCheckable(true);

    addSeparator();
    fullscreen_ = addAction(QStringLiteral("全画面(&U)\tF11"), this,
                            [this](bool on) { window_.set_fullscreen(on); });
    fullscreen_->setCheckable(true);
    // Kept for what comes next: the loudness of the music.
    addMenu(QStringLiteral("音量(&M)"))->setEnabled(false);
}

void ReadingMenu::refresh() {
    Reading& reading = form_.reading();
    history_->setEnabled(form_.history_allowed() && !reading.history().empty());
    auto_->setChecked(reading.auto_on());
    for (QAction* a : speeds_->actions())
        a->setChecked(a->data().toInt() == static_cast<int>(reading.auto_speed()));
    skip_->setChecked(reading.skip_on());
    fullscreen_->setChecked(window_.fullscreen());
}

void ReadingMenu::open_at(const QPoint& global) {
    refresh();
    popup(global);
}

}  // namespace hazama
