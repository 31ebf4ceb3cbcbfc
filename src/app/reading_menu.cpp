// The right-click menu and what its entries do. The shortcut keys only show in the menu
// (after a tab); the window handles the keys themselves.
#include "app/reading_menu.h"

#include <QActionGroup>

#include "app/settings.h"
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
    // Every entry's choice is kept for the next run, once it has been made.
    for (QMenu* menu : {static_cast<QMenu*>(this), speeds_, volumes_})
        connect(menu, &QMenu::triggered, this, [this] { window_.remember(); });
}

void ReadingMenu::build() {
    // At the title the first entry continues from the newest save (refresh puts it there).
    continue_ = new QAction(QStringLiteral("続きから(&R)\tF9"), this);
    connect(continue_, &QAction::triggered, this, [this] { window_.quick_load(); });
    continue_gap_ = new QAction(this);
    continue_gap_->setSeparator(true);
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

    volumes_ = addMenu(QStringLiteral("音量(&M)"));
    auto* loudness = new QActionGroup(volumes_);
    for (const int percent : kVolumeSteps) {
        const QString caption =
            percent == 0 ? QStringLiteral("消音") : QStringLiteral("%1 %").arg(percent);
        QAction* a =
            volumes_->addAction(caption, this, [this, percent] { window_.set_volume(percent); });
        a->setCheckable(true);
        a->setData(percent);
        loudness->addAction(a);
    }

    addSeparator();
    copy_ = addAction(QStringLiteral("この行をコピー(&C)\tCtrl+C"), this,
                      [this] { form_.copy_line(); });
    hide_ = addAction(QStringLiteral("文字を隠す(&D)\t中ボタン"), this,
                      [this] { form_.set_text_hidden(true); });
    addAction(QStringLiteral("設定(&S)…"), this, [this] { window_.open_settings(); });
}

void ReadingMenu::refresh() {
    Reading& reading = form_.reading();
    if (window_.at_title() != actions().contains(continue_)) {
        if (window_.at_title()) {
            insertActions(actions().value(0), {continue_, continue_gap_});
        } else {
            removeAction(continue_);
            removeAction(continue_gap_);
        }
    }
    history_->setEnabled(form_.history_allowed());
    copy_->setEnabled(!form_.message_line().empty());
    hide_->setEnabled(form_.history_allowed());
    auto_->setChecked(reading.auto_on());
    for (QAction* a : speeds_->actions())
        a->setChecked(a->data().toInt() == static_cast<int>(reading.auto_speed()));
    skip_->setChecked(reading.skip_on());
    fullscreen_->setChecked(window_.fullscreen());
    for (QAction* a : volumes_->actions()) a->setChecked(a->data().toInt() == window_.volume());
}

void ReadingMenu::open_at(const QPoint& global) {
    refresh();
    popup(global);
}

}  // namespace hazama
